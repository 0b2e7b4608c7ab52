#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "ui/translations.h"

namespace velmora::ui {
namespace {

// Qt's own options of a GUI application; the ones with a value first.
constexpr const char* kQtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                               "qwindowgeometry", "qwindowicon", "qwindowtitle", "display",
                                               "geometry", "style", "stylesheet", "session"};
constexpr const char* kQtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;  // nothing to read: the game starts at once
    // A core application only: no window system is reached here.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    InstallTranslations();

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Velmora: Jacks or Better video poker with a big-or-small double-up."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QCoreApplication::translate("CommandLine", "Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = QStringLiteral("velmora");
    if (!parser.parse(QCoreApplication::arguments())) {
        Print(stderr, QCoreApplication::translate("CommandLine", "%1: %2 See %1 --help.\n").arg(program, parser.errorText()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Print(stderr, QCoreApplication::translate("CommandLine", "%1: unexpected argument '%2'. See %1 --help.\n")
                          .arg(program, parser.positionalArguments().first()));
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText() + QCoreApplication::translate("CommandLine",
                                                                      "\nPlay with the mouse or the keyboard; the manual page\n"
                                                                      "velmora(6) and the README explain the game.\n"));
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("velmora %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

}  // namespace velmora::ui
