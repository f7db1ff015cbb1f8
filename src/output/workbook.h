#pragma once

#include "model/keptruns.h"

#include <QByteArray>
#include <QString>

#include <span>

struct ObservationSet;

/*
 * The workbook of "Save as spreadsheet…" and of --output NAME.xlsx, an Office
 * Open XML file that spreadsheets read as numbers whatever their language:
 * one sheet a run, the first the run shown, then each kept run. A sheet holds
 * the run's r, N(0) and T at the top, then the data table's seven columns
 * under a header row that stays in view, each value a number with all of its
 * double's digits, shown with the table's decimals (0.01 or 0.0001), and a
 * line chart of N(t) and of the difference form. Where there are
 * observations, a last sheet holds them, the fitted counts and the fit.
 */
QByteArray workbookBytes(std::span<const RunSeries> runs, const ObservationSet *observed,
                         QString *problem);

// Whether a name asks for a workbook: it ends in .xlsx, in any case.
bool isWorkbookName(const QByteArray &fileName);

// The workbook written through the program's one writer (model/filewrite.h),
// whole or not at all; on failure *problem says why, for the user.
bool writeWorkbook(const QByteArray &fileName, std::span<const RunSeries> runs,
                   const ObservationSet *observed, QString *problem);
