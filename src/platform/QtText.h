#pragma once
// Between the program's Windows-1252 and UTF-8 strings and the QStrings of
// the windows. The conversion itself is TextEncoding's.

#include <QString>
#include <string>
#include <string_view>

QString FromWindows1252(std::string_view bytes);
// Characters Windows-1252 cannot hold become '?'.
std::string ToWindows1252(const QString& text);
inline QString FromUtf8(const std::string& utf8) { return QString::fromStdString(utf8); }
