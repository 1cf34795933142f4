#pragma once
// The uninstall dialog: one check box ("visit the uninstall centre") and a Next button. Next with the box
// checked opens the vendor's uninstall page; Next or closing the dialog ends it.

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QPushButton;

namespace ravelin {

// The vendor's uninstall page: the page "/ravelin/uninstall.html" on the vendor's web site.
QString UninstallAddress();

class UninstallDialog : public QDialog {
    Q_OBJECT

public:
    // `open` receives the page's address; the real dialog hands it to the desktop.
    explicit UninstallDialog(std::function<void(const QString&)> open, QWidget* parent = nullptr);

    QCheckBox* visitBox() const { return visitBox_; }
    QPushButton* nextButton() const { return nextButton_; }

private:
    void Next();

    std::function<void(const QString&)> open_;
    QCheckBox* visitBox_ = nullptr;
    QPushButton* nextButton_ = nullptr;
};

// Shows the dialog until Next or a close, then returns.
void RunUninstallDialog();

}  // namespace ravelin
