#include "gui/shell_open.h"

#include "platform/product.h"

#include <QDesktopServices>
#include <QUrl>

namespace ravelin {

void ShellOpen(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target);
    if (url.isValid()) QDesktopServices::openUrl(url);
}

QString FeedbackLink() {
    return QString("mailto:") + kVendorMail + "?subject=" +
           QString::fromStdString(TitleString() + " Feedback").replace(' ', "%20");
}

}  // namespace ravelin
