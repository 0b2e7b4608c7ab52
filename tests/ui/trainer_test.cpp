// The trainer in the window on a virtual clock: the advisor panel follows
// the HOLD markers and leaves the table as it was, the mistake warning
// stops a costly draw, the statistics follow the table; and what screen
// readers hear of it all.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>
#include <QScreen>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QApplication>
#include <QTest>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "strategy/hold_values.h"
#include "session/hold_advice.h"
#include "ui/advisor_panel.h"
#include "ui/geometry.h"
#include "ui/hold_text.h"
#include "ui/look.h"
#include "ui/table_draw_text.h"
#include "ui/table_window.h"
#include "ui/window_placement.h"
#include "virtual_table.h"

// So that a failed comparison prints the texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace velmora::ui {
namespace {

// Every name a screen reader can reach from `widget` down.
QStringList Reachable(QWidget* widget, QAccessibleInterface* node = nullptr) {
    if (!node) node = QAccessible::queryAccessibleInterface(widget);
    QStringList names{node->text(QAccessible::Name)};
    for (int i = 0; i < node->childCount(); ++i) {
        EXPECT_EQ(node->indexOfChild(node->child(i)), i);
        names += Reachable(nullptr, node->child(i));
    }
    return names;
}

// The advisor's signs and words for the cards a hold keeps: King of Clubs,
// Ace of Diamonds, Queen of Hearts, Jack of Spades, Ten of Clubs; and what
// it says of the table's draw.
TEST(HoldText, SignsAndWordsKeepTheCardsInTheirSlotsAndNameWhatTheTableDrawBars) {
    const strategy::Deal deal{13, 14, 38, 50, 10};
    const QChar gap(0x00a0);
    EXPECT_EQ(QStringList({KeptCards(deal, 0b11111), KeptCards(deal, 0b10010), KeptCards(deal, 1), KeptCards(deal, 0)}),
              QStringList({QStringList({"K♣", "A♦", "Q♥", "J♠", "10♣"}).join(gap), QStringLiteral("A♦") + gap + "10♣", "K♣", "no card"}));
    EXPECT_EQ(QStringList({HoldInWords(deal, 0), HoldInWords(deal, 0b00001), HoldInWords(deal, 0b11111)}),
              QStringList({"draw five new cards", "keep King of Clubs", "keep all five cards"}));
    // The last two joined as the language joins them: "and", or a comma.
    EXPECT_TRUE(HoldInWords(deal, 0b01111).startsWith("keep King of Clubs, Ace of Diamonds, Queen of Hearts"));
    EXPECT_TRUE(!IsRedCard(13) && IsRedCard(14) && IsRedCard(38) && !IsRedCard(50));

    // Where the table's draw keeps a card of the last hand out, the advisor
    // says which card, from which slots, and what that costs the hold.
    // Ace, King, Queen and Jack of Spades held while slot 1 showed the Ten of
    // Spades last hand: the royal cannot come.
    const session::HoldAdvice royal = session::Advise({40, 52, 51, 50, 2}, {49, 3, 4, 5, 6});
    const auto note = session::NoteOnTableDraw(royal, AdvisorPanel::kRankedLines);
    ASSERT_TRUE(note);
    EXPECT_EQ(note->hold, 0b01111);
    EXPECT_EQ(TableDrawText(royal, *note), "The 10♠ of the last hand cannot come back into slot 5, so keeping " +
                                               QStringList({"A♠", "K♠", "Q♠", "J♠"}).join(gap) + " cannot make a Royal Flush.");
    AdvisorPanel panel(nullptr);  // which says so while the player holds
    panel.ShowHolding(royal, 0, 0);
    EXPECT_EQ(panel.findChild<QLabel*>("AdvisorMessage")->text(), TableDrawText(royal, *note));
    // Four Hearts after two Hearts in held slots: the flush is still there, at a lower value.
    const session::HoldAdvice flush = session::Advise({29, 32, 35, 38, 2}, {28, 30, 5, 6, 7});
    const auto flushNote = session::NoteOnTableDraw(flush, AdvisorPanel::kRankedLines);
    ASSERT_TRUE(flushNote);
    EXPECT_EQ(flushNote->hold, 0b01111);
    const QString text = TableDrawText(flush, *flushNote);
    // Both Hearts are kept out of slot 5, and named together.
    EXPECT_TRUE(text.startsWith("The 2♥") && text.contains("4♥ of the last hand cannot come back into slot 5, so"))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(" is worth %1 here, not %2.")
                                  .arg(CreditsText(flush.Value(0b01111)), CreditsText(flush.deckValues[0b01111]))));
    // The first hand, and cards of the last hand that no held slot stands left of, change nothing.
    EXPECT_FALSE(session::NoteOnTableDraw(session::Advise({40, 52, 51, 50, 2}, {}), AdvisorPanel::kRankedLines));
    EXPECT_EQ(QStringList({SlotsText(0b10000), SlotsText(0b11110), SlotsText(0b00110).left(9), SlotsText(0b11010).left(9)}),
              QStringList({"slot 5", "slots 2 to 5", "slots 2, ", "slots 2, "}));
}

