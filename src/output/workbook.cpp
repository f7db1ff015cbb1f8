#include "output/workbook.h"

#include "model/filewrite.h"
#include "model/observations.h"
#include "output/datatablemodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <xlsxwriter.h>

namespace
{

// The context of the workbook's texts, for translators.
class Workbook
{
    Q_DECLARE_TR_FUNCTIONS(Workbook)
};

// Rows of a run's sheet: the parameters, a blank row, the header, the steps.
constexpr lxw_row_t HeaderRow = 4, FirstStep = 5;
constexpr lxw_col_t ChartColumn = 8;

struct Formats {
    lxw_format *bold, *whole, *hundredths, *tenThousandths;
};

Formats formatsOf(lxw_workbook *book)
{
    Formats formats{};
    formats.bold = workbook_add_format(book);
    format_set_bold(formats.bold);
    formats.whole = workbook_add_format(book);
    format_set_num_format(formats.whole, "0");
    formats.hundredths = workbook_add_format(book);
    format_set_num_format(formats.hundredths, "0.00");
    formats.tenThousandths = workbook_add_format(book);
    format_set_num_format(formats.tenThousandths, "0.0000");
    return formats;
}

void writeText(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, const QString &text,
               lxw_format *format = nullptr)
{
    worksheet_write_string(sheet, row, column, text.toUtf8().constData(), format);
}

// A quotient of the table where N(t) is 0 has no value: its cell stays empty,
// with the column's format for a value typed into it.
void writeQuotient(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, double over, double under,
                   lxw_format *format)
{
    if (under != 0)
        worksheet_write_number(sheet, row, column, over / under, format);
    else
        worksheet_write_blank(sheet, row, column, format);
}

void writeParameters(lxw_worksheet *sheet, const RunSeries &run, const Formats &formats)
{
    //: In the workbook, beside the run's growth rate
    writeText(sheet, 0, 0, Workbook::tr("Growth rate r"), formats.bold);
    worksheet_write_number(sheet, 0, 1, run.rate, nullptr);
    //: In the workbook, beside the run's initial size
    writeText(sheet, 1, 0, Workbook::tr("Initial size N(0)"), formats.bold);
    worksheet_write_number(sheet, 1, 1, run.initialSize(), nullptr);
    //: In the workbook, beside the run's end time
    writeText(sheet, 2, 0, Workbook::tr("End time T"), formats.bold);
    worksheet_write_number(sheet, 2, 1, run.endTime, formats.whole);
}

// N(t) and the difference form against the time, beside the table.
void addChart(lxw_workbook *book, lxw_worksheet *sheet, const QByteArray &sheetName,
              lxw_row_t lastRow)
{
    lxw_chart *chart = workbook_add_chart(book, LXW_CHART_LINE);
    for (const lxw_col_t column : {lxw_col_t(1), lxw_col_t(6)}) {
        lxw_chart_series *series = chart_add_series(chart, nullptr, nullptr);
        chart_series_set_categories(series, sheetName.constData(), FirstStep, 0, lastRow, 0);
        chart_series_set_values(series, sheetName.constData(), FirstStep, column, lastRow, column);
        chart_series_set_name_range(series, sheetName.constData(), HeaderRow, column);
    }
    chart_title_set_name(chart, "N(t)");
    chart_axis_set_name(chart->x_axis, DataTableModel::timeHeader().toUtf8().constData());
    worksheet_insert_chart(sheet, HeaderRow, ChartColumn, chart);
}

void addRunSheet(lxw_workbook *book, const RunSeries &run, const QString &name,
                 const Formats &formats)
{
    const QByteArray sheetName = name.toUtf8();
    lxw_worksheet *sheet = workbook_add_worksheet(book, sheetName.constData());
    writeParameters(sheet, run, formats);
    writeText(sheet, HeaderRow, 0, DataTableModel::timeHeader(), formats.bold);
    for (int c = 0; c < DataTableModel::ValueColumns; ++c)
        writeText(sheet, HeaderRow, lxw_col_t(c + 1), DataTableModel::header(c), formats.bold);
    worksheet_set_column(sheet, 1, 6, 20, nullptr);
    worksheet_freeze_panes(sheet, FirstStep, 0);
    const int last = std::max<int>(run.endTime, 0);
    for (int t = 0; t <= last; ++t) {
        const auto k = size_t(t);
        const lxw_row_t row = FirstStep + lxw_row_t(t);
        worksheet_write_number(sheet, row, 0, t, formats.whole);
        worksheet_write_number(sheet, row, 1, run.Nt[k], formats.hundredths);
        worksheet_write_number(sheet, row, 2, run.DeltaN[k], formats.hundredths);
        writeQuotient(sheet, row, 3, run.DeltaN[k], run.Nt[k], formats.tenThousandths);
        worksheet_write_number(sheet, row, 4, run.dNdt[k], formats.hundredths);
        writeQuotient(sheet, row, 5, run.dNdt[k], run.Nt[k], formats.tenThousandths);
        worksheet_write_number(sheet, row, 6, run.NtDifference[k], formats.hundredths);
    }
    addChart(book, sheet, sheetName, FirstStep + lxw_row_t(last));
}

// The class's counts with the fitted count at each time, and the fit beside them.
void addObservationsSheet(lxw_workbook *book, const ObservationSet &observed,
                          const Formats &formats)
{
    //: The name of the workbook's sheet of a class's counts
    lxw_worksheet *sheet =
        workbook_add_worksheet(book, Workbook::tr("Observed").toUtf8().constData());
    worksheet_freeze_panes(sheet, 1, 0);
    writeText(sheet, 0, 0, DataTableModel::timeHeader(), formats.bold);
    //: Column headers of the workbook's sheet of counts
    writeText(sheet, 0, 1, Workbook::tr("Count"), formats.bold);
    writeText(sheet, 0, 2, Workbook::tr("Fitted count"), formats.bold);
    writeText(sheet, 0, 4, observed.fileName, formats.bold);
    // The fit beside the counts; rows are written in order, as the library
    // keeps them row by row.
    const QStringList figures =
        observed.fit ? fitFigures(*observed.fit, QLocale::c()) : QStringList{observed.fitProblem};
    const std::vector<Observation> &counts = observed.observations;
    const size_t rows = std::max(counts.size(), size_t(figures.size()));
    for (size_t k = 0; k < rows; ++k) {
        const auto row = lxw_row_t(k + 1);
        if (k < counts.size()) {
            worksheet_write_number(sheet, row, 0, counts[k].time, nullptr);
            worksheet_write_number(sheet, row, 1, counts[k].count, nullptr);
            if (observed.fit)
                worksheet_write_number(sheet, row, 2, observed.fitted(counts[k].time), nullptr);
        }
        if (k < size_t(figures.size())) writeText(sheet, row, 4, figures[qsizetype(k)]);
    }
}

QString workbookProblem(lxw_error error)
{
    //: %1 is the spreadsheet library's reason, in English
    return Workbook::tr("The workbook cannot be made: %1.")
        .arg(QString::fromUtf8(lxw_strerror(error)));
}

} // namespace

