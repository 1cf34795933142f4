#include "gui_fixture.h"
#include "run_program.h"

#include "gui/window_run.h"
#include "platform/app_data.h"
#include "settings/config_file.h"

#include <FreeImage.h>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

namespace ravelin {

namespace {

TEST(WholeWindow, TheConfigurationIsTheTestProgramsOwn) {
    const std::string folder = AppDataFolder();
    ASSERT_FALSE(GuiTestRoot().empty());
    EXPECT_EQ(folder.rfind(GuiTestRoot(), 0), 0u) << folder;
}

// The windowed run as the program makes it: a file from the command line, a folder from the chooser, Convert,
// the progress window's OK, Exit; then the picture on disk and the history in config.ini.
TEST(WholeWindow, AFileConvertsAndTheNewFolderIsRememberedInTheConfiguration) {
    const std::string configPath = PrepareConfigFilePath();
    ASSERT_EQ(configPath.rfind(GuiTestRoot(), 0), 0u) << "never the user's own configuration: " << configPath;
    std::filesystem::remove(configPath);

    TempDir input, output;
    const std::string picture = input.path + "grey picture.pcx";
    std::filesystem::copy_file(std::string(RAVELIN_FIXTURES) + "/pcx/netpbm_grey8.pcx", picture);
    const std::string chosen = output.path.substr(0, output.path.size() - 1);  // as a chooser returns it

    Settings settings;
    ConversionJob job;
    WindowStart start;
    start.settings = &settings;
    start.job = &job;
    start.files = {picture};
    ScriptedModal modal;
    modal.choices = {QString::fromStdString(chosen)};

    MainWindow* window = nullptr;
    QString finalCaption, statusAfterOk;
    Script script;
    script
        .When(
            [&] {
                window = qobject_cast<MainWindow*>(TopLevel("window-0"));
                return window && window->InputText().toStdString() == picture;
            },
            [&] {
                EXPECT_EQ(window->OutputFolderText().toStdString(), input.path) << "a new file's own folder";
                QTest::mouseClick(Named(window, "field-command-7"), Qt::LeftButton);
                EXPECT_EQ(window->OutputFolderText().toStdString(), output.path);
            })
        .When([&] { return window->OutputFolderText().toStdString() == output.path; },
              [&] {
                  // The command itself, not its key: a loaded machine may never make the window active, and
                  // the keys have their own test. Returns when the progress window has closed.
                  window->RunCommand(Command::Convert);
              })
        .When(
            [&] {
                QWidget* progress = QApplication::activeModalWidget();
                auto* ok = Named<QPushButton>(progress, "control-351");
                return progress && progress->objectName() == "window-3" && ok && ok->isEnabled();
            },
            [&] {
                // The progress window is modal over the main window.
                EXPECT_EQ(QApplication::activeModalWidget()->parentWidget(), window);
                EXPECT_TRUE(QApplication::activeModalWidget()->isModal());
                finalCaption = QApplication::activeModalWidget()->windowTitle();
                QTest::mouseClick(Named(QApplication::activeModalWidget(), "control-351"), Qt::LeftButton);
            })
        .When([&] { return !QApplication::activeModalWidget() && window->statusBar()->currentMessage() ==
                                                                       "Conversion complete"; },
              [&] {
                  statusAfterOk = window->statusBar()->currentMessage();
                  window->RunCommand(Command::Exit);
              });

    EXPECT_EQ(RunWindow(start, modal), 0);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(finalCaption, "Conversion complete (1/1)");
    EXPECT_EQ(statusAfterOk, "Conversion complete");
    ASSERT_EQ(modal.calls.size(), 1u) << "one folder chooser, no message";
    EXPECT_EQ(modal.calls[0].kind, ModalCall::Kind::ChooseFolder);

    const std::string jpeg = output.path + "grey picture.jpg";
    ASSERT_TRUE(std::filesystem::exists(jpeg));
    EXPECT_EQ(FreeImage_GetFileType(jpeg.c_str(), 0), FIF_JPEG);

    Settings readBack;
    ASSERT_TRUE(LoadConfigFile(configPath, readBack, static_cast<Date>(std::time(nullptr)), 0, 0));
    EXPECT_EQ(readBack.recentOutFolders, output.path + "\t" + input.path);
    EXPECT_EQ(readBack.windowIsMaximized, 0);
    EXPECT_EQ(readBack.windowHeight, 260);
    EXPECT_GE(readBack.windowWidth, 510);
}

}  // namespace

}  // namespace ravelin
