#include "engine/naming.h"

#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>

namespace ravelin {

namespace {

// In the order of expansion.
constexpr std::array<std::string_view, 19> kTokens = {
    "%filename%", "%filename[u]%", "%filename[l]%", "%filename[t]%", "%ext%",   "%ext[u]%", "%ext[t]%",
    "%yyyy%",     "%mm%",          "%dd%",          "%hh%",          "%ii%",    "%ss%",     "%bpp%",
    "%width%",    "%height%",      "%frame%",       "%rnd%",         "%n%"};

std::string BaseName(const ConversionJob& job) {
    const std::string_view name = FileNamePart(job.currentInput);
    const auto dot = name.rfind('.');
    return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string FiveDigits(std::int32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%05d", value);
    return std::string(buffer).substr(0, 5);  // a longer number keeps its first five digits
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return local;
}

std::string TokenValue(std::string_view token, const ConversionJob& job) {
    if (token == "%filename%") return BaseName(job);
    if (token == "%filename[u]%") return ToUpper(BaseName(job));
    if (token == "%filename[l]%") return ToLower(BaseName(job));
    if (token == "%filename[t]%") return ToTitle(BaseName(job));
    if (token == "%ext%") return job.outputExtension;
    if (token == "%ext[u]%") return ToUpper(job.outputExtension);
    if (token == "%ext[t]%") return ToTitle(job.outputExtension);
    if (token == "%yyyy%") return std::to_string(LocalNow().tm_year + 1900);
    if (token == "%mm%") return TwoDigits(LocalNow().tm_mon + 1);
    if (token == "%dd%") return TwoDigits(LocalNow().tm_mday);
    if (token == "%hh%") return TwoDigits(LocalNow().tm_hour);
    if (token == "%ii%") return TwoDigits(LocalNow().tm_min);
    if (token == "%ss%") return TwoDigits(LocalNow().tm_sec);
    if (token == "%bpp%") return std::to_string(job.outputDepth);
    if (token == "%width%") return std::to_string(job.imageWidth);
    if (token == "%height%") return std::to_string(job.imageHeight);
    if (token == "%frame%") return std::to_string(job.frameNumber);
    if (token == "%rnd%") return FiveDigits(job.randomNumber);
    if (token == "%n%") return FiveDigits(job.sequenceNumber);
    return std::string(token);
}

}  // namespace

std::span<const std::string_view> NamingTokens() {
    return kTokens;
}

std::string ExpandToken(std::string_view text, std::string_view token, const ConversionJob& job) {
    const std::string lowerToken = ToLower(token);
    return ReplaceIgnoreCase(text, lowerToken, TokenValue(lowerToken, job));
}

std::string BuildOutputPath(const ConversionJob& job, const Settings& settings) {
    std::string name = ToLower(settings.filenameMask);
    if (name.empty()) name = "%filename%.%ext%";
    for (const std::string_view token : kTokens) {
        if (name.find(token) != std::string::npos) name = ExpandToken(name, token, job);
    }
    std::string path = job.outputFolder;
    if (settings.keepSubfolders) path += job.currentSubfolder;
    return path + name;
}

std::string ExpandWatermarkText(const Settings& settings, const ConversionJob& job) {
    const std::string& text = settings.wmText;
    if (std::count(text.begin(), text.end(), '%') < 2) return text;
    const std::string lower = ToLower(text);
    std::string expanded = text;
    for (const std::string_view token : kTokens) {
        if (lower.find(token) != std::string::npos) expanded = ExpandToken(expanded, token, job);
    }
    return expanded;
}

}  // namespace ravelin
