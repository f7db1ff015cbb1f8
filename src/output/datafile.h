#pragma once

#include "model/filewrite.h"

#include <QByteArray>
#include <QString>

/*
 * The graphic data file of the last run: the header "T","N(t)","DeltaN(t)"
 * and one line t,N(t),N(t+1)-N(t) for t = 0 ... Simut, every line ended by
 * CR LF. Values are rounded to 0.0001 (ties to the even neighbour) and written
 * with a period whatever the locale, without a leading zero (.5, -.25) and
 * without a point when whole.
 *
 * Not a pure function: the lines are counted on the shared i of the model
 * state, which it leaves at Simut + 1.
 */
QByteArray dataFileText();

// Writes the file whole or not at all (model/filewrite.h): the old file of
// that name is replaced only once the new one is complete and on the disk; a
// FIFO or a device is written into, waiting for its reader through `waiting`
// where one is given. On failure *problem says why, for the user.
bool writeDataFile(const QByteArray &fileName, QString *problem, const Waiting &waiting = {});
