// Velmora: Jacks or Better video poker.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/table_window.h"

namespace {

// While the application starts, Qt's messages are held back: if it cannot
// reach a display it would print several lines and abort with a core dump;
// the game says so in one line instead and exits with status 1.
std::vector<std::pair<QtMsgType, QString>> heldMessages;
QtMessageHandler defaultHandler = nullptr;

void StartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs("velmora: cannot open a window: no usable display (Velmora needs an X11 or Wayland desktop)\n",
                   stderr);
        std::_Exit(1);
    }
    (void)context;
    heldMessages.emplace_back(type, message);
}

void ReleaseHeldMessages() {
    qInstallMessageHandler(defaultHandler);
    if (defaultHandler)
        for (const auto& [type, message] : heldMessages) defaultHandler(type, QMessageLogContext(), message);
    heldMessages.clear();
}

}  // namespace

int main(int argc, char* argv[]) {
    defaultHandler = qInstallMessageHandler(StartUpMessage);
    QApplication app(argc, argv);
    ReleaseHeldMessages();
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));  // its desktop entry

    velmora::ui::TableWindow window;
    window.show();
    return app.exec();
}
