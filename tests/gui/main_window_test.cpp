#include "gui_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QShortcut>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace ravelin {

namespace {

// A menu or toolbar as "caption|object name" lines; "-" for a separator.
QStringList Entries(const QList<QAction*>& actions, bool tooltips) {
    QStringList entries;
    for (const QAction* action : actions) {
        entries << (action->isSeparator() ? QString("-")
                                          : (tooltips ? action->toolTip() : action->text()) + "|" +
                                                action->objectName());
    }
    return entries;
}

TEST(MainWindow, TitleBoundsAndFirstStatus) {
    WindowUnderTest w;
    EXPECT_EQ(w.window->windowTitle(), "Orvanta PCX to JPG 3.1");
    EXPECT_EQ(w.window->minimumSize(), QSize(510, 260));
    EXPECT_EQ(w.window->maximumHeight(), 260);
    EXPECT_EQ(w.window->height(), 260);
    EXPECT_EQ(w.Status(), "Ready");
    EXPECT_TRUE(w.window->isVisible());
    EXPECT_TRUE(w.window->acceptDrops());
}

TEST(MainWindow, MenusHoldTheirItemsWithShortcutTextsAndPictures) {
    WindowUnderTest w;
    const QList<QAction*> menus = w.window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "File");
    EXPECT_EQ(menus[1]->text(), "Converter");
    EXPECT_EQ(menus[2]->text(), "Help");
    EXPECT_EQ(Entries(menus[0]->menu()->actions(), false),
              QStringList({"New\tCtrl+N|command-0", "-", "Add Input File...|command-5",
                           "Select Output Folder...|command-7", "-", "Exit\tAlt+X|command-3"}));
    EXPECT_EQ(Entries(menus[1]->menu()->actions(), false),
              QStringList({"Convert\tF5|command-14", "-", "Find a File Converter...|command-16", "-",
                           "Preferences...|command-17"}));
    EXPECT_EQ(Entries(menus[2]->menu()->actions(), false),
              QStringList({"User Manual...\tF1|command-18", "-", "Send Feedback|command-21",
                           "Visit the Program's Homepage|command-22", "Check For a New Version|command-23", "-",
                           "About...|command-24"}));
    for (const QAction* menu : menus) {
        for (const QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
            EXPECT_TRUE(item->shortcut().isEmpty()) << "the window owns the keys: " << item->text().toStdString();
        }
    }
    // The keys themselves live on the window.
    const std::pair<const char*, QKeySequence> keys[] = {{"shortcut-command-0", QKeySequence("Ctrl+N")},
                                                         {"shortcut-command-3", QKeySequence("Alt+X")},
                                                         {"shortcut-command-14", QKeySequence(Qt::Key_F5)},
                                                         {"shortcut-command-18", QKeySequence(Qt::Key_F1)}};
    for (const auto& [name, key] : keys) {
        const auto* shortcut = Named<QShortcut>(w.window.get(), name);
        ASSERT_NE(shortcut, nullptr) << name;
        EXPECT_EQ(shortcut->key(), key) << name;
    }
}

TEST(MainWindow, MainToolbarButtonsAndIconSizeFollowTheUiSize) {
    const std::pair<int, int> sizes[] = {{0, 16}, {1, 24}, {2, 32}, {3, 48}, {4, 64}, {5, 16}, {-1, 16}, {200, 16}};
    for (const auto& [code, pixels] : sizes) {
        WindowUnderTest w([code = code](Settings& s) { s.uiSize = static_cast<decltype(s.uiSize)>(code); });
        const auto* toolbar = Named<QToolBar>(w.window.get(), "toolbar-0");
        ASSERT_NE(toolbar, nullptr);
        EXPECT_EQ(toolbar->iconSize(), QSize(pixels, pixels)) << "UI Size " << code;
        if (code != 0) continue;
        EXPECT_EQ(Entries(toolbar->actions(), true),
                  QStringList({"New|command-0", "Add Input File...|command-5", "Select Output Folder...|command-7",
                               "-", "Preferences...|command-17", "-", "Convert|command-14", "-",
                               "User Manual...|command-18", "Send Feedback|command-21",
                               "Visit the Program's Homepage|command-22", "Check For a New Version|command-23"}));
        for (QAction* action : toolbar->actions()) {
            if (action->isSeparator()) continue;
            const QWidget* button = toolbar->widgetForAction(action);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->objectName(), "toolbar-" + action->objectName());
            EXPECT_FALSE(action->icon().isNull()) << action->objectName().toStdString();
        }
    }
}

