#pragma once
// SITES.NDB in the working directory, opened by its bare name, exclusively.
// The one-shot operations open and close the file on every path; the asteroid
// diagram request dialog keeps it open instead through HeldSiteCatalog.
// Failures throw FileError and are never caught here. Entries are Windows-1252.

#include "catalog/SiteRecord.h"
#include "platform/CatalogFile.h"

#include <string>
#include <vector>

using SiteListEntry = std::string;

// How each dialog shows record k.
enum class SiteListStyle {
    Maintenance,      // ShortListNumberIndent(k), k, four spaces, the name
    CometDiagram,     // ListNumberIndent(k), k, four spaces, the name
    AsteroidDiagram,  // k, four spaces, the name
};

SiteListEntry MakeSiteListEntry(const SiteRecord& site, int number, SiteListStyle style);

namespace SiteCatalog {

inline constexpr const char* kFileName = "SITES.NDB";

// One entry per whole record, in file order, every record passing through
// `buffer`, which holds the last one afterwards.
std::vector<SiteListEntry> List(SiteRecord& buffer, SiteListStyle style);

// Reads record `index`; past the end the rest of `record` keeps its contents,
// a negative index reads nothing and does not open the file.
void Read(int index, SiteRecord& record);

// Writes `record` after the last whole record and returns its index,
// length / 64 - 1 of the new length.
int Append(const SiteRecord& record);

// Removes record `index`, the later records moving down one at a time through
// `image` (the current site). An index that names no record throws BadSeek
// and changes nothing.
void Delete(int index, SiteRecord& image);

} // namespace SiteCatalog

// SITES.NDB held open for reading, exclusively, for the life of the object.
class HeldSiteCatalog {
public:
    HeldSiteCatalog();

    std::vector<SiteListEntry> List(SiteRecord& buffer, SiteListStyle style);
    void Read(int index, SiteRecord& record);

private:
    CatalogFile file_;
};
