#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/translations.h"

namespace velmora::app {
namespace {

// Qt's own options of a GUI application; the ones with a value first.
constexpr const char* kQtOptionsWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                               "qwindowgeometry", "qwindowicon", "qwindowtitle", "display",
                                               "geometry", "style", "stylesheet", "session"};
constexpr const char* kQtSwitches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The parser's own words in the help and in its messages, which Qt's
// translations may lack: the game's catalogue carries them too.
[[maybe_unused]] constexpr const char* kParserWords[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

const QString kProgram = QStringLiteral("velmora");

// Writes the whole text and flushes it; false, with errno saying why, when
// the stream would not take it.
bool Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size());
    return std::fflush(stream) == 0 && written;
}

// An answer on standard output: status 0, or 1 with the reason on standard
// error when it could not be written (a full disk, a closed pipe).
int Answer(const QString& text) {
    if (Print(stdout, text)) return 0;
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    Print(stderr, QCoreApplication::translate("CommandLine", "%1: cannot write the output: %2\n").arg(kProgram, reason));
    return 1;
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

    if (!parser.parse(QCoreApplication::arguments())) {
        Print(stderr, QCoreApplication::translate("CommandLine", "%1: %2 See %1 --help.\n").arg(kProgram, parser.errorText()));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        Print(stderr, QCoreApplication::translate("CommandLine", "%1: unexpected argument '%2'. See %1 --help.\n")
                          .arg(kProgram, parser.positionalArguments().first()));
        return 2;
    }
    if (parser.isSet(help)) {
        return Answer(parser.helpText() + QCoreApplication::translate("CommandLine",
                                                                      "\nPlay with the mouse or the keyboard; the manual page\n"
                                                                      "velmora(6) and the README explain the game.\n"));
    }
    if (parser.isSet(version)) return Answer(QStringLiteral("velmora %1\n").arg(QCoreApplication::applicationVersion()));
    return std::nullopt;
}

}  // namespace velmora::app
