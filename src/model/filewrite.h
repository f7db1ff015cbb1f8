#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

/*
 * The one way the program writes a file: the data file of Save and of the
 * command line, a chart's PNG or SVG and the print job's page all go through
 * here, whole or not at all.
 *
 * - A regular file, or a name that does not exist yet, is written as a new
 *   file beside it, synced to the disk, and only then renamed over the old
 *   one, which keeps its permission bits and, where the program may set them,
 *   its owner and group. The new file is the user's alone until then. A
 *   failure, or SIGTERM, SIGINT or SIGHUP ending the program meanwhile,
 *   leaves the old file as it was and nothing beside it.
 * - A file the user may write, in a folder where they may make no file, is
 *   written in place (truncated, written, synced), as a shell's redirection
 *   does. That is not atomic: a failure midway leaves it cut short.
 * - A name that exists but is not a regular file (a FIFO, a terminal or
 *   another device) is opened and written into, never replaced, as a shell's
 *   redirection does. /dev/stdout, /dev/stderr, /dev/fd/N and
 *   /proc/self/fd/N write into the program's own descriptor, as it stands
 *   (appending where the shell opened it so).
 * - A symbolic link is followed, and its target written as above.
 * - In a folder everyone may write with the sticky bit (/tmp), a link, FIFO
 *   or file that someone other than the user or the folder's owner put there
 *   is refused ("Permission denied"), as the system refuses a shell.
 *
 * Without `waiting`, a FIFO with no reader, or a device that takes no bytes
 * for now, is waited for as a shell waits. With it, the writer never waits
 * in the system: it calls `waiting` instead, which returns after a short
 * while, true to try again or false to give up ("Operation canceled").
 *
 * Names are bytes, as the system keeps them. On failure *reason says why in
 * the system's words ("No space left on device", "Is a directory").
 */
using Waiting = std::function<bool()>;
bool writeFile(const QByteArray &name, QByteArrayView bytes, QString *reason,
               const Waiting &waiting = {});

// Every byte into an open descriptor, through short writes and interrupted
// calls, then synced when it is a file on a disk; false with *reason at the
// first failure.
bool writeAll(int descriptor, QByteArrayView bytes, QString *reason);

// A new file without a name in the folder, open for reading and writing,
// that no one else can reach; -1 with *reason when none can be made.
int unnamedFile(const QByteArray &folder, QString *reason);

/*
 * The bytes of a name that the user typed or chose as text. None where the
 * text cannot stand for one name exactly: a name the system holds in bytes
 * that are not UTF-8 reaches the program with U+FFFD in their place, and
 * writing that would write a different file.
 */
std::optional<QByteArray> fileNameBytes(const QString &name);

// A name's bytes as the user reads them in a message.
QString displayName(const QByteArray &name);

// Why a name that fileNameBytes refuses is not written, for the user.
QString unusableNameProblem(const QString &name);

/*
 * At start: a standard stream that the caller closed (`>&-`) is held open on
 * /dev/null, so that no file the program opens later takes its number and
 * receives what was meant for it; writing to it then says it is closed.
 */
void holdStandardStreams();
