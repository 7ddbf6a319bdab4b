#include "core/dice.h"

#include <random>

namespace orvandel {
namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

// SplitMix64's output function: a strong 64-bit mixer.
std::uint64_t mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

}  // namespace

int rollFromBits(std::uint64_t bits, int faces) {
  const double r = static_cast<double>(bits >> 11) * 0x1.0p-53;
  return 1 + static_cast<int>(static_cast<double>(faces) * r);
}

int carac(Dice& dice) {
  int best = 0;
  for (int k = 0; k < 3; ++k) {
    const int sum = dice.des(6) + dice.des(6) + dice.des(6);
    if (sum >= best) best = sum;
  }
  return best;
}

std::int16_t bonus(double caracteristique) {
  const auto c = static_cast<std::int16_t>(caracteristique);
  if (caracteristique < 9) return static_cast<std::int16_t>(c - 9);
  if (caracteristique > 12) return static_cast<std::int16_t>(c - 12);
  return 0;
}

int SeededDice::des(int faces) {
  state_ += kGoldenGamma;
  return rollFromBits(mix(state_), faces);
}

std::uint64_t freshSeed() {
  std::random_device device;
  std::uint64_t seed = 0;
  // random_device gives 32 bits a call on some platforms, WebAssembly among them.
  for (int k = 0; k < 2; ++k) seed = (seed << 32) | (device() & 0xFFFFFFFFU);
  return seed;
}

FreshDice::FreshDice() : dice_(freshSeed()) {}

std::optional<std::uint64_t> FreshDice::seedForGeneration() {
  const std::uint64_t seed = freshSeed();
  dice_.rollFrom(seed);
  return seed;
}

}  // namespace orvandel
