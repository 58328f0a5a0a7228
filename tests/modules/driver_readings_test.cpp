// The driver's `save` and `open`: the same readings files as the window's File menu.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "driver_session.h"

namespace plenova::testing {
namespace {

std::string scratchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

TEST(DriverReadings, SaveAndOpenRestoreEveryTextAndLaterMove) {
    const std::string file = scratchFile("plenova driver readings.plenova");
    // A session with stale reheat duties and a negative mixed humidity, saved; then a new
    // driver opens it and both move on alike.
    const std::string session =
        "set mAltScrollBar 1200\n"
        "set ScrollBarMARAwb 250\n"
        "click Button1\n"
        "click Button2\n"
        "set SAdbScrollBar 90\n"
        "set ScrollBarMARAwb 0\n"
        "set ScrollBarMARAdb 600\n";
    const std::string later = "click Button1\nset ScrollBarHeatRAvolume 4000\ndump\n";
    const DriverRun saved = runDriver(session + "save " + file + "\ndump\n" + later);
    ASSERT_EQ(saved.exitStatus, 0) << saved.err;
    ASSERT_EQ(saved.err, "");
    const DriverRun opened = runDriver("open " + file + "\ndump\n" + later);
    std::remove(file.c_str());
    ASSERT_EQ(opened.exitStatus, 0) << opened.err;
    EXPECT_EQ(opened.err, "");
    EXPECT_EQ(opened.out, saved.out);
    EXPECT_EQ(opened.dumped().at("mAltLabel"), "1200 m");
}

TEST(DriverReadings, ABadFileIsReportedAndTheSessionGoesOn) {
    const DriverRun run =
        runDriver("set RAdbScrollBar 300\nopen /nonexistent/unit.plenova\ndump\n");
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.err,
              "line 2: The readings file \"/nonexistent/unit.plenova\" cannot be opened: "
              "there is no such file.\n");
    EXPECT_EQ(run.dumped().at("RAdbScrollBar"), "300");
}

TEST(DriverReadings, SaveAndOpenTakeAFileName) {
    EXPECT_EQ(runDriver("save\n").exitStatus, 2);
    EXPECT_EQ(runDriver("open   \n").exitStatus, 2);
}

}  // namespace
}  // namespace plenova::testing
