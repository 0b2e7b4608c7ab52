// The window on a virtual clock: keys 1 to 5 on the cards, and what
// assistive technology is told about the table as a hand goes on.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>

#include "virtual_table.h"

namespace velmora::ui {
namespace {

// A whole session from the keyboard alone. The focus never falls to About
// or Exit by itself: while the cards turn up it stays with the table, where
// Space and Enter do nothing; after a win it is on Take, after Double on Big.
TEST_F(VirtualTable, AWholeSessionFromTheKeyboardAlone) {
    EXPECT_EQ(Focused(), "Deal1");
    Key(Qt::Key_3);  // before the first deal, a card key does nothing
    Key(Qt::Key_Space);  // deal
    EXPECT_FALSE(Child("Deal1")->isEnabled());
    EXPECT_NE(Focused(), "About");
    Key(Qt::Key_Space);  // while the cards turn up: nothing, nor does a card key
    Key(Qt::Key_Return);
    Key(Qt::Key_3);
    EXPECT_FALSE(window_.Model().State().AboutOpen);
    Advance(1250);
    EXPECT_EQ(Focused(), "Deal2");  // the Jacks are held by the game
    EXPECT_FALSE(window_.Model().State().Hold[3].Visible);
    QTest::keyClick(window_.focusWidget(), Qt::Key_3, Qt::KeypadModifier);  // the keypad's digits too
    Key(Qt::Key_6), Key(Qt::Key_0);  // no sixth card, and no card 0
    // A key held down repeats: the repeats do nothing, to the cards or the buttons.
    for (const Qt::Key key : {Qt::Key_3, Qt::Key_Return}) {
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(window_.focusWidget(), &repeat);
    }
    EXPECT_TRUE(window_.Model().State().Hold[3].Visible && window_.Model().State().Deal2.Enabled);
    Key(Qt::Key_3), Key(Qt::Key_5);  // let it go again, and hold the Two
    EXPECT_TRUE(!window_.Model().State().Hold[3].Visible && window_.Model().State().Hold[5].Visible);
    Key(Qt::Key_5);
    Force({16, 33, 47});
    Key(Qt::Key_Return);  // draw three: a pair of Jacks
    EXPECT_FALSE(Child("Deal2")->isEnabled());
    Key(Qt::Key_Space);
    Advance(1500);
    EXPECT_EQ(Focused(), "Take");
    Force({2, 13});  // a Two, then a King that stands
    random_.Queue(0.995f);
    Key(Qt::Key_U);  // Double
    EXPECT_EQ(Focused(), "Big");
    Key(Qt::Key_Space);  // Big: right
    EXPECT_EQ(Focused(), "Take");
    Key(Qt::Key_Return);  // take the two points
    EXPECT_EQ(Focused(), "Deal1");
    Key(Qt::Key_T);  // nothing to take: nothing
    Key(Qt::Key_A);
    EXPECT_TRUE(window_.Model().State().AboutOpen);
    Key(Qt::Key_Return);  // its OK
    EXPECT_FALSE(window_.Model().State().AboutOpen);
    Key(Qt::Key_Q);
    EXPECT_TRUE(window_.Model().State().Ended);
}

// Mouse and keyboard together: a click leaves the keyboard focus where the
// game put it, so Space and Enter press that button, not the one clicked.
TEST_F(VirtualTable, AClickLeavesTheKeyboardFocusWhereTheGamePutIt) {
    const auto click = [this](const char* name) { QTest::mouseClick(Child(name), Qt::LeftButton); };
    click("About");
    click("cmdOk");
    Key(Qt::Key_Space);  // Deal, not About again
    EXPECT_FALSE(window_.Model().State().AboutOpen || window_.Model().State().Deal1.Enabled);
    Advance(1250);
    click("Cancel");
    click("About");
    Key(Qt::Key_Escape);
    Key(Qt::Key_Return);  // the draw, not Cancel nor About
    EXPECT_FALSE(window_.Model().State().AboutOpen || window_.Model().State().Deal2.Enabled);
}

TEST_F(VirtualTable, AssistiveTechnologyHearsTheCardsTheLinesAndTheMessages) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Child("Label1"))->role(), QAccessible::Graphic);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Child("Royal"))->role(), QAccessible::StaticText);
    for (const auto& [name, spoken] : {std::pair{"Label1", "Card 1: face down"}, {"Score", "Credits: 10"},
                                       {"Royal", "Royal Flush, pays 300"}})
        EXPECT_EQ(Spoken(name), spoken);

    QTest::mouseClick(Child("Deal1"), Qt::LeftButton);
    Advance(1250);
    for (const auto& [name, spoken] : {
             std::pair{"Score", "Credits: 9"}, {"Panel", "Click inside the card you want to keep"},
             {"Label1", "Card 1: Jack of Clubs, held"}, {"Label2", "Card 2: Five of Clubs"},
             {"Label3", "Card 3: Nine of Spades"}, {"Label4", "Card 4: Jack of Diamonds, held"},
             {"Label5", "Card 5: Two of Spades"}, {"Jack", "Jacks or Better, pays 1, lit"},
             {"Two", "Two Pairs, pays 2"}, {"Deal2", "Deal"}})
        EXPECT_EQ(Spoken(name), spoken) << name;
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(Child("Deal2"))->text(QAccessible::Description).isEmpty());
}

}  // namespace
}  // namespace velmora::ui
