#pragma once
// Replaces a whole catalogue at once. The caller holds the catalogue open
// (CatalogFile), and so locked, for writing: the new contents go to a
// temporary file in the same folder, reach the disk, and only then take the
// catalogue's name. On any failure the temporary file is removed, the old
// catalogue stays byte for byte as it was, and FileError names the catalogue.

#include "platform/CatalogFile.h"

#include <string_view>

void ReplaceCatalogContents(const CatalogFile& locked, std::string_view bytes);
