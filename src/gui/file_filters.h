#pragma once
// Chooser filters are kept as "label|patterns|label|patterns"; Qt's choosers want "label (patterns)".

#include <QStringList>

#include <string_view>

namespace ravelin {

// "All Files (*.*)|*.*" becomes "All Files (*)": on Linux a file needs no dot to be a file.
QStringList QtFileFilters(std::string_view filter);

}  // namespace ravelin
