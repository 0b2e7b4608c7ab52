#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "table/poker.h"
#include "pictures/card_picture_file.h"

namespace velmora {
struct ButtonEntry;
}

namespace velmora::ui {

class AboutWindow;
class CaptionView;
class CardFrames;
class CardView;
class ClickArea;
class WordButton;

// The table window. It owns the game's model, draws it and forwards every
// click, double click, key press and timer tick to it; it keeps no game
// state of its own. Real time drives the model's timers: one precise
// single-shot timer is set to the next tick the model has due.
class TableWindow : public QWidget {
    Q_OBJECT
public:
    // Where the model's time comes from: real milliseconds since the window
    // was made, unless a test gives a clock of its own.
    using Clock = std::function<Millis()>;

    explicit TableWindow(RandomSource& random = ProcessRandom(), Clock clock = {}, QWidget* parent = nullptr);
    // Starts decoding the design state's card pictures on a worker thread,
    // for the next window to take: the game calls it before it reaches the
    // window system, so that the decoding overlaps the start-up.
    static void StartLoadingCardPictures();
    ~TableWindow() override;

    const Poker& Model() const { return model_; }
    Millis Now() const { return clock_(); }
    // Runs the ticks the clock has made due; the window's own timer does the
    // same when real time is the clock.
    void RunDueTicks();
    // A click on a button as the game takes it, asking no filter.
    void DeliverClick(const ButtonEntry& entry);
    // Asked before a click or key press on a button reaches the game: false
    // holds it back. With no filter every press goes through.
    using PressFilter = std::function<bool(const ButtonEntry&)>;
    void SetPressFilter(PressFilter filter) { pressFilter_ = std::move(filter); }

signals:
    // After every event, once the widgets show the model again.
    void synced();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Build();
    void Deliver(const std::function<void(Poker&)>& event);
    // A click or key press on a button: the press filter may hold it back.
    void PressButton(const ButtonEntry& entry);
    void Sync();
    void SyncAbout();
    void SyncButtons();
    WordButton* ButtonOf(Button PokerState::*member) const;
    void SyncPointer();
    void SyncDescriptions();
    void Reschedule();
    std::shared_ptr<CardFrames> PicturesFor(const std::string& source);

    Poker model_;
    QElapsedTimer realTime_;
    Clock clock_;
    QTimer ticker_;

    std::map<std::string, std::shared_ptr<CardFrames>> pictureSets_;
    // The card pictures of the first picture source, decoding on a worker
    // thread while the window is built.
    std::string preloadSource_;
    std::future<pictures::CardPictures> preload_;
    std::vector<std::pair<const ButtonEntry*, WordButton*>> buttons_;  // in focus order
    std::map<const Label*, CaptionView*> labels_;
    Slots<CardView*> cards_{};
    Slots<std::string> cardSources_{};
    Slots<ClickArea*> clickAreas_{};
    QPointer<AboutWindow> about_;
    PressFilter pressFilter_;
    bool hourglassShown_ = false;
    // The window opens with the focus where the model has it.
    unsigned focusRequestsSeen_ = ~0u;
    unsigned buttonsOnShow_ = 0;
};

}  // namespace velmora::ui
