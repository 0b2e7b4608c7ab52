#pragma once

#include "strategy/perfect_play.h"

namespace velmora::strategy {

// Perfect play of the game's own pay table, GamePays(), as SweepPerfectPlay
// works it out: the return per credit bet and how often each pay line comes
// up. Stored so that the statistics window need not play the whole game; a
// test of the optimised build plays it again and compares.
inline constexpr PerfectPlayOdds kGamePerfectPlayOdds{
    0.94982185516949036,
    {
        0.5444262579763911,       // Nothing
        0.2153517406092279,       // Jacks or Better
        0.12909998206058373,      // Two Pairs
        0.074404639985888907,     // 3 of a Kind
        0.011334419619190576,     // Straight
        0.01138172885264304,      // Flush
        0.011512196463989629,     // Full House
        0.0023632539383594661,    // 4 of a Kind
        0.00010514756342136624,   // Straight Flush
        2.0632930304253173e-05,   // Royal Flush
    },
};

}  // namespace velmora::strategy
