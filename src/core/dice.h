// Dice: every random number of the rules comes from des(faces). The source
// behind it is passed in, so the window rolls from fresh seeds, the CLI from
// a seed or a script, and tests from scripted rolls.
#pragma once

#include <cstdint>
#include <optional>

namespace orvandel {

class Dice {
 public:
  virtual ~Dice() = default;
  // REQUIRES: faces >= 1. Returns one roll, 1 to faces.
  virtual int des(int faces) = 0;

  // The seed that a generation about to start rolls from, which its sheet's
  // recipe keeps; nothing for dice that no seed tells (a script), whose
  // rolls are kept instead.
  virtual std::optional<std::uint64_t> seedForGeneration() { return std::nullopt; }
  // Where the rolls stand, as a number that rollFrom() takes back, so that
  // a step back also takes the dice back; nothing for dice that have none.
  virtual std::optional<std::uint64_t> position() const { return std::nullopt; }
  virtual void rollFrom(std::uint64_t /*position*/) {}
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

// A deterministic source (SplitMix64): the same seed gives the same rolls,
// and so the same character, on every platform and build. A generation
// starts where the rolls stand, so a run of characters from one seed is one
// stream of rolls, and each character's seed is that stream's state.
class SeededDice final : public Dice {
 public:
  explicit SeededDice(std::uint64_t seed) : state_(seed) {}
  int des(int faces) override;
  std::optional<std::uint64_t> seedForGeneration() override { return state_; }
  std::optional<std::uint64_t> position() const override { return state_; }
  void rollFrom(std::uint64_t position) override { state_ = position; }

 private:
  std::uint64_t state_;
};

// The window's and the browser's dice: every generation starts from a fresh
// seed drawn from the system's randomness, so nobody can foresee a roll,
// and the sheet still records the seed that tells its rolls.
class FreshDice final : public Dice {
 public:
  FreshDice();
  int des(int faces) override { return dice_.des(faces); }
  std::optional<std::uint64_t> seedForGeneration() override;
  std::optional<std::uint64_t> position() const override { return dice_.position(); }
  void rollFrom(std::uint64_t position) override { dice_.rollFrom(position); }

 private:
  SeededDice dice_;
};

// 64 bits from the system's randomness.
std::uint64_t freshSeed();

}  // namespace orvandel
