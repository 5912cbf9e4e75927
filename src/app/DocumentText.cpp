#include "app/DocumentText.h"

#include "platform/TextEncoding.h"

namespace {

constexpr char16_t kCarriageReturnPicture = u'\u240D';
constexpr char16_t kLineFeedPicture = u'\u240A';
constexpr char16_t kNullPicture = u'\u2400';

bool IsLineEnd(char16_t c)
{
    return c == u'\n' || c == u'\u2029' || c == u'\u2028';
}

} // namespace

QString DocumentBytesToText(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                text += QChar(u'\n');
                ++i;
            } else {
                text += QChar(kCarriageReturnPicture);
            }
        } else if (byte == '\n') {
            text += QChar(kLineFeedPicture);
        } else if (byte == 0) {
            text += QChar(kNullPicture);
        } else {
            // Windows-1252 lies in the Basic Multilingual Plane: one UTF-16 unit.
            text += QChar(static_cast<char16_t>(Windows1252ToCodePoint(byte)));
        }
    }
    return text;
}

std::string DocumentTextToBytes(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()) + 64);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (IsLineEnd(c)) {
            bytes += "\r\n";
        } else if (c == kCarriageReturnPicture) {
            bytes += '\r';
        } else if (c == kLineFeedPicture) {
            bytes += '\n';
        } else if (c == kNullPicture) {
            bytes += '\0';
        } else {
            const int byte = text.at(i).isSurrogate() ? -1 : CodePointToWindows1252(c);
            if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;  // one '?' per character, not per UTF-16 unit
            bytes += byte < 0 ? '?' : static_cast<char>(byte);
        }
    }
    return bytes;
}

std::size_t DocumentByteCount(const QString& text)
{
    std::size_t count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        count += IsLineEnd(c.unicode()) ? 2 : 1;
    }
    return count;
}

QString StorableText(const QString& text)
{
    return DocumentBytesToText(DocumentTextToBytes(text));
}
