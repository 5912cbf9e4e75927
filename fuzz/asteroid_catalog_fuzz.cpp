// The input is ASTERS.DTB: the file is either refused whole with a message
// naming it (moved lines, too many lines), or listed with entries of 24
// characters; each line then loads into a record that is refused naming a
// value, or holds usable elements whose table keeps its width and shows no
// "nan", "inf" or "-0".

#include "FuzzChecks.h"

#include "catalog/AsteroidCatalog.h"
#include "catalog/AsteroidLine.h"
#include "catalog/RecordChecks.h"
#include "catalog/SelectionState.h"
#include "ephemeris/EphemerisWriter.h"
#include "platform/FileError.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

// The catalogue is opened by its bare name: work in a folder of our own.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char folder[] = "/tmp/qav-fuzz-XXXXXX";
    Require(::mkdtemp(folder) != nullptr && ::chdir(folder) == 0, "a working folder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        std::ofstream file(AsteroidCatalog::kFileName, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    AsteroidCatalog catalog;
    std::vector<AsteroidListEntry> entries;
    try {
        entries = catalog.List();
    } catch (const FileError& error) {
        Require(error.cause() == FileError::Cause::Damaged, "a damaged file, not a failed read");
        RequireShowable(error.what(), "no nan in a message");
        return 0;
    }
    Require(entries.size() == size / kAsteroidLineLength, "one entry per whole line");
    SelectionState& state = Selection();
    for (const AsteroidListEntry& entry : entries) {
        Require(entry.size() == 24, "entries of 24 characters", entry);
        AsteroidRecord& record = state.currentAsteroid;
        record = AsteroidRecord{};
        if (!catalog.Load(entry, record))
            continue;
        if (const auto fault = AsteroidFault(record)) {
            RequireShowable(fault->reason, "no nan in a refusal");
            continue;
        }
        Require(std::isfinite(record.semiMajorAxis) && record.semiMajorAxis > 0, "a usable orbit has its axis");
        state.ephemeris = {1, 1, 2000, 3, 4000, 2000};
        int marker = 0;
        RequireTable(AsteroidEphemerisText(state, marker), 72, 3);
    }
    return 0;
}
