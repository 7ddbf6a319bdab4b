#include "core/dice.h"

#include <chrono>

namespace orvandel {
namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

// SplitMix64's output function: a strong 64-bit mixer.
std::uint64_t mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t clockReading() {
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                    std::chrono::system_clock::now().time_since_epoch().count());
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

ClockDice::ClockDice() : state_(clockReading()) {}

int ClockDice::des(int faces) {
  // The running state keeps advancing even when the clock has not moved, so
  // the reseed never restarts the generator from the clock reading alone.
  state_ = mix(state_ + kGoldenGamma) ^ clockReading();
  return rollFromBits(mix(state_), faces);
}

int SeededDice::des(int faces) {
  state_ += kGoldenGamma;
  return rollFromBits(mix(state_), faces);
}

}  // namespace orvandel
