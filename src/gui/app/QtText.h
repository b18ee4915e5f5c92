#pragma once

#include <QString>
#include <string>

// The core speaks UTF-8 std::string, the window QString: the two conversions every part needs.
inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
inline QString qs(const char* s) {
    return QString::fromUtf8(s);
}
inline std::string str(const QString& s) {
    return s.toStdString();
}
