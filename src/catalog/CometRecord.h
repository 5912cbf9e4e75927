#pragma once
// One record of COMETS.WDB, byte for byte: 140 bytes, little-endian, doubles
// in IEEE binary64, text in Windows-1252. The working copy of the current
// comet has the same layout, so records move between file and memory whole.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// The int32 at 136 ends the record at 140, which is not a multiple of 8:
// packing to 4 keeps the compiler from padding it to 144. Every double still
// sits at a multiple of 8 from the start of the record.
#pragma pack(push, 4)
struct CometRecord {
    char name[36]{};                  // NUL-terminated, at most 35 characters
    char reference[36]{};             // source of the elements, same rules
    double perihelionTime = 0.0;      // DayNumber of the perihelion passage
    double argPerihelion = 0.0;       // omega, radians
    double ascendingNode = 0.0;       // Omega, radians
    double inclination = 0.0;         // i, radians
    double eccentricity = 0.0;        // 1 for a parabola
    double perihelionDistance = 0.0;  // q, AU
    double magnitudeCoef1 = 0.0;      // absolute magnitude of the magnitude formula
    double magnitudeCoef2 = 0.0;      // factor of log10 r in the magnitude formula
    std::int32_t equinox = 0;         // year of the equinox of omega, Omega and i
};
#pragma pack(pop)

static_assert(sizeof(CometRecord) == 140);
static_assert(std::is_trivially_copyable_v<CometRecord> && std::is_standard_layout_v<CometRecord>);
static_assert(offsetof(CometRecord, name) == 0);
static_assert(offsetof(CometRecord, reference) == 36);
static_assert(offsetof(CometRecord, perihelionTime) == 72);
static_assert(offsetof(CometRecord, argPerihelion) == 80);
static_assert(offsetof(CometRecord, ascendingNode) == 88);
static_assert(offsetof(CometRecord, inclination) == 96);
static_assert(offsetof(CometRecord, eccentricity) == 104);
static_assert(offsetof(CometRecord, perihelionDistance) == 112);
static_assert(offsetof(CometRecord, magnitudeCoef1) == 120);
static_assert(offsetof(CometRecord, magnitudeCoef2) == 128);
static_assert(offsetof(CometRecord, equinox) == 136);

// The name and reference bytes up to the first NUL, never past the 36 bytes
// of the field (a damaged record may have no NUL at all).
std::string CometName(const CometRecord& comet);
std::string CometReference(const CometRecord& comet);

// Store at most 35 bytes of Windows-1252 text, the rest of the field NUL.
void SetCometName(CometRecord& comet, std::string_view windows1252);
void SetCometReference(CometRecord& comet, std::string_view windows1252);
