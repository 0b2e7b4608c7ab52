// Velmora: Jacks or Better video poker.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "app/command_line.h"
#include "ui/table_window.h"
#include "ui/trainer.h"
#include "app/translations.h"

namespace {

// While the application starts, Qt's messages are held back: if it cannot
// reach a display it would print several lines and abort with a core dump;
// the game says so in one line instead, then gives Qt's own reason (a
// display it could not connect to, a platform plugin it could not find) on
// a second, and exits with status 1.
std::vector<std::pair<QtMsgType, QString>> heldMessages;
QtMessageHandler defaultHandler = nullptr;

void StartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs("velmora: cannot open a window: no usable display (Velmora needs an X11 or Wayland desktop)\n",
                   stderr);
        QStringList said;
        for (const auto& [heldType, held] : heldMessages) said << held.simplified();
        said << message.simplified();
        said.removeAll(QString());
        std::fprintf(stderr, "velmora: Qt says: %s\n", qPrintable(said.join(QStringLiteral("; "))));
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
    // --help, --version and a bad option are answered before any window-system
    // connection, so they work without a display.
    if (const std::optional<int> status = velmora::app::AnswerCommandLine(argc, argv)) return *status;

    velmora::ui::TableWindow::StartLoadingCardPictures();
    defaultHandler = qInstallMessageHandler(StartUpMessage);
    QApplication app(argc, argv);
    ReleaseHeldMessages();
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.velmora.Velmora"));  // its desktop entry
    velmora::app::InstallTranslations();  // the desktop's language, where the game has it

    velmora::ui::TableWindow window;
    auto* trainer = new velmora::ui::Trainer(window);  // a child of the window
    window.SetPressFilter(trainer->PressFilter());
    window.show();
    return app.exec();
}
