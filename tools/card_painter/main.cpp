// velmora-card-painter OUTPUT_FILE
//
// Paints the game's card pictures and writes them as one PNG picture file
// (see src/pictures/card_picture_file.h for its layout). Runs at build time, with
// no display: the platform is forced to "offscreen" unless already chosen.

#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <optional>

#include "card_sheet.h"
#include "palette.h"

namespace {

using velmora::painter::CardFonts;

// A bold DejaVu face: the file Debian installs, else whatever fontconfig
// knows under that family name. Nothing else will do: the pictures should not
// depend on which fonts happen to be installed.
std::optional<QFont> DejaVuBold(const QString& file, const QString& family) {
    QString found;
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/") + file);
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        found = QFontDatabase::applicationFontFamilies(id).first();
    else if (QFontDatabase::families().contains(family))
        found = family;
    if (found.isEmpty()) return std::nullopt;
    QFont font(found);
    font.setBold(true);
    font.setPixelSize(100);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int Fail(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "velmora-card-painter: %s%s\n", what, qPrintable(detail));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-card-painter OUTPUT_FILE\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString output = QString::fromLocal8Bit(argv[1]);

    const auto sans = DejaVuBold(QStringLiteral("DejaVuSans-Bold.ttf"), QStringLiteral("DejaVu Sans"));
    const auto serif = DejaVuBold(QStringLiteral("DejaVuSerif-Bold.ttf"), QStringLiteral("DejaVu Serif"));
    if (!sans || !serif) return Fail("the DejaVu Sans Bold and DejaVu Serif Bold fonts are needed");
    const CardFonts fonts{*sans, *serif};

    const QImage sheet = velmora::painter::ToPalette(velmora::painter::PaintSheet(fonts));

    // Written beside the target and renamed into place, so a failed run never
    // leaves a half-written picture file behind.
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly)) return Fail("cannot write ", output + QStringLiteral(": ") + file.errorString());
    if (!sheet.save(&file, "PNG")) return Fail("cannot encode the pictures as PNG for ", output);
    if (!file.commit()) return Fail("cannot write ", output + QStringLiteral(": ") + file.errorString());
    return 0;
}
