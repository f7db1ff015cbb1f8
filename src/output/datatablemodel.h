#pragma once

#include "model/keptruns.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <memory>
#include <optional>
#include <vector>

class QMimeData;

/*
 * The data table's grid: one row per time step t = 0 ... Simut of the last
 * run, the time as the row's header and six value columns:
 *
 *   N(t)                rounded to 0.01
 *   N(t+1)-N(t)         rounded to 0.01
 *   [N(t+1)-N(t)]/N(t)  rounded to 0.0001
 *   dN(t) = r N(t)      rounded to 0.01
 *   dN(t)/N(t)          rounded to 0.0001
 *   N(t) of the difference form, rounded to 0.01
 *
 * The two quotients are taken in double precision from the stored series;
 * where N(t) is 0 they have no value and the cell stays empty. Rounding is
 * x * scale to the nearest whole number, ties to the even neighbour, divided
 * back, and holds for values of any size.
 *
 * fill() takes a copy of the series, so the table goes on showing that run
 * until it is filled again, whatever later runs do. Cell texts are made only
 * when the view asks for them.
 *
 * A copy takes the rows and columns that hold one of the given cells (all of
 * them when none is given), with the time and the headers, in two forms: text
 * with tabs between the cells, numbers as the table shows them in the user's
 * locale; and an HTML table whose cells carry the same texts and, beside
 * them, their values in one fixed form that spreadsheets read as numbers
 * whatever their own locale.
 */
class DataTableModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    explicit DataTableModel(QObject *parent = nullptr);

    static constexpr int ValueColumns = 6;

    // Copies the last run's series; numbers are shown in the given locale.
    void fill(const QLocale &locale);

    // The header of the time column, shown above the row headers.
    static QString timeHeader();
    // The header of a value column, 0 ... ValueColumns - 1.
    static QString header(int column);

    // The run that the table shows, as it was at the last fill.
    RunSeries run() const;

    // The text of a value cell as the table shows it; empty for a quotient
    // without a value.
    QString text(int row, int column) const;

    std::unique_ptr<QMimeData> copy(const QModelIndexList &cells) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

  private:
    struct Step {
        double Nt, DeltaN, dNdt, NtDifference;
    };

    static std::optional<double> cellValue(const Step &step, int column);

    std::vector<Step> m_steps;
    std::optional<KeptRun> m_run;
    QLocale m_locale;
};
