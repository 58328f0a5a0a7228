#include "core/numfmt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace plenova {
namespace {

struct FixedCase {
    long double value;
    int decimals;
    const char* text;
};

void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << static_cast<double>(c.value) << " at " << c.decimals << " -> " << c.text;
}

class FixedFormat : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, RoundsTheDecimalDigitStringHalfUp) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(fixed(c.value, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, FixedFormat,
    ::testing::Values(FixedCase{0.125, 2, "0.13"}, FixedCase{-0.125, 2, "-0.13"},
                      FixedCase{0.25, 1, "0.3"},  // ties-to-even would give 0.2
                      FixedCase{0.35, 1, "0.3"},  // held as 0.34999999999999997...
                      FixedCase{2.675, 2, "2.67"}, FixedCase{0.9999, 2, "1.00"},
                      FixedCase{0.00004, 4, "0.0000"}, FixedCase{-0.0004, 3, "-0.000"},
                      FixedCase{-1.0572141418758974, 3, "-1.057"}, FixedCase{101.325, 3, "101.325"},
                      FixedCase{72000, 2, "72000.00"},
                      FixedCase{12345678.90125, 4, "12345678.9012"},
                      FixedCase{0.00015, 4, "0.0002"},  // within the last place of the string
                      FixedCase{9.99995, 4, "10.0000"}, FixedCase{-0.0, 3, "-0.000"},
                      FixedCase{0.0, 3, "0.000"}, FixedCase{0.05, 1, "0.1"},
                      FixedCase{99.96, 1, "100.0"}, FixedCase{1e20L, 1, "100000000000000000000.0"},
                      FixedCase{3.5L, 4, "3.5000"}));

TEST(FixedFormat, FormatsAnExtendedValueFromItsOwnDigits) {
    // 0.35 held in extended precision lies within the 17th place of the half, while the
    // double 0.35 lies clearly below it: a label-only figure kept in extended precision may
    // read differently from the same figure stored first.
    EXPECT_EQ(fixed(0.35L, 1), "0.4");
    EXPECT_EQ(fixed(static_cast<double>(0.35L), 1), "0.3");
}

TEST(FixedField, RightAlignsInTwelveAndTrimsToTheNumber) {
    EXPECT_EQ(fixedField(3.518, 3), "       3.518");
    EXPECT_EQ(fixedField(12345678.90125, 4), "12345678.9012");  // wider than the field
    std::string scratch;
    EXPECT_EQ(fixedVia(scratch, -1.0572141418758974, 3), "-1.057");
    EXPECT_EQ(scratch, "      -1.057");
}

struct EchoCase {
    long double value;
    const char* text;
};

void PrintTo(const EchoCase& c, std::ostream* os) {
    *os << static_cast<double>(c.value) << " -> " << c.text;
}

class EchoFormat : public ::testing::TestWithParam<EchoCase> {};

TEST_P(EchoFormat, FifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(echo(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EchoFormat,
    ::testing::Values(EchoCase{0, "0"}, EchoCase{25.5, "25.5"}, EchoCase{50, "50"},
                      EchoCase{-3.5, "-3.5"}, EchoCase{2000, "2000"}, EchoCase{0.1837, "0.1837"},
                      EchoCase{0.1837 * 3600.0L, "661.32"}, EchoCase{0.0003 * 3600.0L, "1.08"},
                      EchoCase{72000, "72000"}, EchoCase{0.0001, "0.0001"}, EchoCase{0.5, "0.5"},
                      EchoCase{0.000001, "1E-6"}, EchoCase{0.0000018, "1.8E-6"},
                      EchoCase{0.000099, "9.9E-5"}, EchoCase{-0.000099, "-9.9E-5"},
                      EchoCase{1e15L, "1E15"}, EchoCase{123456789012345.0L, "123456789012345"},
                      EchoCase{1.0L / 3, "0.333333333333333"},
                      EchoCase{2.0L / 3, "0.666666666666667"}, EchoCase{0.99999999999999999L, "1"},
                      EchoCase{-0.0, "0"}, EchoCase{0.1 + 0.2, "0.3"}));

TEST(EchoFormat, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(echo(25.5, ','), "25,5");
    EXPECT_EQ(echo(1.8e-6L, ','), "1,8E-6");
    EXPECT_EQ(echo(2000, ','), "2000");
    EXPECT_EQ(fixed(25.5, 1), "25.5");  // fixed format keeps the full stop
}

TEST(NumberFormats, RejectNonFiniteValues) {
    EXPECT_ANY_THROW(fixed(NAN, 2));
    EXPECT_ANY_THROW(echo(INFINITY));
}

}  // namespace
}  // namespace plenova
