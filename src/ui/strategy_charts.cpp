#include "ui/strategy_charts.h"

namespace velmora::ui {

StrategyCharts::StrategyCharts(QObject* parent) : QObject(parent) {}

StrategyCharts::~StrategyCharts() {
    if (build_.valid()) build_.wait();
}

void StrategyCharts::Build() {
    if (build_.valid() || charts_) return;
    build_ = std::async(std::launch::async, [this] {
        strategy::Charts charts = strategy::DeriveCharts(strategy::GamePays());
        QMetaObject::invokeMethod(this, &StrategyCharts::Finish, Qt::QueuedConnection);
        return charts;
    });
}

void StrategyCharts::Finish() {
    if (charts_ || !build_.valid()) return;
    charts_ = build_.get();
    emit ready();
}

}  // namespace velmora::ui
