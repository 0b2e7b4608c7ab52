#pragma once

#include <QObject>
#include <future>
#include <map>
#include <memory>

#include "strategy/chart.h"

namespace velmora::ui {

// The strategy charts of each pay table the player asks about, worked out on
// a worker thread (a second or two each), never at start-up and never on
// the GUI thread. One pay table is worked out at a time; the charts found
// are kept for the session.
class ChartSource : public QObject {
    Q_OBJECT
public:
    explicit ChartSource(QObject* parent);
    ~ChartSource() override;  // waits for the work under way

    // The charts of `pays`, or nullptr while they are being worked out (the
    // work starts now unless it has).
    const strategy::Charts* Find(const strategy::Pays& pays);
    // The charts of `pays` if they are there; starts no work.
    const strategy::Charts* Known(const strategy::Pays& pays) const;

signals:
    // On the GUI thread, when the charts of a pay table are there.
    void ready();

private:
    void StartNext();
    void Finish();

    using Key = decltype(strategy::Pays::credits);
    std::map<Key, std::unique_ptr<strategy::Charts>> done_;
    std::vector<Key> waiting_;
    std::future<strategy::Charts> work_;
    Key working_{};
};

}  // namespace velmora::ui
