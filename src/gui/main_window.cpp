#include "gui/main_window.h"

#include "engine/job_control.h"
#include "formats/input_catalogue.h"
#include "formats/output_catalogue.h"
#include "gui/conversion_start.h"
#include "gui/file_filters.h"
#include "gui/shell_open.h"
#include "gui/texts.h"
#include "platform/paths.h"
#include "platform/product.h"
#include "platform/text.h"
#include "platform/uri_list.h"
#include "settings/product_formats.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace ravelin {

namespace {

constexpr int kMinimumWidth = 510, kFixedHeight = 260;

// The fixed product notice under the fields.
constexpr const char* kProductNotice = "Orvanta PCX to JPG turns PCX pictures into JPEG files.";

struct CommandRow {
    Command command;
    const char* menuKey;   // group "Menu"
    const char* shortcut;  // shown after a tab; the key itself is registered on the window
    const char* icon;
};

// clang-format off
constexpr CommandRow kCommands[] = {
    {Command::New, "New", "Ctrl+N", "New"},
    {Command::Exit, "Exit", "Alt+X", "Exit"},
    {Command::SelectInputFile, "Select Input File", nullptr, "Add"},
    {Command::SelectOutputFolder, "Select Output Folder", nullptr, "OutFolder"},
    {Command::Convert, "Convert", "F5", "Convert"},
    {Command::CustomConverter, "Custom Converter", nullptr, "CustomConverter"},
    {Command::Preferences, "Preferences", nullptr, "Preferences"},
    {Command::Manual, "Manual", "F1", "Help"},
    {Command::SendFeedback, "Send Feedback", nullptr, "Email"},
    {Command::VisitHomepage, "Visit Homepage", nullptr, "Web"},
    {Command::CheckForNewVersion, "Check For New Version", nullptr, "Updates"},
    {Command::About, "About", nullptr, "About"},
};
// clang-format on

const CommandRow& RowOf(Command command) {
    for (const CommandRow& row : kCommands) {
        if (row.command == command) return row;
    }
    return kCommands[0];
}

// Menus, left to right; Command::New also stands for a separator where `separator` is set.
struct MenuEntry {
    Command command;
    bool separator = false;
};
const MenuEntry kSeparator{Command::New, true};

}  // namespace