TEST(MainWindow, FieldButtonsStandBesideTheirFields) {
    WindowUnderTest w;
    const std::tuple<const char*, const char*, int> buttons[] = {
        {"field-command-5", "Add Input File...", 19},
        {"field-command-7", "Select Output Folder...", 59},
        {"field-command-8", "Options...", 99}};
    const int width = w.window->width();
    for (const auto& [name, tip, y] : buttons) {
        const auto* button = Named<QToolButton>(w.window.get(), name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->toolTip(), tip);
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_EQ(button->geometry(), QRect(width - 146, y, 24, 24)) << name;
    }
}

TEST(MainWindow, ResizingChangesOnlyTheWidthAndTheFieldsFollowIt) {
    WindowUnderTest w;
    for (const int wanted : {800, 510, 640}) {
        w.window->resize(wanted, 400);
        ASSERT_TRUE(WaitFor([&] { return w.window->width() == wanted; })) << wanted;
        EXPECT_EQ(w.window->height(), 260);
        for (const int field : {2, 5, 7}) {
            const QRect place = w.Control(field)->geometry();
            EXPECT_EQ(place.x(), 10) << field;
            EXPECT_EQ(place.width(), wanted - 160) << "control " << field << " at width " << wanted;
        }
        for (const char* name : {"field-command-5", "field-command-7", "field-command-8"}) {
            EXPECT_EQ(Named(w.window.get(), name)->x(), wanted - 146) << name;
        }
        const QRect convert = w.Control(8)->geometry();
        EXPECT_EQ(convert, QRect(wanted - 110, 20, 100, 100));
        EXPECT_EQ(w.Control(0)->width(), wanted);
    }
    // Narrower than the minimum is refused.
    w.window->resize(300, 260);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.window->width(), 510);
}

TEST(MainWindow, EveryControlHasAnAccessibleName) {
    WindowUnderTest w;
    const QRegularExpression named("^(control-\\d+|field-command-\\d+|toolbar-command-\\d+|toolbar-0)$");
    int seen = 0;
    for (const QWidget* widget : w.window->findChildren<QWidget*>()) {
        if (!named.match(widget->objectName()).hasMatch()) continue;
        ++seen;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
    }
    // Controls 0, 1, 2, 4, 5, 6, 7, 8, 11, three field buttons, the toolbar and its nine buttons.
    EXPECT_EQ(seen, 9 + 3 + 1 + 9);
}

TEST(MainWindow, KeysRunTheirCommands) {
    WindowUnderTest w;
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    auto* field = Named<QLineEdit>(w.window.get(), "control-2");
    field->setText("/nowhere/typed.pcx");
    w.window->SetStatus("something else");

    QTest::keyClick(w.window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(w.InputText(), "");
    EXPECT_EQ(w.Status(), "Ready");

    // F5 starts a conversion as the button does: with no input the first check says so.
    QTest::keyClick(w.window.get(), Qt::Key_F5);
    ASSERT_EQ(w.modal.calls.size(), 1u);
    EXPECT_EQ(w.modal.calls[0].text, "No input file(s) found. Please, add valid file(s) and try again!");
    QTest::mouseClick(w.Control(8), Qt::LeftButton);
    ASSERT_EQ(w.modal.calls.size(), 2u);
    EXPECT_EQ(w.modal.calls[1].text, w.modal.calls[0].text);

    QTest::keyClick(w.window.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(w.window->isVisible());
}

TEST(MainWindow, FieldAndToolbarButtonsOpenTheChoosers) {
    WindowUnderTest w;
    QTest::mouseClick(Named(w.window.get(), "field-command-5"), Qt::LeftButton);
    QTest::mouseClick(Named(w.window.get(), "toolbar-command-7"), Qt::LeftButton);
    ASSERT_EQ(w.modal.calls.size(), 2u);
    EXPECT_EQ(w.modal.calls[0].kind, ModalCall::Kind::ChooseFile);
    EXPECT_EQ(w.modal.calls[0].title, "Select Input Files");
    EXPECT_FALSE(w.modal.calls[0].filters.isEmpty());
    EXPECT_EQ(w.modal.calls[1].kind, ModalCall::Kind::ChooseFolder);
    EXPECT_EQ(w.modal.calls[1].title, "Select Output Folder");
    // Cancelled: nothing changed.
    EXPECT_EQ(w.InputText(), "");
    EXPECT_EQ(w.FolderText(), "");
}

}  // namespace

}  // namespace ravelin
