#pragma once

#include <QString>
#include <string>
#include <string_view>

// The core speaks UTF-8 std::string, the window QString: the two conversions every part needs.
inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
inline QString qs(const char* s) {
    return QString::fromUtf8(s);
}
inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string str(const QString& s) {
    return s.toStdString();
}
