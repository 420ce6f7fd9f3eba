#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/text_services.h"

namespace {

struct FormatCase {
  double value;
  const char* mask;
  const char* shown;
};

TEST(Format, MasksShowSignDecimalsAndIntegerPart) {
  const double inf = std::numeric_limits<double>::infinity();
  const FormatCase cases[] = {
      {0.63592, "+####.000", "+0.636"}, {-0.4249, "+####.000", "-0.425"},
      {9998, "+####.000", "+9998.000"}, {123456.7, "+####.000", "+123456.700"},
      {0, "+####.000", "+0.000"},       {-0.0, "+####.000", "+0.000"},
      {-0.0004, "+####.000", "-0.000"}, {inf, "+####.000", "+INF"},
      {-inf, "+####.000", "-INF"},      {NAN, "+####.000", "NaN"},
      {0.54066, ".0000", ".5407"},      {0.0001, ".0000", ".0001"},
      {0.9999, ".0000", ".9999"},       {1.36048, ".0000", "1.3605"},
      {2.0, ".0000", "2.0000"},         {2.5, "+####.000", "+2.500"},
      {0.0005, "+####.000", "+0.001"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(fw::Format(c.value, c.mask), c.shown) << c.value << " through " << c.mask;
  }
}

struct ValCase {
  const char* text;
  double value;
};

TEST(Val, ReadsTheLongestNumberAtTheStart) {
  const ValCase cases[] = {
      {"", 0},       {"12", 12}, {" 12", 12},   {"\t-3.5", -3.5}, {"1.2.3", 1.2},  {"5-", 5},
      {"-", 0},      {".", 0},   {".5", 0.5},   {"2.9", 2.9},     {"-.25", -0.25}, {"+7", 7},
      {"1e3", 1000}, {"1e", 1},  {"1e+", 1},    {"2E-2x", 0.02},  {"abc", 0},      {"nan", 0},
      {"inf", 0},    {"5.", 5},  {"1e-999", 0}, {"0.000e400", 0}, {"9999", 9999},  {"12 34", 12},
  };
  for (const ValCase& c : cases) EXPECT_DOUBLE_EQ(fw::Val(c.text), c.value) << '"' << c.text << '"';
  EXPECT_EQ(fw::Val("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(fw::Val("-1e999"), -std::numeric_limits<double>::infinity());
}

TEST(StrAndAsc, GiveDigitsAndFirstCode) {
  EXPECT_EQ(fw::Str(40), "40");
  EXPECT_EQ(fw::Str(-1), "-1");
  EXPECT_EQ(fw::Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(fw::Asc(""), 0);
  EXPECT_EQ(fw::Asc("7"), 55);
  EXPECT_EQ(fw::Asc("\b"), 8);
  EXPECT_EQ(fw::Asc("ab"), 97);
  EXPECT_EQ(fw::Asc("\xc3\xa9"), 0xE9);  // é
}

}  // namespace
