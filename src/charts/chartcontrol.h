#pragma once

#include <QChartView>
#include <QFont>
#include <QString>

#include <vector>

class QLineSeries;
class QCategoryAxis;

/*
 * The chart component of both chart windows: a data grid of RowCount rows by
 * ColumnCount columns (addressed from 1, series k in columns 2k-1 for x and
 * 2k for y), a title, a legend and two linear axes, drawn as XY curves with
 * Qt Charts. A chart routine sets it up and writes its cells; refresh() then
 * hands every series to Qt Charts in one piece.
 *
 * A value that does not exist (the logarithm of a value that is not positive,
 * a quotient by zero) is left out of its curve, and a fixed value range that
 * is not a proper range falls back to an automatic one.
 */
class ChartControl : public QChartView
{
    Q_OBJECT
  public:
    enum AxisId { X = 0, Y = 1 };
    enum { LocationRight = 4 };

    struct Axis {
        bool autoScale = true;
        double maximum = 0;
        double minimum = 0;
        QFont titleFont;
        bool titleVisible = false;
        QString title;
        bool blackMajorGrid = false;
    };

    explicit ChartControl(QWidget *parent = nullptr);

    void setColumnCount(int columns);
    void setRowCount(int rows);
    void setShowLegend(bool show) { m_showLegend = show; }
    QFont &titleFont() { return m_titleFont; }
    void setTitleText(const QString &title);
    void setLegendLocation(int location) { m_legendLocation = location; }
    Axis &axis(AxisId id) { return m_axes[id]; }
    void setColumnLabel(int column, const QString &label);
    void setData(int row, int column, double value);

    void refresh();

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    QString title() const { return m_title; }

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    double cell(int row, int column) const;
    void setUpAxis(AxisId id, const std::vector<QList<QPointF>> &curves);

    int m_rows = 0;
    int m_columns = 0;
    bool m_showLegend = false;
    int m_legendLocation = 0;
    QFont m_titleFont;
    QString m_title;
    Axis m_axes[2];
    std::vector<QString> m_labels;
    std::vector<double> m_grid;
    QCategoryAxis *m_axisItems[2];
    std::vector<QLineSeries *> m_series;
};
