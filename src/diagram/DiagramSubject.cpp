#include "diagram/DiagramSubject.h"

#include "catalog/SelectionState.h"

EphemerisRequest DiagramSubject::FirstDay() const
{
    EphemerisRequest request;
    request.day = 1;
    request.month = month;
    request.year = year;
    request.dayInterval = 1;
    return request;
}

DiagramSubject CurrentSubject(const SelectionState& state, int kind)
{
    DiagramSubject subject;
    subject.kind = kind;
    if (kind == kCometKind)
        subject.comet = state.currentComet;
    else
        subject.asteroid = state.currentAsteroid;
    subject.site = state.currentSite;
    subject.month = state.diagram.month;
    subject.year = state.diagram.year;
    return subject;
}
