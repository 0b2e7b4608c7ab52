// Start-up probe: opens either Velmora's table window or a bare Qt window of
// the same size, and prints the time from process start to the end of the
// first paint, and the peak resident memory at that moment. Both windows are
// built and linked the same way. Used by bench/startup.sh.
//
//   startup_probe table|bare START_NS
//
// START_NS is the launcher's CLOCK_REALTIME reading, in nanoseconds, taken
// just before it started this process.
#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "app/command_line.h"
#include "ui/table_window.h"
#include "ui/trainer.h"
#include "app/translations.h"

namespace {

// Notices the first paint of a window and, once the event loop is back,
// reports and quits.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(long long startNs) : startNs_(startNs) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] { Report(); });
        }
        return false;
    }

private:
    void Report() const {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const long long nowNs = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%.2f ms %ld KiB\n", (nowNs - startNs_) / 1e6, usage.ru_maxrss);
        QCoreApplication::exit(0);
    }

    long long startNs_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 || (std::strcmp(argv[1], "table") != 0 && std::strcmp(argv[1], "bare") != 0)) {
        std::fprintf(stderr, "usage: startup_probe table|bare START_NS\n");
        return 2;
    }
    const bool table = std::strcmp(argv[1], "table") == 0;
    const long long startNs = std::atoll(argv[2]);
    if (table) {
        // As the game starts: its command line read first, without a display.
        char name[] = "velmora";
        char* gameArgv[] = {name, nullptr};
        if (velmora::app::AnswerCommandLine(1, gameArgv)) return 2;
        velmora::ui::TableWindow::StartLoadingCardPictures();
    }
    QApplication app(argc, argv);
    if (table) velmora::app::InstallTranslations();
    FirstPaint firstPaint(startNs);

    std::unique_ptr<QWidget> window;
    if (table) {
        auto tableWindow = std::make_unique<velmora::ui::TableWindow>();
        tableWindow->SetPressFilter((new velmora::ui::Trainer(*tableWindow))->PressFilter());  // as the game has it
        window = std::move(tableWindow);
    } else {
        window = std::make_unique<QWidget>();
        window->setFixedSize(534, 335);
        window->setWindowTitle(QStringLiteral("Bare"));
    }
    window->installEventFilter(&firstPaint);
    window->show();
    return app.exec();
}
