#include "gui/modal.h"

#include <QFileDialog>
#include <QMessageBox>

namespace ravelin {

namespace {

class SystemDialogs final : public Modal {
public:
    void Message(QWidget* parent, MessageKind kind, const QString& title, const QString& text) override {
        QMessageBox box(Icon(kind), title, text, QMessageBox::Ok, parent);
        box.setAccessibleName(title);
        box.exec();
    }
    bool Ask(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
        box.setAccessibleName(title);
        return box.exec() == QMessageBox::Yes;
    }
    QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                       const QStringList& filters) override {
        return QFileDialog::getOpenFileName(parent, title, folder, filters.join(";;"));
    }
    QString ChooseFolder(QWidget* parent, const QString& title, const QString& folder) override {
        return QFileDialog::getExistingDirectory(parent, title, folder);
    }

private:
    static QMessageBox::Icon Icon(MessageKind kind) {
        switch (kind) {
            case MessageKind::Information: return QMessageBox::Information;
            case MessageKind::Warning: return QMessageBox::Warning;
            case MessageKind::Error: return QMessageBox::Critical;
        }
        return QMessageBox::NoIcon;
    }
};

}  // namespace

Modal& SystemModal() {
    static SystemDialogs dialogs;
    return dialogs;
}

}  // namespace ravelin
