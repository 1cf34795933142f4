#include "cli/console_run.h"

#include "engine/batch.h"
#include "engine/encoding.h"
#include "engine/job_control.h"
#include "engine/watermark_font.h"
#include "formats/output_catalogue.h"
#include "platform/console.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/option_codes.h"
#include "settings/product_formats.h"
#include "settings/settings_fields.h"
#include "texts/text_table.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace ravelin {

namespace {

struct Labelled {
    const char* label;
    const char* field;  // "Section/Key"
};

// What the listing shows for each output format, and the quality check some formats have.
struct OutputFormatRow {
    const char* extension;
    std::initializer_list<Labelled> lines;
    const char* qualityField = nullptr;
};

// clang-format off
const std::initializer_list<OutputFormatRow> kOutputFormatRows = {
    {"bmp", {{"BMP BPP: ", "Output/BMP BPP"}, {"BMP Compression: ", "Output/BMP Compression"}, {"BMP Color Table: ", "Output/BMP Color Table"}}},
    {"dds", {{"DDS BPP: ", "Output/DDS BPP"}}},
    {"exr", {{"EXR BPP: ", "Output/EXR BPP"}, {"EXR Compression: ", "Output/EXR Compression"}}},
    {"gif", {{"GIF BPP: ", "Output/GIF BPP"}}},
    {"hdr", {{"HDR BPP: ", "Output/HDR BPP"}}},
    {"ico", {{"ICO BPP: ", "Output/ICO BPP"}}},
    {"j2k", {{"J2K BPP: ", "Output/J2K BPP"}}},
    {"jng", {{"JNG BPP: ", "Output/JNG BPP"}}},
    {"jp2", {{"JP2 BPP: ", "Output/JP2 BPP"}}},
    {"jpg", {{"JPG BPP: ", "Output/JPG BPP"}, {"JPG Quality: ", "Output/JPG Quality"},
             {"JPG Chroma Subsampling: ", "Output/JPG Chroma"}, {"JPG Save As: ", "Output/JPG Save As"}},
     "Output/JPG Quality"},
    {"jxr", {{"JXR BPP: ", "Output/JXR BPP"}}},
    {"pbm", {{"PBM BPP: ", "Output/PBM BPP"}}},
    {"pcx", {{"PCX BPP: ", "Output/PCX BPP"}}},
    {"pfm", {{"PFM BPP: ", "Output/PFM BPP"}}},
    {"pgm", {{"PGM BPP: ", "Output/PGM BPP"}}},
    {"png", {{"PNG BPP: ", "Output/PNG BPP"}, {"PNG Compression: ", "Output/PNG Compression"}, {"PNG Interlaced: ", "Output/PNG Interlaced"}}},
    {"ppm", {{"PPM BPP: ", "Output/PPM BPP"}}},
    {"psd", {{"PSD BPP: ", "Output/PSD BPP"}}},
    {"tga", {{"TGA BPP: ", "Output/TGA BPP"}, {"TGA Compression: ", "Output/TGA Compression"}}},
    {"tiff", {{"TIFF BPP: ", "Output/TIFF BPP"}, {"TIFF Compression: ", "Output/TIFF Compression"}, {"TIFF Color Mode: ", "Output/TIFF Color Mode"}}},
    {"wbmp", {{"WBMP BPP: ", "Output/WBMP BPP"}}},
    {"webp", {{"WEBP BPP: ", "Output/WEBP BPP"}, {"WEBP Quality: ", "Output/WEBP Quality"}}, "Output/WEBP Quality"},
    {"xpm", {{"XPM BPP: ", "Output/XPM BPP"}}},
};

const std::initializer_list<Labelled> kFrameLines = {
    {"Frame left: ", "Frame/Solid Left"}, {"Frame right: ", "Frame/Solid Right"},
    {"Frame top: ", "Frame/Solid Top"}, {"Frame bottom: ", "Frame/Solid Bottom"},
    {"Frame left color: ", "Frame/Solid Left Color"}, {"Frame right color: ", "Frame/Solid Right Color"},
    {"Frame top color: ", "Frame/Solid Top Color"}, {"Frame bottom color: ", "Frame/Solid Bottom Color"},
    {"Frame opacity: ", "Frame/Solid Opacity"}};

const std::initializer_list<Labelled> kTextWatermarkLines = {
    {"Watermark text: ", "Watermark/Text"}, {"Watermark font: ", "Watermark/Font"},
    {"Watermark font size: ", "Watermark/Font Size"}, {"Watermark font leading: ", "Watermark/Font Leading"},
    {"Watermark font color: ", "Watermark/Font Color"}, {"Watermark font style: ", "Watermark/Font Style"},
    {"Watermark font effect: ", "Watermark/Font Effect"}, {"Watermark text antialiasing: ", "Watermark/Text Antialiasing"},
    {"Watermark text alignment: ", "Watermark/Text Alignment"}, {"Watermark text padding: ", "Watermark/Text Padding"},
    {"Watermark text opacity: ", "Watermark/Text Opacity"}, {"Watermark background color: ", "Watermark/Back Color"},
    {"Watermark background opacity: ", "Watermark/Back Opacity"}, {"Watermark boundary: ", "Watermark/Text Boundary"},
    {"Watermark position: ", "Watermark/Text Position"}};
const std::initializer_list<Labelled> kTextWatermarkTail = {
    {"Watermark rotation: ", "Watermark/Text Rotation"}, {"Watermark size/mode: ", "Watermark/Text Size"}};

const std::initializer_list<Labelled> kImageWatermarkLines = {
    {"Watermark image: ", "Watermark/Image"}, {"Watermark greyscale: ", "Watermark/Image Greyscale"},
    {"Watermark opacity: ", "Watermark/Image Opacity"}, {"Watermark boundary: ", "Watermark/Image Boundary"},
    {"Watermark position: ", "Watermark/Image Position"}};
const std::initializer_list<Labelled> kImageWatermarkTail = {
    {"Watermark rotation: ", "Watermark/Image Rotation"}, {"Watermark size/mode: ", "Watermark/Image Size"}};
// clang-format on

// A setting's value as the listing prints it: codes as lower-case tokens, gamma with two decimals.
std::string ListedValue(const Settings& settings, std::string_view name) {
    const SettingField* field = FindSetting(name);
    if (!field) return {};
    switch (field->kind) {
        case FieldKind::String:
        case FieldKind::Colour: return GetText(settings, *field);
        case FieldKind::Float: {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(GetFloat(settings, *field)));
            return buffer;
        }
        default: break;
    }
    const long long value = GetInteger(settings, *field);
    if (field->family >= 0) return CodeToToken(field->family, static_cast<int>(value), field->name());
    return std::to_string(value);
}

