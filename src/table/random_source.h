#pragma once

#include <cstdint>
#include <deque>
#include <functional>

namespace velmora {

// The game's source of chance: uniform single-precision values in [0, 1).
// The game re-seeds it from the clock before every single roll.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Folds a reading of the clock into the running state.
    virtual void Reseed() = 0;
    // The next value u, 0 <= u < 1.
    virtual float Next() = 0;
};

// The integer part of u * n + 1: a roll of 1 to n. Done in double precision,
// so even the largest float below 1 gives n, never n + 1.
constexpr int ScaleRoll(float u, int n) {
    return static_cast<int>(static_cast<double>(u) * n + 1.0);
}

// Nanoseconds of the time of day, the reading the game re-seeds from.
std::uint64_t TimeOfDayReading();

// A clock that always reads midnight (0), for a generator that must repeat.
constexpr std::uint64_t MidnightReading() { return 0; }

// A small 64-bit generator whose re-seeding mixes the clock reading into its
// running state instead of restarting from the clock alone, so two re-seeds
// within one clock tick still give different values. The clock it reads is
// given: the time of day for the game, a virtual one for a replay; without
// one it reads midnight for ever, so that a seeded generator always repeats.
class ClockSeededGenerator final : public RandomSource {
public:
    using ClockReading = std::function<std::uint64_t()>;

    explicit ClockSeededGenerator(std::uint64_t seed, ClockReading clock = MidnightReading);

    void Reseed() override;
    float Next() override;

private:
    std::uint64_t state_;
    ClockReading clock_;
};

// The one generator of the running program, seeded from the clock.
RandomSource& ProcessRandom();

// Replays given values in place of the generator's own, for tests and the
// replay driver. Re-seeds go on to the fallback as the game makes them; once
// the queue is empty, values come from the fallback again.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(RandomSource& fallback) : fallback_(fallback) {}

    void Queue(float u) { queue_.push_back(u); }
    long long Rolls() const { return rolls_; }
    long long Reseeds() const { return reseeds_; }

    void Reseed() override;
    float Next() override;

private:
    RandomSource& fallback_;
    std::deque<float> queue_;
    long long rolls_ = 0;
    long long reseeds_ = 0;
};

}  // namespace velmora
