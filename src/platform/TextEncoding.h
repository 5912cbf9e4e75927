#pragma once
// Catalogue names and .qav documents are Windows-1252 bytes; the user interface
// and the messages are Unicode (UTF-8 here, QString in the windows). This is the
// one place where the two meet. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same
// value, as Windows itself reads them, so every byte string survives a round trip.

#include <string>
#include <string_view>

// The Unicode code point of one Windows-1252 byte.
char32_t Windows1252ToCodePoint(unsigned char byte);
// The byte of a code point, or -1 when Windows-1252 has no byte for it.
int CodePointToWindows1252(char32_t codePoint);

std::string Windows1252ToUtf8(std::string_view bytes);
// Characters with no Windows-1252 byte, and malformed UTF-8, become `replacement`.
std::string Utf8ToWindows1252(std::string_view utf8, char replacement = '?');