class Run {
public:
    Run(bool quiet, ConversionJob& job, const Settings& settings)
        : quiet_(quiet), debug_(job.runMode == "DEBUG"), job_(job), settings_(settings) {}

    void Execute();

private:
    // Texts and listed values are looked up only when they are printed: a quiet run never builds the
    // text table, and a run without the debug listing never searches the settings table by name.
    void Status(const std::string& text) const {
        if (!quiet_) PrintLine(text);
    }
    void StatusText(std::string_view group, std::string_view key) const {
        if (!quiet_) PrintLine(Text(group, key));
    }
    void Debug(const std::string& text) const {
        if (debug_) PrintLine(text);
    }
    void List(std::initializer_list<Labelled> lines) const {
        if (!debug_) return;
        for (const Labelled& line : lines) Debug(line.label + ListedValue(settings_, line.field));
    }
    // For debug lines only: empty when there is no listing.
    std::string Value(std::string_view name) const { return debug_ ? ListedValue(settings_, name) : std::string(); }

    bool CheckInput();
    bool CheckOutputFolder();
    bool CheckConversionType();
    bool CheckOutputFormat();
    bool CheckResize();
    bool CheckColorCorrection();
    bool CheckWatermark();
    void ListRest() const;
    void Convert();

    bool quiet_;
    bool debug_;
    ConversionJob& job_;
    const Settings& settings_;
    WatermarkFontHandle font_;
};

