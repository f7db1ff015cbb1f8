#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The example the program ships: the decennial counts of the U.S. census,
// 1790 to 1860 (U.S. Census Bureau), where the installed program keeps it.
QString exampleObservationsPath();

/*
 * The bytes of a file of counts by its name as the system holds it, "-" for
 * standard input; none, with *problem naming the file and why, when it cannot
 * be read. It blocks until the file is read: windows call it off their thread.
 */
std::optional<QByteArray> readInputFile(const QByteArray &name, QString *problem);

// --fit: the file read, its counts fitted, and the figures one a line in the
// C locale; none, with *problem in one line naming the file (and the line),
// when the file cannot be read or fitted.
std::optional<QStringList> fitObservationFile(const QByteArray &name, QString *problem);