MainWindow::MainWindow(Settings& settings, ConversionJob& job, Modal& modal, ImageSets images, QWidget* parent)
    : QMainWindow(parent), settings_(settings), job_(job), modal_(modal), images_(std::move(images)) {
    setObjectName("window-0");
    setWindowTitle(QString::fromStdString(TitleString()));
    setAccessibleName(windowTitle());
    setWindowIcon(QIcon(":/builtin/ravelin.png"));
    setMinimumSize(kMinimumWidth, kFixedHeight);
    setMaximumHeight(kFixedHeight);
    setAcceptDrops(true);
    BuildMenus();
    BuildMainToolbar();
    statusBar()->setObjectName("status-bar");
    statusBar()->setSizeGripEnabled(false);
    BuildBody();
    RegisterShortcuts();

    resize(std::max(settings_.windowWidth, kMinimumWidth), kFixedHeight);
    // A position off every screen (another monitor set-up, a damaged file) comes back onto the primary one;
    // a window hanging over a screen's edge is moved wholly onto that screen.
    const QRect wanted(settings_.windowX, settings_.windowY, width(), height());
    QScreen* screen = QGuiApplication::screenAt(wanted.center());
    const bool offEveryScreen = !screen;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        QPoint place = offEveryScreen ? area.center() - QPoint(width() / 2, height() / 2) : wanted.topLeft();
        place.setX(std::clamp(place.x(), area.left(), std::max(area.left(), area.right() + 1 - width())));
        place.setY(std::clamp(place.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
        move(place);
    }
}

QAction* MainWindow::CommandAction(Command command, const QIcon& icon, const QString& text) {
    auto* action = new QAction(icon, text, this);
    action->setObjectName(CommandName(command));
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    return action;
}

void MainWindow::BuildMenus() {
    menuBar()->clear();
    const std::pair<const char*, std::vector<MenuEntry>> menus[] = {
        {"File", {{Command::New}, kSeparator, {Command::SelectInputFile}, {Command::SelectOutputFolder}, kSeparator,
                  {Command::Exit}}},
        {"Converter", {{Command::Convert}, kSeparator, {Command::CustomConverter}, kSeparator, {Command::Preferences}}},
        {"Help", {{Command::Manual}, kSeparator, {Command::SendFeedback}, {Command::VisitHomepage},
                  {Command::CheckForNewVersion}, kSeparator, {Command::About}}},
    };
    for (const auto& [key, entries] : menus) {
        QMenu* menu = menuBar()->addMenu(UiText("Menu", key));
        menu->setObjectName(QString("menu-") + key);
        for (const MenuEntry& entry : entries) {
            if (entry.separator) {
                menu->addSeparator();
                continue;
            }
            const CommandRow& row = RowOf(entry.command);
            QString caption = UiText("Menu", row.menuKey);
            if (row.shortcut) caption += QString("\t") + row.shortcut;
            QAction* action = CommandAction(entry.command, images_.MenuIcon(row.icon), caption);
            action->setIconVisibleInMenu(true);
            menu->addAction(action);
        }
    }
}

void MainWindow::BuildMainToolbar() {
    if (mainToolbar_) {
        removeToolBar(mainToolbar_);
        mainToolbar_->deleteLater();
    }
    mainToolbar_ = new QToolBar(this);
    mainToolbar_->setObjectName("toolbar-0");
    mainToolbar_->setAccessibleName("Main toolbar");
    mainToolbar_->setMovable(false);
    mainToolbar_->setFloatable(false);
    mainToolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    const int size = ToolbarIconSize(settings_.uiSize);
    mainToolbar_->setIconSize(QSize(size, size));
    const std::vector<MenuEntry> buttons = {{Command::New},         {Command::SelectInputFile},
                                            {Command::SelectOutputFolder}, kSeparator,
                                            {Command::Preferences}, kSeparator,
                                            {Command::Convert},     kSeparator,
                                            {Command::Manual},      {Command::SendFeedback},
                                            {Command::VisitHomepage}, {Command::CheckForNewVersion}};
    for (const MenuEntry& entry : buttons) {
        if (entry.separator) {
            mainToolbar_->addSeparator();
            continue;
        }
        const CommandRow& row = RowOf(entry.command);
        const QString tip = UiText("Menu", row.menuKey);
        QAction* action = CommandAction(entry.command, images_.ToolbarIcon(row.icon), tip);
        action->setToolTip(tip);
        mainToolbar_->addAction(action);
        if (QWidget* button = mainToolbar_->widgetForAction(action)) {
            button->setObjectName("toolbar-" + CommandName(entry.command));
            button->setAccessibleName(tip);
        }
    }
    addToolBar(Qt::TopToolBarArea, mainToolbar_);
}

QToolButton* MainWindow::FieldButton(Command command, const char* iconKey, const char* tooltipKey) {
    auto* button = new QToolButton(container_);
    button->setObjectName("field-" + CommandName(command));
    button->setIcon(images_.MenuIcon(iconKey));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setToolTip(UiText("Menu", tooltipKey));
    button->setAccessibleName(button->toolTip());
    connect(button, &QToolButton::clicked, this, [this, command] { RunCommand(command); });
    return button;
}

void MainWindow::BuildBody() {
    auto* body = new QWidget(this);
    body->setObjectName("body");
    setCentralWidget(body);
    container_ = new QWidget(body);
    container_->setObjectName(ControlName(MainControl::Container));
    container_->setAccessibleName("Input and output");

    auto label = [this](MainControl control, const char* key, int y) {
        auto* text = new QLabel(UiText("General", key), container_);
        text->setObjectName(ControlName(control));
        text->setAccessibleName(text->text());
        text->setGeometry(10, y, 350, 20);
        return text;
    };
    QLabel* inputLabel = label(MainControl::InputLabel, "Input File", 3);
    inputField_ = new QLineEdit(container_);
    inputField_->setObjectName(ControlName(MainControl::InputField));
    inputField_->setAccessibleName(inputLabel->text());
    inputLabel->setBuddy(inputField_);
    inputButton_ = FieldButton(Command::SelectInputFile, "Add", "Select Input File");

    QLabel* folderLabel = label(MainControl::OutputFolderLabel, "Output Folder", 43);
    outputFolderList_ = new QComboBox(container_);
    outputFolderList_->setObjectName(ControlName(MainControl::OutputFolderList));
    outputFolderList_->setAccessibleName(folderLabel->text());
    folderLabel->setBuddy(outputFolderList_);
    connect(outputFolderList_, &QComboBox::activated, this,
            [this] { job_.outputFolder = Utf8(outputFolderList_->currentText()); });
    outputFolderButton_ = FieldButton(Command::SelectOutputFolder, "OutFolder", "Select Output Folder");

    QLabel* formatLabel = label(MainControl::OutputFormatLabel, "Output Format", 83);
    outputFormatList_ = new QComboBox(container_);
    outputFormatList_->setObjectName(ControlName(MainControl::OutputFormatList));
    outputFormatList_->setAccessibleName(formatLabel->text());
    formatLabel->setBuddy(outputFormatList_);
    connect(outputFormatList_, &QComboBox::activated, this, [this] {
        const int index = outputFormatList_->currentData().toInt();
        if (index >= 0 && index < static_cast<int>(OutputExtensions.size())) {
            settings_.outputFormat = std::string(OutputExtensions[static_cast<std::size_t>(index)]);
        }
    });
    outputFormatButton_ = FieldButton(Command::OutputFormatOptions, "OutFormat", "Output Format Options");

    convertButton_ = new QPushButton(container_);
    convertButton_->setObjectName(ControlName(MainControl::ConvertButton));
    convertButton_->setIcon(images_.Button("Convert"));
    convertButton_->setIconSize(QSize(64, 64));
    convertButton_->setToolTip(UiText("Menu", "Convert"));
    convertButton_->setAccessibleName(convertButton_->toolTip());
    connect(convertButton_, &QPushButton::clicked, this, [this] { RunCommand(Command::Convert); });

    notice_ = new QLabel(kProductNotice, body);
    notice_->setObjectName(ControlName(MainControl::Notice));
    notice_->setAccessibleName(notice_->text());
}

void MainWindow::RegisterShortcuts() {
    const std::pair<QKeySequence, Command> keys[] = {{QKeySequence("Ctrl+N"), Command::New},
                                                     {QKeySequence("Alt+X"), Command::Exit},
                                                     {QKeySequence(Qt::Key_F5), Command::Convert},
                                                     {QKeySequence(Qt::Key_F1), Command::Manual}};
    for (const auto& [sequence, command] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setObjectName("shortcut-" + CommandName(command));
        connect(shortcut, &QShortcut::activated, this, [this, command = command] { RunCommand(command); });
    }
}

// The fields follow the window's width; the buttons keep their distance from the right edge.
void MainWindow::Layout() {
    QWidget* body = centralWidget();
    if (!body || !container_) return;
    const int width = body->width();
    const int menuHeight = menuBar()->isVisible() ? menuBar()->height() : 0;
    const int toolbarHeight = mainToolbar_ ? mainToolbar_->height() : 0;
    const int statusHeight = statusBar()->height();
    const int innerHeight = this->height();
    container_->setGeometry(0, 0, width, std::max(0, innerHeight - menuHeight - toolbarHeight - statusHeight - 40));
    inputField_->setGeometry(10, 20, width - 160, 22);
    outputFolderList_->setGeometry(10, 60, width - 160, 22);
    outputFormatList_->setGeometry(10, 100, width - 160, 22);
    inputButton_->setGeometry(width - 146, 19, 24, 24);
    outputFolderButton_->setGeometry(width - 146, 59, 24, 24);
    outputFormatButton_->setGeometry(width - 146, 99, 24, 24);
    convertButton_->setGeometry(width - 110, 20, 100, 100);
    notice_->setGeometry(10, std::max(0, body->height() - 20), 350, 20);
    update();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Layout();
}

void MainWindow::FinishStartUp() {
    if (settings_.windowIsMaximized) setWindowState(windowState() | Qt::WindowMaximized);
    if (settings_.recentOutFolders.empty()) outputFolderList_->addItem(QString());
    FillOutputFormatList();
    New();
    show();
    Layout();
}

void MainWindow::FillOutputFormatList() {
    outputFormatList_->clear();
    for (std::size_t i = 0; i < OutputExtensions.size(); ++i) {
        const std::string_view extension = OutputExtensions[i];
        outputFormatList_->addItem(images_.MenuIcon("New"), QString::fromStdString(FormatListLabel(extension)),
                                   static_cast<int>(i));
        if (extension == settings_.outputFormat) outputFormatList_->setCurrentIndex(static_cast<int>(i));
    }
}

void MainWindow::New() {
    FillOutputFolderList();
    ResetJob(job_);
    inputField_->clear();
    outputFolderList_->setCurrentIndex(-1);
    SetStatus(UiText("General", "Ready"));
    inputField_->setFocus();
}

void MainWindow::FillOutputFolderList() {
    if (settings_.recentOutFolders.empty()) return;
    outputFolderList_->clear();
    const std::vector<std::string> entries = Split(settings_.recentOutFolders, '\t');
    int selected = 0;
    for (int i = 0; i < settings_.outFoldersNumber && i < static_cast<int>(entries.size()); ++i) {
        const std::string entry(TrimBlanks(entries[static_cast<std::size_t>(i)]));
        if (entry.empty()) continue;
        outputFolderList_->addItem(images_.MenuIcon("FavFolder"), QString::fromStdString(entry));
        if (entry == job_.outputFolder) selected = outputFolderList_->count() - 1;
    }
    outputFolderList_->setCurrentIndex(selected);
}

bool MainWindow::AddFile(const std::string& path) {
    if (!AddInputFile(job_, path)) return false;
    inputField_->setText(QString::fromStdString(path));
    if (outputFolderList_->currentText().isEmpty()) {
        const std::string folder = job_.baseFolder.empty() ? std::string(FolderPart(path)) : job_.baseFolder;
        RememberOutputFolder(settings_, folder);
        job_.outputFolder = folder;
        FillOutputFolderList();
    }
    return true;
}

void MainWindow::ChooseInputFile() {
    const QString start = QString::fromStdString(lastConvertedInput_);
    lastConvertedInput_.clear();
    const QString chosen = modal_.ChooseFile(this, UiText("Dialog", "Select Input Files"), start,
                                             QtFileFilters(InputFileFilter()));
    if (!chosen.isEmpty()) AddFile(Utf8(chosen));
    Layout();
}

void MainWindow::ChooseOutputFolder() {
    std::string start = job_.outputFolder;
    if (!outputFolderList_->currentText().isEmpty()) start = std::string(FolderPart(Utf8(outputFolderList_->currentText())));
    const QString chosen =
        modal_.ChooseFolder(this, UiText("Dialog", "Select Output Folder"), QString::fromStdString(start));
    const std::string folder = WithTrailingSlash(Utf8(chosen));
    if (!chosen.isEmpty() && IsExistingFolder(folder)) {
        RememberOutputFolder(settings_, folder);
        job_.outputFolder = folder;
        FillOutputFolderList();
    }
    Layout();
}

void MainWindow::SetCommandHandler(Command command, std::function<void()> handler) {
    handlers_[command] = std::move(handler);
}

void MainWindow::RunCommand(Command command) {
    if (const auto handler = handlers_.find(command); handler != handlers_.end() && handler->second) {
        handler->second();
        return;
    }
    switch (command) {
        case Command::New: New(); break;
        case Command::Exit: close(); break;
        case Command::SelectInputFile: ChooseInputFile(); break;
        case Command::SelectOutputFolder: ChooseOutputFolder(); break;
        case Command::Convert: StartConversion(*this); break;
        case Command::Manual: ShellOpen("ravelin.chm"); break;
        case Command::SendFeedback: ShellOpen(FeedbackLink()); break;
        case Command::VisitHomepage: ShellOpen(kVendorWebsite); break;
        // Their windows come with the preferences, the small dialogs and the update check.
        case Command::OutputFormatOptions:
        case Command::CustomConverter:
        case Command::Preferences:
        case Command::CheckForNewVersion:
        case Command::About: break;
    }
}

void MainWindow::ShowSample(const QString& inputPath, const QString& outputFolder) {
    inputField_->setText(inputPath);
    outputFolderList_->addItem(images_.MenuIcon("FavFolder"), outputFolder);
    outputFolderList_->setCurrentIndex(outputFolderList_->count() - 1);
    outputFormatList_->setFocus();
    outputFolderList_->setFocus();
    convertButton_->setFocus();
}

void MainWindow::SetStatus(const QString& text) {
    statusBar()->showMessage(text);
}

QString MainWindow::InputText() const {
    return inputField_->text();
}

QString MainWindow::OutputFolderText() const {
    return outputFolderList_->currentText();
}

std::string MainWindow::SelectedOutputExtension() const {
    const int index = outputFormatList_->currentData().toInt();
    if (outputFormatList_->currentIndex() < 0 || index < 0 || index >= static_cast<int>(OutputExtensions.size())) {
        return std::string(OutputExtensions.front());
    }
    return std::string(OutputExtensions[static_cast<std::size_t>(index)]);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat("text/uri-list")) event->acceptProposedAction();
}

// Only the first dropped file counts, as the window holds one input.
void MainWindow::dropEvent(QDropEvent* event) {
    const QByteArray list = event->mimeData()->data("text/uri-list");
    const std::vector<std::string> paths = LocalPathsOfUriList(std::string_view(list.constData(), list.size()));
    if (!paths.empty()) AddFile(paths.front());
    event->acceptProposedAction();
}

void MainWindow::CapturePlacement() {
    if (isMinimized()) {
        // a minimised window keeps the placement it had
    } else if (isMaximized()) {
        settings_.windowIsMaximized = 1;
    } else {
        settings_.windowIsMaximized = 0;
        settings_.windowWidth = width();
        settings_.windowHeight = height();
        settings_.windowX = x();
        settings_.windowY = y();
    }
    if (!settings_.outFoldersHistory) settings_.recentOutFolders.clear();
}

}  // namespace ravelin