bool Fail(const char* line) {
    PrintLine(line);
    return false;
}

bool Run::CheckInput() {
    std::string path = job_.baseFolder;
    Debug("Input: " + path);
    if (ExtensionOf(path).empty()) {
        job_.baseFolder.clear();
        return Fail("Error: Invalid input file");
    }
    job_.currentInput = std::move(path);
    job_.baseFolder.clear();
    const PathInfo info = QueryPath(job_.currentInput);
    if (info.kind != PathKind::File || info.size == 0) return Fail("Error: Invalid input file");
    return true;
}

bool Run::CheckOutputFolder() {
    std::string& folder = job_.outputFolder;
    if (folder.empty()) folder = std::string(FolderPart(job_.currentInput));
    Debug("Output: " + folder);
    if (folder.starts_with("..")) return Fail("Error: Incorrect output folder");
    if (!folder.starts_with("/")) {
        // Relative folders are resolved against the program's folder, not the current directory.
        if (folder.starts_with("./")) folder.erase(0, 2);
        folder = job_.programFolder + folder;
    }
    folder = WithTrailingSlash(folder);
    if (!IsExistingFolder(folder)) return Fail("Error: Invalid output folder");
    return true;
}

bool Run::CheckConversionType() {
    if (job_.outputExtension.empty()) job_.outputExtension = std::string(OutputExtensions.front());
    Debug("Conversion: " + job_.outputExtension);
    if (!IsOutputExtension(job_.outputExtension)) return Fail("Error: Invalid conversion type");
    return true;
}

bool Run::CheckOutputFormat() {
    const auto row = std::find_if(kOutputFormatRows.begin(), kOutputFormatRows.end(),
                                  [&](const OutputFormatRow& r) { return job_.outputExtension == r.extension; });
    if (row == kOutputFormatRows.end()) return true;
    List(row->lines);
    const std::string extension = row->extension;
    const long long depth = GetInteger(settings_, row->lines.begin()->field);
    if (!IsAllowedBitDepth(extension, static_cast<int>(depth))) {
        PrintLine("Error: Invalid " + extension + "-bpp value");
        return false;
    }
    if (row->qualityField) {
        const long long quality = GetInteger(settings_, row->qualityField);
        if (quality < 1 || quality > 100) {
            PrintLine("Error: Invalid " + extension + "-quality value");
            return false;
        }
    }
    return true;
}

bool Run::CheckResize() {
    if (!settings_.doResize) return true;
    Debug("Width: " + Value("Transform/Image Width") + " " + Value("Transform/Image Width Unit"));
    if (settings_.width == 0) return Fail("Error: Invalid width value");
    Debug("Height: " + Value("Transform/Image Height") + " " + Value("Transform/Image Height Unit"));
    if (settings_.height == 0) return Fail("Error: Invalid height value");
    List({{"Keep Aspect Ratio: ", "Transform/Keep Aspect Ratio"},
          {"Image Resize Type: ", "Transform/Image Resize Type"},
          {"Image Resize Algorithm: ", "Transform/Image Resize Algorithm"}});
    return true;
}

bool Run::CheckColorCorrection() {
    if (!settings_.doColorCorrection) return true;
    Debug("Brightness: " + Value("Adjustment/Image Brightness"));
    if (settings_.brightness < -100 || settings_.brightness > 100) return Fail("Error: Invalid brightness value");
    Debug("Contrast: " + Value("Adjustment/Image Contrast"));
    if (settings_.contrast < -100 || settings_.contrast > 100) return Fail("Error: Invalid contrast value");
    Debug("Gamma: " + Value("Adjustment/Image Gamma"));
    // Compared in single precision, so that 0.01 and 9.99 themselves pass. NaN fails too.
    if (!(settings_.gamma >= 0.01f && settings_.gamma <= 9.99f)) return Fail("Error: Invalid gamma value");
    Debug("Invert: " + Value("Adjustment/Image Invert"));
    return true;
}

