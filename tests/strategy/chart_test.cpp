#include <gtest/gtest.h>

#include <string>

#include "strategy/chart.h"
#include "table/card_code.h"

namespace velmora::strategy {
namespace {

// "As Td 7c 7h 2s": ranks A 2-9 T J Q K, suits c d h s as blocks 1-4.
Deal Cards(const std::string& text) {
    const std::string ranks = "A23456789TJQK", suits = "cdhs";
    Deal deal{};
    for (int i = 0; i < 5; ++i)
        deal[i] = CardCode(static_cast<int>(suits.find(text[3 * i + 1])) + 1, static_cast<int>(ranks.find(text[3 * i])) + 1);
    return deal;
}

// "x.x.." keeps slots 1 and 3.
int Hold(const std::string& marks) {
    int hold = 0;
    for (int slot = 1; slot <= 5; ++slot) hold |= (marks[slot - 1] == 'x') << (slot - 1);
    return hold;
}

// Holds named as players name them, worked out by hand: the straights a
// straight draw can still make decide its gaps (A2345 and TJQKA both count).
TEST(HoldKind, NamesAsPlayersSayThem) {
    const std::tuple<const char*, const char*, const char*> holds[] = {
        {"As Ks Qs Js 2d", "xxxx.", "4 to a royal flush"},
        {"Ts Js Qs 4h 2d", "xxx..", "3 to a royal flush"},
        {"As Ks Qs Js Ts", "xxxxx", "royal flush"},
        {"9h Th Jh Qh Kh", "xxxxx", "straight flush"},
        {"7c 7d 7h 7s 2d", "xxxx.", "four of a kind"},
        {"7c 7d 7h 2s 2d", "xxxxx", "full house"},
        {"2h 5h 9h Jh Kh", "xxxxx", "flush"},
        {"Ac 2d 3h 4s 5d", "xxxxx", "straight"},
        {"7c 7d 7h 2s 4d", "xxx..", "three of a kind"},
        {"7c 7d 2h 2s 4d", "xxxx.", "two pairs"},
        {"Jc Jd 2h 5s 8d", "xx...", "high pair"},
        {"Tc Td 2h 5s 8d", "xx...", "low pair"},
        {"5c 6d 7h 8s Kd", "xxxx.", "4 to an outside straight with no high cards"},
        {"5c 6d 8h 9s Kd", "xxxx.", "4 to an inside straight with no high cards"},
        {"Ac 2d 3h 4s 9d", "xxxx.", "4 to an inside straight with 1 high card"},
        {"9c Td Jh Qs 3d", "xxxx.", "4 to an outside straight with 2 high cards"},
        {"Tc Jd Qh Ks 3d", "xxxx.", "4 to an outside straight with 3 high cards"},
        {"Ac Kd Qh Js 3d", "xxxx.", "AKQJ"},
        {"5h 6h 7h Ks 2d", "xxx..", "3 to an outside straight flush with no high cards"},
        {"2h 3h 4h Ks 9d", "xxx..", "3 to an inside straight flush with no high cards"},
        {"4h 5h 7h Ks Td", "xxx..", "3 to an inside straight flush with no high cards"},
        {"Ah 2h 3h Ks 9d", "xxx..", "3 to a double inside straight flush with 1 high card"},
        {"9h Jh Qh 2s 4d", "xxx..", "3 to an inside straight flush with 2 high cards"},
        {"8h Jh Qh 2s 4d", "xxx..", "3 to a double inside straight flush with 2 high cards"},
        {"2h 5h 9h Kh 4d", "xxxx.", "4 to a flush with 1 high card"},
        {"2h 5h 9h Kd 4d", "xxx..", "3 to a flush with no high cards"},
        {"Qh Jh 2s 5d 8c", "xx...", "suited QJ"},
        {"Kh Th 2s 5d 8c", "xx...", "suited KT"},
        {"Kh Qd Js 5d 8c", "xxx..", "KQJ"},
        {"Qh Jd Ts 5d 8c", "xxx..", "3 to an outside straight with 2 high cards"},
        {"Ah Kd 2s 5d 8c", "xx...", "AK"},
        {"Jh 3d 2s 5d 8c", "x....", "J"},
        {"Jh 3d 2s 5d 8c", ".....", "draw five"},
        {"Jh Jd 2s 5d 8c", "xxx..", "other holds"},
        {"Jh 3d 2s 5d 8c", ".x...", "other holds"},
        {"Ah Kd 2s 5d 8c", "xxxxx", "other holds"},
    };
    for (const auto& [deal, marks, name] : holds) EXPECT_EQ(KindName(KindOf(Cards(deal), Hold(marks))), name) << deal << " " << marks;
}

TEST(HoldKind, CoarseLinesTakeTheirFinerKinds) {
    const HoldKind outside = KindOf(Cards("5c 6d 7h 8s Kd"), Hold("xxxx."));
    const HoldKind ace = KindOf(Cards("Ah 3d 2s 5d 8c"), Hold("x...."));
    EXPECT_EQ(KindName(CoarseKind(outside)), "4 to an outside straight");
    EXPECT_EQ(KindName(AnyGapsKind(outside)), "4 to a straight");
    EXPECT_EQ(KindName(CoarseKind(ace)), "1 high card");
    EXPECT_EQ(KindName(CoarseKind(KindOf(Cards("2h 5h 9h Jh Kh"), 31))), "straight or better");
    EXPECT_TRUE(Matches(AnyGapsKind(outside), outside));
    EXPECT_TRUE(Matches(CoarseKind(ace), ace));
    EXPECT_FALSE(Matches(outside, AnyGapsKind(outside)));
    EXPECT_FALSE(Matches(CoarseKind(ace), KindOf(Cards("Ah Kd 2s 5d 8c"), Hold("xx..."))));
    EXPECT_THROW(KindOf(Cards("Ah Ah 2s 5d 8c"), 1), std::invalid_argument);
    EXPECT_THROW(KindOf(Cards("Ah Kd 2s 5d 8c"), 32), std::invalid_argument);
}

// A chart made by hand: follow it, find a hold's line, apply its exception.
TEST(Chart, FollowsItsLinesAndExceptions) {
    const auto kind = [](const char* deal, const char* marks) { return KindOf(Cards(deal), Hold(marks)); };
    Chart chart;
    for (const HoldKind& line : {kind("Jc Jd 2h 5s 8d", "xx..."), CoarseKind(kind("2h 5h 9h Kh 4d", "xxxx.")),
                                 kind("Tc Td 2h 5s 8d", "xx..."), CoarseKind(kind("Jh 3d 2s 5d 8c", "x....")),
                                 HoldKind{}}) {
        chart.lines.emplace_back();
        chart.lines.back().kind = line;
    }
    // Keep the low pair, not the flush draw, when the flush draw throws away an offsuit Ten or lower.
    chart.lines[1].exceptions.push_back(
        {kind("Tc Td 2h 5s 8d", "xx..."), {{.rank = kTen, .orLower = true, .suit = SuitRelation::Offsuit}}});

    const std::tuple<const char*, int, int, int> deals[] = {
        // deal, hold, line, exception
        {"Jc Jd 2d 5d 8d", Hold("xx..."), 1, -1},  // high pair over the flush draw
        {"Tc 2d 5d 8d Kd", Hold(".xxxx"), 2, -1},  // no pair to keep instead
        {"Td Tc 5d 8d Kd", Hold("xx..."), 2, 0},   // the offsuit Ten thrown away: keep the pair
        {"Td Ac 5d 8d Kd", Hold("x.xxx"), 2, -1},  // an Ace is not a Ten or lower
        {"Qc Ad 5h 8d Kd", Hold(".x..."), 4, -1},  // the higher high card
        {"2c 3d 5h 8d 9d", Hold("....."), 5, -1},
    };
    for (const auto& [deal, hold, line, exception] : deals) {
        const ChartPick pick = Follow(chart, Cards(deal));
        EXPECT_EQ(pick.hold, hold) << deal;
        EXPECT_EQ(pick.line, line) << deal;
        EXPECT_EQ(pick.exception, exception) << deal;
    }
    // Draw five rather than keep a lone high card when two discards are 5 or lower.
    chart.lines[3].exceptions.push_back({HoldKind{}, {{.rank = 5, .orLower = true, .two = true}}});
    EXPECT_EQ(Follow(chart, Cards("Kc 2d 3h 8s 9d")).hold, 0);
    EXPECT_EQ(Follow(chart, Cards("Kc 2d 7h 8s 9d")).hold, Hold("x...."));
    EXPECT_EQ(LineOf(chart, Cards("Td Tc 5d 8d Kd"), Hold("..xxx")), 0);
    EXPECT_EQ(LineOf(chart, Cards("Td Tc 5d 8d Kd"), Hold("....x")), 4);
    EXPECT_EQ(LineOf(chart, Cards("Td Tc 5d 8d Kd"), Hold("xx...")), 3);
    EXPECT_EQ(HoldOfKind(Cards("Qc Ad 5h 8d Kd"), chart.lines[3].kind), Hold(".x..."));
    EXPECT_EQ(HoldOfKind(Cards("2c 3d 5h 8d 9s"), chart.lines[0].kind), -1);
}

TEST(Chart, ExceptionsInWords) {
    const HoldKind suitedQJ = KindOf(Cards("Qh Jh 2s 5d 8c"), Hold("xx..."));
    const std::pair<ChartException, const char*> exceptions[] = {
        {{suitedQJ, {{.rank = kTen, .suit = SuitRelation::Suited}}}, "but hold suited QJ when a discard is a suited T"},
        {{suitedQJ, {{.rank = 8, .present = false}, {.rank = kAce, .suit = SuitRelation::Offsuit}}},
         "but hold suited QJ when no discard is an 8 and a discard is an offsuit A"},
        {{suitedQJ, {{.rank = 6, .orLower = true}, {.rank = 0, .suit = SuitRelation::Suited, .present = false}}},
         "but hold suited QJ when a discard is a 6 or lower and no discard is suited"},
        {{suitedQJ, {{.rank = kKing, .held = true}}}, "but hold suited QJ when a held card is a K"},
        {{suitedQJ, {{.rank = 7, .orLower = true, .suit = SuitRelation::Offsuit, .two = true}, {.rank = 9, .two = true}}},
         "but hold suited QJ when two discards are offsuit 7 or lower and two discards are 9s"},
        {{suitedQJ, {}}, "but hold suited QJ"},
    };
    for (const auto& [exception, text] : exceptions) EXPECT_EQ(ExceptionText(exception), text);
}

}  // namespace
}  // namespace velmora::strategy
