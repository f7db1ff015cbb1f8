#include "output/datatablemodel.h"

#include "model/malvora1.h"
#include "model/numbertext.h"

#include <QMimeData>

#include <algorithm>

namespace
{

const char *const Headers[DataTableModel::ValueColumns] = {
    QT_TRANSLATE_NOOP("DataTableModel", "N(t)=N(0)*exp(rt)"),
    QT_TRANSLATE_NOOP("DataTableModel", "N(t+1)-N(t)"),
    QT_TRANSLATE_NOOP("DataTableModel", "[N(t+1)-N(t)]/N(t)"),
    QT_TRANSLATE_NOOP("DataTableModel", "dN(t)=r*N(t)"),
    QT_TRANSLATE_NOOP("DataTableModel", "dN(t)/N(t)"),
    QT_TRANSLATE_NOOP("DataTableModel", "N(t)=N(t-1)+dN(t)"),
};

constexpr double Hundredths = 100;
constexpr double TenThousandths = 10000;

} // namespace

DataTableModel::DataTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void DataTableModel::fill(const QLocale &locale)
{
    using namespace MALVORA1;
    beginResetModel();
    m_locale = locale;
    // Rows 0 ... Simut; the series hold no more than SeriesBound + 1 steps.
    const int steps = std::clamp(int(Simut) + 1, 0, SeriesBound + 1);
    m_steps.resize(size_t(steps));
    for (size_t t = 0; t < m_steps.size(); ++t)
        m_steps[t] = {Nt[t], DeltaN[t], dNdt[t], NtDifference[t]};
    m_run.emplace(currentRun());
    endResetModel();
}

QString DataTableModel::timeHeader()
{
    return tr("Time");
}

QString DataTableModel::header(int column)
{
    return tr(Headers[column]);
}

RunSeries DataTableModel::run() const
{
    return m_run ? m_run->series() : currentRun();
}

int DataTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_steps.size());
}

int DataTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ValueColumns;
}

std::optional<double> DataTableModel::cellValue(const Step &step, int column)
{
    switch (column) {
    case 0:
        return roundToPlaces(step.Nt, Hundredths);
    case 1:
        return roundToPlaces(step.DeltaN, Hundredths);
    case 2:
        if (step.Nt == 0) return {};
        return roundToPlaces(step.DeltaN / step.Nt, TenThousandths);
    case 3:
        return roundToPlaces(step.dNdt, Hundredths);
    case 4:
        if (step.Nt == 0) return {};
        return roundToPlaces(step.dNdt / step.Nt, TenThousandths);
    case 5:
        return roundToPlaces(step.NtDifference, Hundredths);
    default:
        return {};
    }
}

QString DataTableModel::text(int row, int column) const
{
    const auto value = cellValue(m_steps[size_t(row)], column);
    return value ? generalNumber(*value, m_locale) : QString();
}

std::unique_ptr<QMimeData> DataTableModel::copy(const QModelIndexList &cells) const
{
    std::vector<char> rows(m_steps.size(), cells.isEmpty()), columns(ValueColumns, cells.isEmpty());
    for (const QModelIndex &cell : cells)
        if (checkIndex(cell, CheckIndexOption::IndexIsValid))
            rows[size_t(cell.row())] = columns[size_t(cell.column())] = true;

    // LibreOffice reads sdval in the language that sdnum names (1033, US
    // English), and Excel reads x:num; other spreadsheets read the text.
    const auto cellOf = [](const QString &shown, const QString &fixed) {
        return fixed.isEmpty() ? QStringLiteral("<td></td>")
                               : QStringLiteral("<td sdval=\"%1\" sdnum=\"1033;\" x:num=\"%1\">"
                                                "%2</td>")
                                     .arg(fixed, shown);
    };
    QString text = timeHeader();
    QString html = QStringLiteral("<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\">"
                                  "<head><meta charset=\"utf-8\"></head><body><table>\n<tr><th>") +
                   timeHeader().toHtmlEscaped() + QStringLiteral("</th>");
    for (int c = 0; c < ValueColumns; ++c) {
        if (!columns[size_t(c)]) continue;
        text += u'\t' + tr(Headers[c]);
        html += QStringLiteral("<th>") + tr(Headers[c]).toHtmlEscaped() + QStringLiteral("</th>");
    }
    text += u'\n';
    html += QStringLiteral("</tr>\n");
    for (size_t t = 0; t < m_steps.size(); ++t) {
        if (!rows[t]) continue;
        const QString time = integerText(int(t));
        text += time;
        html += QStringLiteral("<tr>") + cellOf(time, time);
        for (int c = 0; c < ValueColumns; ++c) {
            if (!columns[size_t(c)]) continue;
            const auto value = cellValue(m_steps[t], c);
            const QString shown = value ? generalNumber(*value, QLocale()) : QString();
            text += u'\t' + shown;
            html += cellOf(shown, value ? generalNumber(*value, QLocale::c()) : QString());
        }
        text += u'\n';
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table></body></html>\n");

    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    data->setHtml(html);
    return data;
}

QVariant DataTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::AccessibleTextRole:
        // A screen reader reads a whole row as its cells alone, without the
        // row's header: the first value names its time.
        if (index.column() == 0)
            //: What a screen reader says for the first value of a row: %1 is the time column's
            //: header ("Time"), %2 the row's time, %3 the value
            return tr("%1 %2, %3")
                .arg(timeHeader(), integerText(index.row()), text(index.row(), 0));
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < ValueColumns ? tr(Headers[section]) : QVariant();
    return section >= 0 && section < rowCount() ? integerText(section) : QVariant();
}

Qt::ItemFlags DataTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
