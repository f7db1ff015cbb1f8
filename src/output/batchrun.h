#pragma once

#include <QString>
#include <QStringView>

/*
 * The data file of one run, made without a window: Run's computation with
 * the given texts, then the bytes that Save writes, to the file of that name
 * (replaced in one piece, as Save does) or to standard output for "-". On
 * failure nothing is written and *problem says why in one line.
 */
bool writeRunData(QStringView endTime, QStringView initialSize, QStringView rate,
                  const QString &output, QString *problem);
