#include "output/commandline.h"

#include "model/malvora1.h"
#include "model/numbertext.h"
#include "output/batchrun.h"
#include "output/observationinput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>

namespace
{

// Exit statuses of the command line, as scripts see them.
enum ExitStatus { Done = 0, Failed = 1, BadUsage = 2 };

class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
  public:
    CommandLine();
    CommandLineRequest read(const QList<QByteArray> &arguments);
    QString helpText() const { return m_parser.helpText(); }

  private:
    QString notAlone(const QCommandLineOption &alone, const char *withOther) const;

    QCommandLineParser m_parser;
    QCommandLineOption m_help, m_version, m_rate, m_initial, m_end, m_output, m_fit, m_zoom;
};

// A plain number in C notation: 12, -0.5, .5, 2.5e-3; no blanks, no
// hexadecimal, no infinity.
bool isPlainNumber(const QString &value)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(
        QStringLiteral("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?")));
    return form.match(value).hasMatch();
}

bool isWhole(const QString &value, double least, double most)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(u"[0-9]+"));
    const auto number = Val(value);
    return form.match(value).hasMatch() && number && *number >= least && *number <= most;
}

bool isEndTime(const QString &value)
{
    return isWhole(value, 0, MALVORA1::MaxEndTime);
}

// The keys of a chart, which a student who does not see it learns here first.
QString chartKeys()
{
    return CommandLine::tr("Keys on a chart, once Tab has reached it:\n"
                           "  Left, Right          the point before or after, read out\n"
                           "  Home, End            the first or the last point\n"
                           "  Page Up, Page Down   several points back or on\n"
                           "  S                    a spoken summary of the chart\n"
                           "  H                    hear the curve as a tone; Escape stops it\n"
                           "  Enter                the large graph window; there, the next chart\n"
                           "  Escape               leave the points\n"
                           "  Shift+F10            the chart's menu (copy, save, keep this run)");
}

/*
 * The bytes of a file option's value (--output, --fit) as the system gave
 * them: the parser reads text, and bytes that are not UTF-8 come back from it
 * as U+FFFD. The arguments are walked as the parser walks them, up to the one
 * option.
 */
QByteArray fileBytes(const QList<QByteArray> &arguments, const QByteArray &option)
{
    const QByteArray valued[] = {"--rate", "--initial", "--end", "--output", "--fit", "--zoom"};
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QByteArray &argument = arguments[k];
        if (argument == "--") break;
        if (argument == option) return arguments.value(k + 1);
        if (argument.startsWith(option + '=')) return argument.mid(option.size() + 1);
        if (std::find(std::begin(valued), std::end(valued), argument) != std::end(valued)) ++k;
    }
    return {};
}

