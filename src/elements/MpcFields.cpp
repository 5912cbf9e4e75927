#include "elements/MpcFields.h"

#include "core/Calendar.h"

#include <charconv>

std::string_view Columns(std::string_view line, int first, int last)
{
    const auto from = static_cast<std::size_t>(first - 1);
    if (from >= line.size())
        return {};
    return line.substr(from, static_cast<std::size_t>(last - first + 1));
}

std::string_view TrimSpaces(std::string_view text)
{
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

bool IsBlank(std::string_view text) { return TrimSpaces(text).empty(); }

namespace {

// Sign, digits, at most one point, at least one digit.
bool IsFortranNumber(std::string_view text, bool pointAllowed)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && pointAllowed && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

} // namespace

std::optional<double> FixedReal(std::string_view field)
{
    std::string_view text = TrimSpaces(field);
    if (!IsFortranNumber(text, true))
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    // from_chars reads in the "C" way whatever the locale; "5." and ".5" are numbers too.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> FixedInt(std::string_view field)
{
    std::string_view text = TrimSpaces(field);
    if (!IsFortranNumber(text, false))
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int PackedDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 36;
    return -1;
}

std::optional<int> UnpackNumber(std::string_view packed)
{
    if (packed.size() != 5)
        return std::nullopt;
    int value = 0;
    if (packed[0] == '~') {
        for (const char c : packed.substr(1)) {
            const int digit = PackedDigit(c);
            if (digit < 0)
                return std::nullopt;
            value = value * 62 + digit;
        }
        return 620000 + value;
    }
    const int lead = PackedDigit(packed[0]);
    if (lead < 0)
        return std::nullopt;
    for (const char c : packed.substr(1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return lead * 10000 + value;
}

std::optional<PackedDate> UnpackDate(std::string_view packed)
{
    if (packed.size() != 5 || packed[0] < 'I' || packed[0] > 'K' || packed[1] < '0' || packed[1] > '9' ||
        packed[2] < '0' || packed[2] > '9')
        return std::nullopt;
    PackedDate date;
    date.year = (packed[0] - 'I' + 18) * 100 + (packed[1] - '0') * 10 + (packed[2] - '0');
    date.month = PackedDigit(packed[3]);
    date.day = PackedDigit(packed[4]);
    if (date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > MonthLength(date.month, IsGregorianLeapYear(date.year)))
        return std::nullopt;
    return date;
}
