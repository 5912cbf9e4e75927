#pragma once
// The fixed text fields of the catalogue records: read up to the first NUL or
// the end of the field, written truncated and NUL-padded.

#include <cstring>
#include <string>
#include <string_view>

template <std::size_t N>
std::string FieldText(const char (&field)[N])
{
    const void* nul = std::memchr(field, '\0', N);
    const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : N;
    return std::string(field, length);
}

template <std::size_t N>
void SetFieldText(char (&field)[N], std::string_view text, std::size_t maxLength)
{
    const std::size_t length = text.size() < maxLength ? text.size() : maxLength;
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), length);
}
