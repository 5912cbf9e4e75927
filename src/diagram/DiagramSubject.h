#pragma once
// What a visibility diagram was computed for: the object (its kind and a copy
// of its record), the site, the start month and whether the span holds a
// 29 February. A diagram window works from this, never from what the user
// has chosen in a dialog since.

#include "catalog/AsteroidRecord.h"
#include "catalog/CometRecord.h"
#include "catalog/SiteRecord.h"
#include "core/EphemerisRequest.h"
#include "diagram/DiagramObject.h"

struct SelectionState;

struct DiagramSubject {
    int kind = 0;                // kCometKind or kAsteroidKind; 0 before any diagram
    CometRecord comet{};         // the comet, when kind is kCometKind
    AsteroidRecord asteroid{};   // the asteroid's working record otherwise
    SiteRecord site{};
    int month = 0;               // the start month, 1 to 12, and its year
    int year = 0;
    int leapFebruaryMarker = 0;  // set by the computation: the 368 nights pass a 29 February

    DiagramObject Object() const { return DiagramObject(kind, comet, asteroid); }
    // The diagram's first day as a request: the 1st of the start month, interval 1.
    EphemerisRequest FirstDay() const;
};

// The current object of `kind`, the current site and the requested month.
DiagramSubject CurrentSubject(const SelectionState& state, int kind);
