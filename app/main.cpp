#include "forms/forms.h"
#include "forms/platform.h"
#include "model/malvora1.h"
#include "output/batchrun.h"
#include "windows/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <langinfo.h>
#include <strings.h>

namespace
{

// Exit statuses of the command line, as scripts see them.
enum ExitStatus { Done = 0, Failed = 1, BadUsage = 2 };

int complain(int status, const QString &problem)
{
    std::fprintf(stderr, "malvora: %s\n", qPrintable(problem));
    return status;
}

// A plain number in C notation: 12, -0.5, .5, 2.5e-3; no blanks, no
// hexadecimal, no infinity, nothing beyond the double range.
bool isPlainNumber(const QString &value)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(
        QStringLiteral("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?")));
    bool ok = false;
    return form.match(value).hasMatch() && std::isfinite(value.toDouble(&ok)) && ok;
}

bool isEndTime(const QString &value)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(u"[0-9]{1,4}"));
    return form.match(value).hasMatch() && value.toInt() <= MALVORA1::MaxEndTime;
}

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
  public:
    static int run(const QStringList &arguments);
};

/*
 * The command line is strict, as scripts need: every value is checked before
 * anything is run or written, and a bad one ends the program with status 2
 * and one line naming the option and the form it takes.
 */
int CommandLine::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("A teaching program about the exponential model of population growth.\n"
           "Without options it opens its window; with --output it writes the data file "
           "of one run, exactly as the window's Save does, and opens no window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption rate(QStringLiteral("rate"), tr("Growth rate r (default 0.2)."),
                                  QStringLiteral("r"), QStringLiteral("0.2"));
    const QCommandLineOption initial(QStringLiteral("initial"),
                                     tr("Initial population size N(0) (default 10)."),
                                     QStringLiteral("N0"), QStringLiteral("10"));
    const QCommandLineOption end(
        QStringLiteral("end"),
        tr("End time T, a whole number from 0 to %1 (default 20).").arg(MALVORA1::MaxEndTime),
        QStringLiteral("T"), QStringLiteral("20"));
    const QCommandLineOption output(
        QStringLiteral("output"),
        tr("Write the data file of the run to <file>, or to standard output for -."),
        QStringLiteral("file"));
    parser.addOptions({rate, initial, end, output});

    if (!parser.parse(arguments)) return complain(BadUsage, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(Done);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    const struct {
        const QCommandLineOption &option;
        bool (*isValid)(const QString &);
        QString problem;
    } checks[] = {
        {rate, isPlainNumber,
         tr("--rate must be a plain number such as 0.2 or -1.5e-3, not \"%1\"")},
        {initial, isPlainNumber,
         tr("--initial must be a plain number such as 10 or 2.5e3, not \"%1\"")},
        {end, isEndTime,
         tr("--end must be a whole number from 0 to %1, not \"%2\"").arg(MALVORA1::MaxEndTime)},
    };
    for (const auto &check : checks) {
        const QString value = parser.value(check.option);
        if (!check.isValid(value)) return complain(BadUsage, check.problem.arg(value));
    }

    if (!parser.positionalArguments().isEmpty())
        return complain(BadUsage, tr("unexpected argument \"%1\"; see malvora --help")
                                      .arg(parser.positionalArguments().constFirst()));
    if (!parser.isSet(output))
        return complain(BadUsage, tr("--output is needed: the file to write, or - for "
                                     "standard output; see malvora --help"));
    QString problem;
    if (!writeRunData(parser.value(end), parser.value(initial), parser.value(rate),
                      parser.value(output), &problem))
        return complain(Failed, problem);
    return Done;
}

/*
 * Qt reads and writes file names and text in UTF-8, and when the environment
 * names another character type (LANG=C, LC_ALL=POSIX, no locale at all) it
 * switches to UTF-8 itself with a warning of several lines on standard error,
 * which a script reading the command line's one line of error does not want.
 * So the program chooses the UTF-8 character type first and keeps every other
 * category the user's environment names: in the environment, which Qt reads
 * again, and in the C library, which keeps it when the environment names a
 * locale this machine does not have.
 */
void chooseUtf8CharacterType()
{
    std::setlocale(LC_ALL, "");
    const char *codeset = nl_langinfo(CODESET);
    if (strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0) return;
    // LC_ALL outranks LC_CTYPE: its value goes to every other category instead.
    if (const char *all = std::getenv("LC_ALL"); all && *all) {
        const std::string value = all;
        for (const char *category :
             {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME"})
            setenv(category, value.c_str(), 1);
        unsetenv("LC_ALL");
    }
    setenv("LC_CTYPE", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

} // namespace

int main(int argc, char *argv[])
{
    chooseUtf8CharacterType();
    QCoreApplication::setApplicationName(QStringLiteral("Malvora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MALVORA_VERSION));
    // Any argument makes this a command-line run, which needs no display.
    if (argc > 1) {
        const QCoreApplication core(argc, argv);
        return CommandLine::run(QCoreApplication::arguments());
    }

    // The program keeps nothing between runs: what the toolkit's own dialogs
    // would remember (the save dialog's last folder and view) lives only as
    // long as this run.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

    const QByteArray platform = platformFor(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    app.setDesktopFileName(QStringLiteral("malvora"));
    // The program ends only by its own two ways out, never by a window closing last.
    app.setQuitOnLastWindowClosed(false);
    Form1::start();
    const int status = app.exec();
    Forms::unloadAll();
    return status;
}
