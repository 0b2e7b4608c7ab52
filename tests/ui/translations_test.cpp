// The table in French, German and Spanish: every text the table shows has a
// translation, French leaves no English word on show, and no translated
// text has to shrink to less than about two thirds of its English size to
// fit its control. The About window fits every language, the pay lines keep
// their points in a column, numbers follow the language shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <map>

#include "ui/about_window.h"
#include "ui/caption_text.h"
#include "ui/caption_view.h"
#include "ui/credit_chart.h"
#include "ui/hold_text.h"
#include "ui/table_window.h"
#include "ui/translations.h"
#include "ui/word_button.h"

namespace velmora::ui {
namespace {

// Passes lookups on to the language's catalogue and notes every text that
// has no translation there (Qt's own, in contexts named Q..., aside).
class RecordingTranslator : public QTranslator {
public:
    QTranslator catalogue;
    mutable QSet<QString> missing;

    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        const QString text = catalogue.translate(context, source, disambiguation, n);
        if (text.isEmpty() && context[0] != 'Q') missing.insert(QString::fromUtf8(context) + QStringLiteral(": ") + QString::fromUtf8(source));
        return text;
    }
    bool isEmpty() const override { return false; }
};

struct Shown {
    QString text;
    qreal points;
};
using Screen = std::map<QString, Shown>;  // by control name

// Every text on show, with the size it is drawn at.
Screen OnShow(const TableWindow& window) {
    Screen screen;
    for (const CaptionView* label : window.findChildren<CaptionView*>())
        if (label->isVisible() && !label->Caption().isEmpty())
            screen[label->objectName()] = {label->Caption(), label->ShownFont().pointSizeF()};
    for (const WordButton* button : window.findChildren<WordButton*>())
        if (button->isVisible()) screen[button->objectName()] = {button->Word(), button->ShownFont().pointSizeF()};
    return screen;
}

// A hand from the deal to a right guess in the double-up, and what the
// table shows at each step: a pair of Jacks dealt and kept, drawn to, won,
// doubled and guessed right.
std::vector<Screen> PlayAHand() {
    ClockSeededGenerator fallback(3);
    ScriptedRandom random(fallback);
    Millis now = 0;
    TableWindow window(random, [&now] { return now; });
    window.show();
    std::vector<Screen> screens{OnShow(window)};
    const auto step = [&](std::initializer_list<int> codes, const char* button, Millis wait) {
        for (const int code : codes) random.Queue(code > 100 ? (code - 100.5f) / 100 : (code - 0.5f) / 52);
        if (button) QTest::mouseClick(window.findChild<QWidget*>(button), Qt::LeftButton);
        now += wait;
        window.RunDueTicks();
        screens.push_back(OnShow(window));
    };
    step({11, 5, 48, 24, 41}, "Deal1", 1250);  // the Jacks of Clubs and Diamonds
    step({16, 33, 47}, "Deal2", 1500);         // kept: the win
    step({2}, "DoubleB", 0);
    step({13, 200}, "Big", 0);                 // a King over a Two: right
    return screens;
}

TEST(Translations, EveryTextOnShowIsTranslatedAndFits) {
    const std::vector<Screen> english = PlayAHand();
    for (const char* language : {"fr", "de", "es"}) {
        SCOPED_TRACE(language);
        RecordingTranslator translator;
        ASSERT_TRUE(translator.catalogue.load(QStringLiteral(":/i18n/velmora_%1").arg(QLatin1String(language))));
        QApplication::installTranslator(&translator);
        const std::vector<Screen> translated = PlayAHand();
        QApplication::removeTranslator(&translator);

        EXPECT_TRUE(translator.missing.isEmpty()) << translator.missing.values().join(QStringLiteral("\n")).toStdString();
        ASSERT_EQ(translated.size(), english.size());
        for (std::size_t i = 0; i < english.size(); ++i) {
            for (const auto& [name, shown] : english[i]) {
                ASSERT_TRUE(translated[i].count(name)) << name.toStdString() << " at step " << i;
                const Shown& there = translated[i].at(name);
                EXPECT_GE(there.points, 0.65 * shown.points) << name.toStdString() << ": " << there.text.toStdString();
                const bool words = shown.text.contains(QRegularExpression(QStringLiteral("[a-z]")));
                if (language == std::string("fr") && words && shown.text != QStringLiteral("OK")) {
                    EXPECT_NE(there.text, shown.text) << name.toStdString() << " left in English";
                }
            }
        }
    }
}

// A word keeps clear of its button's focus ring (4 pixels in, 1 wide, at
// scale 1): three pixels at each side, its letters, centred, inside it.
void ExpectClearOfRing(const WordButton& button) {
    const QFontMetricsF metrics(button.ShownFont());
    const qreal baseline = button.height() / 2.0 - metrics.height() / 2 + metrics.ascent();
    const QRectF letters = metrics.tightBoundingRect(button.Word()).translated(0, baseline);
    EXPECT_LE(metrics.horizontalAdvance(button.Word()), button.width() - 2 * (5 + 3)) << button.Word().toStdString();
    EXPECT_GE(letters.top(), 5) << button.Word().toStdString();
    EXPECT_LE(letters.bottom(), button.height() - 6) << button.Word().toStdString();
}

TEST(Translations, AboutAndButtonsFitEveryLanguage) {
    for (const char* language : {"en", "fr", "de", "es"}) {
        SCOPED_TRACE(language);
        QTranslator translator;
        if (language != std::string("en")) {
            ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/velmora_%1").arg(QLatin1String(language))));
            QApplication::installTranslator(&translator);
        }
        ClockSeededGenerator fallback(3);
        ScriptedRandom random(fallback);
        TableWindow table(random, [] { return Millis(0); });
        AboutWindow about(nullptr);
        std::vector<const WordButton*> buttons;
        for (const QWidget* window : {static_cast<const QWidget*>(&table), static_cast<const QWidget*>(&about)})
            for (const WordButton* button : window->findChildren<WordButton*>()) buttons.push_back(button);
        for (const WordButton* button : buttons) {
            ExpectClearOfRing(*button);
            if (language == std::string("en")) EXPECT_EQ(button->ShownFont().pointSizeF(), 13.5) << button->Word().toStdString();
        }
        // The note wraps within its label, in the design's size or near it.
        const auto* note = about.findChild<CaptionView*>(QStringLiteral("Label5"));
        const QRectF needed = QFontMetricsF(note->ShownFont())
                                  .boundingRect(QRectF(note->rect()), Qt::AlignHCenter | Qt::TextWordWrap, note->Caption());
        EXPECT_LE(needed.height(), note->height()) << note->Caption().toStdString();
        EXPECT_GE(note->ShownFont().pointSizeF(), 0.9 * 8.25) << note->Caption().toStdString();
        QApplication::removeTranslator(&translator);
    }
    // A note longer than its label takes a smaller font, and then fits.
    CaptionView note(QFont(QStringLiteral("DejaVu Sans"), 12), Qt::white, Qt::AlignHCenter, nullptr);
    note.SetWordWrap(true);
    note.setGeometry(0, 0, 120, 40);
    note.SetCaption(QStringLiteral("A long note that needs more lines than the label holds at first."));
    EXPECT_LT(note.ShownFont().pointSizeF(), 12);
    EXPECT_LE(QFontMetricsF(note.ShownFont()).boundingRect(QRectF(0, 0, 118, 40), Qt::TextWordWrap, note.Caption()).height(), 40);
    // The README is named where the installed game keeps it.
    EXPECT_TRUE(ReadmeLocation().endsWith(QStringLiteral("/share/doc/velmora/README.md"))) << ReadmeLocation().toStdString();
}

// In every language the points stand in a column of their own, right-aligned,
// which no hand's name enters; and a win of any size reads in the language.
TEST(Translations, PayLinesAndWinsReadInEveryLanguage) {
    const std::map<std::string, std::vector<QString>> wins = {
        {"en", {QStringLiteral("You Win  3 Points"), QStringLiteral("You Win  16384 Points"), QStringLiteral("Over 1 hand "),
                QStringLiteral("Over 2 hands ")}},
        {"fr", {QStringLiteral("Vous gagnez 3 points"), QStringLiteral("Vous gagnez 16384 points"),
                QStringLiteral("En 1 main,"), QStringLiteral("En 2 mains,")}},
        {"de", {QStringLiteral("Sie gewinnen 3 Punkte"), QStringLiteral("Sie gewinnen 16384 Punkte"),
                QStringLiteral("In 1 Hand "), QStringLiteral("In 2 Händen ")}},
        {"es", {QStringLiteral("Gana 3 puntos"), QStringLiteral("Gana 16384 puntos"), QStringLiteral("En 1 mano,"),
                QStringLiteral("En 2 manos,")}},
    };
    for (const auto& [language, expected] : wins) {
        SCOPED_TRACE(language);
        QTranslator translator;
        if (language != "en") {
            ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/velmora_%1").arg(QString::fromStdString(language))));
            QApplication::installTranslator(&translator);
        }
        EXPECT_EQ(ShownCaption("You Win  3 Points"), expected[0]);
        EXPECT_EQ(ShownCaption("You Win  16384 Points"), expected[1]);
        CreditChart chart(nullptr);
        for (const int hands : {1, 2}) {
            chart.SetCredits(std::vector<double>(std::size_t(hands) + 1, 10.0));
            EXPECT_TRUE(chart.accessibleDescription().startsWith(expected[std::size_t(hands) + 1]))
                << chart.accessibleDescription().toStdString();
        }
        const QStringList lines = ShownPayLines();
        if (language == "en") EXPECT_EQ(lines.front().size(), 19);
        const QRegularExpression line(QStringLiteral("^(\\S.*\\S) +(\\d+)$"));
        for (const QString& text : lines) {
            const QRegularExpressionMatch match = line.match(text);
            ASSERT_TRUE(match.hasMatch()) << text.toStdString();
            EXPECT_EQ(text.size(), lines.front().size()) << text.toStdString();
            EXPECT_LE(match.capturedLength(1), text.size() - 4) << text.toStdString();  // a blank, then "300"'s column
        }
        QApplication::removeTranslator(&translator);
    }
}

// Numbers are written as the language shown writes them, in the region's
// way where the locale speaks that language.
TEST(Translations, NumbersFollowTheLanguageShown) {
    const std::pair<const char*, const char*> cases[] = {
        {"fr_FR", "0,7996"}, {"it_IT", "0.7996"}, {"es_ES", "0,7996"}, {"de_DE", "0,7996"}, {"de_CH", "0.7996"},
    };
    for (const auto& [locale, credits] : cases) {
        SCOPED_TRACE(locale);
        InstallTranslations(QLocale(QString::fromLatin1(locale)));
        EXPECT_EQ(CreditsText(0.79961), QString::fromLatin1(credits));
        for (QTranslator* installed : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) delete installed;
    }
    QLocale::setDefault(QLocale::system());
}

}  // namespace
}  // namespace velmora::ui
