#include "ui/table_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <system_error>

#include "ui/about_window.h"
#include "ui/accessibility.h"
#include "ui/card_names.h"
#include "ui/artwork.h"
#include "ui/caption_text.h"
#include "ui/caption_view.h"
#include "ui/card_view.h"
#include "ui/click_area.h"
#include "ui/font_warm_up.h"
#include "ui/geometry.h"
#include "ui/look.h"
#include "ui/table_design.h"
#include "table/control_table.h"
#include "table/credit_text.h"
#include "ui/window_placement.h"
#include "ui/word_button.h"

namespace velmora::ui {

using pictures::CardPictureLoading;
using pictures::FindCardPictureFile;
using pictures::LoadCardPictures;
namespace {

// A widget's name: its control's, from the table of controls, with the
// slot number for the controls of a card slot.
QString ControlName(std::string_view name, int slot = 0) {
    const QString text = QString::fromLatin1(name.data(), qsizetype(name.size()));
    return slot > 0 ? text + QString::number(slot) : text;
}

// The buttons in their keyboard focus order.
std::vector<const ButtonEntry*> InFocusOrder() {
    std::vector<const ButtonEntry*> order;
    for (const ButtonEntry& entry : kButtons) order.push_back(&entry);
    std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->focusOrder < b->focusOrder; });
    return order;
}

// Loads one picture file on a worker thread, after fontconfig's set-up when
// the game is starting; with no thread to be had (memory is short), on the
// first call to get().
std::future<CardPictures> LoadingInBackground(const std::string& source, bool startingUp = false) {
    auto loading = CardPictureLoading(QString::fromStdString(source));
    if (startingUp) loading = [loading] {
        WarmFonts();
        return loading();
    };
    try {
        return std::async(std::launch::async, loading);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, loading);
    }
}

std::future<CardPictures>& EarlyCardPictures() {
    static std::future<CardPictures> pictures;
    return pictures;
}

}  // namespace

void TableWindow::StartLoadingCardPictures() {
    // Qt takes the first thread that asks for its thread data as the main
    // one: this thread asks before the worker can (its QFile would ask).
    QThread::currentThread();
    EarlyCardPictures() = LoadingInBackground(kCardPictureFile, true);
}

TableWindow::TableWindow(RandomSource& random, Clock clock, QWidget* parent)
    : QWidget(parent), model_(random), clock_(std::move(clock)) {
    realTime_.start();
    if (!clock_) clock_ = [this] { return realTime_.elapsed(); };
    // The card sheet decodes on a worker thread, started by the game before
    // the window system was reached or else now, while the window is built
    // and the font database loads; the first sync waits for it, so the
    // window never shows without its cards. Nothing else reads an image
    // meanwhile (the icon and the captions are drawn, not decoded).
    preloadSource_ = model_.State().Picture[1].PictureSource;
    if (EarlyCardPictures().valid() && preloadSource_ == kCardPictureFile)
        preload_ = std::move(EarlyCardPictures());
    else
        preload_ = LoadingInBackground(preloadSource_);
    InstallAccessibleRoles();
    ticker_.setTimerType(Qt::PreciseTimer);
    ticker_.setSingleShot(true);
    connect(&ticker_, &QTimer::timeout, this, &TableWindow::RunDueTicks);

    setObjectName(QStringLiteral("Poker"));
    setWindowTitle(QStringLiteral("Velmora"));
    setFixedSize(kTableClientSize);
    Build();
    Sync();

    CentreOnScreen(*this);
}

TableWindow::~TableWindow() {
    if (hourglassShown_) QGuiApplication::restoreOverrideCursor();
}

