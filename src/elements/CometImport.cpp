#include "elements/CometImport.h"

#include "catalog/CometCatalog.h"
#include "core/CFormat.h"
#include "platform/CatalogReplacement.h"

#include <cstring>

namespace {

std::vector<CometRecord> ReadRecords(CatalogFile& file, std::string& tail)
{
    const std::int64_t length = file.Length();
    std::string bytes(static_cast<std::size_t>(length), '\0');
    file.Seek(0);
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    std::vector<CometRecord> records(bytes.size() / sizeof(CometRecord));
    if (!records.empty())  // an empty vector may have no storage at all
        std::memcpy(records.data(), bytes.data(), records.size() * sizeof(CometRecord));
    tail = bytes.substr(records.size() * sizeof(CometRecord));
    return records;
}

// "1 comète ajoutée", "2 comètes mises à jour".
std::string Count(int count, const char* one, const char* many)
{
    return FormatC("%d %s", count, count > 1 ? many : one);
}

} // namespace

std::vector<std::string> CatalogueCometDesignations()
{
    CatalogFile file(CometCatalog::kFileName, CatalogFile::Mode::Read);
    std::string tail;
    std::vector<std::string> designations;
    for (const CometRecord& record : ReadRecords(file, tail))
        designations.push_back(CometDesignation(CometName(record)));
    return designations;
}

int FindCometRecord(const std::vector<std::string>& designations, const CometElements& comet)
{
    const std::string wanted = CometDesignation(comet.name);
    for (std::size_t k = 0; k < designations.size(); ++k)
        if (designations[k] == wanted)
            return static_cast<int>(k);
    return -1;
}

CometImportCounts ImportComets(const std::vector<CometElements>& comets, bool updateOnly)
{
    CatalogFile file(CometCatalog::kFileName, CatalogFile::Mode::ReadWrite);
    // The records as they are now, under the lock: the catalogue may have
    // changed since the comets were chosen.
    std::string tail;
    std::vector<CometRecord> records = ReadRecords(file, tail);
    std::vector<std::string> designations;
    for (const CometRecord& record : records)
        designations.push_back(CometDesignation(CometName(record)));

    CometImportCounts counts;
    for (const CometElements& comet : comets) {
        const int index = FindCometRecord(designations, comet);
        if (index >= 0) {
            SetCometElements(records[static_cast<std::size_t>(index)], comet);
            ++counts.updated;
        } else if (updateOnly) {
            ++counts.skipped;
        } else {
            records.push_back(MakeCometRecord(comet));
            designations.push_back(CometDesignation(comet.name));
            ++counts.added;
        }
    }
    // New records start where the last whole one ends, as an addition by hand
    // does; without one a trailing partial record stays as it was.
    std::string bytes(reinterpret_cast<const char*>(records.data()), records.size() * sizeof(CometRecord));
    if (counts.added == 0)
        bytes += tail;
    ReplaceCatalogContents(file, bytes);
    return counts;
}

std::string CometImportText(const CometImportCounts& counts)
{
    std::string text = std::string(CometCatalog::kFileName) + " : " +
                       Count(counts.updated, "comète mise à jour", "comètes mises à jour") + ", " +
                       Count(counts.added, "ajoutée", "ajoutées") + ".";
    if (counts.skipped > 0)
        text += "\n" + Count(counts.skipped, "comète absente du catalogue laissée de côté",
                             "comètes absentes du catalogue laissées de côté") + ".";
    return text;
}
