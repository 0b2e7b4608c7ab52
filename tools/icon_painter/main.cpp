// velmora-icon-painter OUTPUT_FILE [SIZE]
//
// Paints the game's icon (the window icon, ui::PaintIcon) as a square PNG of
// SIZE pixels (48 unless given) for the desktop's icon theme. Runs at build
// time, with no display: the platform is forced to "offscreen" unless already
// chosen.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>

#include "ui/artwork.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: velmora-icon-painter OUTPUT_FILE [SIZE]\n");
        return 2;
    }
    const int size = argc == 3 ? std::atoi(argv[2]) : 48;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "velmora-icon-painter: SIZE must be from 16 to 1024 pixels\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString output = QString::fromLocal8Bit(argv[1]);

    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    velmora::ui::PaintIcon(painter, QRectF(0, 0, size, size));
    painter.end();

    // Written beside the target and renamed into place, so a failed run never
    // leaves a half-written icon behind.
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || !icon.save(&file, "PNG") || !file.commit()) {
        std::fprintf(stderr, "velmora-icon-painter: cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
