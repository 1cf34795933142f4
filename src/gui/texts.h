#pragma once
// The window's texts come from the text table, as Qt strings.

#include "texts/text_table.h"

#include <QString>

namespace ravelin {

inline QString UiText(std::string_view group, std::string_view key) {
    return QString::fromStdString(Text(group, key));
}

inline std::string Utf8(const QString& text) {
    return text.toStdString();
}

}  // namespace ravelin
