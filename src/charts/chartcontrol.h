#pragma once

#include "charts/chartcontent.h"
#include "charts/drawnchart.h"

#include <QFont>
#include <QPen>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class ChartMenu;
class ChartReadout;

/*
 * The chart component of both chart windows: a data grid of RowCount rows by
 * ColumnCount columns (addressed from 1, series k in columns 2k-1 for x and
 * 2k for y), a title, a legend and two linear axes, drawn as XY curves. A
 * chart routine sets it up and writes its cells; refresh() then takes them,
 * with the kept runs' curves, as the chart's content, which is laid out once
 * per size and painted from that layout (chartlayout.h, chartpainter.h).
 *
 * A value that does not exist (the logarithm of a value that is not positive,
 * a quotient by zero) is left out of its curve; a current run with no value
 * at all says why in the plot and in the accessible description. A fixed
 * value range that is not a proper range falls back to an automatic one, and
 * one that some point lies outside is widened to hold it. A curve whose
 * points all fall on one spot shows that spot as a marker.
 *
 * Beneath the grid's curves it draws the curves of kept runs, and draws
 * itself again when they change. A context menu copies or saves the chart
 * and keeps or forgets runs; the read-out names the values of the time step
 * nearest the pointer, or the one the arrow keys reach.
 */
class ChartControl : public QWidget
{
    Q_OBJECT
    // Its texts follow the window's zoom (widgets/formlayout.h).
    Q_PROPERTY(double textZoom READ textZoom WRITE setTextZoom)
  public:
    enum AxisId { X = ChartContent::X, Y = ChartContent::Y };
    enum { LocationRight = 4 };
    using Axis = ChartAxis;

    explicit ChartControl(QWidget *parent = nullptr);

    void setColumnCount(int columns);
    void setRowCount(int rows);
    void setShowLegend(bool show) { m_content.legend = show; }
    QFont &titleFont() { return m_content.titleFont; }
    void setTitleText(const QString &title);
    // The legend stands at the right, the only place any chart asks for.
    void setLegendLocation(int) {}
    Axis &axis(AxisId id) { return m_content.axes[id]; }
    void setColumnLabel(int column, const QString &label);
    // A cell outside the grid is not written. (Inline: a chart routine sets
    // thousands of cells each time it draws.)
    void setData(int row, int column, double value)
    {
        if (row >= 1 && row <= m_rows && column >= 1 && column <= m_columns)
            m_grid[size_t(row - 1) * size_t(m_columns) + size_t(column - 1)] = value;
    }
    // The pen of series k of the current run (counted from 1).
    void setSeriesPen(int series, const QPen &pen);
    // What the plot says when the current run has no point to draw: why, in one short line.
    void setNoValueText(const QString &text) { m_content.noValue = text; }
    // How the chart is used, for its accessible description.
    void setUsageDescription(const QString &text);

    void refresh();

    // The kept runs' curves, drawn beneath the grid's and covered by the axis ranges.
    void setKeptCurves(std::vector<ContentCurve> curves) { m_kept = std::move(curves); }

    // Draws the chart again as its chart routine last drew it.
    void setRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }
    void redraw();

    // Text sizes against those the chart routines give (1: 100 %), for a
    // classroom's projector.
    void setTextZoom(double zoom);
    double textZoom() const { return m_content.zoom; }

    ChartReadout &readout() { return *m_readout; }
    ChartMenu &menu() { return *m_menu; }

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    QString title() const { return m_content.title; }
    const Axis &axis(AxisId id) const { return m_content.axes[id]; }
    QString columnLabel(int column) const { return m_labels[size_t(column - 1)]; }
    double cell(int row, int column) const;
    const ChartContent &content() const { return m_content; }
    // The chart as laid out at its present size.
    const DrawnChart &drawn() const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    void describe();

    int m_rows = 0;
    int m_columns = 0;
    std::vector<QString> m_labels;
    std::vector<QPen> m_pens;
    std::vector<double> m_grid;
    ChartContent m_content;
    std::vector<ContentCurve> m_kept;
    mutable DrawnChart m_drawn;
    mutable ChartContent m_laidOutFrom; // the content m_drawn was laid out from
    mutable bool m_laidOut = false;
    QString m_usage;
    std::function<void()> m_redraw;
    ChartReadout *m_readout;
    ChartMenu *m_menu;
};
