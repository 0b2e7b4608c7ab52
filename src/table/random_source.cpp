#include "table/random_source.h"

#include <chrono>

namespace velmora {
namespace {

// SplitMix64's finaliser: a bijective scramble of 64 bits.
constexpr std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

}  // namespace

std::uint64_t TimeOfDayReading() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

ClockSeededGenerator::ClockSeededGenerator(std::uint64_t seed, ClockReading clock)
    : state_(Mix(seed)), clock_(std::move(clock)) {}

void ClockSeededGenerator::Reseed() { state_ = Mix(state_ ^ Mix(clock_() + kGolden)); }

float ClockSeededGenerator::Next() {
    state_ += kGolden;
    // The top 24 bits make an exact float in [0, 1) with 2^-24 resolution.
    return static_cast<float>(Mix(state_) >> 40) * 0x1.0p-24f;
}

RandomSource& ProcessRandom() {
    static ClockSeededGenerator generator(TimeOfDayReading(), TimeOfDayReading);
    return generator;
}

void ScriptedRandom::Reseed() {
    ++reseeds_;
    fallback_.Reseed();
}

float ScriptedRandom::Next() {
    ++rolls_;
    if (queue_.empty()) return fallback_.Next();
    const float u = queue_.front();
    queue_.pop_front();
    return u;
}

}  // namespace velmora