CommandLine::CommandLine()
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help and exit.")),
      m_version({QStringLiteral("v"), QStringLiteral("version")},
                tr("Show the program's name and version and exit.")),
      m_rate(QStringLiteral("rate"),
             tr("Growth rate r, a plain number such as 0.2 or -1.5e-3 (default 0.2)."),
             QStringLiteral("r"), QStringLiteral("0.2")),
      m_initial(QStringLiteral("initial"),
                tr("Initial population size N(0), a plain number such as 10 or 2.5e3 "
                   "(default 10)."),
                QStringLiteral("N0"), QStringLiteral("10")),
      m_end(QStringLiteral("end"),
            tr("End time T, a whole number from 0 to %1 (default 20).")
                .arg(integerText(MALVORA1::MaxEndTime)),
            QStringLiteral("T"), QStringLiteral("20")),
      m_output(QStringLiteral("output"),
               tr("Write the data file of the run to <file>, or to standard output for -. A "
                  "regular file is replaced only once the new one is whole and on the disk, "
                  "keeping its permissions; a FIFO, a terminal or a device such as /dev/stdout "
                  "is written into, waiting as a shell does for a program to read it; a "
                  "symbolic link is followed. A name ending in .xlsx gets a workbook: the "
                  "parameters, the data table's columns as numbers and a chart."),
               QStringLiteral("file")),
      m_fit(QStringLiteral("fit"),
            tr("Read a class's counts from <file> (two columns, time and count, separated by "
               "commas, semicolons or tabs; - for standard input), fit N(t) = N(0) exp(rt) "
               "to them with t counted from the first count, and print r with its standard "
               "error, N(0), the doubling time and R², one a line. The program ships an "
               "example: %1, the decennial counts of the U.S. population, 1790 to 1860 "
               "(source: U.S. Census Bureau decennial census counts).")
                .arg(exampleObservationsPath()),
            QStringLiteral("file")),
      m_zoom(QStringLiteral("zoom"),
             tr("Open the windows at this zoom, a whole number from %1 to %2, for this start "
                "only; without it they open at the zoom last chosen with the keys.")
                 .arg(integerText(CommandLineRequest::LeastZoom),
                      integerText(CommandLineRequest::MostZoom)),
             QStringLiteral("percent"))
{
    m_parser.setApplicationDescription(
        tr("A teaching program about the exponential model of population growth.\n"
           "Without options it opens its window; with --output it writes the data file\n"
           "of one run, exactly as the window's Save does, and opens no window.\n"
           "Each option is given once at most. Numbers are read as the window reads them:\n"
           "a number too small for a double is 0, leading zeros count for nothing.\n\n"
           "Keys in every window:\n"
           "  Ctrl++ or Ctrl+=   zoom in (every window, up to 250 %)\n"
           "  Ctrl+-             zoom out (down to 100 %)\n"
           "  Ctrl+0             back to 100 %\n"
           "The zoom chosen with these keys is kept for the next start.") +
        u'\n' + chartKeys());
    m_parser.addOptions({m_help, m_version, m_rate, m_initial, m_end, m_output, m_fit, m_zoom});
}

// Why an option that goes alone cannot be taken: another option given with
// it (withOther names that one in %1), or an argument; empty when it is alone.
QString CommandLine::notAlone(const QCommandLineOption &alone, const char *withOther) const
{
    for (const QCommandLineOption *option : {&m_rate, &m_initial, &m_end, &m_output, &m_fit})
        if (option != &alone && m_parser.isSet(*option))
            return tr(withOther).arg(option->names().constFirst());
    if (!m_parser.positionalArguments().isEmpty())
        return tr("unexpected argument \"%1\"; see malvora --help")
            .arg(m_parser.positionalArguments().constFirst());
    return {};
}

