#pragma once

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

namespace velmora::ui {

// A factory of accessible interfaces, as QAccessible::installFactory takes.
using AccessibleFactory = QAccessibleInterface* (*)(const QString& key, QObject* object);
// Installs the factory the first time it is asked for, and only then: each
// widget that needs roles of its own asks for its factory when it is made.
void InstallAccessibleFactory(AccessibleFactory factory);

// Gives the table's own widgets their accessible roles: captions read as
// static text, each card as a graphic through its click area. Installed
// once, by the table window.
void InstallAccessibleRoles();

// What a screen reader says of a widget. Assistive technology hears of it
// only when the words change, not each time the window brings its widgets
// up to date.
void SetSpokenName(QWidget* widget, const QString& name);

// Keeps a widget out of what screen readers read, for what it shows is read
// through another object: a card picture through its click area, a
// figure's title through the figure. For the children of a window that is
// a plain QWidget, as the table and the statistics window are.
void Unspoken(QWidget* widget);

// A text as a screen reader should say it: each run of cards in signs
// ("A♣ A♠") said in words ("Ace of Clubs and Ace of Spades").
QString CardsInWords(const QString& text);
// Gives each label under `widget` whose text shows cards in signs the
// same text in words as its accessible name.
void SpeakCardsInWords(QWidget* widget);

}  // namespace velmora::ui
