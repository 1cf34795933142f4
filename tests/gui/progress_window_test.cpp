#include "gui_fixture.h"
#include "pcx_writer.h"
#include "run_program.h"

#include "engine/batch.h"
#include "engine/encoding.h"
#include "engine/job_control.h"
#include "gui/progress_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace ravelin {

namespace {

// Holds the worker inside each file (after it has published the file) until the test lets it go.
class HeldFiles final : public BatchObserver {
public:
    void FileStarted(const std::string&) override {
        std::unique_lock lock(mutex_);
        ++started_;
        changed_.wait(lock, [&] { return started_ <= allowed_; });
    }
    void FileSaved(const std::string&, const std::string&) override {
        std::lock_guard lock(mutex_);
        ++saved_;
        changed_.notify_all();
    }
    void Release(int files) {
        std::lock_guard lock(mutex_);
        allowed_ += files;
        changed_.notify_all();
    }
    void ReleaseAll() { Release(1 << 20); }
    // Waits (without serving events) until `count` files are saved.
    bool WaitSaved(int count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return saved_ >= count; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int started_ = 0, allowed_ = 0, saved_ = 0;
};

// A progress window over a batch of `count` files written in a folder of their own.
struct ProgressFixture {
    TempDir folder;
    Settings settings = WindowSettings();
    ConversionJob job;
    HeldFiles held;
    ScriptedModal modal;
    QStringList statuses;
    std::vector<std::string> inputs;
    std::unique_ptr<Batch> batch;
    std::unique_ptr<ProgressWindow> window;

    explicit ProgressFixture(int count, bool pictures = true, const std::string& subfolder = "") {
        ResetJob(job);
        job.outputExtension = "jpg";
        job.outputFolder = folder.path;
        PrepareOutputEncoding(job, settings);
        const std::string inputFolder = folder.path + subfolder;
        if (!subfolder.empty()) std::filesystem::create_directories(inputFolder);
        for (int i = 0; i < count; ++i) {
            inputs.push_back(inputFolder + "file" + std::to_string(i) + ".pcx");
            EXPECT_TRUE(pictures ? WritePcx(inputs.back(), TestPattern24(8, 6))
                                 : WriteBytes(inputs.back(), {'n', 'o', 't', ' ', 'p', 'c', 'x'}));
            job.inputs.emplace(inputs.back(), InputEntry{});  // the engine takes many files
        }
        batch = std::make_unique<Batch>(job, settings, nullptr, &held);
        window = std::make_unique<ProgressWindow>(
            *batch, count, modal, [this](const QString& text) { statuses << text; }, nullptr);
    }
    ~ProgressFixture() {
        held.ReleaseAll();
        window.reset();
        batch.reset();
    }

    QString Caption() const { return window->windowTitle(); }
    QLabel* FileLine() const { return Named<QLabel>(window.get(), "control-348"); }
    QLabel* TimeLine() const { return Named<QLabel>(window.get(), "control-349"); }
    QProgressBar* Bar() const { return Named<QProgressBar>(window.get(), "control-350"); }
    QPushButton* Ok() const { return Named<QPushButton>(window.get(), "control-351"); }
    int Outputs() const {
        int jpegs = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path)) {
            jpegs += entry.path().extension() == ".jpg";
        }
        return jpegs;
    }
};

