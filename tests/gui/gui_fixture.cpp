#include "gui_fixture.h"

#include "gui/image_sets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <mutex>
#include <thread>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace ravelin {

namespace {

constexpr auto kHungAfter = std::chrono::seconds(20);

std::string& Root() {
    static std::string root;
    return root;
}

// Every folder the toolkit or the program may write to points into a folder of the test program's own,
// before the application object exists; the user's configuration is never read or written.
class GuiEnvironment final : public testing::Environment {
public:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "ravelin-gui-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Root() = pattern + "/";
        for (const char* name : {"config", "runtime", "cache", "data"}) {
            const std::string folder = Root() + name;
            ASSERT_EQ(mkdir(folder.c_str(), 0700), 0) << folder;
        }
        setenv("XDG_CONFIG_HOME", (Root() + "config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (Root() + "runtime").c_str(), 1);
        setenv("XDG_CACHE_HOME", (Root() + "cache").c_str(), 1);
        setenv("XDG_DATA_HOME", (Root() + "data").c_str(), 1);
        // No test ever opens a window on the user's display.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "test_gui";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        application_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(Root(), ignored);
    }

private:
    std::unique_ptr<QApplication> application_;
};

// A test that runs longer than any of them should is hung (a modal loop nobody answers, a worker that
// never ends): say which one and end the program, so the run fails instead of waiting for its time-out.
class Watchdog final : public testing::EmptyTestEventListener {
public:
    Watchdog() : thread_([this] { Watch(); }) {}
    ~Watchdog() override {
        {
            std::lock_guard lock(mutex_);
            ending_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    void OnTestStart(const testing::TestInfo& test) override {
        std::lock_guard lock(mutex_);
        name_ = std::string(test.test_suite_name()) + "." + test.name();
        deadline_ = std::chrono::steady_clock::now() + kHungAfter;
        armed_ = true;
        changed_.notify_all();
    }
    void OnTestEnd(const testing::TestInfo&) override {
        std::lock_guard lock(mutex_);
        armed_ = false;
        changed_.notify_all();
    }

private:
    void Watch() {
        std::unique_lock lock(mutex_);
        while (!ending_) {
            if (!armed_) {
                changed_.wait(lock);
                continue;
            }
            if (changed_.wait_until(lock, deadline_) == std::cv_status::timeout && armed_ &&
                std::chrono::steady_clock::now() >= deadline_) {
                std::fprintf(stderr, "watchdog: %s hung for more than %lld s\n", name_.c_str(),
                             static_cast<long long>(kHungAfter.count()));
                std::fflush(stderr);
                std::error_code ignored;
                if (!Root().empty()) std::filesystem::remove_all(Root(), ignored);
                std::abort();
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    bool armed_ = false;
    bool ending_ = false;
    std::string name_;
    std::chrono::steady_clock::time_point deadline_;
    std::thread thread_;
};

const bool kRegistered = [] {
    testing::AddGlobalTestEnvironment(new GuiEnvironment);
    testing::UnitTest::GetInstance()->listeners().Append(new Watchdog);
    return true;
}();

}  // namespace

const std::string& GuiTestRoot() {
    return Root();
}

void ScriptedModal::Message(QWidget*, MessageKind kind, const QString& title, const QString& text) {
    calls.push_back({ModalCall::Kind::Message, kind, title, text, {}, {}});
}

bool ScriptedModal::Ask(QWidget*, const QString& title, const QString& text) {
    calls.push_back({ModalCall::Kind::Ask, MessageKind::Information, title, text, {}, {}});
    if (whileAsking) whileAsking();
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedModal::ChooseFile(QWidget*, const QString& title, const QString& folder,
                                  const QStringList& filters) {
    calls.push_back({ModalCall::Kind::ChooseFile, MessageKind::Information, title, {}, folder, filters});
    if (choices.empty()) return {};
    const QString choice = choices.front();
    choices.pop_front();
    return choice;
}

QString ScriptedModal::ChooseFolder(QWidget*, const QString& title, const QString& folder) {
    calls.push_back({ModalCall::Kind::ChooseFolder, MessageKind::Information, title, {}, folder, {}});
    if (choices.empty()) return {};
    const QString choice = choices.front();
    choices.pop_front();
    return choice;
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

Script::Script() {
    timer_.setInterval(2);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (steps_.empty() || !steps_.front().condition()) return;
        QTimer::singleShot(0, steps_.front().action);
        steps_.pop_front();
    });
    timer_.start();
}

Script& Script::When(std::function<bool()> condition, std::function<void()> action) {
    steps_.push_back({std::move(condition), std::move(action)});
    return *this;
}

QWidget* TopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) return widget;
    }
    return nullptr;
}

Settings WindowSettings() {
    Settings settings;
    ApplyDefaults(settings, DefaultsProfile::Window, static_cast<Date>(std::time(nullptr)));
    return settings;
}

WindowUnderTest::WindowUnderTest(const std::function<void(Settings&)>& adjust) : settings(WindowSettings()) {
    if (adjust) adjust(settings);
    window = std::make_unique<MainWindow>(settings, job, modal, BuiltInImages(ToolbarIconSize(settings.uiSize)));
    window->FinishStartUp();
}

WindowUnderTest::~WindowUnderTest() = default;

QWidget* WindowUnderTest::Control(int number) const {
    return Named(window.get(), QString("control-%1").arg(number));
}

QString WindowUnderTest::InputText() const {
    const auto* field = Named<QLineEdit>(window.get(), "control-2");
    return field ? field->text() : QString("<no field>");
}

QString WindowUnderTest::FolderText() const {
    const auto* list = Named<QComboBox>(window.get(), "control-5");
    return list ? list->currentText() : QString("<no list>");
}

QString WindowUnderTest::Status() const {
    return window->statusBar()->currentMessage();
}

}  // namespace ravelin
