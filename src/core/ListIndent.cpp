#include "core/ListIndent.h"

std::string_view ListNumberIndent(int number)
{
    if (number <= 9)
        return "    ";
    if (number <= 99)
        return "  ";
    return "";
}

std::string_view ShortListNumberIndent(int number)
{
    return number <= 9 ? "  " : "";
}

std::string ListEntryText(std::string_view indent, int number, std::string_view name)
{
    std::string entry(indent);
    entry += std::to_string(number);
    entry += "    ";
    entry += name;
    return entry;
}