void TableWindow::Build() {
    // One font for the whole pay table, the points in one column: the size
    // at which its widest line fits.
    QFont payFont = FixedPitchFont(12, true);
    const QStringList payLines = ShownPayLines();
    for (const QString& text : payLines) payFont = FitToWidth(payFont, text, PayLineRectOf(kPayLines.front()).width() - 2);
    for (const PayLineEntry& line : kPayLines) {
        auto* label = new CaptionView(payFont, ToQColor(kOrange), Qt::AlignLeft, this);
        label->SetLetterBoxTexts(payLines.join(QString()));
        label->setObjectName(ControlName(line.name));
        label->setGeometry(PayLineRectOf(line));
        labels_[&(model_.State().*line.member)] = label;
    }

    for (int slot = 1; slot <= kSlotCount; ++slot) {
        auto* hold = new CaptionView(SansFont(13.5, true), ToQColor(kDarkRed), Qt::AlignHCenter, this);
        hold->setObjectName(ControlName(kHoldMarkerPrefix, slot));
        hold->setGeometry(HoldRect(slot));
        SetSpokenName(hold, tr("Card %1 is held").arg(slot));
        labels_[&model_.State().Hold[slot]] = hold;

        cards_[slot] = new CardView(this);
        cards_[slot]->setObjectName(ControlName(kPicturePrefix, slot));
        cards_[slot]->setGeometry(CardRect(slot));
        Unspoken(cards_[slot]);  // read through its click area
    }
    // The click areas lie over the cards, so a click anywhere on a card
    // reaches its slot's area.
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        auto* area = new ClickArea(this);
        area->setObjectName(ControlName(kClickAreaPrefix, slot));
        area->setGeometry(ClickAreaRect(slot));
        area->setAccessibleDescription(tr("Click, or press %1, to hold or let go of this card").arg(slot));
        connect(area, &ClickArea::clicked, this, [this, slot] { Deliver([slot](Poker& m) { m.ClickLabel(slot); }); });
        connect(area, &ClickArea::doubleClicked, this, [this, slot] { Deliver([slot](Poker& m) { m.DblClick(slot); }); });
        clickAreas_[slot] = area;
    }

    auto* panel = new CaptionView(SansFont(18, false), ToQColor(kOrange), Qt::AlignHCenter, this);
    panel->setObjectName(ControlName(kPanelName));
    panel->SetLetterBoxTexts(ShownMessages());
    panel->setGeometry(kPanel);
    labels_[&model_.State().Panel] = panel;

    auto* score = new CaptionView(SansFont(24, true), ToQColor(kGreen), Qt::AlignHCenter, this);
    score->setObjectName(ControlName(kScoreName));
    score->setGeometry(kScore);
    labels_[&model_.State().Score] = score;

    QWidget* previous = nullptr;
    for (const ButtonEntry* entry : InFocusOrder()) {
        const ButtonLook& look = LookOf(*entry);
        auto* button = new WordButton(tr(look.word), ToQColor(look.face), this);
        button->setObjectName(ControlName(entry->name));
        button->setGeometry(ButtonRect(look.top));
        const QString key(QLatin1Char(look.key));
        button->setToolTip(tr("%1 (key %2)").arg(tr(look.description), key));
        button->setAccessibleDescription(tr("%1. Key: %2").arg(tr(look.description), key));
        connect(button, &QAbstractButton::clicked, this, [this, entry] { PressButton(*entry); });
        buttons_.emplace_back(entry, button);
        if (previous) setTabOrder(previous, button);
        previous = button;
    }
}

