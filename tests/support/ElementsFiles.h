#pragma once
// The elements files written for the tests (tests/data: the sample catalogues'
// elements in the Minor Planet Center's formats), and comet lines made to order.

#include "core/CFormat.h"
#include "elements/ElementsFileReader.h"

#include <fstream>
#include <iterator>
#include <string>

inline std::string TestDataPath(const std::string& name) { return std::string(QAV_TEST_DATA_DIR) + "/" + name; }

inline std::string TestData(const std::string& name)
{
    std::ifstream in(TestDataPath(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One line of CometEls.txt, its columns as the format description gives them.
inline std::string CometLine(const char* name, int year, int month, double day, double q, double e, double peri,
                             double node, double incl, double h, double g, const char* reference = "MPEC 2024")
{
    return FormatC("%-14s%4d %02d %7.4f %9.6f  %8.6f  %8.4f  %8.4f  %8.4f  20240801  %4.1f %4.1f  %-56s %-9s\n", "",
                   year, month, day, q, e, peri, node, incl, h, g, name, reference);
}

// Feeds `text` in pieces of `piece` bytes, as a download brings it, then ends it.
inline bool ReadInPieces(ElementsFileReader& reader, const std::string& text, std::size_t piece)
{
    for (std::size_t at = 0; at < text.size(); at += piece)
        if (!reader.Feed(std::string_view(text).substr(at, piece)))
            return false;
    return reader.Finish();
}
