#include "gui/progress_window.h"

#include "gui/controls.h"
#include "gui/duration_text.h"
#include "gui/texts.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace ravelin {

namespace {

constexpr int kTextWidth = 280;
constexpr int kPollMilliseconds = 15;

QString TimeRemaining(const QString& duration) {
    return QString::fromStdString(Format(Text("Dialog", "Time Remaining"), Utf8(duration)));
}

}  // namespace

ProgressWindow::ProgressWindow(Batch& batch, int fileCount, Modal& modal,
                               std::function<void(const QString&)> setStatus, QWidget* parent)
    : QDialog(parent), batch_(batch), fileCount_(fileCount), modal_(modal), setStatus_(std::move(setStatus)) {
    setObjectName("window-3");
    setWindowTitle(UiText("Dialog", "Convert Progress"));
    setAccessibleName(windowTitle());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(300, 130);
    setModal(true);

    fileText_ = new QLabel(this);
    fileText_->setObjectName(ControlName(ProgressControl::FileText));
    fileText_->setAccessibleName("File");
    fileText_->setGeometry(10, 13, kTextWidth, 20);
    timeText_ = new QLabel(TimeRemaining(UiText("Dialog", "Time Unknown")), this);
    timeText_->setObjectName(ControlName(ProgressControl::TimeText));
    timeText_->setAccessibleName("Time remaining");
    timeText_->setGeometry(10, 33, kTextWidth, 20);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(ControlName(ProgressControl::Bar));
    bar_->setAccessibleName("Progress");
    bar_->setGeometry(10, 60, kTextWidth, 20);
    bar_->setRange(0, fileCount_ + 1);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    okButton_ = new QPushButton(UiText("Dialog", "OK"), this);
    okButton_->setObjectName(ControlName(ProgressControl::OkButton));
    okButton_->setAccessibleName(okButton_->text());
    okButton_->setGeometry(110, 95, 80, 25);
    okButton_->setDefault(true);
    okButton_->setEnabled(false);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        if (!workerKnown_) accept();
    });

    // Fewer than five files: no estimate worth showing.
    if (fileCount_ < 5) {
        timeText_->hide();
        bar_->move(10, 50);
    }
    // How many characters of a path fit the line, from the width of a typical mix of them.
    const int measured = QFontMetrics(font()).horizontalAdvance("abc123:\\-") / 9;
    characterWidth_ = measured > 0 ? measured : 7;
    budget_ = kTextWidth / characterWidth_;

    timer_ = new QTimer(this);
    timer_->setInterval(kPollMilliseconds);
    connect(timer_, &QTimer::timeout, this, &ProgressWindow::Poll);
}

void ProgressWindow::Run() {
    if (parentWidget()) {
        const QRect area = parentWidget()->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    batch_.Start();
    workerKnown_ = true;
    lastIndex_ = 0;
    stopped_ = false;
    timer_->start();
    exec();
    timer_->stop();
}

QString ProgressWindow::ProgressText(int index) const {
    return QString::fromStdString(Format(Text("Msg", "Progress"), std::to_string(index), std::to_string(fileCount_)));
}

QString ProgressWindow::Shortened(const QString& path, int budget) {
    const int keep = std::max(0, (budget - 3) / 2);
    if (path.size() <= 2 * keep + 3) return path;
    return path.left(keep) + "..." + path.right(keep);
}

void ProgressWindow::Poll() {
    if (!workerKnown_) return;
    const ProgressRecord progress = batch_.Snapshot();
    // A worker that ended between two looks still had its last file shown, so the outcome counts it.
    if (progress.progressIndex > lastIndex_) ShowFile(progress);
    if (progress.finished) ShowFinished(progress);
}

void ProgressWindow::ShowFile(const ProgressRecord& progress) {
    const int index = progress.progressIndex;
    setWindowTitle(UiText("Dialog", "Convert Progress") + " " + ProgressText(index));
    QString path = QString::fromStdString(progress.progressPath);
    if (characterWidth_ * path.size() > kTextWidth) path = Shortened(path, budget_);
    fileText_->setText(path);
    if (fileCount_ >= 5 && progress.lastFileMillis != 0) {
        const std::int64_t remaining = progress.lastFileMillis * (fileCount_ - index + 1);
        timeText_->setText(TimeRemaining(QString::fromStdString(DurationText(remaining))));
    }
    bar_->setValue(index);
    lastIndex_ = index;
}

void ProgressWindow::ShowFinished(const ProgressRecord& progress) {
    const int index = lastIndex_;
    if (stopped_) {
        const QString stopped = UiText("Msg", "Conversion is not complete");
        setStatus_(stopped);
        setWindowTitle(stopped + " " + ProgressText(index));
        fileText_->setText(stopped);
    } else {
        const QString complete = UiText("Msg", "Conversion complete");
        setStatus_(complete);
        setWindowTitle(complete + " " + ProgressText(index));
        fileText_->setText(QString::fromStdString(Format(Text("Msg", "Files converted"),
                                                         std::to_string(progress.convertedCount),
                                                         std::to_string(fileCount_))));
        timeText_->setText(TimeRemaining("00:00:00"));
        bar_->setValue(fileCount_ + 1);
    }
    okButton_->setEnabled(true);
    okButton_->setFocus();
    workerKnown_ = false;
    timer_->stop();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

// A close request (the close box, Escape): while the worker runs, ask before stopping; the worker waits at
// the gate before its next file while the question is open, and the file in hand always finishes.
void ProgressWindow::reject() {
    if (!workerKnown_) {
        QDialog::accept();
        return;
    }
    batch_.HoldGate();
    const bool stop = modal_.Ask(this, UiText("Msg", "Warning"), UiText("Msg", "Ask break conversion"));
    if (stop) {
        batch_.RequestStop();
        stopped_ = true;
    }
    batch_.ReleaseGate();
}

}  // namespace ravelin
