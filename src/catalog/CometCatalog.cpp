#include "catalog/CometCatalog.h"

#include "catalog/RecordFile.h"
#include "core/ListIndent.h"

namespace CometCatalog {

CometListEntry MakeCometListEntry(const CometRecord& comet, int number)
{
    return ListEntryText(ListNumberIndent(number), number, CometName(comet));
}

std::vector<CometListEntry> List(CometRecord& buffer)
{
    CatalogFile file(kFileName, CatalogFile::Mode::Read);
    return RecordFile::List(file, buffer, MakeCometListEntry);
}

void Read(int index, CometRecord& record)
{
    if (index < 0)
        return;
    CatalogFile file(kFileName, CatalogFile::Mode::Read);
    RecordFile::Read(file, index, record);
}

int Append(const CometRecord& record)
{
    CatalogFile file(kFileName, CatalogFile::Mode::WriteExisting);
    return static_cast<int>(RecordFile::Append(file, record));
}

void Rewrite(int index, const CometRecord& record)
{
    CatalogFile file(kFileName, CatalogFile::Mode::WriteExisting);
    RecordFile::Rewrite(file, index, record);
}

void Delete(int index, CometRecord& image)
{
    CatalogFile file(kFileName, CatalogFile::Mode::ReadWrite);
    RecordFile::Delete(file, index, image);
}

} // namespace CometCatalog
