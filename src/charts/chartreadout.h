#pragma once

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

class ChartControl;
struct ContentCurve;
class QKeyEvent;
class QPainter;

/*
 * Reads values off the curves: the time step whose x lies nearest the
 * pointer (or the one the arrow keys reach) is marked on every curve drawn
 * at that step, kept runs' included, and its values are named in a box on
 * the plot and in the chart's accessible description, one line each: x,
 * then every curve's y, with the axis titles as names, the legend's names
 * before them, and numbers rounded as in the data table, e.g. "t = 10" and
 * "r = 0.5, N(0) = 10: N(t) = 1484.13". Charts of N(t) add the doubling time
 * ln 2 / r, or the halving time for r < 0. It stays while the pointer is
 * over the plot, and goes when it leaves or on Escape.
 */
class ChartReadout : public QObject
{
    Q_OBJECT
  public:
    struct Settings {
        QString xName;     // x's name, where y's is the Y axis title
        double yScale;     // y rounded to 1 / yScale
        double growthRate; // r, for the doubling time; 0: none
    };

    explicit ChartReadout(ChartControl *chart);

    void setUp(const Settings &settings) { m_settings = settings; }

    // The step nearest the pointer, given in the chart's coordinates.
    void pointAt(QPointF position);
    // Left, Right, Page Up, Page Down (a tenth of the steps), Home, End and
    // Escape; false for any other key.
    bool handleKey(QKeyEvent *event);
    // Takes the marks and the box away.
    void hide();
    void paint(QPainter &painter) const;

    QString text() const;
    int step() const { return m_row - 1; } // -1: none
    // Where the box with the text stands; empty when none is shown.
    QRectF box() const;

  private:
    static const QPointF *pointAt(const ContentCurve &curve, int t, double x);
    const ContentCurve *currentCurve() const;
    int steps() const;         // of the current run; 0: none to read
    double xAt(int row) const; // x of the step in a row, counted from 1
    int nearestRow(double x) const;
    void select(int row);
    QString number(double x, double scale) const;
    QString keptValues() const;

    ChartControl *m_chart;
    Settings m_settings{{}, 100, 0};
    int m_row = 0; // the marked step + 1; 0: none
    QString m_restingDescription;
};
