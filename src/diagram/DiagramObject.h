#pragma once
// The object of a visibility diagram: the current comet when the document's
// kind is the letter C, otherwise the current asteroid. It gives the
// object's position in the equatorial frame of date and its magnitude.

#include "core/Calendar.h"
#include "core/Vector.h"

#include <string>

struct AsteroidRecord;
struct CometRecord;

inline constexpr int kCometKind = 'C';
inline constexpr int kAsteroidKind = 'A';

class DiagramObject {
public:
    DiagramObject(int kind, const CometRecord& comet, const AsteroidRecord& asteroid)
        : kind_(kind), comet_(comet), asteroid_(asteroid)
    {
    }

    int kind() const { return kind_; }
    bool IsComet() const { return kind_ == kCometKind; }

    // Heliocentric, ecliptic and equinox of the elements, AU.
    Vec3 Heliocentric(DayNumber t) const;

    // From the ecliptic of the elements to the equator of date:
    // P(tday, Te) Rx(eps0), Te the equinox of a comet's elements; asteroid
    // elements are always of 2000.
    Mat3 ToEquatorOfDate(double tday) const;

    // "Comète : NAME", "Astéroïde : NAME", or "" for a document without a
    // diagram kind; UTF-8.
    std::string TitleLine() const;

    // Comet: m1 + 5 log10(delta) + k log10(r). Asteroid: the H, G magnitude
    // of the phase angle at the object between the Sun and the Earth.
    // `sun` is the Earth-to-Sun vector, `geocentric` the Earth-to-object one.
    double Magnitude(const Vec3& sun, const Vec3& geocentric, double r, double delta) const;

private:
    int kind_;
    const CometRecord& comet_;
    const AsteroidRecord& asteroid_;
};
