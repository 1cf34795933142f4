#include "cli/console_run.h"

#include "cli/option_table.h"
#include "engine/batch.h"
#include "engine/encoding.h"
#include "engine/job_control.h"
#include "engine/watermark_font.h"
#include "formats/output_catalogue.h"
#include "formats/signatures.h"
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
    const SettingField* field;
};

// clang-format off
const std::initializer_list<Labelled> kFrameLines = {
    {"Frame left: ", &Setting("Frame/Solid Left")}, {"Frame right: ", &Setting("Frame/Solid Right")},
    {"Frame top: ", &Setting("Frame/Solid Top")}, {"Frame bottom: ", &Setting("Frame/Solid Bottom")},
    {"Frame left color: ", &Setting("Frame/Solid Left Color")}, {"Frame right color: ", &Setting("Frame/Solid Right Color")},
    {"Frame top color: ", &Setting("Frame/Solid Top Color")}, {"Frame bottom color: ", &Setting("Frame/Solid Bottom Color")},
    {"Frame opacity: ", &Setting("Frame/Solid Opacity")}};

const std::initializer_list<Labelled> kTextWatermarkLines = {
    {"Watermark text: ", &Setting("Watermark/Text")}, {"Watermark font: ", &Setting("Watermark/Font")},
    {"Watermark font size: ", &Setting("Watermark/Font Size")}, {"Watermark font leading: ", &Setting("Watermark/Font Leading")},
    {"Watermark font color: ", &Setting("Watermark/Font Color")}, {"Watermark font style: ", &Setting("Watermark/Font Style")},
    {"Watermark font effect: ", &Setting("Watermark/Font Effect")}, {"Watermark text antialiasing: ", &Setting("Watermark/Text Antialiasing")},
    {"Watermark text alignment: ", &Setting("Watermark/Text Alignment")}, {"Watermark text padding: ", &Setting("Watermark/Text Padding")},
    {"Watermark text opacity: ", &Setting("Watermark/Text Opacity")}, {"Watermark background color: ", &Setting("Watermark/Back Color")},
    {"Watermark background opacity: ", &Setting("Watermark/Back Opacity")}};

const std::initializer_list<Labelled> kImageWatermarkLines = {
    {"Watermark image: ", &Setting("Watermark/Image")}, {"Watermark greyscale: ", &Setting("Watermark/Image Greyscale")},
    {"Watermark opacity: ", &Setting("Watermark/Image Opacity")}};

// The fields of one watermark's placement, listed alike for the text and the picture.
struct PlacementFields {
    const SettingField& boundary;
    const SettingField& position;
    const SettingField& xOffset;
    const SettingField& yOffset;
    const SettingField& rotation;
    const SettingField& size;
};
const PlacementFields kTextPlacement = {Setting("Watermark/Text Boundary"), Setting("Watermark/Text Position"),
    Setting("Watermark/Text X Offset"), Setting("Watermark/Text Y Offset"), Setting("Watermark/Text Rotation"),
    Setting("Watermark/Text Size")};
const PlacementFields kImagePlacement = {Setting("Watermark/Image Boundary"), Setting("Watermark/Image Position"),
    Setting("Watermark/Image X Offset"), Setting("Watermark/Image Y Offset"), Setting("Watermark/Image Rotation"),
    Setting("Watermark/Image Size")};
// clang-format on

// A setting's value as the listing prints it: codes as lower-case tokens, gamma with two decimals.
std::string ListedValue(const Settings& settings, const SettingField& field) {
    switch (field.kind) {
        case FieldKind::String:
        case FieldKind::Colour: return GetText(settings, field);
        case FieldKind::Float: {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(GetFloat(settings, field)));
            return buffer;
        }
        default: break;
    }
    const long long value = GetInteger(settings, field);
    if (field.family != OptionFamily::None) return CodeToToken(field.family, static_cast<int>(value), field.tokens);
    return std::to_string(value);
}

// "Error: Invalid jpg-quality value": the console names a setting by its option.
bool FailOn(const SettingField& field) {
    PrintLine("Error: Invalid " + OptionNameOf(field) + " value");
    return false;
}

