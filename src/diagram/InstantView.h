#pragma once
// What the information box shows for one instant of the diagram: where the
// object and the Sun stand in the sky of the site, and the object's
// magnitude.

struct EphemerisRequest;
struct SiteRecord;
class DiagramObject;

struct InstantViewResult {
    double objectAltitude = 0.0;  // radians
    double objectAzimuth = 0.0;   // radians from the south, positive towards the west
    double sunAltitude = 0.0;
    double sunAzimuth = 0.0;
    double magnitude = 0.0;
    double sunDistance = 0.0;    // r, AU
    double earthDistance = 0.0;  // delta, AU
};

// `day` counts whole days from the day before the 1st of the start month
// (the request date, which a computed diagram leaves on the 1st); hour and
// minute are UT. The Sun and the object are both taken at that instant.
InstantViewResult InstantView(const DiagramObject& object, const SiteRecord& site, const EphemerisRequest& request,
                              int day, int hour, int minute);
