#include "gui_fixture.h"
#include "pcx_writer.h"
#include "run_program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace ravelin {

namespace {

// A window with a picture and an output folder on disk, ready for the Convert command.
struct StartFixture {
    TempDir folder;
    std::string picture = folder.path + "picture.pcx";
    std::string output = folder.path + "out/";
    WindowUnderTest w;

    StartFixture() {
        EXPECT_TRUE(WritePcx(picture, TestPattern24(6, 4)));
        EXPECT_EQ(mkdir(output.c_str(), 0700), 0);
    }
    void Type(const std::string& text) { Named<QLineEdit>(w.window.get(), "control-2")->setText(QString::fromStdString(text)); }
    // As if the user picked `shown` from the output-folder list.
    void ShowFolder(const std::string& shown) {
        w.settings.recentOutFolders = shown;
        w.window->FillOutputFolderList();
        ASSERT_EQ(w.FolderText().toStdString(), shown);
    }
    void Ready() {
        Type(picture);
        ShowFolder(output);
    }
};

const QString kStopped = "Conversion stopped", kPreparing = "Preparing...";
const QString kNoInput = "No input file(s) found. Please, add valid file(s) and try again!";

TEST(ConversionStart, TheFirstFailedCheckSaysWhyInItsOwnWords) {
    const struct {
        const char* name;
        std::function<void(StartFixture&)> setUp;
        std::function<QString(const StartFixture&)> message;
        QString status;
    } cases[] = {
        {"no input", [](StartFixture& f) { f.ShowFolder(f.output); }, [](auto&) { return kNoInput; }, kStopped},
        {"a typed file that is missing",
         [](StartFixture& f) {
             f.Type(f.folder.path + "missing.pcx");
             f.ShowFolder(f.output);
         },
         [](auto&) { return kNoInput; }, kStopped},
        {"a typed file that is not a picture",
         [](StartFixture& f) {
             f.Type(f.folder.path + "notes.txt");
             WriteBytes(f.folder.path + "notes.txt", {'x'});
             f.ShowFolder(f.output);
         },
         [](auto&) { return kNoInput; }, kStopped},
        {"an empty picture",
         [](StartFixture& f) {
             WriteBytes(f.folder.path + "empty.pcx", {});
             f.Type(f.folder.path + "empty.pcx");
             f.ShowFolder(f.output);
         },
         [](auto&) { return kNoInput; }, kStopped},
        {"no input and nothing else either: only the first check speaks",
         [](StartFixture& f) {
             f.ShowFolder("/nowhere/at/all/");
             f.w.settings.doResize = 1;
             f.w.settings.width = 0;
         },
         [](auto&) { return kNoInput; }, kStopped},
        {"no output folder", [](StartFixture& f) { f.Type(f.picture); },
         [](auto&) {
             return QString("The output folder's field is empty. Please, select existed output folder and try again!");
         },
         kStopped},
        {"a missing output folder",
         [](StartFixture& f) {
             f.Type(f.picture);
             f.ShowFolder(f.folder.path + "gone");
         },
         [](const StartFixture& f) {
             return QString::fromStdString("The following output folder is invalid or doesn't exist:\r\n" +
                                           f.folder.path + "gone/\r\n\r\nPlease, correct the output path and try again!");
         },
         kStopped},
        {"an output folder that is a file",
         [](StartFixture& f) {
             f.Type(f.picture);
             f.ShowFolder(f.picture);
         },
         [](const StartFixture& f) {
             return QString::fromStdString("The following output folder is invalid or doesn't exist:\r\n" + f.picture +
                                           "/\r\n\r\nPlease, correct the output path and try again!");
         },
         kStopped},
        {"resize width 0",
         [](StartFixture& f) {
             f.Ready();
             f.w.settings.doResize = 1;
             f.w.settings.width = 0;
             f.w.settings.height = 0;
         },
         [](auto&) { return QString("Invalid resize width value!"); }, kStopped},
        {"resize height 0",
         [](StartFixture& f) {
             f.Ready();
             f.w.settings.doResize = 1;
             f.w.settings.width = 100;
             f.w.settings.height = 0;
         },
         [](auto&) { return QString("Invalid resize height value!"); }, kStopped},
        {"a watermark font that cannot load; a resize that is off is not checked",
         [](StartFixture& f) {
             f.Ready();
             f.w.settings.width = 0;
             f.w.settings.doWatermark = WatermarkType::Text;
             f.w.settings.wmFont = "Arial";
             f.w.settings.wmFontSize = 0;
         },
         [](auto&) { return QString("Unable to load selected font for a watermark: Arial"); }, kPreparing},
        {"no watermark image",
         [](StartFixture& f) {
             f.Ready();
             f.w.settings.doWatermark = WatermarkType::Image;
             f.w.settings.wmImage.clear();
         },
         [](auto&) { return QString("Selected watermark image is invalid/empty!"); }, kPreparing},
        {"a missing watermark image",
         [](StartFixture& f) {
             f.Ready();
             f.w.settings.doWatermark = WatermarkType::Image;
             f.w.settings.wmImage = f.folder.path + "logo.png";
         },
         [](const StartFixture& f) {
             return QString::fromStdString("Unable to load selected file as a watermark image: " + f.folder.path +
                                           "logo.png");
         },
         kPreparing},
        {"an empty watermark image",
         [](StartFixture& f) {
             f.Ready();
             WriteBytes(f.folder.path + "logo.png", {});
             f.w.settings.doWatermark = WatermarkType::Image;
             f.w.settings.wmImage = f.folder.path + "logo.png";
         },
         [](const StartFixture& f) {
             return QString::fromStdString("Unable to load selected file as a watermark image: " + f.folder.path +
                                           "logo.png");
         },
         kPreparing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StartFixture f;
        c.setUp(f);
        const std::string history = f.w.settings.recentOutFolders;
        f.w.window->RunCommand(Command::Convert);
        ASSERT_EQ(f.w.modal.calls.size(), 1u);
        const ModalCall& call = f.w.modal.calls.front();
        EXPECT_EQ(call.kind, ModalCall::Kind::Message);
        EXPECT_EQ(call.messageKind, MessageKind::Warning);
        EXPECT_EQ(call.title, "Warning");
        EXPECT_EQ(call.text, c.message(f));
        EXPECT_EQ(f.w.Status(), c.status);
        EXPECT_EQ(f.w.settings.recentOutFolders, history) << "a refused start remembers no folder";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST(ConversionStart, AGoodStartRemembersTheFolderAndRunsTheProgressWindow) {
    StartFixture f;
    f.Type("  " + f.picture + " ");
    // The user picks the second folder of the history; the start moves it to the front.
    f.w.settings.recentOutFolders = "/older/\t" + f.output;
    f.w.window->FillOutputFolderList();
    Named<QComboBox>(f.w.window.get(), "control-5")->setCurrentIndex(1);
    ASSERT_EQ(f.w.FolderText().toStdString(), f.output);
    QString statusWhileRunning;
    Script script;
    script.When(
        [] {
            auto* ok = Named<QPushButton>(QApplication::activeModalWidget(), "control-351");
            return ok && ok->isEnabled();
        },
        [&] {
            statusWhileRunning = f.w.Status();
            QTest::mouseClick(Named(QApplication::activeModalWidget(), "control-351"), Qt::LeftButton);
        });
    f.w.window->RunCommand(Command::Convert);
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(f.w.modal.calls.empty());
    EXPECT_EQ(statusWhileRunning, "Conversion complete");
    EXPECT_EQ(f.w.Status(), "Conversion complete");
    EXPECT_TRUE(std::filesystem::exists(f.output + "picture.jpg"));
    EXPECT_EQ(f.w.settings.recentOutFolders, f.output + "\t/older/");
    EXPECT_EQ(f.w.FolderText().toStdString(), f.output);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(f.w.window->isEnabled());
}

}  // namespace

}  // namespace ravelin
