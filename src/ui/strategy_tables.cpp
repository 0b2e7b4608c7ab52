#include "ui/strategy_tables.h"

#include "strategy/hold_values.h"

namespace velmora::ui {

StrategyTables::StrategyTables(QObject* parent) : QObject(parent) {}

StrategyTables::~StrategyTables() {
    if (build_.valid()) build_.wait();
}

void StrategyTables::Build() {
    if (build_.valid()) return;
    build_ = std::async(std::launch::async, [this] {
        strategy::WarmUp();
        QMetaObject::invokeMethod(this, &StrategyTables::Finish, Qt::QueuedConnection);
    });
}

void StrategyTables::Wait() {
    Build();
    build_.wait();
    Finish();
}

void StrategyTables::Finish() {
    if (ready_) return;
    ready_ = true;
    emit ready();
}

}  // namespace velmora::ui
