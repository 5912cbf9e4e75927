#pragma once
// COMETS.WDB in the working directory, opened by its bare name. Every
// operation opens the file exclusively, works and closes it on every path;
// failures (missing, refused or locked file, failed seek or write) throw
// FileError and are never caught here. Entries and names are Windows-1252.

#include "catalog/CometRecord.h"

#include <string>
#include <vector>

// "%s%d    %s": the ListNumberIndent of the number, the number, four spaces, the name.
using CometListEntry = std::string;

namespace CometCatalog {

inline constexpr const char* kFileName = "COMETS.WDB";

// One entry per whole record, in file order, every record passing through
// `buffer`, which holds the last one afterwards (unchanged for an empty file).
std::vector<CometListEntry> List(CometRecord& buffer);

// Reads record `index` into `record`. Past the end fewer bytes, or none, are
// read and the rest of the record keeps its contents; a negative index (no
// comet chosen) reads nothing and does not open the file.
void Read(int index, CometRecord& record);

// Writes `record` after the last whole record; returns its index (count - 1).
int Append(const CometRecord& record);

// Writes `record` over record `index`, which must exist (else BadSeek, nothing written).
void Rewrite(int index, const CometRecord& record);

// Removes record `index`, moving the later records down one at a time through
// `image` (the current comet), which then holds the last record moved. An
// index that names no record throws BadSeek and changes nothing.
void Delete(int index, CometRecord& image);

// The entry of record `number` (1-based).
CometListEntry MakeCometListEntry(const CometRecord& comet, int number);

} // namespace CometCatalog
