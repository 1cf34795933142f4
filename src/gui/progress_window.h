#pragma once
// The small window that shows a running conversion: the file in hand, the count, the remaining time, a
// question before stopping, and the outcome.

#include "engine/batch.h"
#include "gui/modal.h"

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace ravelin {

class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    // `fileCount` is the number of input files; `setStatus` writes the main window's status bar.
    ProgressWindow(Batch& batch, int fileCount, Modal& modal, std::function<void(const QString&)> setStatus,
                   QWidget* parent);

    // Starts the batch and polls it every 15 ms until the user closes the finished window.
    void Run();

    // The file line shortened around "..." to what fits the window.
    static QString Shortened(const QString& path, int budget);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Poll();
    void ShowFile(const ProgressRecord& progress);
    void ShowFinished(const ProgressRecord& progress);
    QString ProgressText(int index) const;

    Batch& batch_;
    int fileCount_;
    Modal& modal_;
    std::function<void(const QString&)> setStatus_;
    QLabel* fileText_ = nullptr;
    QLabel* timeText_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QTimer* timer_ = nullptr;
    bool workerKnown_ = false;
    bool stopped_ = false;
    int lastIndex_ = 0;
    int characterWidth_ = 7;
    int budget_ = 40;
};

}  // namespace ravelin
