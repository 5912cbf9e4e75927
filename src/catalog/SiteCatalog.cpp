#include "catalog/SiteCatalog.h"

#include "catalog/RecordFile.h"
#include "core/ListIndent.h"

SiteListEntry MakeSiteListEntry(const SiteRecord& site, int number, SiteListStyle style)
{
    switch (style) {
    case SiteListStyle::Maintenance:
        return ListEntryText(ShortListNumberIndent(number), number, SiteName(site));
    case SiteListStyle::CometDiagram:
        return ListEntryText(ListNumberIndent(number), number, SiteName(site));
    case SiteListStyle::AsteroidDiagram:
        break;
    }
    return ListEntryText("", number, SiteName(site));
}

namespace {

std::vector<SiteListEntry> ListOpenFile(CatalogFile& file, SiteRecord& buffer, SiteListStyle style)
{
    return RecordFile::List(file, buffer, [style](const SiteRecord& site, int number) {
        return MakeSiteListEntry(site, number, style);
    });
}

} // namespace

namespace SiteCatalog {

std::vector<SiteListEntry> List(SiteRecord& buffer, SiteListStyle style)
{
    CatalogFile file(kFileName, CatalogFile::Mode::Read);
    return ListOpenFile(file, buffer, style);
}

void Read(int index, SiteRecord& record)
{
    if (index < 0)
        return;
    CatalogFile file(kFileName, CatalogFile::Mode::Read);
    RecordFile::Read(file, index, record);
}

int Append(const SiteRecord& record)
{
    CatalogFile file(kFileName, CatalogFile::Mode::WriteExisting);
    return static_cast<int>(RecordFile::Append(file, record));
}

void Delete(int index, SiteRecord& image)
{
    CatalogFile file(kFileName, CatalogFile::Mode::ReadWrite);
    RecordFile::Delete(file, index, image);
}

} // namespace SiteCatalog

HeldSiteCatalog::HeldSiteCatalog() : file_(SiteCatalog::kFileName, CatalogFile::Mode::Read) {}

std::vector<SiteListEntry> HeldSiteCatalog::List(SiteRecord& buffer, SiteListStyle style)
{
    return ListOpenFile(file_, buffer, style);
}

void HeldSiteCatalog::Read(int index, SiteRecord& record)
{
    RecordFile::Read(file_, index, record);
}
