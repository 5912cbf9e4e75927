// The machine-readable outputs of qav-cli, run as a process on the sample
// catalogues: tonight, nights and ephemeris --format csv. Times are checked
// against PyEphem 4.1.4 (python3-ephem, computed once, Paris as SITES.NDB
// holds it, no refraction, centres of the bodies; Vesta and Eunomia from
// their ASTERS.DTB elements), the ephemeris against its own text table.

#include "core/Calendar.h"
#include "support/CliProcess.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

class MachineOutput : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"COMETS.WDB", "SITES.NDB", "ASTERS.DTB"})
            data.CopySample(name);
    }
    TempFolder data;
};

// The line that starts with `start`.
std::vector<std::string> Row(const std::string& csv, const std::string& start)
{
    for (const std::string& line : Lines(csv))
        if (line.rfind(start, 0) == 0)
            return Split(line, ',');
    ADD_FAILURE() << "no line " << start;
    return std::vector<std::string>(13);
}

// Seconds between an ISO 8601 UTC time and the expected "YYYY-MM-DD hh:mm:ss".
double SecondsOff(const std::string& iso, const char* expected)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ey = 0, emo = 0, ed = 0, eh = 0, emi = 0, es = 0;
    if (std::sscanf(iso.c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s) != 6 ||
        std::sscanf(expected, "%d-%d-%d %d:%d:%d", &ey, &emo, &ed, &eh, &emi, &es) != 6)
        return 1e9;
    return (DayNumberFromDate(d, mo, y) - DayNumberFromDate(ed, emo, ey)) * 86400 + (h - eh) * 3600.0 +
           (mi - emi) * 60.0 + (s - es);
}

} // namespace

TEST_F(MachineOutput, TonightListsTheNightBrightestFirst)
{
    const CliRun csv = QavCli("tonight --site 1 --date 15/1/2025 --format csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(Lines(csv.out)[0], "name,kind,magnitude,start_utc,end_utc,hours,best_utc,best_alt_deg,best_az_deg,"
                                 "elongation_deg,moon_alt_deg,moon_illum,moon_sep_deg");
    double previous = -99;
    for (std::size_t i = 1; i < Lines(csv.out).size(); ++i) {
        const double magnitude = std::stod(Split(Lines(csv.out)[i], ',')[2]);
        EXPECT_GE(magnitude, previous);
        previous = magnitude;
    }
    // The planner's values (pinned in its own test) in the CSV's units.
    const std::vector<std::string> eunomia = Row(csv.out, "Eunomia (15),asteroid,");
    EXPECT_NEAR(SecondsOff(eunomia[4], "2025-01-16 04:25:39"), 0, 30);  // below 10 degrees
    EXPECT_NEAR(std::stod(eunomia[5]), 10.18, 0.01);  // hours: 18:14:58 to 4:25:39
    EXPECT_NEAR(std::stod(eunomia[8]), 179.960, 0.05);  // azimuth from the north through the east
    EXPECT_NEAR(std::stod(eunomia[11]), 0.9575, 0.002);

    const CliRun text = QavCli("--dir '" + data.path().string() + "' tonight --site 1 --date 15/1/2025 --mag-max 9");
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out.substr(0, text.out.find("\n\n")),
              "Ce soir depuis Paris - Observatoire : nuit du 15/1/2025\n"
              "Nuit astronomique de 18h15 à 5h45 TU.\n"
              "Au-dessus de 10° de hauteur, jusqu'à la magnitude 9 : 2 objets.");
}