// How many pixels of a line are lit between two columns, and the first lit
// one's column (-1: none). The panel is black; the marked line's green is
// darker than any letter.
struct Ink {
    int first = -1, count = 0;
};
Ink InkIn(const QImage& line, qreal from, qreal to) {
    Ink ink;
    for (int x = int(from); x < int(to); ++x)
        for (int y = 0; y < line.height(); ++y)
            if (qGray(line.pixel(x, y)) > 0x60 && ink.count++ == 0) ink.first = x;
    return ink;
}

// The panel on its own, on a pair of Tens (King of Diamonds, Eight of
// Spades, Ten of Clubs, Ten of Diamonds, Two of Diamonds): holds worth the
// same are ranked as the best hold is chosen, the one that keeps more cards
// first, then the lower hold number.
TEST(AdvisorPanel, RanksTiesMarksYoursAndSaysWhatTheDrawGaveUp) {
    const strategy::Deal deal{26, 47, 10, 23, 15};
    const session::HoldAdvice advice = session::Advise(deal, {});
    const std::vector<int> ranked = {0b01100, 0b01101, 0b01110, 0b11100, 0b00001, 0b11001, 0b01001, 0b01111};
    ASSERT_TRUE(advice.Value(0b01101) == advice.Value(0b11100) && advice.Value(0b11001) == advice.Value(0b01001));
    AdvisorPanel panel(nullptr);
    panel.resize(AdvisorPanel::kWidth, 335);
    const auto line = [&panel](const QString& name) { return panel.findChild<QWidget*>(name); };
    const auto ranks = [&](int i) { return line(QStringLiteral("RankedHold%1").arg(i + 1)); };
    const int yours = 0b01110, suggested = 0b01100;
    panel.ShowHolding(advice, suggested, yours);

    EXPECT_EQ(line("SuggestedHold")->accessibleName(),
              QStringLiteral("The game's suggestion: %1, worth 0.7996 credits, the best hold.").arg(HoldInWords(deal, suggested)));
    EXPECT_EQ(line("YourHold")->accessibleName(), QStringLiteral("Your hold: %1, worth 0.6623 credits, %2 less than the best.")
                                                      .arg(HoldInWords(deal, yours), CreditsText(advice.Cost(yours))));
    for (int i = 0; i < AdvisorPanel::kRankedLines; ++i)
        EXPECT_TRUE(ranks(i)->accessibleName().startsWith(
            QStringLiteral("Hold number %1: %2,").arg(i + 1).arg(HoldInWords(deal, ranked[i]))))
            << ranks(i)->accessibleName().toStdString();

    // On the screen: your hold's line is marked; the best one's cost reads
    // "best", four letters where the others have a sign, a digit, a point
    // and four decimals; a card drawn again is a dot.
    const QImage shot = panel.grab().toImage();
    const qreal advance = QFontMetricsF(FixedPitchFont(9, false)).horizontalAdvance(QLatin1Char('0'));
    const auto lineShot = [&](QWidget* widget) { return shot.copy(widget->geometry()); };
    for (int i = 0; i < AdvisorPanel::kRankedLines; ++i) {
        const QImage image = lineShot(ranks(i));
        EXPECT_EQ(image.pixelColor(7, image.height() / 2), i == 2 ? QColor(0x1E, 0x46, 0x1E) : QColor(Qt::black)) << i;
        const qreal costEnd = 10 + 41 * advance;
        EXPECT_EQ(InkIn(image, costEnd - 5 * advance, costEnd).first > costEnd - 4.5 * advance, i == 0) << i;
    }
    const QImage best = lineShot(ranks(0));
    for (int slot = 1; slot <= 5; ++slot) {
        const qreal cell = 10 + (3 + 4 * (slot - 1)) * advance;
        const Ink ink = InkIn(best, cell, cell + 3.5 * advance);
        EXPECT_EQ(ink.count > 20, strategy::Keeps(suggested, slot)) << slot << " " << ink.count;
    }

    const auto heading = [&] { return panel.grab(line("YourHold")->geometry().translated(0, -17)).toImage(); };
    const QImage holdingHeading = heading();
    panel.ShowDrawn(advice, suggested, 0);
    EXPECT_NE(heading(), holdingHeading);  // "You drew with"
    EXPECT_TRUE(line("YourHold")->accessibleName().startsWith("You drew with: draw five new cards, worth"));
    const QString verdict = line("AdvisorMessage")->accessibleName();
    const QStringList figures = {CreditsText(advice.Cost(0)), CreditsText(advice.Value(suggested)),
                                 CreditsText(advice.Value(0))};
    // The figures in their order, and the best hold's cards, in signs or words.
    EXPECT_TRUE(verdict.startsWith("You gave up " + figures[0] + " credits") &&
                verdict.indexOf(figures[1]) > 0 && verdict.indexOf(figures[1]) < verdict.lastIndexOf(figures[2]) &&
                (verdict.contains("10♣") || verdict.contains("Ten of Clubs")))
        << verdict.toStdString();
    panel.ShowDrawn(advice, suggested, suggested);
    EXPECT_EQ(line("AdvisorMessage")->accessibleName(), "You drew with the best hold.");
    panel.ShowMessage(QStringLiteral("No hand"));
    EXPECT_EQ(line("YourHold")->accessibleName() + ranks(0)->accessibleName(), "");
}

