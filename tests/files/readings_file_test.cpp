// Opening a readings file is strict: a bad file is named with its problem and changes nothing;
// a good one restores the session it was saved from. Saving replaces a file whole.
#include <gtest/gtest.h>

#include <QDir>
#include <functional>

#include "core/fpenv.h"
#include "files/readings_file.h"
#include "files_test_support.h"

namespace plenova {
namespace {

using namespace plenova::testing;

using Mutation = std::function<std::string(std::string)>;

// Replaces the value of the first entry `key` (up to the end of its line or a comma).
Mutation setEntry(const std::string& key, const std::string& value) {
    return [key, value](std::string text) {
        const std::string head = "\"" + key + "\": ";
        const auto at = text.find(head);
        if (at == std::string::npos) {
            return std::string("entry not found: ") + key;
        }
        const auto start = at + head.size();
        const auto end = text.find_first_of(",\n", start);
        return text.replace(start, end - start, value);
    };
}

Mutation replaceText(const std::string& from, const std::string& to) {
    return [from, to](std::string text) {
        const auto at = text.find(from);
        return at == std::string::npos ? std::string("text not found: ") + from
                                       : text.replace(at, from.size(), to);
    };
}

Mutation removeLineOf(const std::string& key) {
    return [key](std::string text) {
        const auto at = text.find("\"" + key + "\"");
        const auto start = text.rfind('\n', at) + 1;
        return text.erase(start, text.find('\n', at) + 1 - start);
    };
}

struct BadFile {
    const char* name;
    Mutation mutate;
    std::string problem;
};

const char* const kLong = "it is larger than 1 MiB, far larger than any readings file";

std::vector<BadFile> badFiles() {
    return {
        {"WrongFormatName", replaceText("Kelvaro Plenova readings", "Kelvaro Plenova report"),
         "it is not a Kelvaro Plenova readings file"},
        {"NoFormatName", removeLineOf("format"), "it is not a Kelvaro Plenova readings file"},
        {"NotAnObject", [](std::string) { return std::string("[1, 2, 3]\n"); },
         "it is not a Kelvaro Plenova readings file"},
        {"UnknownVersion", setEntry("version", "2"),
         "it is of version 2, and this program reads version 1 only"},
        {"VersionAsText", setEntry("version", "\"1\""),
         "the entry \"version\" should be a whole number but is a text"},
        {"MissingSlider", removeLineOf("RAdbScrollBar"),
         "the reading of the slider \"RAdbScrollBar\" is missing"},
        {"UnknownSlider", replaceText("\"RAdbScrollBar\"", "\"RAdbScrollbar\""),
         "it holds a reading for an unknown slider \"RAdbScrollbar\""},
        {"PositionAboveRange", setEntry("ScrollBarMApercent", "101"),
         "the slider \"ScrollBarMApercent\" stands at 101, outside its range of 0 to 100"},
        {"PositionBelowRange", setEntry("ScrollBarMAVol", "0"),
         "the slider \"ScrollBarMAVol\" stands at 0, outside its range of 1 to 200000"},
        {"PositionBeyondEveryNumber", setEntry("RAvolScrollBar", "18446744073709551615"),
         "the slider \"RAvolScrollBar\" stands at 2147483647, outside its range of 0 to 200000"},
        {"AltitudesDiffer", setEntry("mAltScrollBar", "0"),
         "the three altitude sliders stand at different altitudes"},
        {"WetBulbAboveDryBulb", setEntry("ScrollBarMAOAwb", "600"),
         "on the Mixing page the outdoor-air wet bulb stands above its dry bulb"},
        {"SupplyAboveReturn", setEntry("ScrollBarHeatReturnAirDryBulb", "600"),
         "on the Heating page the return-air dry bulb stands above the supply-air dry bulb"},
        {"PositionAsText", setEntry("ScrollBarMAVol", "\"1837\""),
         "the entry \"ScrollBarMAVol\" should be a whole number but is a text"},
        {"PositionWithDecimals", setEntry("ScrollBarMAVol", "1837.5"),
         "the entry \"ScrollBarMAVol\" should be a whole number but is a number with decimals"},
        {"TitleAsNumber", setEntry("reportTitle", "5"),
         "the entry \"reportTitle\" should be a text but is a number"},
        {"TitleTooLong", setEntry("reportTitle", "\"" + std::string(32768, 'x') + "\""),
         "the report title is longer than the title box holds"},
        {"SlidersAsList",
         [](std::string text) {
             const auto start = text.find("{", text.find("\"sliders\""));
             return text.replace(start, text.find('}', start) + 1 - start, "[]");
         },
         "the entry \"sliders\" should be a group of entries but is a list"},
        {"WetBulbAsNull", setEntry("MAMAwb", "null"),
         "the entry \"MAMAwb\" should be a number but is empty (null)"},
        {"MissingEntry", removeLineOf("reportTitle"), "the entry \"reportTitle\" is missing"},
        {"UnknownEntry", replaceText("\"version\"", "\"colour\": \"red\",\n  \"version\""),
         "it holds an unknown entry \"colour\""},
        {"NegativeDuty", setEntry("Lload", "-1"),
         "the cooling duties kept for the reheat figures cannot occur"},
        {"MinusZeroDuty", setEntry("Sload", "-0.0"),
         "the cooling duties kept for the reheat figures cannot occur"},
        {"HugeDuty", setEntry("Sload", "1e308"),
         "the cooling duties kept for the reheat figures cannot occur"},
        {"DutyBeyondEveryNumber", setEntry("Sload", "1e999"),
         "it holds a number too large for any reading"},
        {"WetBulbOutOfReach", setEntry("MAMAwb", "-300"), "the mixed-air wet bulb cannot occur"},
        {"DuplicatedSlider", replaceText("\"RAwbScrollBar\"", "\"SAwbScrollBar\""),
         "the entry \"SAwbScrollBar\" appears twice"},
        {"DuplicatedEntry", replaceText("\"version\": 1,", "\"version\": 1,\n  \"version\": 1,"),
         "the entry \"version\" appears twice"},
        {"InvalidUtf8InTitle", replaceText("AHU 7", "AHU \xC3\x28"),
         "its text is damaged: it is not UTF-8 text (line 24)"},
        {"InvalidUtf8OutsideText", replaceText("\"MAMAwb\"", "\xFF\"MAMAwb\""),
         "its text is damaged: it is not UTF-8 text (line 29)"},
        {"NotJson", replaceText("\"version\": 1,", "\"version\": 1"),
         "its text is damaged: it is not a JSON document (line 4)"},
        {"Truncated", [](std::string text) { return text.substr(0, text.size() / 2); },
         "the file ends too early: it is incomplete"},
        {"CutInsideACharacter",
         [](std::string text) { return text.substr(0, text.find("\xE2\x80\x93") + 1); },
         "the file ends too early: it is incomplete"},
        {"Empty", [](std::string) { return std::string(); }, "it is empty"},
        {"OverOneMiB",
         [](std::string text) { return text + std::string(1024 * 1024 - text.size() + 1, ' '); },
         kLong},
    };
}

class ReadingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        setArithmeticEnvironment();
        ASSERT_TRUE(dir.isValid());
        calc.FormCreate();
        moveAwayFromStart(calc, 3);
        Calculator other;
        other.FormCreate();
        moveAwayFromStart(other, 7);
        other.EditQRtitle.setText("AHU 7 \xE2\x80\x93 roof");
        good = readingsToJson(other, captureReadings(other));
        other.PageControlChange();
        goodState = fullState(other);
    }

