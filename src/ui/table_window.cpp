#include "ui/table_window.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/about_window.h"
#include "ui/accessibility.h"
#include "ui/card_names.h"
#include "ui/artwork.h"
#include "ui/caption_view.h"
#include "ui/card_view.h"
#include "ui/click_area.h"
#include "ui/geometry.h"
#include "ui/look.h"
#include "rules/pay_table.h"
#include "table/credit_text.h"
#include "ui/word_button.h"

namespace velmora::ui {
namespace {

struct ButtonDesign {
    ButtonName name;
    Control control;
    const char* objectName;
    const char* word;
    Colour face;
    int top;  // twips
    const char* description;  // for assistive technology
};

// In keyboard focus order.
constexpr ButtonDesign kButtons[] = {
    {ButtonName::Deal1, Control::Deal1, "Deal1", "Deal", kOrange, 3060, "Deal a new hand for one credit"},
    {ButtonName::About, Control::About, "About", "About", kLightOrange, 3720, "About Velmora"},
    {ButtonName::Sortie, Control::Sortie, "Sortie", "Exit", kLightOrange, 4380, "End the game"},
    {ButtonName::Small, Control::Small, "Small", "Small", kDarkRed, 1080, "Guess that the next card is smaller"},
    {ButtonName::Big, Control::Big, "Big", "Big", kDarkRed, 1740, "Guess that the next card is bigger"},
    {ButtonName::Take, Control::Take, "Take", "Take", kLightOrange, 2400, "Add the win to the credits"},
    {ButtonName::Deal2, Control::Deal2, "Deal2", "Deal", kOrange, 3060, "Draw: replace every card without HOLD"},
    {ButtonName::Cancel, Control::Cancel, "Cancel", "Cancel", kLightOrange, 1080, "Let go of every held card"},
    {ButtonName::DoubleB, Control::DoubleB, "DoubleB", "Double", kLightOrange, 1740,
     "Risk the win on big-or-small guesses"},
};

struct PayLineDesign {
    Label Poker::*label;
    const char* objectName;
    int left, top;  // twips
};

constexpr PayLineDesign kPayLines[] = {
    {&Poker::Royal, "Royal", 180, 480},     {&Poker::SFlush, "SFlush", 180, 780},
    {&Poker::Kind, "Kind", 180, 1080},      {&Poker::Full, "Full", 180, 1380},
    {&Poker::Flush, "Flush", 3180, 480},    {&Poker::Straight, "Straight", 3180, 780},
    {&Poker::Tree, "Tree", 3180, 1080},     {&Poker::Two, "Two", 3180, 1380},
    {&Poker::Jack, "Jack", 1680, 1680},
};

Control ClickAreaControl(int slot) {
    return static_cast<Control>(static_cast<int>(Control::Label1) + slot - 1);
}

}  // namespace

TableWindow::TableWindow(RandomSource& random, Clock clock, QWidget* parent)
    : QWidget(parent), model_(random), clock_(std::move(clock)) {
    realTime_.start();
    if (!clock_) clock_ = [this] { return realTime_.elapsed(); };
    // The card sheet decodes on a worker thread while the window is built
    // and the font database loads; the first sync waits for it, so the
    // window never shows without its cards. Nothing else reads an image
    // meanwhile (the icon and the captions are drawn, not decoded).
    preloadSource_ = model_.Picture[1].PictureSource;
    const QString path = FindCardPictureFile(QString::fromStdString(preloadSource_));
    preload_ = std::async(std::launch::async, [path] { return path.isEmpty() ? CardPictures() : LoadCardPictures(path); });
    QFontMetrics(SansFont(12, false)).height();
    InstallAccessibleRoles();
    ticker_.setTimerType(Qt::PreciseTimer);
    ticker_.setSingleShot(true);
    connect(&ticker_, &QTimer::timeout, this, &TableWindow::RunDueTicks);

    setObjectName(QStringLiteral("Poker"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(VelmoraIcon());
    setFixedSize(kTableClientSize);
    Build();
    Sync();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

TableWindow::~TableWindow() {
    if (hourglassShown_) QGuiApplication::restoreOverrideCursor();
}

void TableWindow::Build() {
    for (const PayLineDesign& line : kPayLines) {
        auto* label = new CaptionView(FixedPitchFont(12, true), ToQColor(kOrange), Qt::AlignLeft, this);
        label->setObjectName(QString::fromLatin1(line.objectName));
        label->setGeometry(PayLineRect(line.left, line.top));
        labels_[&(model_.*line.label)] = label;
    }

    for (int slot = 1; slot <= kSlotCount; ++slot) {
        auto* hold = new CaptionView(SansFont(13.5, true), ToQColor(kDarkRed), Qt::AlignHCenter, this);
        hold->setObjectName(QStringLiteral("Hold%1").arg(slot));
        hold->setGeometry(HoldRect(slot));
        labels_[&model_.Hold[slot]] = hold;

        cards_[slot] = new CardView(this);
        cards_[slot]->setObjectName(QStringLiteral("Picture%1").arg(slot));
        cards_[slot]->setGeometry(CardRect(slot));
    }
    // The click areas lie over the cards, so a click anywhere on a card
    // reaches its slot's area.
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        auto* area = new ClickArea(this);
        area->setObjectName(QStringLiteral("Label%1").arg(slot));
        area->setGeometry(ClickAreaRect(slot));
        area->setAccessibleDescription(tr("Click, or press %1, to hold or let go of this card").arg(slot));
        connect(area, &ClickArea::clicked, this,
                [this, slot] { Deliver([slot](Poker& m) { m.Click(ClickAreaControl(slot)); }); });
        connect(area, &ClickArea::doubleClicked, this, [this, slot] { Deliver([slot](Poker& m) { m.DblClick(slot); }); });
        clickAreas_[slot] = area;
    }

    auto* panel = new CaptionView(SansFont(18, false), ToQColor(kOrange), Qt::AlignHCenter, this);
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setGeometry(kPanel);
    labels_[&model_.Panel] = panel;

    auto* score = new CaptionView(SansFont(24, true), ToQColor(kGreen), Qt::AlignHCenter, this);
    score->setObjectName(QStringLiteral("Score"));
    score->setGeometry(kScore);
    labels_[&model_.Score] = score;

    QWidget* previous = nullptr;
    for (const ButtonDesign& design : kButtons) {
        auto* button = new WordButton(QString::fromLatin1(design.word), ToQColor(design.face), this);
        button->setObjectName(QString::fromLatin1(design.objectName));
        button->setGeometry(ButtonRect(design.top));
        button->setAccessibleDescription(tr(design.description));
        const Control control = design.control;
        connect(button, &QAbstractButton::clicked, this,
                [this, control] { Deliver([control](Poker& m) { m.Click(control); }); });
        buttons_[design.name] = button;
        if (previous) setTabOrder(previous, button);
        previous = button;
    }
}

// Keys 1 to 5 act as a click on card 1 to 5, with every rule of a click.
// Other keys go to the focused button as usual.
void TableWindow::keyPressEvent(QKeyEvent* event) {
    const int slot = event->key() - Qt::Key_0;
    if (slot >= 1 && slot <= kSlotCount && !event->isAutoRepeat()) {
        Deliver([slot](Poker& m) { m.Click(ClickAreaControl(slot)); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void TableWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(kRightPanel, ToQColor(kLightGrey));  // Shape1
    PaintScoreWord(painter, kScoreWord);                  // ImaScore
}

// Every event reaches the model the same way: first the ticks that real
// time has made due, then the event itself; then the widgets are brought up
// to date and the next tick is scheduled.
void TableWindow::Deliver(const std::function<void(Poker&)>& event) {
    model_.AdvanceTo(Now());
    event(model_);
    Sync();
    Reschedule();
}

void TableWindow::RunDueTicks() {
    Deliver([](Poker&) {});
}

void TableWindow::Reschedule() {
    if (const auto due = model_.Timers.NextDue())
        ticker_.start(static_cast<int>(std::max<Millis>(0, due->at - Now())));
    else
        ticker_.stop();
}

std::shared_ptr<const CardPictures> TableWindow::PicturesFor(const std::string& source) {
    auto& pictures = pictureSets_[source];
    if (!pictures && preload_.valid() && source == preloadSource_)
        pictures = std::make_shared<const CardPictures>(preload_.get());
    if (!pictures) {
        // A file that is missing or cannot be read leaves the cards blank;
        // the game goes on all the same.
        const QString path = FindCardPictureFile(QString::fromStdString(source));
        pictures = std::make_shared<const CardPictures>(path.isEmpty() ? CardPictures() : LoadCardPictures(path));
    }
    return pictures;
}

void TableWindow::Sync() {
    for (const auto& [label, view] : labels_) {
        view->SetCaption(QString::fromStdString(label->Caption));
        view->SetBackColor(ToQColor(label->BackColor));
        view->setVisible(label->Visible);
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const CardControl& picture = model_.Picture[slot];
        if (picture.PictureSource != cardSources_[slot]) {
            cardSources_[slot] = picture.PictureSource;
            cards_[slot]->SetPictures(PicturesFor(picture.PictureSource));
        }
        cards_[slot]->SetFrame(picture.Frame);
    }
    for (const auto& [name, button] : buttons_) {
        const Button& state = model_.ButtonNamed(name);
        button->setVisible(state.Visible);
        button->setEnabled(state.Enabled);
    }
    if (model_.FocusRequests != focusRequestsSeen_) {
        focusRequestsSeen_ = model_.FocusRequests;
        buttons_[model_.Focus]->setFocus(Qt::OtherFocusReason);
    }
    SyncDescriptions();
    SyncPointer();
    SyncAbout();
    if (model_.Ended) {
        ticker_.stop();
        close();
        QCoreApplication::exit(0);
    }
    emit synced();
}

// What assistive technology reads out: each card in words and whether it
// is held, each pay-table line and whether it is lit, the credits and the
// message line.
void TableWindow::SyncDescriptions() {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        QString card = tr("Card %1: %2").arg(slot).arg(CardName(model_.Picture[slot].Frame));
        if (model_.Hold[slot].Visible) card += tr(", held");
        cards_[slot]->setAccessibleName(card);
        clickAreas_[slot]->setAccessibleName(card);
    }
    for (const PayLine& line : kPayTable) {
        const Label& label = model_.*line.label;
        QString name = tr("%1, pays %2").arg(QString::fromLatin1(line.name)).arg(line.points);
        if (IsMarked(label)) name += tr(", lit");
        labels_[&label]->setAccessibleName(name);
    }
    labels_[&model_.Score]->setAccessibleName(tr("Credits: %1").arg(ReadCredits(model_.Score.Caption)));
    labels_[&model_.Panel]->setAccessibleName(QString::fromStdString(model_.Panel.Caption));
}

void TableWindow::SyncPointer() {
    const bool busy = model_.MousePointer == kHourglass;
    if (busy == hourglassShown_) return;
    if (busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else QGuiApplication::restoreOverrideCursor();
    hourglassShown_ = busy;
}

void TableWindow::SyncAbout() {
    if (model_.AboutOpen && !about_) {
        about_ = new AboutWindow(this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
        connect(about_, &AboutWindow::okRequested, this,
                [this] { Deliver([](Poker& m) { m.Click(Control::cmdOk); }); });
        about_->show();
    } else if (!model_.AboutOpen && about_) {
        about_->close();
        about_ = nullptr;
    }
}

}  // namespace velmora::ui
