// The records a computation refuses, by reader: comet and site records as a
// damaged file may hold them, asteroid lines as an editor may leave them.
// The limits are the program's own (hand-chosen: q from 0.0001 to 10^6 AU,
// e from 0 to 100, an asteroid's e below 1 and n from 10^-6 to 10^4 degrees a
// day, dates of the years -999 to 9999).

#include "catalog/AsteroidLine.h"
#include "catalog/CometCatalog.h"
#include "catalog/RecordChecks.h"
#include "catalog/SiteCatalog.h"
#include "support/TempFolder.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The reason, cut before its limits: "l'excentricité".
std::string Subject(const std::optional<RecordFault>& fault)
{
    if (!fault)
        return "none";
    const std::string& reason = fault->reason;
    return reason.substr(0, std::min(reason.find(" doit"), reason.find(" n'est")));
}

} // namespace

TEST(RecordChecks, CometValuesBeyondTheComputationsAreNamed)
{
    // 1P/Halley, roughly: T 1986 February 9, angles in radians, B1950.
    const CometRecord halley = {"1P/Halley", "", 31451.9589, 1.9373, 1.0284, 2.8261, 0.967, 0.587, 5.5, 8.0, 1950};
    EXPECT_EQ(Subject(CometFault(halley)), "none");

    struct Case {
        double CometRecord::*value;
        double damaged;
        const char* subject;
    };
    const Case cases[] = {
        {&CometRecord::perihelionTime, kNaN, "la date de passage au périhélie"},
        {&CometRecord::perihelionTime, 3e6, "la date de passage au périhélie"},  // year 10114
        {&CometRecord::argPerihelion, kInf, "l'argument du périhélie"},
        {&CometRecord::ascendingNode, -kInf, "la longitude du noeud ascendant"},
        {&CometRecord::inclination, kNaN, "l'inclinaison"},
        {&CometRecord::eccentricity, 1e308, "l'excentricité"},
        {&CometRecord::eccentricity, -1e308, "l'excentricité"},
        {&CometRecord::perihelionDistance, 0.0, "la distance au périhélie"},
        {&CometRecord::perihelionDistance, kNaN, "la distance au périhélie"},
        {&CometRecord::magnitudeCoef1, kNaN, "le 1er coefficient de magnitude"},
        {&CometRecord::magnitudeCoef2, kInf, "le 2ème coefficient de magnitude"},
    };
    for (const Case& c : cases) {
        CometRecord comet = halley;
        comet.*c.value = c.damaged;
        EXPECT_EQ(Subject(CometFault(comet)), c.subject) << c.damaged;
    }
    const CometRecord zero{};
    const std::optional<RecordFault> fault = CometFault(zero);
    ASSERT_TRUE(fault);
    EXPECT_EQ(UnusableCometText(3, halley, *fault),
              "La comète n° 3 (1P/Halley) de COMETS.WDB est inutilisable : la distance au périhélie doit être "
              "comprise entre 0.0001 et 1000000 UA.\n\nCorrigez-la par Comètes > Base de données.");
}

TEST(RecordChecks, SitesBeyondTheEntryLimitsAreNamed)
{
    SiteRecord site{"Pôle", 180 * 0.06666666666666667, 90 * 0.01745329252};  // 180° W, 90° N as entered
    EXPECT_EQ(Subject(SiteFault(site)), "none");
    site.latitude = kNaN;
    EXPECT_EQ(Subject(SiteFault(site)), "la latitude");
    site.longitude = -12.1;
    EXPECT_EQ(Subject(SiteFault(site)), "la longitude");
}

TEST(RecordChecks, AsteroidFieldsWithoutAUsableNumberAreNamed)
{
    // Vesta's line as the sample catalogue holds it, then one field damaged.
    const std::string vesta = "     4200020220809  61.19230 151.25778 103.80081   7.14078 0.0884019  0.27151121  "
                              "3.20 0.32Vesta            \r\n";
    ASSERT_EQ(vesta.size(), 110u);
    struct Case {
        std::size_t at;
        const char* field;
        const char* subject;
    };
    const Case cases[] = {
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
        {10, "        ", "l'époque"},
    };
    for (const Case& c : cases) {
        std::string line = vesta;
        line.replace(c.at, std::strlen(c.field), c.field);
        AsteroidRecord record;
        ConvertAsteroidLine(line, 4, record);
        EXPECT_EQ(Subject(AsteroidFault(record)), c.subject) << c.field;
        if (const auto fault = AsteroidFault(record); fault && c.at == 58) {
            EXPECT_EQ(UnusableAsteroidText(record, *fault),
                      "L'astéroïde Vesta (4) de ASTERS.DTB est inutilisable : l'excentricité doit être comprise "
                      "entre 0 et 1 (1 exclu).\n\nCorrigez la ligne 4 du fichier.");
        }
    }
}

// Every record of the sample catalogues can be computed.
TEST(RecordChecks, SampleCataloguesAreUsable)
{
    TempFolder folder;
    folder.CopySample("COMETS.WDB");
    folder.CopySample("SITES.NDB");
    const int comets = static_cast<int>(CometCatalog::List(*std::make_unique<CometRecord>()).size());
    for (int index = 0; index < comets; ++index) {
        CometRecord comet{};
        CometCatalog::Read(index, comet);
        EXPECT_FALSE(CometFault(comet)) << CometName(comet);
    }
    SiteRecord buffer{};
    const int sites = static_cast<int>(SiteCatalog::List(buffer, SiteListStyle::Maintenance).size());
    for (int index = 0; index < sites; ++index) {
        SiteRecord site{};
        SiteCatalog::Read(index, site);
        EXPECT_FALSE(SiteFault(site)) << SiteName(site);
    }
}
