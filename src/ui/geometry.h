#pragma once

#include <QRect>

namespace velmora::ui {

// The table is laid out in twips; at 96 dots per inch 15 twips make one
// device-independent pixel, and Qt's high-DPI scaling takes it from there.
constexpr int kTwipsPerPixel = 15;

constexpr QRect Twips(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel);
}

// The table window.
constexpr QSize kTableClientSize(8010 / kTwipsPerPixel, 5025 / kTwipsPerPixel);  // 534 x 335
constexpr QRect kRightPanel = Twips(6240, 0, 1815, 5055);                          // Shape1
constexpr QRect kScoreWord = Twips(6660, 60, 960, 270);                            // ImaScore
constexpr QRect kScore = Twips(6360, 420, 1575, 555);
constexpr QRect kPanel = Twips(0, 4560, 6195, 435);

// Pay-table lines are 2895 x 255 twips; their left and top are in the pay table.
constexpr QRect PayLineRect(int left, int top) { return Twips(left, top, 2895, 255); }

// Card row, slots 1..5.
constexpr int kHoldLeft[] = {165, 1365, 2565, 3765, 4965};
constexpr int kCardLeft[] = {180, 1365, 2565, 3765, 4965};
constexpr QRect HoldRect(int slot) { return Twips(kHoldLeft[slot - 1], 2340, 1095, 315); }
constexpr QRect CardRect(int slot) { return Twips(kCardLeft[slot - 1], 2700, 1080, 1455); }
constexpr QRect ClickAreaRect(int slot) { return Twips(kHoldLeft[slot - 1], 2700, 1095, 1455); }

// Buttons: all 1575 x 555 at left 6360.
constexpr QRect ButtonRect(int top) { return Twips(6360, top, 1575, 555); }

// The About window.
constexpr QSize kAboutClientSize(4515 / kTwipsPerPixel, 4335 / kTwipsPerPixel);  // 301 x 289
constexpr QRect kAboutTitle = Twips(240, 240, 4020, 1650);
constexpr QRect kAboutRights = Twips(180, 2040, 4140, 255);
constexpr QRect kAboutInvitation = Twips(180, 2340, 4140, 195);
constexpr QRect kAboutAddress = Twips(180, 2580, 4140, 255);
constexpr QRect kAboutNote = Twips(180, 2940, 4140, 435);
constexpr int kAboutRuleY = 3480 / kTwipsPerPixel;
constexpr int kAboutRuleLeft = 120 / kTwipsPerPixel;
constexpr int kAboutRuleRight = 4380 / kTwipsPerPixel;
constexpr QRect kAboutOk = Twips(1560, 3720, 1395, 435);

}  // namespace velmora::ui
