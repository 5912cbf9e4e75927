#include "catalog/AsteroidCatalog.h"

#include "catalog/AsteroidLine.h"

#include <algorithm>
#include <cstdint>

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Case-insensitive, then byte order so that the result never depends on the
// order of the file.
bool EntryBefore(const AsteroidListEntry& a, const AsteroidListEntry& b)
{
    const auto lowerLess = [](char x, char y) {
        return static_cast<unsigned char>(Lower(x)) < static_cast<unsigned char>(Lower(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lowerLess))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lowerLess))
        return false;
    return a < b;
}

bool BeginsWithCeres(const AsteroidListEntry& entry)
{
    constexpr std::string_view kCeres = "ceres";
    if (entry.size() < kCeres.size())
        return false;
    for (std::size_t i = 0; i < kCeres.size(); ++i)
        if (Lower(entry[i]) != kCeres[i])
            return false;
    return true;
}

} // namespace

AsteroidCatalog::AsteroidCatalog() : file_(kFileName, CatalogFile::Mode::Read) {}

std::vector<AsteroidListEntry> AsteroidCatalog::List()
{
    const std::int64_t count = file_.Length() / kAsteroidLineLength;
    std::vector<AsteroidListEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    file_.Seek(0);

    // Read a few hundred lines at a time: one system call per block, not per line.
    constexpr std::int64_t kLinesPerBlock = 512;
    std::string block(static_cast<std::size_t>(kLinesPerBlock * kAsteroidLineLength), '\0');
    for (std::int64_t first = 0; first < count; first += kLinesPerBlock) {
        const std::int64_t lines = std::min(kLinesPerBlock, count - first);
        const std::size_t got = file_.Read(block.data(), static_cast<std::size_t>(lines * kAsteroidLineLength));
        const std::string_view read(block.data(), got);
        for (std::size_t at = 0; at + kAsteroidLineLength <= read.size(); at += kAsteroidLineLength)
            entries.push_back(AsteroidEntryText(read.substr(at, kAsteroidLineLength)));
        if (got < static_cast<std::size_t>(lines * kAsteroidLineLength))
            break;  // the file shrank under us: list what was there
    }
    return entries;
}

bool AsteroidCatalog::Load(std::string_view entry, AsteroidRecord& record)
{
    const int number = AsteroidEntryNumber(entry);
    const std::int64_t count = file_.Length() / kAsteroidLineLength;
    if (number < 1 || number > count)
        return false;
    char line[kAsteroidLineLength];
    file_.Seek(static_cast<std::int64_t>(number - 1) * kAsteroidLineLength);
    if (file_.Read(line, sizeof line) < sizeof line)
        return false;
    ConvertAsteroidLine(std::string_view(line, sizeof line), number, record);
    return true;
}

void SortAsteroidEntries(std::vector<AsteroidListEntry>& entries)
{
    std::sort(entries.begin(), entries.end(), EntryBefore);
}

int FindCeresEntry(const std::vector<AsteroidListEntry>& sortedEntries)
{
    const std::size_t count = sortedEntries.size();
    const std::size_t start = 2501 < count ? 2501 : 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t index = (start + i) % count;
        if (BeginsWithCeres(sortedEntries[index]))
            return static_cast<int>(index);
    }
    return -1;
}
