#pragma once

#include <QObject>
#include <QPointF>
#include <QString>

class ChartControl;
class QKeyEvent;
class QPainter;

/*
 * Reads values off the current run's curves: the time step whose x lies
 * nearest the pointer (or the one the arrow keys reach) is marked on every
 * curve, and its values are named in a tooltip and in the chart's accessible
 * description, one line each: x, then every curve's y, with the axis titles
 * as names and numbers rounded as in the data table, e.g. "t = 10" and
 * "N(t) = 73.89". Charts of N(t) add the doubling time ln 2 / r, or the
 * halving time for r < 0.
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

    // The step nearest the pointer, given in the chart's viewport.
    void pointAt(QPointF position);
    // Left, Right, Home, End and Escape; false for any other key.
    bool handleKey(QKeyEvent *event);
    // Takes the marker and the tooltip away.
    void hide();
    void paint(QPainter &painter) const;

    QString text() const;
    int step() const { return m_row - 1; } // -1: none

  private:
    int nearestRow(double x) const;
    void select(int row);
    QPointF markerAt(int curve) const;
    QString number(double x, double scale) const;

    ChartControl *m_chart;
    Settings m_settings{{}, 100, 0};
    int m_row = 0; // grid row of the marked step; 0: none
    QString m_restingDescription;
};