class TrainerOnTable : public VirtualTable {
protected:
    QWidget* Warning() { return Child("MistakeWarning"); }
    static QString kJacks() { return QLocale().createSeparatedList({"Jack of Clubs", "Jack of Diamonds"}); }
};

// The panel follows each deal and each HOLD and leaves the table as it was;
// a window that it would push past the screen's right edge moves left, no
// further than the screen's left edge. What screen readers hear of it all.
TEST_F(TrainerOnTable, ThePanelFollowsTheGameAndKeepsTheWindowOnTheScreen) {
    Key(Qt::Key_D);
    Advance(1250);
    const QImage tableAlone = window_.grab().toImage();
    const QRect screen = window_.screen()->availableGeometry();
    window_.move(screen.right() - kTableClientSize.width() - 10, screen.top() + 20);  // the panel cannot fit
    Key(Qt::Key_F2);
    EXPECT_EQ(window_.frameGeometry().topLeft(), QPoint(screen.left(), screen.top() + 20));
    EXPECT_EQ(window_.width(), kTableClientSize.width() + 320);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Spoken("YourHold").contains("best hold"); }, 30000));
    EXPECT_EQ(window_.grab(QRect(QPoint(), kTableClientSize)).toImage(), tableAlone);
    // Screen readers hear each card and hold marker once, and of a card's key the two things it changed.
    const QStringList table = Reachable(&window_);
    EXPECT_EQ(table.filter(QRegularExpression("^Card \\d: ")).size(), 5);
    EXPECT_TRUE(table.contains("Card 1: Jack of Clubs, held") && table.contains("Card 4 is held"));
    EXPECT_FALSE(table.contains(QString()));
    static QStringList changed;
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true);
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged) changed << event->object()->objectName();
    });
    Key(Qt::Key_1);
    QAccessible::installUpdateHandler(previous);
    platform->setActive(false);
    EXPECT_EQ(changed, QStringList({"Label1", "YourHold"}));
    EXPECT_TRUE(Spoken("YourHold").startsWith("Your hold: keep Jack of Diamonds, worth")) << Spoken("YourHold").toStdString();

    Key(Qt::Key_D);  // the warning is off: it draws, and the panel names the best hold in words
    EXPECT_TRUE(Spoken("AdvisorMessage").contains(QStringLiteral("the best hold, %1, was").arg(kJacks())))
        << Spoken("AdvisorMessage").toStdString();
    Advance(1500);
    if (window_.Model().State().Take.Visible) Key(Qt::Key_T);
    Key(Qt::Key_D);
    EXPECT_EQ(Spoken("AdvisorMessage"), "The cards are being dealt.");
    Advance(1250);
    // The second hand is valued under the table's draw, the first hand's cards kept out where they are.
    strategy::Deal deal{};
    strategy::PreviousCards old{};
    for (int slot = 1; slot <= 5; ++slot) {
        deal[slot - 1] = window_.Model().State().Card[slot];
        old[slot - 1] = window_.Model().State().OldCard[slot];
    }
    const auto values = strategy::TableHoldValues(deal, old, strategy::GamePays());
    const int best = strategy::BestHold(values);
    EXPECT_TRUE(Spoken("RankedHold1").startsWith(
        QStringLiteral("Hold number 1: %1, worth %2 credits").arg(HoldInWords(deal, best), CreditsText(values[best]))))
        << Spoken("RankedHold1").toStdString();
    Key(Qt::Key_F2);
    EXPECT_EQ(window_.size(), kTableClientSize);
    Key(Qt::Key_F4);  // each figure is read once
    const QStringList figures = Reachable(Child("Statistics"));
    for (const char* title : {"Hands played", "Credits now", "Royal Flush", "Right guesses", "Draw decisions"})
        EXPECT_EQ(figures.filter(title).size(), 1) << title;
}

