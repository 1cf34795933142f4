#include "gui/file_filters.h"

#include <QString>

namespace ravelin {

QStringList QtFileFilters(std::string_view filter) {
    const QStringList parts = QString::fromUtf8(filter.data(), static_cast<int>(filter.size())).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        if (const int open = label.lastIndexOf(" ("); open > 0 && label.endsWith(')')) label.truncate(open);
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == "*.*") pattern = "*";
        }
        filters << label + " (" + patterns.join(' ') + ")";
    }
    return filters;
}

}  // namespace ravelin
