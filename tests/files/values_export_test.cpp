// Export Values: a CSV file a spreadsheet opens, every field quoted as RFC 4180 describes.
#include <gtest/gtest.h>

#include "files/values_export.h"
#include "files_test_support.h"

namespace plenova {
namespace {

using namespace plenova::testing;

const std::string kBom = "\xEF\xBB\xBF";
const std::string kHeader = "\"page\",\"group\",\"caption\",\"text\"\r\n";

TEST(ValuesCsv, EveryFieldIsQuotedAndQuotesAreDoubled) {
    // RFC 4180, 2.5 to 2.7: fields in double quotes; a comma, a line break or a quote inside
    // stays inside the quotes, a quote written twice.
    const std::vector<ValueRow> rows{
        {"Mixing", "Return Air", "Dry Bulb", "25.5 \u00B0C"},
        {"Print", "", "Page Title", "Unit \"A\", roof\r\nlevel 3"},
    };
    EXPECT_EQ(valuesCsv(rows), kBom + kHeader +
                                   "\"Mixing\",\"Return Air\",\"Dry Bulb\",\"25.5 \u00B0C\"\r\n"
                                   "\"Print\",\"\",\"Page Title\",\"Unit \"\"A\"\", roof\r\n"
                                   "level 3\"\r\n");
}

TEST(ValuesCsv, NoRowsGiveTheHeaderAlone) {
    EXPECT_EQ(valuesCsv({}), kBom + kHeader);
}

TEST(ValuesExport, WritesTheFileOrNamesThePath) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<ValueRow> rows{{"Cooling", "Cooling Results", "SHF", "0.78"}};
    const QString path = writeFile(dir, "values.csv", QByteArray(300, 'x'));
    ASSERT_TRUE(exportValuesFile(path, rows).ok);
    EXPECT_EQ(readFile(path).toStdString(), valuesCsv(rows));

    const QString nowhere = dir.filePath("missing/values.csv");
    const FileOutcome outcome = exportValuesFile(nowhere, rows);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message.rfind("The values cannot be exported to \"" + nowhere.toStdString() +
                                        "\": it cannot be written (",
                                    0),
              0u)
        << outcome.message;
}

}  // namespace
}  // namespace plenova
