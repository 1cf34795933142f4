#pragma once
// Hands a file name, a web address or a "mailto:" link to the desktop's default handler; the outcome is
// not reported.

#include <QString>

namespace ravelin {

void ShellOpen(const QString& target);

// The feedback link: the vendor's mail address with the title and " Feedback" as subject.
QString FeedbackLink();

}  // namespace ravelin
