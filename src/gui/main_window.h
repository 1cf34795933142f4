#pragma once
// The main window: the input file, the recent output folders, the output format and the Convert button,
// with the menus, the main toolbar and the status bar that drive them.

#include "engine/job.h"
#include "gui/controls.h"
#include "gui/image_sets.h"
#include "gui/modal.h"
#include "settings/settings.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolBar;
class QToolButton;

namespace ravelin {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Settings& settings, ConversionJob& job, Modal& modal, ImageSets images, QWidget* parent = nullptr);

    // The rest of the start-up: catalogues, the format list, New, then show and place everything.
    void FinishStartUp();
    // The placement and the history as the settings keep them at exit.
    void CapturePlacement();

    void RunCommand(Command command);
    // What happens on the window when a file was accepted as input.
    bool AddFile(const std::string& path);
    void FillOutputFolderList();
    void SetStatus(const QString& text);
    // Shows sample names for the product screenshots: the input field's text and a recent-folder item,
    // without touching the job; the focus then walks format list, folder list, Convert button.
    void ShowSample(const QString& inputPath, const QString& outputFolder);

    QString InputText() const;
    QString OutputFolderText() const;
    // The extension of the selected output format.
    std::string SelectedOutputExtension() const;
    Settings& settings() { return settings_; }
    ConversionJob& job() { return job_; }
    Modal& modal() { return modal_; }
    // The input file of the last conversion: the input chooser starts there once.
    void RememberConvertedInput(const std::string& path) { lastConvertedInput_ = path; }

    // For windows that come later (preferences, dialogs, update check): what a command does when it has no
    // window of its own yet.
    void SetCommandHandler(Command command, std::function<void()> handler);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void BuildMainToolbar();
    void BuildBody();
    void RegisterShortcuts();
    void Layout();
    void New();
    void FillOutputFormatList();
    void ChooseInputFile();
    void ChooseOutputFolder();
    QAction* CommandAction(Command command, const QIcon& icon, const QString& text);
    QToolButton* FieldButton(Command command, const char* iconKey, const char* tooltipKey);

    Settings& settings_;
    ConversionJob& job_;
    Modal& modal_;
    ImageSets images_;
    std::string lastConvertedInput_;
    std::map<Command, std::function<void()>> handlers_;

    QToolBar* mainToolbar_ = nullptr;
    QWidget* container_ = nullptr;
    QLineEdit* inputField_ = nullptr;
    QComboBox* outputFolderList_ = nullptr;
    QComboBox* outputFormatList_ = nullptr;
    QToolButton* inputButton_ = nullptr;
    QToolButton* outputFolderButton_ = nullptr;
    QToolButton* outputFormatButton_ = nullptr;
    QPushButton* convertButton_ = nullptr;
    QLabel* notice_ = nullptr;
};

}  // namespace ravelin
