#include "strategy/table_draw.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "strategy/subset_counts.h"
#include "table/card_code.h"

// Of all the sets of new cards a hold can draw, the ones that hold the same
// barred cards are equally likely: the other new cards may come in any order
// into the slots the barred ones leave, and how many cards a slot can choose
// from depends only on which barred cards are still out. So each hold's value
// is a sum over the sets Q of its barred cards:
//   chance of one set of new cards holding exactly Q of them
//   x total pay of the final hands that hold the held cards and Q, and no
//     other card of the deal nor other barred card.
// The totals come from the subset tables by inclusion and exclusion over the
// other dealt cards and the hold's barred cards.

namespace velmora::strategy {
namespace {

constexpr int kUnseen = 47;
constexpr int kMostCards = 9;

// The cards that matter, sorted so that the bits of a set name its cards in
// increasing order: the deal and the previous cards that are not in it.
struct Cards {
    std::array<int, kMostCards> codes{};
    int count = 0;
    std::array<unsigned, 5> dealtBit{};     // by slot
    std::array<unsigned, 5> previousBit{};  // by slot; 0 when it keeps nothing out
};

Cards CardsOf(const Deal& deal, const PreviousCards& previous) {
    for (int i = 0; i < 5; ++i) {
        if (!IsCardCode(deal[i])) throw std::invalid_argument("not a card code");
        for (int j = 0; j < i; ++j)
            if (deal[i] == deal[j]) throw std::invalid_argument("a card dealt twice");
    }
    Cards cards;
    std::array<int, kMostCards> codes{};
    int count = 0;
    for (const int code : deal) codes[count++] = code;
    for (int slot = 0; slot < 4; ++slot) {  // slot 5 has no slot right of it
        const int code = previous[slot];
        if (IsCardCode(code) && std::find(codes.begin(), codes.begin() + count, code) == codes.begin() + count)
            codes[count++] = code;
    }
    std::sort(codes.begin(), codes.begin() + count);
    cards.codes = codes;
    cards.count = count;
    auto bitOf = [&](int code) {
        return 1u << (std::find(codes.begin(), codes.begin() + count, code) - codes.begin());
    };
    for (int slot = 0; slot < 5; ++slot) cards.dealtBit[slot] = bitOf(deal[slot]);
    for (int slot = 0; slot < 4; ++slot) {
        const bool dealt = std::find(deal.begin(), deal.end(), previous[slot]) != deal.end();
        if (IsCardCode(previous[slot]) && !dealt) cards.previousBit[slot] = bitOf(previous[slot]);
    }
    return cards;
}

// A barred card of a hold: its bit, and in how many drawn slots, the first
// ones from the left, it can still come.
struct Barred {
    unsigned bit;
    int allowed;
};

struct HoldBarred {
    std::array<Barred, 4> cards{};
    int count = 0;
    unsigned bits = 0;
};

HoldBarred BarredOf(const Cards& cards, int hold) {
    HoldBarred barred;
    int drawnLeft = 0;
    const int drawn = 5 - std::popcount(unsigned(hold));
    for (int slot = 0; slot < 5; ++slot) {
        if (!Keeps(hold, slot + 1)) {
            ++drawnLeft;
            continue;
        }
        const unsigned bit = cards.previousBit[slot];
        if (bit == 0 || (barred.bits & bit) || drawnLeft == drawn) continue;
        barred.cards[barred.count++] = {bit, drawnLeft};
        barred.bits |= bit;
    }
    return barred;
}

// The chance of one particular set of `drawn` new cards that holds exactly the
// barred cards `within`. The barred cards are listed by held slot, so the
// slots they may take narrow down the list; they can be placed in
// prod(allowed - placed before) ways, the other cards in (drawn - |within|)!.
double SetChance(const HoldBarred& barred, unsigned within, int drawn) {
    double chance = 1;
    int placed = 0;
    for (int i = 0; i < barred.count; ++i) {
        if (!(within & barred.cards[i].bit)) continue;
        const int ways = barred.cards[i].allowed - placed;
        if (ways <= 0) return 0;
        chance *= ways;
        ++placed;
    }
    for (int n = 2; n <= drawn - placed; ++n) chance *= n;
    for (int place = 0; place < drawn; ++place) {
        int pool = kUnseen - place;
        for (int i = 0; i < barred.count; ++i)
            if (!(within & barred.cards[i].bit) && barred.cards[i].allowed <= place) --pool;
        chance /= pool;
    }
    return chance;
}

}  // namespace

HoldValueSet TableHoldValues(const Deal& deal, const PreviousCards& previous, const Pays& pays) {
    const Cards cards = CardsOf(deal, previous);
    // The total pay of the hands that contain a set of the cards, looked up
    // when first needed: only sets whose previous cards are barred for some
    // hold, so that their slots' dealt cards are in them too.
    std::array<double, 1u << kMostCards> paid;
    std::array<bool, 1u << kMostCards> known{};
    const SubsetCounts& table = SharedSubsetCounts();
    auto paidContaining = [&](unsigned set) {
        if (known[set]) return paid[set];
        std::array<int, 5> hand{};
        int size = 0;
        for (unsigned rest = set; rest; rest &= rest - 1) hand[size++] = cards.codes[std::countr_zero(rest)];
        if (size == 5) {
            paid[set] = pays[ClassOf(hand)];
        } else {
            for (int& card : hand) --card;
            const SubsetCounts::Counts& counts = table.Containing(hand.data(), size);
            std::int64_t total = 0;
            for (int c = 0; c < kHandClassCount; ++c) total += std::int64_t{pays.credits[c]} * counts[c];
            paid[set] = static_cast<double>(total);
        }
        known[set] = true;
        return paid[set];
    };

    unsigned dealt = 0;
    for (const unsigned bit : cards.dealtBit) dealt |= bit;
    HoldValueSet values{};
    for (int hold = 0; hold < kHoldCount; ++hold) {
        unsigned held = 0;
        for (int slot = 0; slot < 5; ++slot)
            if (Keeps(hold, slot + 1)) held |= cards.dealtBit[slot];
        const int drawn = 5 - std::popcount(unsigned(hold));
        const HoldBarred barred = BarredOf(cards, hold);
        double value = 0;
        for (unsigned within = barred.bits;; within = (within - 1) & barred.bits) {
            const int room = drawn - std::popcount(within);  // new cards besides the barred ones
            const double chance = room < 0 ? 0 : SetChance(barred, within, drawn);
            // The hands with the held cards and `within`, and none of the
            // other dealt or barred cards, by inclusion and exclusion.
            const unsigned avoided = (dealt & ~held) | (barred.bits & ~within);
            double total = 0;
            for (unsigned also = avoided; chance > 0; also = (also - 1) & avoided) {
                const int more = std::popcount(also);
                if (more <= room) total += (more % 2 ? -1 : 1) * paidContaining(held | within | also);
                if (also == 0) break;
            }
            value += chance * total;
            if (within == 0) break;
        }
        values[hold] = value;
    }
    return values;
}

std::vector<BarredCard> BarredCards(const Deal& deal, const PreviousCards& previous, int hold) {
    if (hold < 0 || hold >= kHoldCount) throw std::invalid_argument("not a hold number");
    const Cards cards = CardsOf(deal, previous);
    const HoldBarred barred = BarredOf(cards, hold);
    std::vector<BarredCard> list;
    for (int i = 0; i < barred.count; ++i) {
        const int code = cards.codes[std::countr_zero(barred.cards[i].bit)];
        int heldSlot = 0;
        while (previous[heldSlot] != code || !Keeps(hold, heldSlot + 1)) ++heldSlot;
        int slots = 0;
        for (int slot = heldSlot + 1; slot < 5; ++slot)
            if (!Keeps(hold, slot + 1)) slots |= 1 << slot;
        list.push_back({code, heldSlot + 1, slots});
    }
    return list;
}

PerClass<double> TableFinalOdds(const Deal& deal, const PreviousCards& previous, int hold) {
    if (hold < 0 || hold >= kHoldCount) throw std::invalid_argument("not a hold number");
    PerClass<double> odds{};
    for (int c = 0; c < kHandClassCount; ++c) {
        Pays one{};
        one.credits[c] = 1;
        odds[c] = TableHoldValues(deal, previous, one)[hold];
    }
    return odds;
}

}  // namespace velmora::strategy
