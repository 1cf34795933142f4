#include "gui/uninstall_dialog.h"

#include "gui/shell_open.h"
#include "gui/texts.h"
#include "platform/product.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace ravelin {

namespace {

constexpr int kWidth = 300, kHeight = 100;
constexpr const char* kUninstallPath = "/ravelin/uninstall.html";

}  // namespace

QString UninstallAddress() {
    // Only the host comes from the site's address; the page's path is fixed.
    return QUrl(kVendorWebsite).resolved(QUrl(kUninstallPath)).toString();
}

UninstallDialog::UninstallDialog(std::function<void(const QString&)> open, QWidget* parent)
    : QDialog(parent), open_(std::move(open)) {
    setObjectName("window-uninstall");
    setWindowTitle(UiText("Uninstall", "Title"));
    setAccessibleName(windowTitle());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    visitBox_ = new QCheckBox(UiText("Uninstall", "Uninstall Text"), this);
    visitBox_->setObjectName("uninstall-visit");
    visitBox_->setAccessibleName(visitBox_->text());
    visitBox_->setChecked(true);
    // A larger desktop font must not clip the caption: the box, and the dialog with it, grow to fit.
    const int boxWidth = std::max(250, visitBox_->sizeHint().width());
    const int width = std::max(kWidth, 30 + boxWidth + 20);
    visitBox_->setGeometry(30, 20, boxWidth, std::max(20, visitBox_->sizeHint().height()));

    nextButton_ = new QPushButton(UiText("Uninstall", "Next"), this);
    nextButton_->setObjectName("uninstall-next");
    nextButton_->setAccessibleName(nextButton_->text());
    nextButton_->setGeometry(width - 100, 60, 80, 25);
    nextButton_->setDefault(true);
    connect(nextButton_, &QPushButton::clicked, this, &UninstallDialog::Next);

    setFixedSize(width, kHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(width / 2, kHeight / 2));
    }
    setFocus();
}

void UninstallDialog::Next() {
    if (visitBox_->isChecked() && open_) open_(UninstallAddress());
    accept();
}

void RunUninstallDialog() {
    UninstallDialog dialog([](const QString& address) { ShellOpen(address); });
    dialog.exec();
}

}  // namespace ravelin