TEST(ProgressWindow, ShowsTheFileInHandThenTheOutcome) {
    ProgressFixture f(1);
    Script script;
    script
        .When([&] { return f.Caption() == "Converting (1/1)"; },
              [&] {
                  EXPECT_EQ(f.FileLine()->text().toStdString(), f.inputs[0]);
                  EXPECT_TRUE(f.TimeLine()->isHidden()) << "fewer than five files: no estimate";
                  EXPECT_EQ(f.Bar()->geometry(), QRect(10, 50, 280, 20));
                  EXPECT_EQ(f.Bar()->maximum(), 2);
                  EXPECT_EQ(f.Bar()->value(), 1);
                  EXPECT_FALSE(f.Ok()->isEnabled());
                  f.held.Release(1);
              })
        .When([&] { return f.Ok()->isEnabled(); },
              [&] {
                  EXPECT_EQ(f.Caption(), "Conversion complete (1/1)");
                  EXPECT_EQ(f.FileLine()->text(), "Files converted: 1 of 1");
                  EXPECT_EQ(f.TimeLine()->text(), "Time Remaining: 00:00:00");
                  EXPECT_EQ(f.Bar()->value(), 2);
                  EXPECT_EQ(f.statuses, QStringList({"Conversion complete"}));
                  QTest::mouseClick(f.Ok(), Qt::LeftButton);
              });
    f.window->Run();
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_TRUE(f.modal.calls.empty());
    EXPECT_EQ(f.Outputs(), 1);
}

TEST(ProgressWindow, FiveFilesOrMoreShowTheRemainingTime) {
    ProgressFixture f(5);
    Script script;
    script
        .When([&] { return f.Caption() == "Converting (1/5)"; },
              [&] {
                  EXPECT_FALSE(f.TimeLine()->isHidden());
                  EXPECT_EQ(f.TimeLine()->text(), "Time Remaining: Unknown");
                  EXPECT_EQ(f.Bar()->geometry(), QRect(10, 60, 280, 20));
                  EXPECT_EQ(f.Bar()->maximum(), 6);
                  f.held.Release(1);
              })
        // A small file counts as a second: four files to go from the second on.
        .When([&] { return f.Caption() == "Converting (2/5)"; },
              [&] {
                  EXPECT_EQ(f.TimeLine()->text(), "Time Remaining: 00:00:04");
                  EXPECT_EQ(f.Bar()->value(), 2);
                  f.held.ReleaseAll();
              })
        .When([&] { return f.Ok()->isEnabled(); },
              [&] {
                  EXPECT_EQ(f.Caption(), "Conversion complete (5/5)");
                  EXPECT_EQ(f.FileLine()->text(), "Files converted: 5 of 5");
                  EXPECT_EQ(f.TimeLine()->text(), "Time Remaining: 00:00:00");
                  EXPECT_EQ(f.Bar()->value(), 6);
                  f.window->close();  // the close box of a finished window closes it, unasked
              });
    f.window->Run();
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(f.modal.calls.empty());
    EXPECT_EQ(f.Outputs(), 5);
}

TEST(ProgressWindow, StoppingIsAskedFirstAndTheFileInHandFinishes) {
    ProgressFixture f(3);
    Script script;
    script
        .When([&] { return f.Caption() == "Converting (1/3)"; },
              [&] {
                  // While the question is open the worker finishes its file but takes no other.
                  f.modal.whileAsking = [&] {
                      f.held.Release(1);
                      EXPECT_TRUE(f.held.WaitSaved(1));
                      std::this_thread::sleep_for(std::chrono::milliseconds(50));
                      EXPECT_EQ(f.batch->Snapshot().progressIndex, 1);
                  };
                  f.modal.answers = {false};
                  f.window->close();
                  f.modal.whileAsking = nullptr;
                  ASSERT_EQ(f.modal.calls.size(), 1u);
                  EXPECT_EQ(f.modal.calls[0].kind, ModalCall::Kind::Ask);
                  EXPECT_EQ(f.modal.calls[0].title, "Warning");
                  EXPECT_EQ(f.modal.calls[0].text, "Do you want to break the conversion?");
                  EXPECT_TRUE(f.window->isVisible()) << "No goes on as if nothing happened";
              })
        .When([&] { return f.Caption() == "Converting (2/3)"; },
              [&] {
                  f.modal.answers = {true};
                  QTest::keyClick(f.window.get(), Qt::Key_Escape);
                  EXPECT_EQ(f.modal.calls.size(), 2u);
                  EXPECT_TRUE(f.window->isVisible()) << "the window waits for the file in hand";
                  EXPECT_FALSE(f.Ok()->isEnabled());
                  f.held.Release(1);
              })
        .When([&] { return f.Ok()->isEnabled(); },
              [&] {
                  EXPECT_EQ(f.Caption(), "Conversion stopped (2/3)");
                  EXPECT_EQ(f.FileLine()->text(), "Conversion stopped");
                  EXPECT_EQ(f.statuses, QStringList({"Conversion stopped"}));
                  f.window->close();
              });
    f.window->Run();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(f.modal.calls.size(), 2u) << "a finished window closes unasked";
    EXPECT_EQ(f.Outputs(), 2);
}

