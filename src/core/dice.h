// Dice: every random number of the rules comes from des(faces). The source
// behind it is passed in, so the window rolls from the clock, the CLI from a
// seed or a script, and tests from scripted rolls.
#pragma once

#include <cstdint>

namespace orvandel {

class Dice {
 public:
  virtual ~Dice() = default;
  // REQUIRES: faces >= 1. Returns one roll, 1 to faces.
  virtual int des(int faces) = 0;
};

// A characteristic roll: the best of three sums of 3d6 (3 to 18).
int carac(Dice& dice);

// The contribution of one characteristic total to a category bonus: c - 9
// below 9, 0 from 9 to 12, c - 12 above 12.
std::int16_t bonus(double caracteristique);

// Maps a uniform draw from 64 random bits onto 1..faces: floor(1 + faces * r)
// with r in [0, 1) taken from the top 53 bits. Shared by the sources so a
// given bit stream gives the same rolls on every platform.
int rollFromBits(std::uint64_t bits, int faces);

// The window's source: on every call the clock reading is folded into the
// running state before a draw, so there is no separate seeding and rolls made
// within one clock tick still differ.
class ClockDice final : public Dice {
 public:
  ClockDice();
  int des(int faces) override;

 private:
  std::uint64_t state_;
};

// A deterministic source (SplitMix64): the same seed gives the same rolls,
// and so the same character, on every platform and build.
class SeededDice final : public Dice {
 public:
  explicit SeededDice(std::uint64_t seed) : state_(seed) {}
  int des(int faces) override;

 private:
  std::uint64_t state_;
};

}  // namespace orvandel
