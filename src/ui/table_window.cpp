#include "ui/table_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/about_window.h"
#include "ui/artwork.h"
#include "ui/caption_view.h"
#include "ui/card_view.h"
#include "ui/click_area.h"
#include "ui/geometry.h"
#include "ui/look.h"
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
};

// In keyboard focus order.
constexpr ButtonDesign kButtons[] = {
    {ButtonName::Deal1, Control::Deal1, "Deal1", "Deal", kOrange, 3060},
    {ButtonName::About, Control::About, "About", "About", kLightOrange, 3720},
    {ButtonName::Sortie, Control::Sortie, "Sortie", "Exit", kLightOrange, 4380},
    {ButtonName::Small, Control::Small, "Small", "Small", kDarkRed, 1080},
    {ButtonName::Big, Control::Big, "Big", "Big", kDarkRed, 1740},
    {ButtonName::Take, Control::Take, "Take", "Take", kLightOrange, 2400},
    {ButtonName::Deal2, Control::Deal2, "Deal2", "Deal", kOrange, 3060},
    {ButtonName::Cancel, Control::Cancel, "Cancel", "Cancel", kLightOrange, 1080},
    {ButtonName::DoubleB, Control::DoubleB, "DoubleB", "Double", kLightOrange, 1740},
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

TableWindow::TableWindow(RandomSource& random, QWidget* parent) : QWidget(parent), model_(random) {
    clock_.start();
    ticker_.setTimerType(Qt::PreciseTimer);
    ticker_.setSingleShot(true);
    connect(&ticker_, &QTimer::timeout, this, [this] { Deliver([](Poker&) {}); });

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
        const Control control = design.control;
        connect(button, &QAbstractButton::clicked, this,
                [this, control] { Deliver([control](Poker& m) { m.Click(control); }); });
        buttons_[design.name] = button;
        if (previous) setTabOrder(previous, button);
        previous = button;
    }
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

void TableWindow::Reschedule() {
    if (const auto due = model_.Timers.NextDue())
        ticker_.start(static_cast<int>(std::max<Millis>(0, due->at - Now())));
    else
        ticker_.stop();
}

std::shared_ptr<const CardPictures> TableWindow::PicturesFor(const std::string& source) {
    auto& pictures = pictureSets_[source];
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
    SyncPointer();
    SyncAbout();
    if (model_.Ended) {
        ticker_.stop();
        close();
        QCoreApplication::exit(0);
    }
    emit synced();
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