// Keys 1 to 5 act as a click on card 1 to 5, and each button's letter as a
// click on it, with every rule of a click. Other keys go to the focused
// button as usual; Space and Enter do nothing while no button has the focus.
void TableWindow::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int slot = event->key() - Qt::Key_0;
    if (slot >= 1 && slot <= kSlotCount) {
        Deliver([slot](Poker& m) { m.ClickLabel(slot); });
        return;
    }
    for (const auto& [entry, button] : buttons_) {
        const Button& state = model_.State().*entry->member;
        if (event->key() == LookOf(*entry).key && state.Visible && state.Enabled) {
            PressButton(*entry);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TableWindow::paintEvent(QPaintEvent*) {
    // The icon is drawn once the table has shown: the title bar can wait
    // for it, the first paint need not.
    if (!testAttribute(Qt::WA_SetWindowIcon)) QTimer::singleShot(0, this, [this] { setWindowIcon(VelmoraIcon()); });
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

void TableWindow::PressButton(const ButtonEntry& entry) {
    if (!pressFilter_ || pressFilter_(entry)) DeliverClick(entry);
}

void TableWindow::DeliverClick(const ButtonEntry& entry) {
    Deliver([&entry](Poker& m) { m.Click(entry); });
}

void TableWindow::Reschedule() {
    if (const auto due = model_.State().Timers.NextDue())
        ticker_.start(static_cast<int>(std::max<Millis>(0, due->at - Now())));
    else
        ticker_.stop();
}

std::shared_ptr<CardFrames> TableWindow::PicturesFor(const std::string& source) {
    auto& pictures = pictureSets_[source];
    if (!pictures && preload_.valid() && source == preloadSource_)
        pictures = std::make_shared<CardFrames>(preload_.get());
    if (!pictures) {
        // A file that is missing or cannot be read leaves the cards blank;
        // the game goes on all the same.
        const QString path = FindCardPictureFile(QString::fromStdString(source));
        pictures = std::make_shared<CardFrames>(path.isEmpty() ? CardPictures() : LoadCardPictures(path));
    }
    return pictures;
}

void TableWindow::Sync() {
    for (const auto& [label, view] : labels_) {
        view->SetCaption(ShownCaption(label->Caption));
        view->SetBackColor(ToQColor(label->BackColor));
        view->setVisible(label->Visible);
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const CardControl& picture = model_.State().Picture[slot];
        if (picture.PictureSource != cardSources_[slot]) {
            cardSources_[slot] = picture.PictureSource;
            cards_[slot]->SetPictures(PicturesFor(picture.PictureSource));
        }
        cards_[slot]->SetFrame(picture.Frame);
    }
    SyncButtons();
    SyncDescriptions();
    SyncPointer();
    SyncAbout();
    if (model_.State().Ended) {
        ticker_.stop();
        close();
        QCoreApplication::exit(0);
    }
    emit synced();
}

// What assistive technology reads out: each card in words and whether it
// is held, each pay-table line and whether it is lit, the credits and the
// message line; it hears only of the ones that changed.
void TableWindow::SyncDescriptions() {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        QString card = tr("Card %1: %2").arg(slot).arg(CardName(model_.State().Picture[slot].Frame));
        if (model_.State().Hold[slot].Visible) card += tr(", held");
        SetSpokenName(clickAreas_[slot], card);
    }
    for (const PayLineEntry& line : kPayLines) {
        const Label& label = model_.State().*line.member;
        const QString hand = QCoreApplication::translate("Table", std::string(line.hand).c_str());
        QString name = tr("%1, pays %2").arg(hand).arg(line.points);
        if (IsMarked(label)) name += tr(", lit");
        SetSpokenName(labels_[&label], name);
    }
    SetSpokenName(labels_[&model_.State().Score], tr("Credits: %1").arg(model_.Credits()));
    SetSpokenName(labels_[&model_.State().Panel], ShownCaption(model_.State().Panel.Caption));
}

// The buttons' states, and where the keyboard focus goes. The game gives it
// to a button now and then; when a phase changes and the game has asked for
// nothing, the window gives it to the phase's main button (Take, then Big,
// then Deal); a focused button that goes away leaves it with the window
// itself, never with the next button in the Tab order, About or Exit.
void TableWindow::SyncButtons() {
    auto available = [this](const ButtonEntry* entry) {
        const Button& state = model_.State().*entry->member;
        return state.Visible && state.Enabled;
    };
    unsigned onShow = 0;
    for (const auto& [entry, button] : buttons_) {
        if (focusWidget() == button && !available(entry)) setFocus(Qt::OtherFocusReason);
        button->setVisible((model_.State().*entry->member).Visible);
        button->setEnabled((model_.State().*entry->member).Enabled);
        onShow = onShow << 1 | unsigned(available(entry));
    }
    WordButton* focus = nullptr;
    if (model_.State().FocusRequests != focusRequestsSeen_) {
        focus = ButtonOf(model_.State().Focus);
    } else if (onShow != buttonsOnShow_) {
        for (Button PokerState::*preferred : kFocusPreference)
            if (!focus && available(&EntryOf(preferred))) focus = ButtonOf(preferred);
    }
    focusRequestsSeen_ = model_.State().FocusRequests;
    buttonsOnShow_ = onShow;
    if (focus && focus->isEnabled()) focus->setFocus(Qt::OtherFocusReason);
}

WordButton* TableWindow::ButtonOf(Button PokerState::*member) const {
    for (const auto& [entry, button] : buttons_)
        if (entry->member == member) return button;
    return nullptr;
}

void TableWindow::SyncPointer() {
    const bool busy = model_.State().MousePointer == kHourglass;
    if (busy == hourglassShown_) return;
    if (busy) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else QGuiApplication::restoreOverrideCursor();
    hourglassShown_ = busy;
}

void TableWindow::SyncAbout() {
    if (model_.State().AboutOpen && !about_) {
        about_ = new AboutWindow(this);
        about_->setAttribute(Qt::WA_DeleteOnClose);
        connect(about_, &AboutWindow::okRequested, this,
                [this] { Deliver([](Poker& m) { m.ClickOk(); }); });
        about_->show();
    } else if (!model_.State().AboutOpen && about_) {
        about_->close();
        about_ = nullptr;
    }
}

}  // namespace velmora::ui
