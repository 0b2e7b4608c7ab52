#include <algorithm>

#include "table/card_code.h"
#include "table/control_table.h"
#include "table/poker.h"

namespace velmora {
namespace {

bool AnyRankCount(const PokerState& form, int count) {
    for (const std::int16_t n : form.RankCount)
        if (n == count) return true;
    return false;
}

int RanksWithCount(const PokerState& form, int count) {
    int ranks = 0;
    for (const std::int16_t n : form.RankCount) ranks += n == count;
    return ranks;
}

// Five consecutive codes of one suit block: every code lies in one window
// [s, s + 4] whose start s is a block's Ace to Nine, so that no window
// crosses a block border.
bool IsStraightFlush(int lowest, int highest) {
    for (int block = 1; block <= kBlockCount; ++block) {
        for (int rank = kAce; rank <= 9; ++rank) {
            const int start = CardCode(block, rank);
            if (lowest >= start && highest <= start + 4) return true;
        }
    }
    return false;
}

// All five codes in one suit block.
bool IsFlush(int lowest, int highest) { return IsCardCode(lowest) && BlockOf(lowest) == BlockOf(highest); }

// Five neighbouring ranks of A 2 3 ... Q K A each held exactly once: the Ace
// plays low and high, and no run goes on from King to Two.
bool IsStraight(const PokerState& form) {
    for (int low = kAce; low <= kTen; ++low) {
        bool run = true;
        for (int step = 0; step < 5 && run; ++step) {
            const int rank = low + step == 14 ? kAce : low + step;
            run = form.RankCount[rank] == 1;
        }
        if (run) return true;
    }
    return false;
}

}  // namespace

// Marks the line the five cards make: the first test that holds turns its
// label green, and no later test is made.
void Poker::EvaluateHand() {
    RankCount.fill(0);
    RoyalCount.fill(0);
    int lowest = Card[1], highest = Card[1];
    for (const std::int16_t code : Card) {
        lowest = std::min<int>(lowest, code);
        highest = std::max<int>(highest, code);
        if (!IsCardCode(code)) continue;
        const int rank = RankOf(code);
        ++RankCount[rank];
        if (rank == kAce || rank >= kTen) ++RoyalCount[BlockOf(code)];
    }

    Label* line = nullptr;
    if (RoyalCount[1] == 5 || RoyalCount[2] == 5 || RoyalCount[3] == 5 || RoyalCount[4] == 5) line = &Royal;
    else if (IsStraightFlush(lowest, highest)) line = &SFlush;
    else if (AnyRankCount(*this, 4)) line = &Kind;
    else if (AnyRankCount(*this, 3) && AnyRankCount(*this, 2)) line = &Full;
    else if (IsFlush(lowest, highest)) line = &Flush;
    else if (IsStraight(*this)) line = &Straight;
    else if (AnyRankCount(*this, 3)) line = &Tree;
    else if (RanksWithCount(*this, 2) >= 2) line = &Two;
    else if (RankCount[kAce] == 2 || RankCount[kKing] == 2 || RankCount[kQueen] == 2 || RankCount[kJack] == 2)
        line = &Jack;
    if (line) line->BackColor = kGreen;
}

// Takes the marking off: green lines go back to dark grey, lowest line first;
// a line of any other colour is left alone.
void Poker::ClearPayHighlight() {
    for (auto line = kPayLines.rbegin(); line != kPayLines.rend(); ++line) {
        Label& label = this->*line->member;
        if (IsMarked(label)) label.BackColor = kDarkGrey;
    }
}

}  // namespace velmora
