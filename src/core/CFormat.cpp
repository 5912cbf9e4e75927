#include "core/CFormat.h"

#include <charconv>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace {

locale_t CLocale()
{
    static const locale_t locale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Switches this thread to the "C" locale for the life of the object.
class CLocaleScope {
public:
    CLocaleScope() : previous_(::uselocale(CLocale())) {}
    ~CLocaleScope() { ::uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

// Leading white space and a '+' are skipped as scanf does; from_chars takes '-' itself.
std::string_view NumberStart(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
        ++at;
    if (at < text.size() && text[at] == '+' && at + 1 < text.size() && text[at + 1] != '-')
        ++at;
    return text.substr(at);
}

} // namespace

std::string FormatC(const char* format, ...)
{
    const CLocaleScope scope;
    char small[128];
    va_list arguments;
    va_start(arguments, format);
    const int needed = std::vsnprintf(small, sizeof small, format, arguments);
    va_end(arguments);
    if (needed < 0)
        return {};
    if (static_cast<std::size_t>(needed) < sizeof small)
        return std::string(small, static_cast<std::size_t>(needed));

    std::string text(static_cast<std::size_t>(needed), '\0');
    va_start(arguments, format);
    std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    return text;
}

namespace {

template <typename Number>
bool ScanNumber(std::string_view text, Number& value)
{
    const std::string_view number = NumberStart(text);
    Number read{};
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), read);
    if (error != std::errc())
        return false;
    value = read;
    return true;
}

} // namespace

bool ScanReal(std::string_view text, double& value)
{
    return ScanNumber(text, value);
}

bool ScanReal(std::string_view text, float& value)
{
    return ScanNumber(text, value);
}

bool ScanInt(std::string_view text, int& value)
{
    return ScanNumber(text, value);
}
