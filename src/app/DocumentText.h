#pragma once
// A .qav document is the raw Windows-1252 bytes of the ephemeris text, CR LF
// between lines. The text view shows it as Unicode with one paragraph per
// line. Bytes a paragraph cannot carry are shown as their control pictures so
// that nothing is lost and every file saves back byte for byte:
//   a CR not followed by LF  -> U+240D ␍
//   a LF not preceded by CR  -> U+240A ␊
//   a NUL byte               -> U+2400 ␀
// Characters that Windows-1252 cannot store are saved as '?'.

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

// The most the text view takes from typing or from a file.
inline constexpr std::size_t kDocumentByteLimit = 1048575;

QString DocumentBytesToText(std::string_view bytes);
// Accepts the paragraph separators of QTextDocument (U+2029), line separators
// (U+2028) and plain "\n" as line ends.
std::string DocumentTextToBytes(const QString& text);
// The number of bytes `text` takes in a .qav file, without converting it.
std::size_t DocumentByteCount(const QString& text);
// Replaces what Windows-1252 cannot store by '?', as saving would.
QString StorableText(const QString& text);
