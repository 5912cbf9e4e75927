#pragma once
// The two ephemeris tables: the complete text, Windows-1252 with CR LF, of
// one line per date for the current comet or asteroid of the selection. The
// request date is stepped line by line and put back to the first date at the
// end; dayCount, dayInterval and equinox are left as they were.

#include "catalog/SelectionState.h"

#include <optional>
#include <string>
#include <vector>

// The most lines a table may have: a longer one would not fit in the text of
// the document (1,048,575 bytes), nor load again once saved. The request
// dialogs and qav-cli refuse more.
inline constexpr int kMaxEphemerisLines = 10000;

// Shows "Erreur ! Le nombre de jours ne peut pas dépasser 10000. ..." and
// returns false when `dayCount` is above kMaxEphemerisLines.
bool CheckEphemerisLineCount(int dayCount);

// Shows "Erreur ! L'éphéméride irait au-delà de l'an 9999. ..." and returns
// false when the last line of the request would fall after the last
// supported date (core/DateRange.h): `request` holds the first date, the
// number of lines and the interval.
bool CheckEphemerisSpan(const EphemerisRequest& request);

// Shows a message and returns false when the output equinox is not a year of
// 0 to 9999.
bool CheckEphemerisEquinox(int equinox);

// The quantities of one line of a table, before they are printed.
struct EphemerisLine {
    int day = 0, month = 0, year = 0;  // the date, 0h of the table's time scale
    double rightAscension = 0.0;       // hours, [0, 24), equinox of the request
    double declination = 0.0;          // radians
    double earthDistance = 0.0;        // AU
    double sunDistance = 0.0;          // AU
    double elongation = 0.0;           // degrees
    double phaseAngle = 0.0;           // degrees
    double magnitude = 0.0;            // m1 of a comet, V of an asteroid
    double antiSolar = 0.0;            // degrees; NaN when undefined, and for an asteroid
};

// The lines of the comet and the asteroid tables, as the texts below print
// them; the request date is stepped and put back as for the texts.
std::vector<EphemerisLine> CometEphemerisLines(SelectionState& state, int& leapFebruaryMarker);
std::vector<EphemerisLine> AsteroidEphemerisLines(SelectionState& state, int& leapFebruaryMarker);

// "*** COMETE name ***": right ascension and declination of the equinox of the
// request, distances, elongation, phase, m1 and the direction of the tail.
// `leapFebruaryMarker` is set when the dates pass 10 February of a leap year.
std::string CometEphemerisText(SelectionState& state, int& leapFebruaryMarker);

// "*** Astéroïde name ***": the same without the tail, with V of the H, G system.
std::string AsteroidEphemerisText(SelectionState& state, int& leapFebruaryMarker);

// Command 32801 of a diagram window: dayCount = marker + 366, interval 1,
// equinox 2000 stored into the request, then the table of objectKind 'C' or
// 'A' from the request date the diagram left; nothing for any other kind.
std::optional<std::string> EphemerisFromDiagramText(SelectionState& state, int objectKind,
                                                    int& leapFebruaryMarker);
