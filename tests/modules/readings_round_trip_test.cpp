// A unit's readings saved and opened again: every text, every position and every later move
// is what it was in the saved session.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator_state.h"
#include "core/fpenv.h"
#include "modules/readings.h"
#include "modules/readings_json.h"
#include "random_user.h"
#include "session_invariants.h"

namespace plenova {
namespace {

using testing::RandomUser;
using testing::visibleState;

// Saves `from` into a readings text and opens it into `into`, as a second run of the program
// would; the report is refilled on `from` first, as the window does whenever it is seen.
void reopen(Calculator& from, Calculator& into) {
    const std::string text = readingsToJson(from, captureReadings(from));
    const ReadingsParse parsed = readingsFromJson(into, text);
    ASSERT_TRUE(parsed.readings) << parsed.problem << "\n" << text;
    applyReadings(into, *parsed.readings);
    from.PageControlChange();
}

// Return air hot and dry on the Mixing page, mixed alone: the mixed humidity turns negative.
void dryMixedAir(Calculator& calc) {
    calc.mixing.ScrollBarMApercent.setPosition(0);
    calc.mixing.ScrollBarMARAwb.setPosition(0);
    calc.mixing.ScrollBarMARAdb.setPosition(600);
}

class Fresh : public ::testing::Test {
  protected:
    void SetUp() override {
        setArithmeticEnvironment();
        saved.FormCreate();
        opened.FormCreate();
    }
    Calculator saved;
    Calculator opened;
};

// The wet bulb kept through a negative mixed humidity is what the cooling import reads.
TEST_F(Fresh, KeptMixedWetBulbReachesTheImport) {
    saved.mixing.ScrollBarMARAwb.setPosition(250);  // a mixed wet bulb other than the start's
    const double kept = saved.mixing.MAMAwb;
    ASSERT_NE(kept, opened.mixing.MAMAwb);
    dryMixedAir(saved);
    ASSERT_LT(saved.mixing.MAMArh, 0);
    ASSERT_EQ(saved.mixing.MAMAwb, kept);
    ASSERT_EQ(saved.mixing.LabelMAMAwb.text(), "~ \u00B0C");

    reopen(saved, opened);
    EXPECT_EQ(opened.mixing.MAMAwb, kept);
    saved.cooling.Button1Click();
    opened.cooling.Button1Click();
    EXPECT_EQ(opened.cooling.RAwbScrollBar.position(), saved.cooling.RAwbScrollBar.position());
    EXPECT_EQ(visibleState(opened), visibleState(saved));
}

// The reheat figures rest on the cooling duties of the last heating recalculation, not on the
// cooling page's present ones.
TEST_F(Fresh, ReheatFiguresKeepTheDutiesTheyWereComputedFrom) {
    saved.cooling.RAdbScrollBar.setPosition(400);  // new cooling duties; heating not recomputed
    ASSERT_NE(saved.heating.reheatDuties().Sload, saved.cooling.Sload);
    ASSERT_NE(saved.heating.LabelReHeatLatent.text(), saved.cooling.LloadLabel.text());

    reopen(saved, opened);
    EXPECT_EQ(visibleState(opened), visibleState(saved));
    // The next heating recalculation reads the present duties on both.
    saved.heating.ScrollBarHeatRAvolume.setPosition(3000);
    opened.heating.ScrollBarHeatRAvolume.setPosition(3000);
    EXPECT_EQ(visibleState(opened), visibleState(saved));
    EXPECT_EQ(opened.heating.LabelReHeatLatent.text(), opened.cooling.LloadLabel.text());
}

// Opening runs no change handler (an ordering rule would move the saved positions on the
// way), only the start-up computation.
TEST_F(Fresh, OpeningRunsTheStartUpComputationOnly) {
    // Every cooling temperature low: set one by one from the start positions, the ordering
    // rules would drag the others along.
    saved.cooling.SAwbScrollBar.setPosition(10);
    saved.cooling.SAdbScrollBar.setPosition(20);
    saved.cooling.RAwbScrollBar.setPosition(30);
    saved.cooling.RAdbScrollBar.setPosition(40);
    saved.heating.ScrollBarHeatSupplyAirDryBulb.setPosition(600);
    saved.heating.ScrollBarHeatReturnAirDryBulb.setPosition(590);
    saved.altitude.mAltScrollBar.setPosition(1500);
    std::vector<std::string> ran;
    opened.setRecalculationObserver([&](const char* name) { ran.emplace_back(name); });
    reopen(saved, opened);
    EXPECT_EQ(ran, (std::vector<std::string>{"MixedAirCalc", "RAcalcs", "SAcalcs", "VolumeCalc",
                                             "HeatRAcalcs"}));
    EXPECT_EQ(visibleState(opened), visibleState(saved));
}

// A fresh program's readings are the start-up's: applying them gives the start texts.
TEST_F(Fresh, StartReadingsGiveTheStartUpState) {
    const auto start = visibleState(saved);
    opened.altitude.ScrollBarMAmAltitude.setPosition(900);
    opened.cooling.RAdbScrollBar.setPosition(100);
    opened.heating.Button2Click();
    opened.EditQRtitle.setText("Unit 4");
    opened.PageControlChange();
    applyReadings(opened, startReadings());
    EXPECT_EQ(visibleState(opened), start);
}

// Random sessions, saved at a random moment and opened into a fresh calculator; then the same
// random continuation on both. Some sessions pass through a dry mixed air (a negative mixed
// humidity), and every slider, the three altitudes included, is moved at random.
void roundTrip(std::uint64_t seed, int& negativeMixedHumidity, int& staleReheatDuties,
               int& aboveSeaLevel) {
    Calculator saved;
    saved.FormCreate();
    RandomUser user(saved, seed);
    const std::size_t actions = user.pick(200);
    for (std::size_t i = 0; i < actions; ++i) {
        if (user.pick(150) == 0) {
            dryMixedAir(saved);
        } else {
            user.act();
        }
    }
    if (user.pick(2) == 0) {
        saved.EditQRtitle.setText("Unit " + std::to_string(seed) + " \u2013 \"roof\", level 3");
    }
    negativeMixedHumidity += saved.mixing.MAMArh < 0;
    staleReheatDuties += saved.heating.reheatDuties().Sload != saved.cooling.Sload ||
                         saved.heating.reheatDuties().Lload != saved.cooling.Lload;
    aboveSeaLevel += saved.altitude.mAltScrollBar.position() > 0;

    Calculator opened;
    opened.FormCreate();
    reopen(saved, opened);
    ASSERT_EQ(visibleState(opened), visibleState(saved));
    EXPECT_EQ(opened.mixing.MAMAwb, saved.mixing.MAMAwb);

    RandomUser next(saved, seed + 1000);
    RandomUser sameNext(opened, seed + 1000);
    for (int i = 0; i < 50; ++i) {
        const std::string action = next.act();
        sameNext.act();
        ASSERT_EQ(visibleState(opened), visibleState(saved)) << "after " << action;
    }
}

TEST(RoundTrip, SavedAndOpenedSessionsAgreeNowAndLater) {
    setArithmeticEnvironment();
    int negativeMixedHumidity = 0;
    int staleReheatDuties = 0;
    int aboveSeaLevel = 0;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        roundTrip(seed, negativeMixedHumidity, staleReheatDuties, aboveSeaLevel);
        if (HasFatalFailure()) {
            return;
        }
    }
    // The sessions went through every state a file keeps beside the positions.
    EXPECT_GE(negativeMixedHumidity, 5);
    EXPECT_GE(staleReheatDuties, 8);
    EXPECT_GE(aboveSeaLevel, 15);
}

}  // namespace
}  // namespace plenova
