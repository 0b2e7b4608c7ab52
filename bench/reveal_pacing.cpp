// Reveal pacing in the real window: over 20 deals, when each card is actually
// painted face up after the click on Deal, against its due time (250, 500,
// 750, 1000 and 1250 ms). Prints the median and worst deviation per card.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise
// (under Xvfb, for instance: QT_QPA_PLATFORM=xcb xvfb-run reveal_pacing).
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "ui/card_view.h"
#include "ui/table_window.h"
#include "ui/trainer.h"

namespace {

using velmora::ui::CardView;
using velmora::ui::TableWindow;

constexpr int kDeals = 20;

// Records, for each slot, when its card view's frame turns to a face (as
// the window syncs with the model after a tick) and when it first paints it.
class PaintClock : public QObject {
public:
    explicit PaintClock(const QElapsedTimer& clock) : clock_(clock) {}
    void Start() {
        paintedAt_.fill(-1);
        changedAt_.fill(-1);
        start_ = clock_.nsecsElapsed();
    }
    void Synced(const QList<CardView*>& views) {
        for (const CardView* view : views) {
            const int slot = view->objectName().back().digitValue();
            if (view->Frame() != 53 && changedAt_[slot - 1] < 0) changedAt_[slot - 1] = clock_.nsecsElapsed() - start_;
        }
    }
    double PaintedMillis(int slot) const { return paintedAt_[slot - 1] / 1e6; }
    double ChangedMillis(int slot) const { return changedAt_[slot - 1] / 1e6; }
    bool AllPainted() const { return std::all_of(paintedAt_.begin(), paintedAt_.end(), [](qint64 t) { return t >= 0; }); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const auto* view = static_cast<CardView*>(watched);
            const int slot = view->objectName().back().digitValue();
            if (view->Frame() != 53 && paintedAt_[slot - 1] < 0) paintedAt_[slot - 1] = clock_.nsecsElapsed() - start_;
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
    qint64 start_ = 0;
    std::array<qint64, 5> paintedAt_{};
    std::array<qint64, 5> changedAt_{};
};

struct Deviations {
    std::array<std::vector<double>, 5> perCard;

    void Print(const char* what) {
        std::printf("%s: deviation from the due time, ms\ncard  due    median   worst\n", what);
        double allWorst = 0;
        std::vector<double> all;
        for (int slot = 1; slot <= 5; ++slot) {
            auto& d = perCard[slot - 1];
            std::sort(d.begin(), d.end());
            const double worst = std::max(std::fabs(d.front()), std::fabs(d.back()));
            allWorst = std::max(allWorst, worst);
            all.insert(all.end(), d.begin(), d.end());
            std::printf("%4d %5d  %+6.2f  %6.2f\n", slot, 250 * slot, d[d.size() / 2], worst);
        }
        std::sort(all.begin(), all.end());
        std::printf("all cards: median %+.2f ms, worst %.2f ms\n\n", all[all.size() / 2], allWorst);
    }
};

void WaitUntil(TableWindow& window, const std::function<bool()>& done) {
    QEventLoop loop;
    QObject::connect(&window, &TableWindow::synced, &loop, [&] {
        if (done()) loop.quit();
    });
    if (!done()) loop.exec();
}

void Click(TableWindow& window, const char* name) { window.findChild<QAbstractButton*>(name)->click(); }

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TableWindow window;
    window.SetPressFilter((new velmora::ui::Trainer(window))->PressFilter());  // as the game has it
    window.show();
    QElapsedTimer clock;
    clock.start();
    PaintClock paints(clock);
    const QList<CardView*> views = window.findChildren<CardView*>();
    for (CardView* view : views) view->installEventFilter(&paints);
    QObject::connect(&window, &TableWindow::synced, [&] { paints.Synced(views); });

    Deviations changed, painted;
    for (int deal = 0; deal < kDeals; ++deal) {
        paints.Start();
        Click(window, "Deal1");
        WaitUntil(window, [&] { return window.Model().State().Deal2.Visible; });
        QCoreApplication::processEvents();  // let the last card paint
        if (!paints.AllPainted()) {
            std::fprintf(stderr, "deal %d: a card was never painted\n", deal + 1);
            return 1;
        }
        for (int slot = 1; slot <= 5; ++slot) {
            changed.perCard[slot - 1].push_back(paints.ChangedMillis(slot) - 250.0 * slot);
            painted.perCard[slot - 1].push_back(paints.PaintedMillis(slot) - 250.0 * slot);
        }

        Click(window, "Deal2");  // draw with the suggested holds, then settle the hand
        WaitUntil(window, [&] { return window.Model().State().Deal1.Visible || window.Model().State().Take.Visible; });
        if (window.Model().State().Take.Visible) Click(window, "Take");
    }

    std::printf("Reveal pacing over %d deals, times after the click on Deal.\n\n", kDeals);
    changed.Print("frame changed");
    painted.Print("card painted");
    return 0;
}
