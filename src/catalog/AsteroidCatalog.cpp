#include "catalog/AsteroidCatalog.h"

#include "catalog/AsteroidLine.h"
#include "core/CFormat.h"
#include "platform/FileError.h"

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

// A line moved by a lost or an added byte (line ends converted by an editor)
// would give every later asteroid the fields of its neighbour: each line read
// must end with CR LF in its last two columns.
void CheckLineEnd(std::string_view line, std::int64_t number)
{
    if (line.substr(kAsteroidLineLength - 2, 2) != "\r\n")
        throw FileError(AsteroidCatalog::kFileName,
                        FormatC("%s est endommagé : la ligne %lld ne finit pas par CR LF en colonnes 109 et 110.\n\n"
                                "Chaque ligne doit compter 110 caractères, fin de ligne comprise.",
                                AsteroidCatalog::kFileName, static_cast<long long>(number)));
}

} // namespace

AsteroidCatalog::AsteroidCatalog() : file_(kFileName, CatalogFile::Mode::Read) {}

std::vector<AsteroidListEntry> AsteroidCatalog::List()
{
    const std::int64_t count = file_.Length() / kAsteroidLineLength;
    // The list carries four digits of the number: a longer file (or a sparse
    // one claiming billions of lines) is no catalogue Qav can read.
    if (count > kMaxAsteroidLines)
        throw FileError(kFileName,
                        FormatC("%s a plus de %d lignes : Qav ne lit que les astéroïdes numérotés de 1 à %d.",
                                kFileName, kMaxAsteroidLines, kMaxAsteroidLines));
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
        for (std::size_t at = 0; at + kAsteroidLineLength <= read.size(); at += kAsteroidLineLength) {
            const std::string_view line = read.substr(at, kAsteroidLineLength);
            CheckLineEnd(line, first + static_cast<std::int64_t>(at / kAsteroidLineLength) + 1);
            entries.push_back(AsteroidEntryText(line));
        }
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
    CheckLineEnd(std::string_view(line, sizeof line), number);
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
