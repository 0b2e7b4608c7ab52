#pragma once

#include <QString>

#include "strategy/chart.h"

// The strategy charts' words in the player's language, built from the
// structured hold kinds and penalty cards (never from the English names).
namespace velmora::ui {

// A rank as players write it on a chart: "A", "K", "Q", "J", "T", "9" ... "2"
// in English; each language's own letters ("R", "D", "V", "10" in French).
QString ChartRankText(int rank);

// A hold kind as players say it: "4 to a royal flush", "high pair",
// "3 to an inside straight flush with 1 high card", "suited QJ", "KQJ",
// "draw five".
QString KindText(const strategy::HoldKind& kind);

// One condition of an exception: "a discard is a suited T", "no discard is
// a 9", "two discards are offsuit 7 or lower", "a held card is an A".
QString PenaltyText(const strategy::PenaltyCard& card);

// An exception under its line: "but hold suited QJ when a discard is a
// suited T and no discard is a 9".
QString ExceptionText(const strategy::ChartException& exception);

// "basic", "exact", "beginner".
QString ChartTypeText(strategy::ChartType type);

// "line 6".
QString LineText(int line);

// "3 to a royal flush, line 6"; "no chart line" for line 0 (the kind alone).
QString KindOnLineText(const strategy::HoldKind& kind, int line);

}  // namespace velmora::ui