// What the console says of each file: the worker's lines of the debug listing, and why a file failed, on
// standard error (standard output keeps its fixed lines).
class FileLines final : public BatchObserver {
public:
    FileLines(const ConversionJob& job, bool debug) : job_(job), debug_(debug) {}

    void FileStarted(const std::string& path) override {
        if (!debug_) return;
        PrintLine("Processing: " + path);
        PrintLine("File Format: " + DetectFileType(path));
    }
    void FileFailed(const std::string&) override {
        if (debug_) PrintLine("[ERROR] Unable to convert the file!");
        if (!job_.lastFailure.empty()) PrintErrorLine(job_.lastFailure);
    }
    void FileSaved(const std::string&, const std::string& output) override {
        if (debug_) PrintLine("[OK] Saving As: " + output);
    }

private:
    const ConversionJob& job_;
    bool debug_;
};

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
        for (const Labelled& line : lines) Debug(line.label + ListedValue(settings_, *line.field));
    }
    // For debug lines only: empty when there is no listing.
    std::string Value(const SettingField& field) const {
        return debug_ ? ListedValue(settings_, field) : std::string();
    }
    void ListPlacement(const PlacementFields& fields) const;

    bool CheckInput();
    bool CheckOutputFolder();
    bool CheckConversionType();
    bool CheckOutputFormat();
    bool CheckResize();
    bool CheckColorCorrection();
    bool CheckWatermark();
    bool CheckRange(const SettingField& field) const;
    void ListRest() const;
    void Convert();

    bool quiet_;
    bool debug_;
    ConversionJob& job_;
    const Settings& settings_;
    WatermarkFontHandle font_;
};

// The worker's failure, with its reason, on standard error; standard output keeps only its own lines.
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

bool Run::CheckRange(const SettingField& field) const {
    if (field.kind == FieldKind::Float) {
        // Compared in single precision, so that the bounds themselves pass. NaN fails too.
        const float value = GetFloat(settings_, field);
        return (value == value && field.InRange(value)) || FailOn(field);
    }
    return field.InRange(GetInteger(settings_, field)) || FailOn(field);
}

// The output format's own settings, listed in table order; its depth must be one the format allows and
// its ranged settings (the quality) within their range.
bool Run::CheckOutputFormat() {
    const std::string& extension = job_.outputExtension;
    if (debug_) {
        for (const SettingField& field : SettingFields()) {
            if (field.section != "Output" || field.format != extension) continue;
            const std::string_view label = field.listLabel.empty() ? field.key : field.listLabel;
            Debug(std::string(label) + ": " + ListedValue(settings_, field));
        }
    }
    if (const SettingField* depth = FormatSetting(extension, FieldKind::Depth)) {
        if (!DepthAllowed(extension, static_cast<int>(GetInteger(settings_, *depth)))) return FailOn(*depth);
    }
    for (const SettingField& field : SettingFields()) {
        if (field.section == "Output" && field.format == extension && field.hasRange && !CheckRange(field)) return false;
    }
    return true;
}

bool Run::CheckResize() {
    if (!settings_.doResize) return true;
    constexpr const SettingField& width = Setting("Transform/Image Width");
    constexpr const SettingField& height = Setting("Transform/Image Height");
    Debug("Width: " + Value(width) + " " + Value(Setting("Transform/Image Width Unit")));
    if (settings_.width == 0) return FailOn(width);
    Debug("Height: " + Value(height) + " " + Value(Setting("Transform/Image Height Unit")));
    if (settings_.height == 0) return FailOn(height);
    List({{"Keep Aspect Ratio: ", &Setting("Transform/Keep Aspect Ratio")},
          {"Image Resize Type: ", &Setting("Transform/Image Resize Type")},
          {"Image Resize Algorithm: ", &Setting("Transform/Image Resize Algorithm")}});
    return true;
}