bool Run::CheckWatermark() {
    Debug("Watermark: " + Value("Watermark/Do Watermark"));
    if (settings_.doWatermark == 1) {
        List(kTextWatermarkLines);
        Debug("Watermark offset (x/y): " + Value("Watermark/Text X Offset") + "/" + Value("Watermark/Text Y Offset"));
        List(kTextWatermarkTail);
        font_ = LoadWatermarkFont(settings_);
        if (!font_) return Fail("Error: Invalid watermark font");
    } else if (settings_.doWatermark == 2) {
        List(kImageWatermarkLines);
        Debug("Watermark offset (x/y): " + Value("Watermark/Image X Offset") + "/" + Value("Watermark/Image Y Offset"));
        List(kImageWatermarkTail);
        if (!IsNonEmptyFile(settings_.wmImage)) return Fail("Error: Invalid watermark image");
    }
    return true;
}

void Run::Execute() {
    StatusText("General", "Preparing");
    if (!CheckInput() || !CheckOutputFolder() || !CheckConversionType() || !CheckOutputFormat()) return;
    if (settings_.doRotation) {
        List({{"Image Rotation Type: ", "Transform/Image Rotation Type"},
              {"Image Rotation: ", "Transform/Image Rotation"},
              {"Image Rotation Back Color: ", "Transform/Image Rotation Back Color"}});
    }
    if (!CheckResize()) return;
    List({{"Flip Horizontal: ", "Transform/Do Image Flip Horizontal"},
          {"Flip Vertical: ", "Transform/Do Image Flip Vertical"}});
    if (!CheckColorCorrection()) return;
    Debug("Greyscale: " + Value("Adjustment/Do Image Greyscale"));
    if (settings_.doThreshold) Debug("Image Threshold: " + Value("Adjustment/Image Threshold"));
    if (settings_.doDither) Debug("Image Dithering Algorithm: " + Value("Adjustment/Image Dither Algorithm"));
    Debug("Frame: " + Value("Frame/Do Frame"));
    if (settings_.doFrame == 1) List(kFrameLines);
    if (!CheckWatermark()) return;
    Debug("Filename Mask: " + Value("Advanced/Filename Mask"));
    Debug("File Timestamp: " + Value("Advanced/File Timestamp"));
    if (settings_.fileTimestamp == 2) Debug("Custom Timestamp: " + Value("Advanced/Custom Timestamp"));
    Debug("Keep Subfolders: " + Value("Advanced/Keep Subfolders"));
    Convert();
}

void Run::Convert() {
    PrepareOutputEncoding(job_, settings_);
    StatusText("General", "Importing");
    const std::string extension = ToLower(ExtensionOf(job_.currentInput));
    int added = 0;
    if (extension != "txt" && extension != "lst" && AddInputFile(job_, job_.currentInput)) added = 1;
    if (!quiet_) Status(Format(Text("Msg", "Import complete"), std::to_string(added)));
    if (added == 0) {
        PrintLine(Text("Msg", "Conversion is not complete"));
        PrintLine(Text("Msg", "Empty input files"));
        return;
    }
    StatusText("General", "Converting");
    BatchRun batch{job_, settings_, font_.get(), {}, {}};
    RunBatch(batch);
    std::int32_t converted = 0;
    {
        std::lock_guard guard(batch.progressLock);
        converted = batch.progress.convertedCount;
    }
    if (converted != 0) {
        StatusText("Msg", "Conversion complete");
        if (!quiet_) Status(Format(Text("Msg", "Files converted"), std::to_string(converted), std::to_string(added)));
    } else {
        PrintLine(Text("Msg", "Conversion is not complete"));
    }
    font_.reset();
}

}  // namespace

bool IsOutputExtension(std::string_view type) {
    return std::find(OutputExtensions.begin(), OutputExtensions.end(), type) != OutputExtensions.end();
}

bool IsAllowedBitDepth(std::string_view extension, int depth) {
    return DepthAllowed(extension, depth);
}

void ConsoleRun(bool quiet, ConversionJob& job, const Settings& settings) {
    Run(quiet, job, settings).Execute();
}

}  // namespace ravelin