// The menu opens from the keyboard at the focused button, and from the
// mouse where the pointer is, with its six items.
TEST_F(TrainerOnTable, TheMenuKeyShiftF10AndARightClickOpenTheMenu) {
    window_.move(window_.screen()->availableGeometry().topLeft());  // room for the menu where it opens
    QWidget* deal = window_.focusWidget();
    QWidget* card = Child("Label2");
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {5, 5}, card->mapToGlobal(QPoint(5, 5)));
    for (int way = 0; way < 3; ++way) {
        if (way == 0) QTest::keyClick(deal, Qt::Key_Menu);
        if (way == 1) QTest::keyClick(deal, Qt::Key_F10, Qt::ShiftModifier);
        if (way == 2) QApplication::sendEvent(card, &rightClick);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu) << way;
        EXPECT_EQ(menu->pos(), way < 2 ? deal->mapToGlobal(deal->rect().center()) : rightClick.globalPos()) << way;
        EXPECT_EQ(menu->actions().size(), 6) << way;
        menu->close();
    }
}

TEST_F(TrainerOnTable, TheWarningStopsACostlyDrawUntilThePlayerDrawsAnyway) {
    Key(Qt::Key_F3);
    Key(Qt::Key_D);
    Advance(1250);
    Key(Qt::Key_1);           // let a Jack go
    Key(Qt::Key_Return);      // Deal has the focus: asks
    ASSERT_TRUE(Warning());
    EXPECT_TRUE(Reachable(Warning()).join(' ').contains(QStringLiteral("The best hold: %1, worth").arg(kJacks())));
    EXPECT_TRUE(window_.Model().State().Deal2.Enabled);
    Key(Qt::Key_Return);      // "Change my hold", the default
    EXPECT_FALSE(Warning() && Warning()->isVisible());
    EXPECT_TRUE(window_.Model().State().Deal2.Enabled);

    Key(Qt::Key_D);           // asks again
    ASSERT_TRUE(Warning() && Warning()->isVisible());
    QTest::mouseClick(Warning()->findChild<QAbstractButton*>("DrawAnyway"), Qt::LeftButton);
    EXPECT_FALSE(window_.Model().State().Deal2.Enabled);  // drawing
}