bool Run::CheckColorCorrection() {
    if (!settings_.doColorCorrection) return true;
    for (const Labelled& line : {Labelled{"Brightness: ", &Setting("Adjustment/Image Brightness")},
                                 Labelled{"Contrast: ", &Setting("Adjustment/Image Contrast")},
                                 Labelled{"Gamma: ", &Setting("Adjustment/Image Gamma")}}) {
        Debug(line.label + Value(*line.field));
        if (!CheckRange(*line.field)) return false;
    }
    Debug("Invert: " + Value(Setting("Adjustment/Image Invert")));
    return true;
}

void Run::ListPlacement(const PlacementFields& fields) const {
    if (!debug_) return;
    Debug("Watermark boundary: " + Value(fields.boundary));
    Debug("Watermark position: " + Value(fields.position));
    Debug("Watermark offset (x/y): " + Value(fields.xOffset) + "/" + Value(fields.yOffset));
    Debug("Watermark rotation: " + Value(fields.rotation));
    Debug("Watermark size/mode: " + Value(fields.size));
}

bool Run::CheckWatermark() {
    Debug("Watermark: " + Value(Setting("Watermark/Do Watermark")));
    if (settings_.doWatermark == WatermarkType::Text) {
        List(kTextWatermarkLines);
        ListPlacement(kTextPlacement);
        font_ = LoadWatermarkFont(settings_);
        if (!font_) return Fail("Error: Invalid watermark font");
    } else if (settings_.doWatermark == WatermarkType::Image) {
        List(kImageWatermarkLines);
        ListPlacement(kImagePlacement);
        if (!IsNonEmptyFile(settings_.wmImage)) return Fail("Error: Invalid watermark image");
    }
    return true;
}

void Run::Execute() {
    StatusText("General", "Preparing");
    if (!CheckInput() || !CheckOutputFolder() || !CheckConversionType() || !CheckOutputFormat()) return;
    if (settings_.doRotation) {
        List({{"Image Rotation Type: ", &Setting("Transform/Image Rotation Type")},
              {"Image Rotation: ", &Setting("Transform/Image Rotation")},
              {"Image Rotation Back Color: ", &Setting("Transform/Image Rotation Back Color")}});
    }
    if (!CheckResize()) return;
    List({{"Flip Horizontal: ", &Setting("Transform/Do Image Flip Horizontal")},
          {"Flip Vertical: ", &Setting("Transform/Do Image Flip Vertical")}});
    if (!CheckColorCorrection()) return;
    Debug("Greyscale: " + Value(Setting("Adjustment/Do Image Greyscale")));
    if (settings_.doThreshold) Debug("Image Threshold: " + Value(Setting("Adjustment/Image Threshold")));
    if (settings_.doDither) Debug("Image Dithering Algorithm: " + Value(Setting("Adjustment/Image Dither Algorithm")));
    Debug("Frame: " + Value(Setting("Frame/Do Frame")));
    if (settings_.doFrame == FrameType::Solid) List(kFrameLines);
    if (!CheckWatermark()) return;
    Debug("Filename Mask: " + Value(Setting("Advanced/Filename Mask")));
    Debug("File Timestamp: " + Value(Setting("Advanced/File Timestamp")));
    if (settings_.fileTimestamp == TimestampMode::Custom) Debug("Custom Timestamp: " + Value(Setting("Advanced/Custom Timestamp")));
    Debug("Keep Subfolders: " + Value(Setting("Advanced/Keep Subfolders")));
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
    FileLines lines(job_, debug_);
    Batch batch(job_, settings_, font_.get(), &lines);
    batch.RunHere();
    const std::int32_t converted = batch.Snapshot().convertedCount;
    if (converted != 0) {
        StatusText("Msg", "Conversion complete");
        if (!quiet_) Status(Format(Text("Msg", "Files converted"), std::to_string(converted), std::to_string(added)));
    } else {
        PrintLine(Text("Msg", "Conversion is not complete"));
    }
    font_.reset();
}

}  // namespace

void ConsoleRun(bool quiet, ConversionJob& job, const Settings& settings) {
    Run(quiet, job, settings).Execute();
}

}  // namespace ravelin
