#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

class SelectionTest : public testing::Test {
protected:
    void SetUp() override { ResetSelection(); }
    void TearDown() override { ResetSelection(); }

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

    SelectionState& state = Selection();
};

} // namespace

// The working copies move whole to and from the files: their doubles stay aligned.
TEST_F(SelectionTest, ResetToItsStartValues)
{
    state.cometIndex = 4;
    state.diagramOpening = true;
    ResetSelection();
    EXPECT_TRUE(state.cometIndex == -1 && state.siteIndex == -1 && !state.diagramOpening);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(&state.currentComet.perihelionTime) % 8, 0u);
}

TEST_F(SelectionTest, BothRequestsShareOneMonthAndYearAndTheOfferedTexts)
{
    RefreshEphemerisDateText(state);
    RefreshDiagramMonthText(state);
    EXPECT_EQ(state.ephemerisDateText, "");  // no month stored yet
    EXPECT_EQ(state.diagramMonthText, "");

    state.ephemeris = {15, 6, 2024, 31, 1, 2000};  // an ephemeris from 15/6/2024
    EXPECT_EQ(state.diagram.month, 6);
    EXPECT_EQ(state.diagram.year, 2024);
    RefreshDiagramMonthText(state);
    RefreshEphemerisDateText(state);
    EXPECT_EQ(state.diagramMonthText, "6/2024");
    EXPECT_EQ(state.ephemerisDateText, "15/6/2024");

    state.diagram.month = 1;  // a diagram of January 2025 leaves the day at 1
    state.diagram.year = 2025;
    state.ephemeris.day = 1;
    EXPECT_EQ(state.ephemeris.month, 1);
    RefreshEphemerisDateText(state);
    EXPECT_EQ(state.ephemerisDateText, "1/1/2025");
}

TEST_F(SelectionTest, CometChoiceCarriesFromDialogToDialogUntilMaintenance)
{
    TempFolder folder;
    WriteComets(folder, 6);
    EXPECT_EQ(CometIndexOnRequestOpening(state, 6), 5);  // none chosen: the last
    ChooseComet(state, 4);
    EXPECT_EQ(CometName(state.currentComet), "C5");
    EXPECT_EQ(CometIndexOnRequestOpening(state, 6), 4);  // the next dialog: comet 5 again

    // Maintenance lists through the current comet and ends on the last record.
    EXPECT_EQ(ListCometsForMaintenance(state).size(), 6u);
    EXPECT_EQ(state.cometIndex, 5);
    EXPECT_EQ(CometName(state.currentComet), "C6");
    PrepareNewComet(state);
    EXPECT_EQ(state.cometIndex, -1);

    // A catalogue that shrank outside the program: nothing read, last record kept.
    WriteComets(folder, 2);
    ChooseComet(state, 5);
    EXPECT_EQ(CometName(state.currentComet), "C6");

    WriteComets(folder, 0);
    EXPECT_TRUE(ListCometsForMaintenance(state).empty());
    EXPECT_EQ(state.cometIndex, -1);
    EXPECT_NO_THROW(ChooseComet(state, CometIndexOnRequestOpening(state, 0)));
}
