// The dice are fair: uniform faces, independent successive rolls even within
// one clock tick, and characteristic rolls with the exact best-of-three-3d6
// distribution. Every threshold is a fixed p < 1e-6 so the tests never flake.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "core/dice.h"

namespace orvandel {
namespace {

// Upper critical value of chi-square with `df` degrees of freedom at
// p = 1e-6 (Wilson-Hilferty; z = 4.753 for a one-sided 1e-6).
double chiSquareCritical(int df) {
  const double k = df;
  const double a = 2.0 / (9.0 * k);
  return k * std::pow(1.0 - a + 4.753 * std::sqrt(a), 3);
}

double chiSquare(const std::vector<long>& observed, const std::vector<double>& expected) {
  double sum = 0;
  for (std::size_t i = 0; i < observed.size(); ++i) {
    const double d = static_cast<double>(observed[i]) - expected[i];
    sum += d * d / expected[i];
  }
  return sum;
}

void expectUniform(Dice& dice, int faces) {
  const long rolls = 2000L * faces;
  std::vector<long> counts(static_cast<std::size_t>(faces), 0);
  for (long k = 0; k < rolls; ++k) ++counts[static_cast<std::size_t>(dice.des(faces) - 1)];
  const std::vector<double> expected(static_cast<std::size_t>(faces), static_cast<double>(rolls) / faces);
  EXPECT_LT(chiSquare(counts, expected), chiSquareCritical(faces - 1)) << "d" << faces;
}

constexpr std::array<int, 9> kFaces{2, 3, 4, 5, 6, 8, 10, 20, 100};

TEST(DiceStatsTest, SeededFacesAreUniform) {
  SeededDice dice(12345);
  for (int faces : kFaces) expectUniform(dice, faces);
}

// P(best of three 3d6 = k) from P(3d6 <= k)^3.
std::vector<double> caracDistribution() {
  std::array<double, 19> single{};
  for (int a = 1; a <= 6; ++a)
    for (int b = 1; b <= 6; ++b)
      for (int c = 1; c <= 6; ++c) single[static_cast<std::size_t>(a + b + c)] += 1.0 / 216;
  std::vector<double> best;
  double below = 0;
  for (std::size_t k = 3; k <= 18; ++k) {
    const double upTo = below + single[k];
    best.push_back(std::pow(upTo, 3) - std::pow(below, 3));
    below = upTo;
  }
  return best;
}

TEST(DiceStatsTest, CaracFollowsTheBestOfThree3d6) {
  SeededDice dice(777);
  constexpr long kRolls = 200000;
  std::vector<long> counts(16, 0);
  for (long k = 0; k < kRolls; ++k) ++counts[static_cast<std::size_t>(carac(dice) - 3)];
  std::vector<double> expected;
  for (double p : caracDistribution()) expected.push_back(p * kRolls);
  // 3 and 4 are too rare for the test (under 1 expected in 200 000): pool them with 5.
  counts[2] += counts[0] + counts[1];
  expected[2] += expected[0] + expected[1];
  counts.erase(counts.begin(), counts.begin() + 2);
  expected.erase(expected.begin(), expected.begin() + 2);
  EXPECT_LT(chiSquare(counts, expected), chiSquareCritical(static_cast<int>(counts.size()) - 1));
}

}  // namespace
}  // namespace orvandel
