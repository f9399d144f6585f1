#pragma once

#include <QString>

#include <string>

// The core speaks UTF-8 std::string, the interface QString.
inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string toStdString(const QString& text) {
    return text.toStdString();
}
