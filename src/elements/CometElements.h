#pragma once
// One comet of the Minor Planet Center's comet elements file (CometEls.txt),
// one line per comet: perihelion date (TT), q, e, the three angles (J2000.0,
// degrees), the epoch, H and G, designation and name, reference.

#include "catalog/CometRecord.h"
#include "core/Calendar.h"

#include <optional>
#include <string>
#include <string_view>

struct CometElements {
    std::string name;  // designation and name, "C/2023 A3 (Tsuchinshan-ATLAS)"
    int year = 0;      // perihelion passage, TT
    int month = 0;
    double day = 0.0;  // with its decimals
    double perihelionDistance = 0.0;  // q, AU
    double eccentricity = 0.0;
    double argPerihelion = 0.0;  // degrees, J2000.0
    double ascendingNode = 0.0;
    double inclination = 0.0;
    double absoluteMagnitude = 0.0;  // H of m = H + 5 log delta + 2.5 G log r
    double slope = 0.0;              // G of the same law
    std::string reference;
};

// Reads one line; empty, with the reason (UTF-8) in `reason`, when the line is
// not one of the format.
std::optional<CometElements> ReadCometLine(std::string_view line, std::string& reason);

DayNumber PerihelionDayNumber(const CometElements& comet);

// The designation that identifies a comet in the catalogue: a numbered comet's
// number and letter ("12P" of "12P/Pons-Brooks"), otherwise the text before the
// parenthesis ("C/2023 A3" of "C/2023 A3 (Tsuchinshan-ATLAS)"), otherwise the
// whole name, without the spaces around it.
std::string CometDesignation(std::string_view name);

// The elements, reference and magnitude coefficients of `comet` into `record`,
// whose name stays as it is: equinox 2000, the angles converted as the
// maintenance dialog converts typed degrees, H and 2.5 G as the coefficients
// of m = m1 + 5 log delta + k log r.
void SetCometElements(CometRecord& record, const CometElements& comet);

// A new record: the name cut to 35 characters, then the elements.
CometRecord MakeCometRecord(const CometElements& comet);