TEST(ProgressWindow, ARunThatEndsBetweenTwoLooksStillCountsItsLastFile) {
    ProgressFixture f(1);
    f.held.ReleaseAll();
    // The worker ends before the window has looked once.
    QTimer::singleShot(0, [&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!f.batch->Snapshot().finished && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    Script script;
    script.When([&] { return f.Ok()->isEnabled(); },
                [&] {
                    EXPECT_EQ(f.Caption(), "Conversion complete (1/1)");
                    EXPECT_EQ(f.FileLine()->text(), "Files converted: 1 of 1");
                    QTest::mouseClick(f.Ok(), Qt::LeftButton);
                });
    f.window->Run();
    EXPECT_TRUE(script.Done());
}

TEST(ProgressWindow, ARunWhereEveryFileFailedIsStillComplete) {
    ProgressFixture f(2, /*pictures=*/false);
    f.held.ReleaseAll();
    Script script;
    script.When([&] { return f.Ok()->isEnabled(); },
                [&] {
                    EXPECT_EQ(f.Caption(), "Conversion complete (2/2)");
                    EXPECT_EQ(f.FileLine()->text(), "Files converted: 0 of 2");
                    EXPECT_EQ(f.statuses, QStringList({"Conversion complete"}));
                    QTest::mouseClick(f.Ok(), Qt::LeftButton);
                });
    f.window->Run();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(f.Outputs(), 0);
}

TEST(ProgressWindow, ALongPathShowsItsBeginningAndItsEnd) {
    ProgressFixture f(1, true, std::string(60, 'd') + "/" + std::string(40, 'e') + "/");
    const QString path = QString::fromStdString(f.inputs[0]);
    Script script;
    script
        .When([&] { return f.Caption() == "Converting (1/1)"; },
              [&] {
                  const QString shown = f.FileLine()->text();
                  const qsizetype dots = shown.indexOf("...");
                  ASSERT_GT(dots, 0) << shown.toStdString();
                  const QString head = shown.left(dots), tail = shown.mid(dots + 3);
                  EXPECT_EQ(head.size(), tail.size());
                  EXPECT_TRUE(path.startsWith(head));
                  EXPECT_TRUE(path.endsWith(tail));
                  EXPECT_TRUE(tail.endsWith("file0.pcx"));
                  EXPECT_LE(QFontMetrics(f.FileLine()->font()).horizontalAdvance(shown), 300);
                  f.held.Release(1);
              })
        .When([&] { return f.Ok()->isEnabled(); }, [&] { QTest::mouseClick(f.Ok(), Qt::LeftButton); });
    f.window->Run();
    EXPECT_TRUE(script.Done());
}

TEST(ProgressWindow, ShortenedKeepsAsMuchOfBothEndsAsTheBudgetAllows) {
    const struct {
        QString path;
        int budget;
        QString shown;
    } cases[] = {
        {"abcdefghijkl", 9, "abc...jkl"},
        {"abcdefghijk", 10, "abc...ijk"},  // an odd budget's last character stays unused
        {"abcdefghi", 9, "abcdefghi"},     // fits: unchanged
        {"", 40, ""},
        {QString(100, 'x') + "/tail.pcx", 40, QString(18, 'x') + "..." + "xxxxxxxxx/tail.pcx"},
    };
    for (const auto& [path, budget, shown] : cases) {
        EXPECT_EQ(ProgressWindow::Shortened(path, budget), shown) << path.toStdString() << " " << budget;
    }
}

}  // namespace

}  // namespace ravelin
