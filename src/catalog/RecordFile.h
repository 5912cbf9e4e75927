#pragma once
// The operations shared by the two binary catalogues, on a file already open:
// fixed-size records with no header, the count being the length divided by
// the record size (a trailing partial record is never listed or read). Records
// move between the file and the caller's record image, whole.

#include "platform/CatalogFile.h"
#include "platform/FileError.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace RecordFile {

template <typename Record>
std::int64_t Count(const CatalogFile& file)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    return file.Length() / static_cast<std::int64_t>(sizeof(Record));
}

template <typename Record>
std::int64_t Offset(std::int64_t index)
{
    return index * static_cast<std::int64_t>(sizeof(Record));
}

// The most records a catalogue may hold: thousands of times what anyone
// keeps. A longer file (a sparse or corrupted one may claim billions) is
// refused before anything is read or reserved.
inline constexpr std::int64_t kMaxRecords = 100000;

// Reads every record in file order through `buffer`, which holds the last one
// afterwards (or is unchanged for an empty file); entryOf(record, number)
// makes the entry of record number 1, 2, ... A file of more than kMaxRecords
// records throws a damaged-file FileError.
template <typename Record, typename EntryOf>
std::vector<std::string> List(CatalogFile& file, Record& buffer, EntryOf entryOf)
{
    const std::int64_t count = Count<Record>(file);
    if (count > kMaxRecords)
        throw FileError(file.name(), file.name() + " est trop grand pour un catalogue (plus de 100000 fiches) : "
                                                   "il est sans doute endommagé.");
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count));
    file.Seek(0);
    for (std::int64_t number = 1; number <= count; ++number) {
        file.Read(&buffer, sizeof(Record));
        entries.push_back(entryOf(buffer, static_cast<int>(number)));
    }
    return entries;
}

// Past the end the read gets fewer bytes, or none, and the rest of the image
// keeps its previous contents. A negative index (no record chosen, as in an
// empty catalogue) reads nothing and never reaches the file.
template <typename Record>
void Read(CatalogFile& file, std::int64_t index, Record& record)
{
    if (index < 0)
        return;
    file.Seek(Offset<Record>(index));
    file.Read(&record, sizeof(Record));
}

// Writes after the last whole record, over any trailing partial one, so the
// new record starts on a record boundary. Returns the new record's index.
template <typename Record>
std::int64_t Append(CatalogFile& file, const Record& record)
{
    file.Seek(Offset<Record>(Count<Record>(file)));
    file.Write(&record, sizeof(Record));
    return Count<Record>(file) - 1;
}

// Only an existing record is rewritten: writing past the end would leave a
// gap of zero bytes read back as empty records.
template <typename Record>
void Rewrite(CatalogFile& file, std::int64_t index, const Record& record)
{
    if (index < 0 || index >= Count<Record>(file))
        throw FileError(FileError::Cause::BadSeek, file.name());
    file.Seek(Offset<Record>(index));
    file.Write(&record, sizeof(Record));
}

// Moves the records after `index` down by one, one at a time through `image`,
// then cuts the last record off. An index that names no record changes
// nothing: cutting the file would lose its last record.
template <typename Record>
void Delete(CatalogFile& file, std::int64_t index, Record& image)
{
    const std::int64_t count = Count<Record>(file);
    if (index < 0 || index >= count)
        throw FileError(FileError::Cause::BadSeek, file.name());
    for (std::int64_t k = index; k <= count - 2; ++k) {
        file.Seek(Offset<Record>(k + 1));
        file.Read(&image, sizeof(Record));
        file.Seek(Offset<Record>(k));
        file.Write(&image, sizeof(Record));
    }
    file.SetLength(Offset<Record>(count - 1));
}

} // namespace RecordFile
