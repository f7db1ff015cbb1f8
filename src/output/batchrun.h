#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

/*
 * The data file of one run, made without a window: Run's computation with
 * the given texts, then the bytes that Save writes, to the file of that name
 * (written as Save writes it, model/filewrite.h) or to standard output for
 * "-"; a name ending in .xlsx gets the run's workbook instead (output/workbook.h). The name is
 * bytes, used exactly as given. On failure nothing is written and *problem says why in one line.
 */
bool writeRunData(QStringView endTime, QStringView initialSize, QStringView rate,
                  const QByteArray &output, QString *problem);
