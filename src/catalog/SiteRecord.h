#pragma once
// One record of SITES.NDB, byte for byte: 64 bytes, little-endian, doubles in
// IEEE binary64, the name in Windows-1252. The working copy of the current
// site has the same layout.

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

struct SiteRecord {
    char name[48]{};         // NUL-terminated; a new record holds at most 38 characters
    double longitude = 0.0;  // hours of angle, positive towards the west
    double latitude = 0.0;   // radians, positive north
};

static_assert(sizeof(SiteRecord) == 64);
static_assert(std::is_trivially_copyable_v<SiteRecord> && std::is_standard_layout_v<SiteRecord>);
static_assert(offsetof(SiteRecord, name) == 0);
static_assert(offsetof(SiteRecord, longitude) == 48);
static_assert(offsetof(SiteRecord, latitude) == 56);

// The name up to the first NUL, never past the 48 bytes of the field.
std::string SiteName(const SiteRecord& site);

// Store at most 38 bytes of Windows-1252 text, every byte after them NUL.
void SetSiteName(SiteRecord& site, std::string_view windows1252);
