#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/*
 * The command line: `malvora [--rate r] [--initial N0] [--end T] --output
 * file`, or --help, or --version; or nothing, or `--zoom percent` alone,
 * which open the windows. It is strict, as scripts need: every value
 * is checked before anything is run or written, and a bad one ends the
 * program with status 2 and one line naming the option and what it takes.
 *
 * The rate and the initial size are plain numbers in C notation (12, -0.5,
 * .5, 2.5e-3), read as the window reads them: a number too small for a double
 * is 0, one too large is refused. The end time is whole, 0 to the model's
 * longest, leading zeros allowed. Each option is given once. The output's
 * name is the argument's bytes, exactly.
 */
struct CommandLineRequest {
    enum Action { Write, Fit, Help, Version, Refuse, OpenWindows };
    Action action = Refuse;
    QString problem; // Refuse: the line for standard error
    QString rate, initial, end;
    QByteArray output;
    QByteArray input; // Fit: the file of counts, "-" for standard input
    int zoom = 0;     // OpenWindows: the zoom in percent for this start; 0: the one kept
    static constexpr int LeastZoom = 100, MostZoom = 250; // those of the windows' zoom keys
};

// What the arguments ask for; arguments[0] is the program's name.
CommandLineRequest readCommandLine(const QList<QByteArray> &arguments);

// Does what the arguments ask and returns the exit status: 0 done, 1 the
// run or the file failed, 2 a bad command line.
int runCommandLine(const QList<QByteArray> &arguments);
