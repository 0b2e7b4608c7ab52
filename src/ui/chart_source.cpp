#include "ui/chart_source.h"

#include <algorithm>

namespace velmora::ui {

ChartSource::ChartSource(QObject* parent) : QObject(parent) {}

ChartSource::~ChartSource() {
    if (work_.valid()) work_.wait();
}

const strategy::Charts* ChartSource::Find(const strategy::Pays& pays) {
    if (const auto found = done_.find(pays.credits); found != done_.end()) return found->second.get();
    const bool asked = (work_.valid() && working_ == pays.credits) ||
                       std::find(waiting_.begin(), waiting_.end(), pays.credits) != waiting_.end();
    if (!asked) waiting_.push_back(pays.credits);
    StartNext();
    return nullptr;
}

const strategy::Charts* ChartSource::Known(const strategy::Pays& pays) const {
    const auto found = done_.find(pays.credits);
    return found != done_.end() ? found->second.get() : nullptr;
}

void ChartSource::StartNext() {
    if (work_.valid() || waiting_.empty()) return;
    working_ = waiting_.front();
    waiting_.erase(waiting_.begin());
    work_ = std::async(std::launch::async, [this, pays = strategy::Pays{working_}] {
        strategy::Charts charts = strategy::DeriveCharts(pays);
        QMetaObject::invokeMethod(this, &ChartSource::Finish, Qt::QueuedConnection);
        return charts;
    });
}

void ChartSource::Finish() {
    done_[working_] = std::make_unique<strategy::Charts>(work_.get());
    StartNext();
    emit ready();
}

}  // namespace velmora::ui
