#pragma once

#include <QObject>
#include <future>

namespace velmora::ui {

// The strategy tables the advisor reads (11 MiB; about 0.1 s to build in an
// optimised build). Nothing builds them at start-up: the first extra that
// needs them starts the build on a worker thread, and the window goes on
// meanwhile. Once built, the values of a deal take a few microseconds, so
// they are worked out on the GUI thread as the player needs them.
class StrategyTables : public QObject {
    Q_OBJECT
public:
    explicit StrategyTables(QObject* parent);
    ~StrategyTables() override;  // waits for a build under way

    // Starts the build unless it has started.
    void Build();
    bool Ready() const { return ready_; }
    // Builds the tables if need be and waits until they are there.
    void Wait();

signals:
    // Once, on the GUI thread, when the tables are built.
    void ready();

private:
    void Finish();

    std::future<void> build_;
    bool ready_ = false;
};

}  // namespace velmora::ui
