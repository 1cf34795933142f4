#include "gui_fixture.h"
#include "pcx_writer.h"
#include "run_program.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace ravelin {

namespace {

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

// Sends a drop of `uriList` (text/uri-list bytes) to the window; true when the drag was welcome.
bool Drop(MainWindow& window, const QByteArray& uriList) {
    QMimeData data;
    data.setData("text/uri-list", uriList);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return enter.isAccepted();
}

// A folder with a few files to drop: PCX pictures (one with blanks and an accent in its name), a text
// file, an empty PCX and a sub-folder whose name ends in .pcx.
struct DropFiles {
    TempDir folder;
    std::string picture, spaced, upper, text, empty, subfolder;
    DropFiles() {
        picture = folder.path + "picture.pcx";
        spaced = folder.path + "a b caf\xC3\xA9 100%.pcx";
        upper = folder.path + "LOUD.PCX";
        text = folder.path + "notes.txt";
        empty = folder.path + "empty.pcx";
        subfolder = folder.path + "folder.pcx";
        for (const std::string* path : {&picture, &spaced, &upper}) EXPECT_TRUE(WritePcx(*path, TestPattern24(4, 4)));
        EXPECT_TRUE(WriteBytes(text, {'h', 'i'}));
        EXPECT_TRUE(WriteBytes(empty, {}));
        EXPECT_EQ(mkdir(subfolder.c_str(), 0700), 0);
    }
    static QByteArray Url(const std::string& path) {
        return QUrl::fromLocalFile(QString::fromStdString(path)).toEncoded() + "\r\n";
    }
};

TEST(Drops, OnlyTheFirstLocalPcxFileOfADropIsTaken) {
    DropFiles files;
    const QByteArray spacedUrl = DropFiles::Url(files.spaced);
    ASSERT_TRUE(spacedUrl.contains("%20")) << spacedUrl.toStdString();  // the drop really is percent-encoded
    const struct {
        QByteArray list;
        std::string taken;  // "" for nothing
    } cases[] = {
        {DropFiles::Url(files.picture), files.picture},
        {spacedUrl, files.spaced},
        {DropFiles::Url(files.upper), files.upper},
        {DropFiles::Url(files.spaced) + DropFiles::Url(files.picture), files.spaced},
        {"https://example.org/picture.pcx\r\n", ""},
        {"file://elsewhere" + QByteArray::fromStdString(files.picture) + "\r\n", ""},
        {DropFiles::Url(files.subfolder), ""},
        {DropFiles::Url(files.text), ""},
        {DropFiles::Url(files.empty), ""},
        {DropFiles::Url(files.folder.path + "missing.pcx"), ""},
        // The first file decides, as the window holds one input.
        {DropFiles::Url(files.text) + DropFiles::Url(files.picture), ""},
        {"", ""},
    };
    for (const auto& [list, taken] : cases) {
        WindowUnderTest w;
        EXPECT_TRUE(Drop(*w.window, list));
        EXPECT_EQ(w.InputText().toStdString(), taken) << list.toStdString();
        EXPECT_EQ(w.job.inputs.size(), taken.empty() ? 0u : 1u) << list.toStdString();
        if (!taken.empty()) {
            EXPECT_EQ(w.job.inputs.begin()->first, taken);
        }
        EXPECT_EQ(w.FolderText().toStdString(), taken.empty() ? "" : files.folder.path) << list.toStdString();
        EXPECT_TRUE(w.modal.calls.empty());
    }
}

TEST(Drops, ADragWithoutAFileListIsNotWelcome) {
    WindowUnderTest w;
    QMimeData data;
    data.setText("/tmp/picture.pcx");
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QCoreApplication::sendEvent(w.window.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST(InputFile, AFileTakesItsOwnFolderOnlyWhileNoOutputFolderIsShown) {
    DropFiles files;
    TempDir other;
    WindowUnderTest w;
    ASSERT_TRUE(w.window->AddFile(files.picture));
    EXPECT_EQ(w.FolderText().toStdString(), files.folder.path);
    EXPECT_EQ(w.job.outputFolder, files.folder.path);
    EXPECT_EQ(w.settings.recentOutFolders, files.folder.path);

    // A folder chosen since stays when the next file comes.
    w.modal.choices = {QString::fromStdString(other.path)};
    w.window->RunCommand(Command::SelectOutputFolder);
    ASSERT_EQ(w.FolderText().toStdString(), other.path);
    ASSERT_TRUE(w.window->AddFile(files.spaced));
    EXPECT_EQ(w.InputText().toStdString(), files.spaced);
    EXPECT_EQ(w.FolderText().toStdString(), other.path);
    EXPECT_EQ(w.settings.recentOutFolders, other.path + "\t" + files.folder.path);

    // A rejected file leaves the field and the list as they were.
    EXPECT_FALSE(w.window->AddFile(files.text));
    EXPECT_EQ(w.InputText().toStdString(), files.spaced);
    EXPECT_EQ(w.FolderText().toStdString(), other.path);
}

TEST(InputFile, NewEmptiesTheFieldTheJobAndTheShownFolder) {
    DropFiles files;
    WindowUnderTest w;
    ASSERT_TRUE(w.window->AddFile(files.picture));
    w.window->SetStatus("Conversion complete");
    w.window->RunCommand(Command::New);
    EXPECT_EQ(w.InputText(), "");
    EXPECT_TRUE(w.job.inputs.empty());
    EXPECT_EQ(w.job.outputFolder, "");
    EXPECT_EQ(w.FolderText(), "");
    EXPECT_EQ(w.Status(), "Ready");
    EXPECT_EQ(w.window->focusWidget(), w.Control(2));
    // The history is still offered.
    EXPECT_EQ(Items(Named<QComboBox>(w.window.get(), "control-5")),
              QStringList({QString::fromStdString(files.folder.path)}));
}

TEST(OutputFolders, AnEmptyHistoryLeavesOneEmptyItem) {
    WindowUnderTest w([](Settings& s) { s.recentOutFolders.clear(); });
    const auto* list = Named<QComboBox>(w.window.get(), "control-5");
    EXPECT_EQ(Items(list), QStringList({""}));
    w.window->RunCommand(Command::New);
    EXPECT_EQ(Items(list), QStringList({""}));
    EXPECT_EQ(w.FolderText(), "");
}

TEST(OutputFolders, TheListShowsAsManyEntriesAsTheHistoryKeeps) {
    WindowUnderTest w([](Settings& s) {
        s.recentOutFolders = "/a/\t /b/ \t\t/c/\t/d/\t/e/\t/f/";
        s.outFoldersNumber = 4;
    });
    // Blanks around an entry are not part of it; an empty entry shows nothing.
    EXPECT_EQ(Items(Named<QComboBox>(w.window.get(), "control-5")), QStringList({"/a/", "/b/", "/c/"}));
}

// Folders that exist, for the chooser to return.
struct Folders {
    TempDir root;
    std::string Make(const std::string& name) {
        const std::string folder = root.path + name;
        EXPECT_EQ(mkdir(folder.c_str(), 0700), 0) << folder;
        return folder + "/";
    }
};

TEST(OutputFolders, TheChosenFolderLeadsTheHistory) {
    Folders folders;
    std::vector<std::string> made;
    for (const char* name : {"one", "two", "three", "four", "five", "six", "Pics", "pics"}) {
        made.push_back(folders.Make(name));
    }
    WindowUnderTest w([](Settings& s) {
        s.recentOutFolders.clear();
        s.outFoldersNumber = 5;
    });
    auto choose = [&](const std::string& folder) {
        w.modal.choices = {QString::fromStdString(folder)};
        w.window->RunCommand(Command::SelectOutputFolder);
    };
    auto history = [&] { return QString::fromStdString(w.settings.recentOutFolders).split('\t'); };
    const auto q = [&](int i) { return QString::fromStdString(made[static_cast<std::size_t>(i)]); };

    for (int i = 0; i < 5; ++i) choose(made[static_cast<std::size_t>(i)]);
    EXPECT_EQ(history(), QStringList({q(4), q(3), q(2), q(1), q(0)}));
    // A sixth folder comes first and the oldest goes.
    choose(made[5]);
    EXPECT_EQ(history(), QStringList({q(5), q(4), q(3), q(2), q(1)}));
    EXPECT_EQ(Items(Named<QComboBox>(w.window.get(), "control-5")), history());
    EXPECT_EQ(w.FolderText(), q(5));
    // A folder already there moves to the front, given with or without its trailing slash.
    const std::string withoutSlash = made[2].substr(0, made[2].size() - 1);
    choose(withoutSlash);
    EXPECT_EQ(history(), QStringList({q(2), q(5), q(4), q(3), q(1)}));
    EXPECT_EQ(w.FolderText(), q(2));
    EXPECT_EQ(w.job.outputFolder, made[2]);
    // On Linux letter case makes two folders.
    choose(made[6]);
    choose(made[7]);
    EXPECT_EQ(history(), QStringList({q(7), q(6), q(2), q(5), q(4)}));

    // The chooser starts at the folder shown.
    EXPECT_EQ(w.modal.calls.back().folder, q(6));
    EXPECT_EQ(w.modal.calls.back().title, "Select Output Folder");

    // Cancelled, missing or a file: nothing changes.
    const QStringList before = history();
    const std::string file = folders.root.path + "file.pcx";
    ASSERT_TRUE(WritePcx(file, TestPattern24(2, 2)));
    for (const std::string& refused : {std::string(), folders.root.path + "missing/", file}) {
        choose(refused);
        EXPECT_EQ(history(), before) << refused;
        EXPECT_EQ(w.FolderText(), q(7)) << refused;
        EXPECT_EQ(w.job.outputFolder, made[7]) << refused;
    }
}

TEST(OutputFolders, PickingAnItemMakesItTheJobsFolder) {
    WindowUnderTest w([](Settings& s) { s.recentOutFolders = "/first/\t/second/"; });
    auto* list = Named<QComboBox>(w.window.get(), "control-5");
    ASSERT_EQ(list->count(), 2);
    list->setCurrentIndex(1);
    emit list->activated(1);
    EXPECT_EQ(w.job.outputFolder, "/second/");
}

}  // namespace

}  // namespace ravelin
