#pragma once

#include <QObject>
#include <future>
#include <optional>

#include "strategy/chart.h"

namespace velmora::ui {

// The strategy charts of this table's pays (basic, exact and beginner; about
// 1 s to work out in an optimised build). Nothing works them out at start-up:
// the first window that needs them starts the work on a worker thread, and
// the game goes on meanwhile.
class StrategyCharts : public QObject {
    Q_OBJECT
public:
    explicit StrategyCharts(QObject* parent);
    ~StrategyCharts() override;  // waits for the work under way

    // Starts the work unless it has started.
    void Build();
    // Null until the charts are there.
    const strategy::Charts* Get() const { return charts_ ? &*charts_ : nullptr; }

signals:
    // Once, on the GUI thread, when the charts are there.
    void ready();

private:
    void Finish();

    std::future<strategy::Charts> build_;
    std::optional<strategy::Charts> charts_;
};

}  // namespace velmora::ui
