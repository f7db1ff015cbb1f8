#include "output/datatablemodel.h"

#include "model/malvora1.h"
#include "model/numbertext.h"

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
    endResetModel();
}

QString DataTableModel::timeHeader()
{
    return tr("Time");
}

int DataTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_steps.size());
}

int DataTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ValueColumns;
}

QString DataTableModel::cellText(const Step &step, int column) const
{
    double value = 0;
    switch (column) {
    case 0:
        value = roundToPlaces(step.Nt, Hundredths);
        break;
    case 1:
        value = roundToPlaces(step.DeltaN, Hundredths);
        break;
    case 2:
        if (step.Nt == 0) return {};
        value = roundToPlaces(step.DeltaN / step.Nt, TenThousandths);
        break;
    case 3:
        value = roundToPlaces(step.dNdt, Hundredths);
        break;
    case 4:
        if (step.Nt == 0) return {};
        value = roundToPlaces(step.dNdt / step.Nt, TenThousandths);
        break;
    case 5:
        value = roundToPlaces(step.NtDifference, Hundredths);
        break;
    default:
        return {};
    }
    return generalNumber(value, m_locale);
}

QVariant DataTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(m_steps[size_t(index.row())], index.column());
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
