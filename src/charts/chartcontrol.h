#pragma once

#include <QChartView>
#include <QFont>
#include <QPen>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

class ChartMenu;
class ChartReadout;
class QLineSeries;
class QCategoryAxis;
class QGraphicsSimpleTextItem;
struct AxisScale;

/*
 * The chart component of both chart windows: a data grid of RowCount rows by
 * ColumnCount columns (addressed from 1, series k in columns 2k-1 for x and
 * 2k for y), a title, a legend and two linear axes, drawn as XY curves with
 * Qt Charts. A chart routine sets it up and writes its cells; refresh() then
 * hands every series to Qt Charts in one piece.
 *
 * A value that does not exist (the logarithm of a value that is not positive,
 * a quotient by zero) is left out of its curve; a chart with no value at all
 * says why in its plot area and its accessible description. A fixed value
 * range that is not a proper range falls back to an automatic one, and one
 * that some point lies outside is widened to hold it. A curve whose points
 * all fall on one spot shows that spot as a marker.
 *
 * Beneath the grid's curves it draws the curves of kept runs. A context menu
 * copies or saves the chart and keeps or forgets runs; the read-out names the
 * values of the point nearest the pointer, or the one the arrow keys reach.
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
    // What the plot area says when there is no point to draw: why, in one short line.
    void setNoValueText(const QString &text) { m_noValueText = text; }
    // How the chart is used, for its accessible description.
    void setUsageDescription(const QString &text);

    void refresh();

    // A kept run's curve: drawn beneath the grid's curves and covered by the
    // axis ranges; an empty label leaves it out of the legend.
    struct KeptCurve {
        QList<QPointF> points;
        QPen pen;
        QString label;
    };
    void setKeptCurves(std::vector<KeptCurve> curves) { m_kept = std::move(curves); }

    // Draws the chart again as its chart routine last drew it.
    void setRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }
    void redraw();

    ChartReadout &readout() { return *m_readout; }
    ChartMenu &menu() { return *m_menu; }

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    QString title() const { return m_title; }
    const Axis &axis(AxisId id) const { return m_axes[id]; }
    QString columnLabel(int column) const { return m_labels[size_t(column - 1)]; }
    double cell(int row, int column) const;
    // Where a value is drawn, in scene coordinates; the x value drawn at a
    // point of the viewport.
    QPointF scenePosition(QPointF value) const;
    double xValueAt(QPointF viewportPosition) const;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

  private:
    // The values of one axis over every curve; low > high when there are none.
    struct ValueRange {
        double low;
        double high;
        void take(double v) { low = std::min(low, v), high = std::max(high, v); }
        void take(ValueRange r) { low = std::min(low, r.low), high = std::max(high, r.high); }
    };

    void styleSeries(size_t k);
    void setUpAxis(AxisId id, ValueRange values, double plotWidth);
    bool fitSideBySide(const QStringList &labels, double plotWidth) const;
    AxisScale fittedScale(AxisId id, ValueRange values, double plotWidth) const;
    AxisScale scaleFor(AxisId id, ValueRange values, int intervals) const;
    QStringList tickLabels(const AxisScale &scale) const;
    void applyScale(AxisId id, const AxisScale &scale);
    bool fitXAxis(const QRectF &plotArea); // whether the X axis had to change
    void plotAreaChanged();
    void centreNoValue();
    void placeCurves();
    void showNoValue(bool shown);

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
    ValueRange m_values[2] = {{0, 1}, {0, 1}};
    bool m_markers = false;       // some curve is drawn as a marker on one spot
    int m_unitPowers[2] = {0, 0}; // the curves' points are drawn scaled by 2 to these powers
    std::vector<QLineSeries *> m_series;
    std::vector<QList<QPointF>> m_drawn; // every point of the curves, in the units drawn
    QSizeF m_placedFor;                  // the plot size the series were thinned for
    QString m_noValueText;
    QString m_usage;
    QGraphicsSimpleTextItem *m_noValue;
    std::vector<QPen> m_themePens; // the theme's pen of the first, second ... series
    std::vector<KeptCurve> m_kept;
    std::function<void()> m_redraw;
    ChartReadout *m_readout;
    ChartMenu *m_menu;
};