TEST_F(MachineOutput, TonightRefusesBadInputWithStatus2)
{
    data.Write("ASTERS.DTB", data.Read("ASTERS.DTB") + std::string(108, '#') + "\r\n");
    const CliRun damaged = QavCli("tonight --site 1 --asteroids --date 15/1/2025 --format csv");
    EXPECT_EQ(damaged.status, 0);
    EXPECT_EQ(damaged.err, "qav-cli tonight : 1 ligne endommagée ignorée.\n");

    data.Write("COMETS.WDB", "");
    const std::pair<const char*, const char*> cases[] = {
        {"--site 18", "qav-cli tonight : SITES.NDB n'a pas de site numéro 18 (numéros de 1 à 17).\n"},
        {"--date 1/1/2025", "qav-cli tonight : donnez le site avec --site K.\n"},
        {"--site 1 --date 30/2/2025", "Vous avez entré une date non valide.\n\nRecommencez !\n"},
        {"--site 1 --mag-max 31", "La magnitude limite doit être comprise entre -10 et 30.\n"},
        {"--site 1 --alt-min -1", "La hauteur minimale doit être comprise entre 0 et 89°.\n"},
        {"--site 1 --format xml", "qav-cli tonight : --format attend text ou csv, pas « xml ».\n"},
        {"--site 1 --comets", "qav-cli tonight : aucune orbite à calculer : COMETS.WDB est vide.\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const CliRun run = QavCli(std::string("tonight ") + arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.err, message) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
    }
}

TEST_F(MachineOutput, NightsAndEphemerisAsCsv)
{
    const CliRun nights = QavCli("nights --asteroid 4 --site 1 --month 1/2025 --format csv");
    ASSERT_EQ(nights.status, 0) << nights.err;
    ASSERT_EQ(Lines(nights.out).size(), 369u);
    EXPECT_EQ(Lines(nights.out)[0], "date,rise_utc,transit_utc,set_utc,up10_utc,down10_utc,night_start_utc,"
                                    "night_end_utc,comfort_start_utc,comfort_end_utc");
    EXPECT_EQ(Lines(nights.out)[1].substr(0, 11), "2025-01-01,");
    // Vesta on the night of 15 January, as PyEphem finds every event.
    const std::vector<std::string> night = Row(nights.out, "2025-01-15,");
    const char* expected[] = {"2025-01-16 00:54:39", "2025-01-16 06:28:28", "2025-01-15 12:04:59",
                              "2025-01-16 02:01:16", "2025-01-16 10:55:30", "2025-01-15 18:14:58",
                              "2025-01-16 05:45:14", "2025-01-16 02:01:16", "2025-01-16 05:45:14"};
    for (int k = 0; k < 9; ++k)
        EXPECT_NEAR(SecondsOff(night[static_cast<std::size_t>(k + 1)], expected[k]), 0, 60) << k;
    // Tromsø in June: no astronomical night, so no night and no comfortable period.
    const CliRun summer = QavCli("nights --asteroid 4 --site 17 --month 6/2025 --format csv");
    const std::vector<std::string> june = Row(summer.out, "2025-06-15,");
    EXPECT_EQ(june[6] + june[7] + june[8] + june[9], "");

    // The comet table's first line, 1/4/2024: 2h 9.81m, +22 49.9, 1.610, 0.866, 28.0, 32.8, 9.4, 52.5.
    const CliRun comet = QavCli("ephemeris --comet 5 --first 1/4/2024 --days 3 --format csv");
    ASSERT_EQ(comet.status, 0) << comet.err;
    EXPECT_EQ(Lines(comet.out)[0], "date,ra_h,dec_deg,delta_au,r_au,elong_deg,phase_deg,mag,antisolar_deg");
    const std::vector<std::string> first = Split(Lines(comet.out)[1], ',');
    EXPECT_EQ(first[0], "2024-04-01");
    const double table[] = {2 + 9.81 / 60, 22 + 49.9 / 60, 1.610, 0.866, 28.0, 32.8, 9.4, 52.5};
    const double halfUnit[] = {0.005 / 60, 0.05 / 60, 0.0005, 0.0005, 0.05, 0.05, 0.05, 0.05};
    for (std::size_t k = 0; k < 8; ++k)
        EXPECT_NEAR(std::stod(first[k + 1]), table[k], halfUnit[k]) << k;
    EXPECT_EQ(Lines(comet.out).size(), 4u);
    // An asteroid has no anti-solar direction: the last field is empty.
    const CliRun ceres = QavCli("ephemeris --asteroid 1 --first 1/4/2024 --days 1 --format csv");
    EXPECT_EQ(Lines(ceres.out)[1].back(), ',');
}
