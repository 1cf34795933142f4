#pragma once
// What every window test shares: one application object on the offscreen platform, configuration and
// runtime folders of the test program's own (never the user's), a watchdog that ends a hung test, a modal
// seam that answers from a script and records what was asked, and a main window built as the program
// builds it.

#include "engine/job.h"
#include "gui/main_window.h"
#include "gui/modal.h"
#include "settings/settings.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Failures print Qt texts as text.
void PrintTo(const QString& text, std::ostream* out);

namespace ravelin {

// The folder that holds the test program's XDG_CONFIG_HOME and XDG_RUNTIME_DIR, ending in '/'.
const std::string& GuiTestRoot();

struct ModalCall {
    enum class Kind { Message, Ask, ChooseFile, ChooseFolder };
    Kind kind = Kind::Message;
    MessageKind messageKind = MessageKind::Information;
    QString title;
    QString text;    // the message or question
    QString folder;  // where a chooser starts
    QStringList filters;
};

// Answers questions and choosers from queues; an empty queue answers No or Cancel.
class ScriptedModal final : public Modal {
public:
    void Message(QWidget* parent, MessageKind kind, const QString& title, const QString& text) override;
    bool Ask(QWidget* parent, const QString& title, const QString& text) override;
    QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                       const QStringList& filters) override;
    QString ChooseFolder(QWidget* parent, const QString& title, const QString& folder) override;

    std::deque<bool> answers;
    std::deque<QString> choices;  // for both choosers
    // Runs while a question is open, before it is answered.
    std::function<void()> whileAsking;
    std::vector<ModalCall> calls;
};

// Processes events until `condition` holds; false after `milliseconds`.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 5000);

// Steps run from the event loop, in order: each waits for its condition, then runs its action from a fresh
// single-shot timer, so an action may open a modal loop of its own while the later steps go on.
class Script {
public:
    Script();
    Script& When(std::function<bool()> condition, std::function<void()> action);
    bool Done() const { return steps_.empty(); }

private:
    struct Step {
        std::function<bool()> condition;
        std::function<void()> action;
    };
    std::deque<Step> steps_;
    QTimer timer_;
};

template <typename T = QWidget>
T* Named(const QObject* parent, const QString& name) {
    return parent ? parent->findChild<T*>(name) : nullptr;
}

// The visible top-level widget of that object name, or null.
QWidget* TopLevel(const QString& name);

// Settings as the window starts without a configuration file.
Settings WindowSettings();

// A main window built and started as the program does, over its own settings, job and scripted modal.
struct WindowUnderTest {
    explicit WindowUnderTest(const std::function<void(Settings&)>& adjust = {});
    ~WindowUnderTest();

    QWidget* Control(int number) const;
    QString InputText() const;
    QString FolderText() const;
    QString Status() const;

    Settings settings;
    ConversionJob job;
    ScriptedModal modal;
    std::unique_ptr<MainWindow> window;
};

}  // namespace ravelin
