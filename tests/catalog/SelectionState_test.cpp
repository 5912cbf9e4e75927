#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SelectionTest : public testing::Test {
protected:
    void SetUp() override { ResetSelection(); }
    void TearDown() override { ResetSelection(); }

    // A comet catalogue of `count` records named C1, C2, ...
    static void WriteComets(const TempFolder& folder, int count)
    {
        std::string bytes;
        for (int k = 1; k <= count; ++k) {
            CometRecord comet{};
            SetCometName(comet, "C" + std::to_string(k));
            bytes.append(reinterpret_cast<const char*>(&comet), sizeof comet);
        }
        folder.Write("COMETS.WDB", bytes);
    }
};

} // namespace

TEST_F(SelectionTest, StartValues)
{
    SelectionState& state = Selection();
    EXPECT_EQ(&state, &Selection());
    state.cometIndex = 4;
    state.ephemeris.dayCount = 31;
    state.diagramOpening = true;
    state.ephemerisDateText = "1/1/2000";
    SetCometName(state.currentComet, "Halley");
    state.currentAsteroid.name = "Ceres (1)";
    ResetSelection();

    EXPECT_EQ(state.cometIndex, -1);
    EXPECT_EQ(state.siteIndex, -1);
    EXPECT_EQ(state.ephemeris.month, 0);
    EXPECT_EQ(state.ephemeris.dayCount, 0);
    EXPECT_EQ(state.diagram.month, 0);
    EXPECT_TRUE(state.ephemerisDateText.empty());
    EXPECT_TRUE(state.diagramMonthText.empty());
    EXPECT_FALSE(state.diagramOpening);
    EXPECT_EQ(CometName(state.currentComet), "");
    EXPECT_EQ(state.currentAsteroid.name, "");
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(&state.currentComet.perihelionTime) % 8, 0u);
}

TEST_F(SelectionTest, BothRequestsShareOneMonthAndYear)
{
    SelectionState& state = Selection();
    state.ephemeris.day = 15;
    state.ephemeris.month = 6;
    state.ephemeris.year = 2024;
    EXPECT_EQ(state.diagram.month, 6);
    EXPECT_EQ(state.diagram.year, 2024);

    state.diagram.month = 11;
    state.diagram.year = 2025;
    EXPECT_EQ(state.ephemeris.month, 11);
    EXPECT_EQ(state.ephemeris.year, 2025);
    ResetSelection();
    EXPECT_EQ(state.diagram.month, 0);
}

TEST_F(SelectionTest, OfferedTextsFollowTheLastRequest)
{
    SelectionState& state = Selection();
    RefreshEphemerisDateText(state);
    RefreshDiagramMonthText(state);
    EXPECT_EQ(state.ephemerisDateText, "");  // no month stored yet
    EXPECT_EQ(state.diagramMonthText, "");

    state.ephemeris.day = 15;
    state.ephemeris.month = 6;
    state.ephemeris.year = 2024;
    RefreshDiagramMonthText(state);
    RefreshEphemerisDateText(state);
    EXPECT_EQ(state.diagramMonthText, "6/2024");
    EXPECT_EQ(state.ephemerisDateText, "15/6/2024");

    state.diagram.month = 1;  // a diagram computed for January 2025 leaves day 1
    state.diagram.year = 2025;
    state.ephemeris.day = 1;
    RefreshEphemerisDateText(state);
    EXPECT_EQ(state.ephemerisDateText, "1/1/2025");
}

TEST_F(SelectionTest, CometChoiceCarriesFromDialogToDialogUntilMaintenance)
{
    TempFolder folder;
    WriteComets(folder, 6);
    SelectionState& state = Selection();

    // The first request dialog chooses the last comet.
    EXPECT_EQ(CometIndexOnRequestOpening(state, 6), 5);
    ChooseComet(state, 4);
    EXPECT_EQ(CometName(state.currentComet), "C5");
    // The next one chooses comet 5 again.
    EXPECT_EQ(CometIndexOnRequestOpening(state, 6), 4);

    // The maintenance dialog lists through the current comet and ends on the last.
    EXPECT_EQ(ListCometsForMaintenance(state).size(), 6u);
    EXPECT_EQ(state.cometIndex, 5);
    EXPECT_EQ(CometName(state.currentComet), "C6");
    PrepareNewComet(state);
    EXPECT_EQ(state.cometIndex, -1);
    EXPECT_EQ(CometIndexOnRequestOpening(state, 6), 5);

    // A catalogue that shrank outside the program: nothing read, last record kept.
    WriteComets(folder, 2);
    ChooseComet(state, 5);
    EXPECT_EQ(CometName(state.currentComet), "C6");
}

TEST_F(SelectionTest, EmptyCometCatalogueLeavesNoComet)
{
    TempFolder folder;
    WriteComets(folder, 0);
    SelectionState& state = Selection();
    EXPECT_TRUE(ListCometsForMaintenance(state).empty());
    EXPECT_EQ(state.cometIndex, -1);
    const int index = CometIndexOnRequestOpening(state, 0);
    EXPECT_EQ(index, -1);
    EXPECT_NO_THROW(ChooseComet(state, index));
    EXPECT_EQ(CometName(state.currentComet), "");
}

TEST_F(SelectionTest, SiteIndexRules)
{
    TempFolder folder;
    SiteRecord site{};
    SetSiteName(site, "Paris");
    folder.Write("SITES.NDB", std::string(reinterpret_cast<const char*>(&site), sizeof site));
    SelectionState& state = Selection();

    EXPECT_EQ(SiteIndexOnListing(state), 0);
    ChooseSite(state, SiteIndexOnListing(state));
    EXPECT_EQ(SiteName(state.currentSite), "Paris");

    SiteIndexAfterAppend(state, 7);
    EXPECT_EQ(state.siteIndex, 7);
    SiteIndexAfterDelete(state, 7, 8);  // the last one
    EXPECT_EQ(state.siteIndex, 6);
    SiteIndexAfterDelete(state, 2, 7);
    EXPECT_EQ(state.siteIndex, 2);
    SiteIndexAfterDelete(state, 0, 1);  // the only one: -1, then 0 at the next listing
    EXPECT_EQ(state.siteIndex, -1);
    EXPECT_EQ(SiteIndexOnListing(state), 0);

    ForgetSiteChoice(state);
    EXPECT_EQ(state.siteIndex, -1);
}
