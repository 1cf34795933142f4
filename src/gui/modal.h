#pragma once
// The one seam for modal questions: message boxes, yes/no questions and the file and folder choosers.
// The window asks through it; the real one shows Qt's dialogs, tests answer from a script.

#include <QString>
#include <QStringList>

class QWidget;

namespace ravelin {

enum class MessageKind { Information, Warning, Error };

class Modal {
public:
    virtual ~Modal() = default;
    virtual void Message(QWidget* parent, MessageKind kind, const QString& title, const QString& text) = 0;
    // True for Yes.
    virtual bool Ask(QWidget* parent, const QString& title, const QString& text) = 0;
    // A file to open, or "" when cancelled. `filters` as Qt writes them ("PCX files (*.pcx)").
    virtual QString ChooseFile(QWidget* parent, const QString& title, const QString& folder,
                               const QStringList& filters) = 0;
    // A folder, or "" when cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& title, const QString& folder) = 0;
};

// Qt's own dialogs.
Modal& SystemModal();

}  // namespace ravelin
