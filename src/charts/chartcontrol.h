#pragma once

#include "charts/chartcontent.h"
#include "charts/chartlayout.h"
#include "charts/drawnchart.h"
#include "charts/keptcurvecache.h"

#include <QFont>
#include <QPen>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class ChartMenu;
class ChartReadout;
class ChartSound;

/*
 * The chart component of both chart windows: a title, a legend and two
 * linear axes, and the curves a chart routine gives it (chartframe.h), drawn
 * as XY curves. The curves are its content, which is laid out once per size
 * and painted from that layout (chartlayout.h, chartpainter.h).
 *
 * A value that does not exist (the logarithm of a value that is not positive,
 * a quotient by zero) is left out of its curve; a current run with no value
 * at all says why in the plot and in the accessible description. A fixed
 * value range that is not a proper range falls back to an automatic one, and
 * one that some point lies outside is widened to hold it. A curve whose
 * points all fall on one spot shows that spot as a marker.
 *
 * It draws itself again, through its chart routine, when the kept runs
 * change. A context menu copies or saves the chart and keeps or forgets
 * runs; the read-out names the values of the time step nearest the pointer,
 * or the one the arrow keys reach; H plays the curves as sound.
 */
class ChartControl : public QWidget
{
    Q_OBJECT
    // Its texts follow the window's zoom (widgets/formlayout.h).
    Q_PROPERTY(double textZoom READ textZoom WRITE setTextZoom)
  public:
    enum AxisId { X = ChartContent::X, Y = ChartContent::Y };
    using Axis = ChartAxis;

    explicit ChartControl(QWidget *parent = nullptr);

    void setShowLegend(bool show) { m_content.legend = show; }
    QFont &titleFont() { return m_content.titleFont; }
    void setTitleText(const QString &title);
    Axis &axis(AxisId id) { return m_content.axes[id]; }
    // What the plot says when the current run has no point to draw: why, in one short line.
    void setNoValueText(const QString &text) { m_content.noValue = text; }
    // How the chart is used, for its accessible description.
    void setUsageDescription(const QString &text);
    // What S speaks (chartsummary.h).
    void setSummary(const QString &summary) { m_summary = summary; }
    const QString &summary() const { return m_summary; }

    // The curves to draw, kept runs' first (runcurves.h); the chart is laid
    // out anew when it is next painted or read, unless they and everything
    // else are as it was laid out from.
    void setCurves(std::vector<ContentCurve> curves);
    // The kept runs' curves this chart has computed; emptied as they change.
    KeptCurveCache &keptCurves() { return m_keptCurves; }

    // Draws the chart again as its chart routine last drew it.
    void setRedraw(std::function<void()> redraw) { m_redraw = std::move(redraw); }
    void redraw();

    // Text sizes against those the chart routines give (1: 100 %), for a
    // classroom's projector.
    void setTextZoom(double zoom);
    double textZoom() const { return m_content.zoom; }

    ChartReadout &readout() { return *m_readout; }
    ChartMenu &menu() { return *m_menu; }
    ChartSound &sound() { return *m_sound; }

    QString title() const { return m_content.title; }
    const Axis &axis(AxisId id) const { return m_content.axes[id]; }
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
    void hideEvent(QHideEvent *event) override;

  private:
    void describe();

    ChartContent m_content;
    mutable TextMeasures m_measures; // of the texts laid out, kept from one layout to the next
    KeptCurveCache m_keptCurves;
    mutable DrawnChart m_drawn;
    mutable ChartContent m_laidOutFrom; // the content m_drawn was laid out from
    mutable bool m_laidOut = false;
    QString m_usage;
    QString m_summary;
    std::function<void()> m_redraw;
    ChartReadout *m_readout;
    ChartMenu *m_menu;
    ChartSound *m_sound;
};