QByteArray workbookBytes(std::span<const RunSeries> runs, const ObservationSet *observed,
                         QString *problem)
{
    // The library writes a named file only: one in a folder of this program's own,
    // where it also keeps its rows as it goes, row by row, rather than hold
    // every cell of five sheets in memory until the end.
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("workbook.xlsx"));
    QByteArray scratch = QFile::encodeName(folder.path());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = scratch.data();
    lxw_workbook *book = folder.isValid()
                             ? workbook_new_opt(QFile::encodeName(path).constData(), &options)
                             : nullptr;
    if (!book) {
        *problem = workbookProblem(LXW_ERROR_CREATING_TMPFILE);
        return {};
    }
    const Formats formats = formatsOf(book);
    for (size_t k = 0; k < runs.size(); ++k)
        //: The names of the workbook's sheets: the run shown, then each kept run
        addRunSheet(book, runs[k],
                    k == 0 ? Workbook::tr("Run") : Workbook::tr("Kept run %1").arg(k), formats);
    if (observed && !observed->isEmpty()) addObservationsSheet(book, *observed, formats);
    if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR) {
        *problem = workbookProblem(error);
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = workbookProblem(LXW_ERROR_CREATING_TMPFILE);
        return {};
    }
    return file.readAll();
}

bool isWorkbookName(const QByteArray &fileName)
{
    return fileName.toLower().endsWith(".xlsx");
}

bool writeWorkbook(const QByteArray &fileName, std::span<const RunSeries> runs,
                   const ObservationSet *observed, QString *problem)
{
    const QByteArray bytes = workbookBytes(runs, observed, problem);
    if (bytes.isEmpty()) return false;
    QString reason;
    if (writeFile(fileName, bytes, &reason)) return true;
    *problem = QCoreApplication::translate("DataFile", "Cannot write %1:\n%2.")
                   .arg(QDir::toNativeSeparators(displayName(fileName)), reason);
    return false;
}
