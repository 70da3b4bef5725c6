// A small random number generator of our own (splitmix64), so that a challenge's seed gives the
// same challenge with every compiler and library.
#pragma once

#include <cstdint>

namespace tarvelo {

class SplitMix {
  public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        state_ += kGolden;
        std::uint64_t z = state_;
        z = (z ^ (z >> kShiftA)) * kMixA;
        z = (z ^ (z >> kShiftB)) * kMixB;
        return z ^ (z >> kShiftC);
    }

    // A whole number from `lo` to `hi`, both included (lo <= hi).
    std::int32_t Between(std::int32_t lo, std::int32_t hi) {
        const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
        return lo + static_cast<std::int32_t>(Next() % span);
    }

  private:
    static constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;
    static constexpr std::uint64_t kMixA = 0xBF58476D1CE4E5B9ULL;
    static constexpr std::uint64_t kMixB = 0x94D049BB133111EBULL;
    static constexpr int kShiftA = 30;
    static constexpr int kShiftB = 27;
    static constexpr int kShiftC = 31;
    std::uint64_t state_;
};

// One number made of several, well mixed: the seed of a generator for a level and a seed.
inline std::uint64_t MixSeeds(std::uint64_t a, std::uint64_t b) {
    return SplitMix(a ^ SplitMix(b).Next()).Next();
}

} // namespace tarvelo
