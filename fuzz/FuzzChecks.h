#pragma once
// What every fuzz target checks beyond "no crash": a broken property aborts,
// which libFuzzer reports with the input that broke it.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

inline void Require(bool holds, const char* property, std::string_view detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s [%.*s]\n", property, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// The input, read from the front: bytes past its end read as 0.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    int Number(int low, int high)  // evenly enough in [low, high] from two bytes
    {
        const int raw = Byte() << 8 | Byte();
        return low + raw % (high - low + 1);
    }
    // The next sizeof(Object) bytes into `object` (zeros past the end).
    template <typename Object>
    void Fill(Object& object)
    {
        auto* bytes = reinterpret_cast<unsigned char*>(&object);
        for (std::size_t i = 0; i < sizeof(Object); ++i)
            bytes[i] = Byte();
    }
    std::string_view Rest() const
    {
        return at_ < size_ ? std::string_view(reinterpret_cast<const char*>(data_) + at_, size_ - at_)
                           : std::string_view();
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A number text that says "-0": a minus sign and nothing but zeros ("-0.0",
// "-0° 0'"). "-0 12.5" (a declination of -0° 12.5') is no zero.
inline bool IsNegativeZero(std::string_view text)
{
    if (text.empty() || text.front() != '-')
        return false;
    bool digit = false;
    for (const char c : text) {
        if (c >= '1' && c <= '9')
            return false;
        digit = digit || c == '0';
    }
    return digit;
}

// Does `text` hold the word "nan" or "inf" (any case, "-nan" and "infinity"
// included), not a part of a word such as "inférieurs"?
inline bool HasNanOrInf(std::string_view text)
{
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
    };
    std::string lower(text);
    for (char& c : lower)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    for (const std::string_view bad : {"nan", "inf"})
        for (std::size_t at = lower.find(bad); at != std::string::npos; at = lower.find(bad, at + 1)) {
            const bool before = at > 0 && letter(lower[at - 1]);
            const std::size_t end = at + 3;
            const bool after = end < lower.size() && letter(lower[end]) && lower.compare(end, 5, "inity") != 0;
            if (!before && !after)
                return true;
        }
    return false;
}

// A text shown to the user holds no "nan", "inf" nor negative zero.
inline void RequireShowable(std::string_view text, const char* where)
{
    Require(!HasNanOrInf(text), where, text);
    Require(!IsNegativeZero(text), where, text);
}

// The same for a line of a table, token by token; a "-0" token followed by
// minutes that are not zero is the sign of a small negative angle.
inline void RequireShowableLine(std::string_view line, const char* where)
{
    std::vector<std::string_view> tokens;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t start = line.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find(' ', start), line.size());
        tokens.push_back(line.substr(start, end - start));
        at = end;
    }
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        Require(!HasNanOrInf(tokens[i]), where, line);
        const bool angleSign =
            tokens[i] == "-0" && i + 1 < tokens.size() && !IsNegativeZero("-" + std::string(tokens[i + 1]));
        Require(angleSign || !IsNegativeZero(tokens[i]), where, line);
    }
}

// The last `rows` lines of a Windows-1252 table (its dates; a damaged name
// in the title may hold line ends of its own): each ends with CR LF, has
// exactly `width` characters and shows only numbers or "---".
inline void RequireTable(const std::string& text, std::size_t width, int rows)
{
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        Require(end != std::string::npos, "the text ends with CR LF");
        lines.emplace_back(text.data() + at, end - at);
        at = end + 2;
    }
    Require(lines.size() >= static_cast<std::size_t>(rows) + 6, "a header and one line per date");
    for (std::size_t k = lines.size() - static_cast<std::size_t>(rows); k < lines.size(); ++k) {
        Require(lines[k].size() == width, "every line of the table keeps its width", lines[k]);
        RequireShowableLine(lines[k], "no nan, inf or -0 in a table");
    }
}
