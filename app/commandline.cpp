#include "app/commandline.h"

#include "numora/version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace numora {

namespace {

constexpr int kUsageError = 2;
constexpr int kNoDisplay = 1;

const char kUsage[] =
    "Usage: numora [options]\n"
    "Picks lottery numbers with a lucky number set mixed in.\n"
    "\n"
    "Options:\n"
    "  -h, --help       Show this help and exit.\n"
    "  -v, --version    Show the program's name and version and exit.\n"
    "\n"
    "Qt's options for the program's windows are understood too, among them\n"
    "-platform NAME, -display DISPLAY (X11), -style STYLE and -reverse.\n";

const char kNoDisplayLine[] =
    "numora: no graphical display; Numora is a desktop program: start it in a desktop session, "
    "or on a virtual X display with xvfb-run numora (package xvfb)\n";

const char kDisplayFailedLine[] =
    "numora: the graphical display could not be opened (see above); Numora is a desktop "
    "program: start it in a desktop session, or on a virtual X display with xvfb-run numora "
    "(package xvfb)\n";

// The options QGuiApplication, QApplication and the X11 and Wayland platforms take from the
// command line, so that they reach the application unchanged.
struct QtOption
{
    const char *name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},       {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},         {"qwindowgeometry", true},    {"geometry", true},
    {"qwindowtitle", true},   {"title", true},              {"qwindowicon", true},
    {"icon", true},           {"session", true},            {"display", true},
    {"name", true},           {"visual", true},             {"style", true},
    {"stylesheet", true},     {"qmljsdebugger", true},      {"reverse", false},
    {"nograb", false},        {"dograb", false},            {"sync", false},
    {"widgetcount", false},   {"testability", false},
};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The arguments as typed that name the options the parser did not know.
QStringList unknownArguments(const QStringList &arguments, const QStringList &unknownNames)
{
    QStringList typed;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        QString name = argument;
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        name = name.section(QLatin1Char('='), 0, 0);
        if (argument.startsWith(QLatin1Char('-')) && unknownNames.contains(name))
            typed.append(argument);
    }
    return typed.isEmpty() ? unknownNames : typed;
}

bool hasDisplay(const QCommandLineParser &parser)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !parser.value("platform").isEmpty()
        || !parser.value("display").isEmpty();
#else
    // Windows and macOS always have their desktop.
    Q_UNUSED(parser);
    return true;
#endif
}

QtMessageHandler g_previousHandler = nullptr;

void displayFailureHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // Qt's own advice here (to reinstall the program) does not fit a missing display.
        std::fputs(kDisplayFailedLine, stderr);
        std::fflush(stderr);
        std::_Exit(kNoDisplay);
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    else
        print(stderr, message + QLatin1Char('\n'));
}

} // namespace

std::optional<int> readCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (arguments.isEmpty())
        arguments.append(QStringLiteral("numora"));

    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform, not -p -l -a...).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption &option : kQtOptions) {
        QCommandLineOption qtOption(QString::fromLatin1(option.name));
        if (option.takesValue)
            qtOption.setValueName(QStringLiteral("value"));
        parser.addOption(qtOption);
    }

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            print(stderr, QStringLiteral("numora: unknown option: %1\n")
                              .arg(unknownArguments(arguments, unknown).join(QStringLiteral(", "))));
        else
            print(stderr, QStringLiteral("numora: %1\n").arg(parser.errorText()));
        print(stderr, QString::fromLatin1(kUsage));
        return kUsageError;
    }
    if (parser.isSet(help)) {
        print(stdout, QString::fromLatin1(kUsage));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Numora %1\n").arg(QString::fromLatin1(kVersion)));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("numora: unexpected argument: %1 (Numora takes no files)\n")
                          .arg(parser.positionalArguments().join(QStringLiteral(", "))));
        print(stderr, QString::fromLatin1(kUsage));
        return kUsageError;
    }
    if (!hasDisplay(parser)) {
        std::fputs(kNoDisplayLine, stderr);
        return kNoDisplay;
    }
    return std::nullopt;
}

DisplayFailureGuard::DisplayFailureGuard()
    : m_previous(qInstallMessageHandler(displayFailureHandler))
{
    g_previousHandler = m_previous;
}

DisplayFailureGuard::~DisplayFailureGuard()
{
    qInstallMessageHandler(m_previous);
    g_previousHandler = nullptr;
}

} // namespace numora
