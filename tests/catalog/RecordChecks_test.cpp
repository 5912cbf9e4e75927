// The records a computation refuses, by reader: comet and site records as a
// damaged file may hold them, asteroid lines as an editor may leave them.
// The limits are the program's own, chosen by hand (q from 0.0001 to 10^6
// AU, e from 0 to 100, an asteroid's e below 1 and n from 10^-6 to 10^4
// degrees a day, dates of the years -999 to 9999).

#include "catalog/AsteroidLine.h"
#include "catalog/CometRecord.h"
#include "catalog/RecordChecks.h"
#include "catalog/SiteRecord.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// The reason, cut before its limits: "l'excentricité".
std::string Subject(const std::optional<RecordFault>& fault)
{
    return fault ? fault->reason.substr(0, std::min(fault->reason.find(" doit"), fault->reason.find(" n'est")))
                 : "none";
}

} // namespace

TEST(RecordChecks, CometAndSiteValuesBeyondTheComputationsAreNamed)
{
    // 1P/Halley, roughly: T 1986 February 9, angles in radians, B1950.
    const CometRecord halley = {"1P/Halley", "", 31451.9589, 1.9373, 1.0284, 2.8261, 0.967, 0.587, 5.5, 8.0, 1950};
    EXPECT_EQ(Subject(CometFault(halley)), "none");
    const std::pair<double CometRecord::*, double> damages[] = {
        {&CometRecord::perihelionTime, 3e6},  // year 10114
        {&CometRecord::argPerihelion, INFINITY},  {&CometRecord::ascendingNode, -INFINITY},
        {&CometRecord::inclination, NAN},         {&CometRecord::eccentricity, 1e308},
        {&CometRecord::eccentricity, -1e308},     {&CometRecord::perihelionDistance, 0.0},
        {&CometRecord::magnitudeCoef1, NAN},      {&CometRecord::magnitudeCoef2, INFINITY}};
    const char* subjects[] = {"la date de passage au périhélie", "l'argument du périhélie",
                              "la longitude du noeud ascendant", "l'inclinaison", "l'excentricité", "l'excentricité",
                              "la distance au périhélie", "le 1er coefficient de magnitude",
                              "le 2ème coefficient de magnitude"};
    for (std::size_t k = 0; k < std::size(damages); ++k) {
        CometRecord comet = halley;
        comet.*damages[k].first = damages[k].second;
        EXPECT_EQ(Subject(CometFault(comet)), subjects[k]) << k;
    }
    EXPECT_EQ(UnusableCometText(3, halley, *CometFault(CometRecord{})),
              "La comète n° 3 (1P/Halley) de COMETS.WDB est inutilisable : la distance au périhélie doit être "
              "comprise entre 0.0001 et 1000000 UA.\n\nCorrigez-la par Comètes > Base de données.");

    SiteRecord site{"Pôle", 180 * 0.06666666666666667, 90 * 0.01745329252};  // 180° W, 90° N as entered
    EXPECT_EQ(Subject(SiteFault(site)), "none");
    site.latitude = NAN;
    EXPECT_EQ(Subject(SiteFault(site)), "la latitude");
    site.longitude = -12.1;
    EXPECT_EQ(Subject(SiteFault(site)), "la longitude");
}

TEST(RecordChecks, AsteroidFieldsWithoutAUsableNumberAreNamed)
{
    // Vesta's line as the sample catalogue holds it, then one field damaged.
    const std::string vesta = "     4200020220809  61.19230 151.25778 103.80081   7.14078 0.0884019  0.27151121  "
                              "3.20 0.32Vesta            \r\n";
    const std::tuple<std::size_t, const char*, const char*> cases[] = {
        {0, "", "none"},
        {68, "            ", "le moyen mouvement"},
        {68, "         0.0", "le moyen mouvement"},
        {68, "         nan", "le moyen mouvement"},
        {68, "  0.2715x520", "le moyen mouvement"},
        {58, " 1.0000000", "l'excentricité"},
        {18, "   1e400  ", "l'anomalie moyenne"},
        {80, "   nan", "la magnitude absolue"},
        {86, "  inf", "le paramètre de pente"},
        {10, "20221309", "l'époque"},
    };
    for (const auto& [at, field, subject] : cases) {
        std::string line = vesta;
        line.replace(at, std::strlen(field), field);
        AsteroidRecord record;
        ConvertAsteroidLine(line, 4, record);
        EXPECT_EQ(Subject(AsteroidFault(record)), subject) << field;
        if (at == 58) {
            EXPECT_EQ(UnusableAsteroidText(record, *AsteroidFault(record)),
                      "L'astéroïde Vesta (4) de ASTERS.DTB est inutilisable : l'excentricité doit être comprise "
                      "entre 0 et 1 (1 exclu).\n\nCorrigez la ligne 4 du fichier.");
        }
    }
}
