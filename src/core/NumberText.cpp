#include "core/NumberText.h"

#include "core/CFormat.h"

#include <cmath>

std::string FixedText(double value, int decimals)
{
    if (!std::isfinite(value))
        return "---";
    std::string text = FormatC("%.*f", decimals, value);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string FixedColumn(double value, int width, int decimals)
{
    const std::string text = FixedText(value, decimals);
    const auto columns = static_cast<std::size_t>(width);
    if (text.size() > columns || text == "---")
        return FormatC("%*s", width, "---");
    return std::string(columns - text.size(), ' ') + text;
}