    // Opens `path`; a refusal must leave everything as it was.
    void expectRefused(const QString& path, const std::string& problem) {
        const FullState before = fullState(calc);
        const FileOutcome outcome = openReadingsFile(path, calc);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.message, "The readings file \"" +
                                       QDir::toNativeSeparators(path).toStdString() +
                                       "\" cannot be opened: " + problem + ".");
        EXPECT_TRUE(fullState(calc) == before) << "the refused file changed the session";
    }

    QTemporaryDir dir;
    Calculator calc;
    std::string good;
    FullState goodState;
};

TEST_F(ReadingsFile, AGoodFileRestoresItsSession) {
    const QString path = writeFile(dir, "unit 7.plenova", QByteArray::fromStdString(good));
    const FileOutcome outcome = openReadingsFile(path, calc);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    EXPECT_TRUE(fullState(calc) == goodState);
    EXPECT_EQ(calc.report.QRLabelPageTitle.text(), "AHU 7 \xE2\x80\x93 roof");
}

TEST_F(ReadingsFile, EveryBadFileIsNamedWithItsProblemAndChangesNothing) {
    for (const BadFile& bad : badFiles()) {
        SCOPED_TRACE(bad.name);
        const std::string text = bad.mutate(good);
        ASSERT_NE(text, good);
        const QString path = writeFile(dir, QString::fromLatin1(bad.name) + ".plenova",
                                       QByteArray::fromStdString(text));
        expectRefused(path, bad.problem);
    }
}

TEST_F(ReadingsFile, PathsThatAreNoReadableFileAreRefused) {
    expectRefused(dir.path(), "it is a folder, not a file");
    expectRefused(dir.filePath("nowhere.plenova"), "there is no such file");
    // A device reports no size: the reading stops one byte past the limit.
    expectRefused("/dev/zero", kLong);
    // A file that opens but cannot be read (the kernel refuses reading this one at its start).
    expectRefused("/proc/self/mem", "it cannot be read (Input/output error)");
}

TEST_F(ReadingsFile, SavingReplacesTheFileWholeAndLeavesNothingBeside) {
    const QString path = writeFile(dir, "unit.plenova", QByteArray(5000, 'x'));
    const FileOutcome outcome = saveReadingsFile(path, calc);
    ASSERT_TRUE(outcome.ok) << outcome.message;
    EXPECT_EQ(readFile(path).toStdString(), readingsToJson(calc, captureReadings(calc)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"unit.plenova"});

    Calculator opened;
    opened.FormCreate();
    ASSERT_TRUE(openReadingsFile(path, opened).ok);
    calc.PageControlChange();
    EXPECT_TRUE(fullState(opened) == fullState(calc));
}

TEST_F(ReadingsFile, AnUnwritablePathIsNamedAndAnEarlierFileStays) {
    const QString missingFolder = dir.filePath("no such folder/unit.plenova");
    FileOutcome outcome = saveReadingsFile(missingFolder, calc);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message.rfind("The readings cannot be saved to \"" +
                                        QDir::toNativeSeparators(missingFolder).toStdString() +
                                        "\": it cannot be written (",
                                    0),
              0u)
        << outcome.message;

    outcome = saveReadingsFile(dir.path(), calc);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "The readings cannot be saved to \"" +
                                   QDir::toNativeSeparators(dir.path()).toStdString() +
                                   "\": it is a folder.");
}

}  // namespace
}  // namespace plenova