// The statistics window shows the table as it stands while it is open, and
// the table's keys work from it; with the warning on, the best hold draws
// without a word.
TEST_F(TrainerOnTable, TheStatisticsFollowTheTableAndLeaveItsKeysToIt) {
    Key(Qt::Key_F3);
    Key(Qt::Key_F4);
    QWidget* statistics = Child("Statistics");
    ASSERT_TRUE(statistics && QTest::qWaitForWindowActive(statistics));
    const auto figure = [statistics](const char* title) {
        return Reachable(statistics).filter(QRegularExpression(QStringLiteral("^%1:").arg(title))).value(0);
    };
    EXPECT_EQ(figure("Return"), "Return: none yet");
    Key(Qt::Key_D);
    EXPECT_EQ(figure("Credits now"), "Credits now: 9");
    Advance(1250);
    Key(Qt::Key_1);  // keep the Jack of Diamonds alone, draw anyway, and make a pair of Jacks
    Force({37, 16, 33, 47});
    Key(Qt::Key_D);
    ASSERT_TRUE(Warning());
    QTest::mouseClick(Warning()->findChild<QAbstractButton*>("DrawAnyway"), Qt::LeftButton);
    statistics->activateWindow();  // back from the warning
    Advance(1500);
    EXPECT_EQ(figure("Credits now"), "Credits now: 9");  // a win of 1 waits
    Force({2, 13});
    random_.Queue(0.995f);
    for (const Qt::Key key : {Qt::Key_U, Qt::Key_B, Qt::Key_T}) Key(key);  // doubled once, and taken
    Force({12, 25, 28, 44, 9});
    Key(Qt::Key_D);
    Advance(1250);
    Force({3, 19, 36});
    Key(Qt::Key_D);  // the Queens the game holds, the best hold
    Advance(1500);
    Key(Qt::Key_T);
    Key(Qt::Key_F2);
    EXPECT_GT(window_.width(), kTableClientSize.width());
    ASSERT_TRUE(QTest::qWaitFor([&] { return figure("Holds worth less than the best") != "Holds worth less than the best: working out\u2026"; }, 30000));

    const QStringList expected = {
        "Hands played: 2", "Credits bet: 2", "Credits taken: 3", "Return: 150.00%", "Credits now: 11",
        "Jacks or Better: made 2 times, 100.00% of the hands drawn; perfect play makes it 21.5352% of the hands.",
        "Right guesses: 1", "Wrong guesses: 0", "Points risked: 1", "Points brought home: 2", "Draw decisions: 2",
        "Holds worth less than the best: 1", "Expected credits given up: 1.1427",
        "The game's suggestions would have given up: 0.0000"};
    const QStringList heard = Reachable(statistics);
    for (const QString& line : expected) EXPECT_TRUE(heard.contains(line)) << line.toStdString();
    // The credits after each hand, in words, and as a line from the left of
    // the chart to its right, rising as the credits rise.
    QWidget* chart = statistics->findChild<QWidget*>("CreditChart");
    EXPECT_TRUE(chart->accessibleDescription().endsWith("from 10 to 11; the lowest was 10, the highest 11."));
    const QImage image = chart->grab().toImage();
    int first = -1, last = -1, firstY = 0, lastY = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == QColor(0x00, 0x90, 0x30)) {
                if (first < 0) first = x, firstY = y;
                last = x, lastY = y;
            }
    EXPECT_GE(last, image.width() - 14);
    EXPECT_LT(lastY, firstY);
}

// A window opened from the table stands beside it where the screen has room,
// else centred over it, and always on the screen.
TEST(WindowPlacement, BesideTheTableWhereThereIsRoomElseOverIt) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget table, window;
    window.resize(screen.width() / 2, screen.height() / 2);
    const int third = screen.width() / 3;
    for (const int left : {0, screen.width() - third, screen.width() / 4}) {
        table.setGeometry(screen.left() + left, screen.top() + 10, third, 100);
        PlaceBeside(window, table);
        const QPoint expected = left == 0 ? QPoint(table.geometry().right() + 1, table.y())
                                : left > third ? QPoint(table.x() - window.width(), table.y())
                                               : QPoint(table.geometry().center().x() - (window.width() - 1) / 2, screen.top());
        EXPECT_EQ(window.pos(), expected) << left;
    }
}

}  // namespace
}  // namespace velmora::ui
