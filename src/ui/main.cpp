// Velmora: Jacks or Better video poker.
#include <QApplication>

#include "ui/table_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("velmora"));

    velmora::ui::TableWindow window;
    window.show();
    return app.exec();
}
