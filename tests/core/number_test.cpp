#include "core/number.h"

#include <gtest/gtest.h>

#include <optional>

namespace orvandel {
namespace {

TEST(NumberTest, StrictReading) {
  static const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"12", 12},     {"-3", -3},    {"+4", 4},   {"12.5", 12.5}, {"12,5", 12.5}, {" 7 ", 7},  {"07", 7},
      {".5", 0.5},    {"3.", 3},     {"- 2", {}}, {"", {}},       {" ", {}},      {"abc", {}}, {"1e3", {}},
      {"0x10", {}},   {"12abc", {}}, {"inf", {}}, {"nan", {}},    {"-", {}},      {".", {}},   {"1 2", {}},
      {"12.5.1", {}}, {"1,5,", {}},  {"--1", {}}, {"\t5", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(readStrict(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberTest, LenientReading) {
  static const struct {
    const char* text;
    double value;
  } cases[] = {
      {"", 0}, {"abc", 0}, {"12abc", 12}, {"  -3x", -3}, {"4,5kg", 4.5}, {"Int<15", 0}, {"90", 90},
  };
  for (const auto& c : cases) EXPECT_EQ(readLenient(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberTest, RoundedReading) {
  EXPECT_EQ(readRounded("12.4"), 12);
  EXPECT_EQ(readRounded("12,5"), 13);
  EXPECT_EQ(readRounded("-2.5"), -3);
  EXPECT_EQ(readRounded("x"), std::nullopt);
}

TEST(NumberTest, WritingTakesTheFloorInPlainDecimal) {
  EXPECT_EQ(writeWhole(35), "35");
  EXPECT_EQ(writeWhole(0), "0");
  EXPECT_EQ(writeWhole(-0.0), "0");
  EXPECT_EQ(writeWhole(-3), "-3");
  EXPECT_EQ(writeWhole(12.9), "12");
  EXPECT_EQ(writeWhole(-1.5), "-2");
  EXPECT_EQ(writeWhole(1e20), "100000000000000000000");
}

TEST(NumberTest, HugeTextSaturatesInsteadOfFailing) {
  const std::string huge(400, '9');
  ASSERT_TRUE(readStrict(huge));
  EXPECT_GT(*readStrict(huge), 1e300);
  EXPECT_EQ(wholeIn(huge), 1000000000000000LL);
  EXPECT_EQ(readStrict("0," + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(readLenient("-." + std::string(400, '0') + "1x"), 0.0);
}

}  // namespace
}  // namespace orvandel
