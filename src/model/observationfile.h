#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// One count of a class's experiment: the time it was taken and what was counted.
struct Observation {
    double time = 0;
    double count = 0;
};

/*
 * A class's file of counts: two columns, time and count, one observation a
 * line, in the order of the file.
 *
 * - The separator is the first of tab, semicolon or comma that the first line
 *   holds (a comma where it holds none). In a tab or semicolon file a comma
 *   in a number is its decimal point ("2,5"), as spreadsheets write it where
 *   the language has a decimal comma; a period is one everywhere.
 * - A first line in which no cell is a number is the columns' header.
 * - UTF-8, with or without a byte-order mark; lines end in LF or CR LF.
 *   Blank lines hold nothing and are passed over.
 * - Numbers are plain decimals, with an optional sign and power of ten
 *   (12, -0.5, 2.5e3), blanks and one pair of double quotes around them
 *   allowed; no thousands separators.
 *
 * Any other line is refused with its line number, and with it the whole file:
 * no line is dropped without a word. Counts of 0 or below are read as they
 * stand; the fit leaves them out and says so.
 */
struct ObservationFile {
    std::vector<Observation> observations;
    int refusedLine = 0; // 1 for the first line; 0 when every line was read
    QString problem;     // for the user, naming the file; empty when read
};

ObservationFile readObservations(QByteArrayView bytes, const QString &fileName);
