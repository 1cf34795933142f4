#include "gui/conversion_start.h"

#include "engine/batch.h"
#include "engine/encoding.h"
#include "engine/watermark_font.h"
#include "gui/main_window.h"
#include "gui/progress_window.h"
#include "gui/texts.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>

namespace ravelin {

namespace {

class Start {
public:
    explicit Start(MainWindow& window) : window_(window), job_(window.job()), settings_(window.settings()) {}

    void Run();

private:
    // Shows why the start ends; the first four checks also say so in the status bar.
    bool Refuse(const QString& text, bool stopped) {
        if (stopped) window_.SetStatus(UiText("Msg", "Conversion is not complete"));
        window_.modal().Message(&window_, MessageKind::Warning, UiText("Msg", "Warning"), text);
        return false;
    }
    bool Check();

    MainWindow& window_;
    ConversionJob& job_;
    Settings& settings_;
    WatermarkFontHandle font_;
};

// The first check that fails shows its message and ends the start.
bool Start::Check() {
    if (job_.inputs.empty()) return Refuse(UiText("Msg", "Empty input files"), true);
    if (job_.outputFolder.empty()) return Refuse(UiText("Msg", "Empty output folder"), true);
    job_.outputFolder = WithTrailingSlash(job_.outputFolder);
    if (!IsExistingFolder(job_.outputFolder)) {
        return Refuse(QString::fromStdString(Format(Text("Msg", "Invalid output folder"), job_.outputFolder)), true);
    }
    if (settings_.doResize) {
        if (settings_.width == 0) return Refuse(UiText("Msg", "Invalid width"), true);
        if (settings_.height == 0) return Refuse(UiText("Msg", "Invalid height"), true);
    }
    if (settings_.doWatermark == WatermarkType::Text) {
        font_ = LoadWatermarkFont(settings_);
        if (!font_) {
            return Refuse(QString::fromStdString(Format(Text("Msg", "Invalid watermark font"), settings_.wmFont)), false);
        }
    }
    if (settings_.doWatermark == WatermarkType::Image) {
        if (settings_.wmImage.empty()) return Refuse(UiText("Msg", "Empty watermark image"), false);
        if (!IsNonEmptyFile(settings_.wmImage)) {
            return Refuse(QString::fromStdString(Format(Text("Msg", "Invalid watermark image"), settings_.wmImage)),
                          false);
        }
    }
    return true;
}

void Start::Run() {
    job_.currentInput = std::string(TrimBlanks(Utf8(window_.InputText())));
    job_.inputs.clear();
    const std::string extension = ToLower(ExtensionOf(job_.currentInput));
    const auto& accepted = job_.acceptedInputExtensions;
    if (IsNonEmptyFile(job_.currentInput) && !extension.empty() &&
        std::find(accepted.begin(), accepted.end(), extension) != accepted.end()) {
        job_.inputs.emplace(job_.currentInput, InputEntry{});
    }
    job_.outputFolder = std::string(TrimBlanks(Utf8(window_.OutputFolderText())));
    job_.outputExtension = window_.SelectedOutputExtension();
    window_.SetStatus(UiText("General", "Preparing"));
    if (!Check()) return;

    PrepareOutputEncoding(job_, settings_);
    RememberOutputFolder(settings_, job_.outputFolder);
    window_.FillOutputFolderList();
    window_.SetStatus(UiText("General", "Converting"));
    window_.RememberConvertedInput(job_.currentInput);

    Batch batch(job_, settings_, font_.get());
    ProgressWindow progress(batch, static_cast<int>(job_.inputs.size()), window_.modal(),
                            [this](const QString& text) { window_.SetStatus(text); }, &window_);
    progress.Run();
    batch.Join();
    font_.reset();
    window_.activateWindow();
}

}  // namespace

void StartConversion(MainWindow& window) {
    Start(window).Run();
}

}  // namespace ravelin
