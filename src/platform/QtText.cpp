#include "platform/QtText.h"

#include "platform/TextEncoding.h"

QString FromWindows1252(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text += QChar(static_cast<char16_t>(Windows1252ToCodePoint(static_cast<unsigned char>(byte))));
    return text;
}

std::string ToWindows1252(const QString& text) { return Utf8ToWindows1252(text.toStdString()); }