CommandLineRequest CommandLine::read(const QList<QByteArray> &arguments)
{
    CommandLineRequest request;
    const auto refuse = [&request](const QString &problem) {
        request.problem = problem;
        return request;
    };
    QStringList texts;
    for (const QByteArray &argument : arguments)
        texts.append(QString::fromLocal8Bit(argument));
    if (!m_parser.parse(texts)) return refuse(m_parser.errorText());

    // An option given twice is a script's mistake: neither value is taken.
    const QCommandLineOption *const options[] = {&m_help, &m_version, &m_rate, &m_initial,
                                                 &m_end,  &m_output,  &m_fit,  &m_zoom};
    for (const QCommandLineOption *option : options) {
        qsizetype given = 0;
        for (const QString &name : m_parser.optionNames())
            given += option->names().contains(name);
        if (given > 1)
            return refuse(tr("--%1 is given more than once; give each option once")
                              .arg(option->names().constLast()));
    }
    if (m_parser.isSet(m_help)) {
        request.action = CommandLineRequest::Help;
        return request;
    }
    if (m_parser.isSet(m_version)) {
        request.action = CommandLineRequest::Version;
        return request;
    }
    if (arguments.size() <= 1) {
        request.action = CommandLineRequest::OpenWindows;
        return request;
    }
    if (m_parser.isSet(m_zoom)) {
        const QString zoom = m_parser.value(m_zoom);
        if (const QString problem = notAlone(
                m_zoom, QT_TR_NOOP("--zoom opens the windows and goes with no other option, not "
                                   "with --%1"));
            !problem.isEmpty())
            return refuse(problem);
        if (!isWhole(zoom, CommandLineRequest::LeastZoom, CommandLineRequest::MostZoom))
            return refuse(tr("--zoom must be a whole number from %1 to %2, not \"%3\"")
                              .arg(integerText(CommandLineRequest::LeastZoom),
                                   integerText(CommandLineRequest::MostZoom), zoom));
        request.zoom = int(*Val(zoom));
        request.action = CommandLineRequest::OpenWindows;
        return request;
    }

    if (m_parser.isSet(m_fit)) {
        if (const QString problem = notAlone(
                m_fit, QT_TR_NOOP("--fit reads a file of counts and goes with no other option, "
                                  "not with --%1"));
            !problem.isEmpty())
            return refuse(problem);
        request.input = fileBytes(arguments, "--fit");
        if (request.input.isEmpty())
            return refuse(tr("--fit needs a file name, or - for standard input"));
        request.action = CommandLineRequest::Fit;
        return request;
    }

    const struct {
        const QCommandLineOption &option;
        bool (*isValid)(const QString &);
        QString problem;
        QString *into;
    } checks[] = {
        {m_rate, isPlainNumber,
         tr("--rate must be a plain number such as 0.2 or -1.5e-3, not \"%1\""), &request.rate},
        {m_initial, isPlainNumber,
         tr("--initial must be a plain number such as 10 or 2.5e3, not \"%1\""), &request.initial},
        {m_end, isEndTime,
         tr("--end must be a whole number from 0 to %1, not \"%2\"")
             .arg(integerText(MALVORA1::MaxEndTime)),
         &request.end},
    };
    for (const auto &check : checks) {
        const QString value = m_parser.value(check.option);
        if (!check.isValid(value)) return refuse(check.problem.arg(value));
        // Beyond the double range, where the window refuses to run too.
        if (!Val(value))
            return refuse(tr("--%1 is too large in size to compute with: \"%2\"")
                              .arg(check.option.names().constFirst(), value));
        *check.into = value;
    }

    if (!m_parser.positionalArguments().isEmpty())
        return refuse(tr("unexpected argument \"%1\"; see malvora --help")
                          .arg(m_parser.positionalArguments().constFirst()));
    if (!m_parser.isSet(m_output))
        return refuse(tr("--output is needed: the file to write, or - for standard output; see "
                         "malvora --help"));
    request.output = fileBytes(arguments, "--output");
    if (request.output.isEmpty())
        return refuse(tr("--output needs a file name, or - for standard output"));
    request.action = CommandLineRequest::Write;
    return request;
}

int complain(int status, const QString &problem)
{
    std::fprintf(stderr, "malvora: %s\n", qPrintable(problem));
    return status;
}

int print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    return std::fflush(stdout) == 0 ? Done : Failed;
}

// The fit of a file of counts, one figure a line; a file that cannot be read
// or fitted is a bad argument, as a bad number is.
int printFit(const QByteArray &input)
{
    QString problem;
    const std::optional<QStringList> figures = fitObservationFile(input, &problem);
    if (!figures) return complain(BadUsage, problem);
    return print(figures->join(u'\n') + u'\n');
}

} // namespace

CommandLineRequest readCommandLine(const QList<QByteArray> &arguments)
{
    return CommandLine().read(arguments);
}

int runCommandLine(const QList<QByteArray> &arguments)
{
    CommandLine commandLine;
    const CommandLineRequest request = commandLine.read(arguments);
    QString problem;
    switch (request.action) {
    case CommandLineRequest::Refuse:
        return complain(BadUsage, request.problem);
    case CommandLineRequest::Help:
        return print(commandLine.helpText());
    case CommandLineRequest::Version:
        return print(QCoreApplication::applicationName() + u' ' +
                     QCoreApplication::applicationVersion() + u'\n');
    case CommandLineRequest::Fit:
        return printFit(request.input);
    case CommandLineRequest::OpenWindows: // not for the command line to do
    case CommandLineRequest::Write:
        if (!writeRunData(request.end, request.initial, request.rate, request.output, &problem))
            return complain(Failed, problem);
        break;
    }
    return Done;
}
