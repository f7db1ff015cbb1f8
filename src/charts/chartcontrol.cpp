#include "charts/chartcontrol.h"

#include "charts/chartlayout.h"
#include "charts/chartmenu.h"
#include "charts/chartpainter.h"
#include "charts/chartreadout.h"
#include "charts/chartsound.h"
#include "model/keptruns.h"
#include "model/observations.h"
#include "widgets/accessiblerole.h"
#include "widgets/announce.h"
#include "widgets/formlayout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{

bool sameAxis(const ChartAxis &a, const ChartAxis &b)
{
    return a.autoScale == b.autoScale && a.maximum == b.maximum && a.minimum == b.minimum &&
           a.titleFont == b.titleFont && a.titleVisible == b.titleVisible && a.title == b.title &&
           a.blackMajorGrid == b.blackMajorGrid;
}

// Points compared bit for bit: a step without a value holds the same NaN each time.
bool sameCurve(const ContentCurve &a, const ContentCurve &b)
{
    return a.points.size() == b.points.size() && a.pen == b.pen && a.current == b.current &&
           a.markers == b.markers && a.legendName == b.legendName &&
           std::memcmp(a.points.constData(), b.points.constData(),
                       size_t(a.points.size()) * sizeof(QPointF)) == 0;
}

// Whether a chart routine drew again what is already laid out (Run with the
// same values, a chart's redraw when kept runs change elsewhere).
bool sameContent(const ChartContent &a, const ChartContent &b)
{
    return a.title == b.title && a.titleFont == b.titleFont && sameAxis(a.axes[0], b.axes[0]) &&
           sameAxis(a.axes[1], b.axes[1]) && a.legend == b.legend && a.noValue == b.noValue &&
           a.tickFont == b.tickFont && a.legendFont == b.legendFont && a.zoom == b.zoom &&
           std::equal(a.curves.begin(), a.curves.end(), b.curves.begin(), b.curves.end(),
                      sameCurve);
}

} // namespace

ChartControl::ChartControl(QWidget *parent) : QWidget(parent)
{
    presentInRole(this, QAccessible::Chart); // named by its title
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_content.tickFont = designFont(QStringLiteral("Arial"), 8);
    m_content.legendFont = designFont(QStringLiteral("Arial"), 7.5);
    m_readout = new ChartReadout(this);
    m_menu = new ChartMenu(this);
    m_sound = new ChartSound(this);
    // The kept runs' places change with each keep: their curves are computed afresh.
    connect(&MALVORA1::Kept, &KeptRuns::changed, this, [this] {
        m_keptCurves.clear();
        redraw();
    });
    connect(&MALVORA1::Observed, &Observations::changed, this, &ChartControl::redraw);
}

// A new chart in a shown window is said: the student hears what the buttons chose.
void ChartControl::setTitleText(const QString &title)
{
    const bool changed = title != m_content.title;
    m_content.title = title;
    setAccessibleName(title);
    if (changed && isVisible()) announce(this, title);
}

void ChartControl::setUsageDescription(const QString &text)
{
    m_usage = text;
    describe();
}

void ChartControl::redraw()
{
    if (m_redraw) m_redraw();
}

void ChartControl::setTextZoom(double zoom)
{
    m_content.zoom = zoom;
    m_laidOut = false;
    update();
}

void ChartControl::setCurves(std::vector<ContentCurve> curves)
{
    m_readout->hide();
    m_sound->stop();
    m_content.curves = std::move(curves);
    m_laidOut = m_laidOut && sameContent(m_content, m_laidOutFrom);
    describe();
    update();
}

const DrawnChart &ChartControl::drawn() const
{
    if (!m_laidOut || m_drawn.size != QSizeF(size())) {
        m_drawn = layOutChart(m_content, size(), locale(), *this, m_measures);
        m_laidOutFrom = m_content;
        m_laidOut = true;
    }
    return m_drawn;
}

// With no point of the current run to draw, the description says why first.
void ChartControl::describe()
{
    const bool none = std::none_of(
        m_content.curves.begin(), m_content.curves.end(), [](const ContentCurve &curve) {
            return curve.current &&
                   std::any_of(curve.points.begin(), curve.points.end(), [](QPointF p) {
                       return std::isfinite(p.x()) && std::isfinite(p.y());
                   });
        });
    QStringList parts;
    if (none && !m_content.noValue.isEmpty()) parts << m_content.noValue;
    if (!m_usage.isEmpty()) parts << m_usage;
    //: A chart's accessible description: the keys that read it
    parts << tr("Left, Right, Home, End, Page Up and Page Down read its points; S speaks a "
                "summary; H plays its curves as sound, and Escape stops it; Shift+F10 opens its "
                "menu.");
    setAccessibleDescription(parts.join(u'\n'));
}

void ChartControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintChart(painter, drawn());
    m_readout->paint(painter);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = Qt::white;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ChartControl::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::FontChange)
        m_laidOut = false;
}

void ChartControl::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_sound->stop();
}

void ChartControl::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// The keyboard's way to click the chart; the arrow keys move the read-out,
// S says the summary, H plays the sound and Escape stops it.
void ChartControl::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_sound->playing()) return m_sound->stop(true);
    if (m_readout->handleKey(event)) return;
    const bool plain = event->modifiers() == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_S:
        if (!plain) break;
        return announce(this, m_summary);
    case Qt::Key_H:
        if (!plain) break;
        return m_sound->play();
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ChartControl::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    m_readout->pointAt(event->position());
}

void ChartControl::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_readout->hide();
}

void ChartControl::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->open(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                             : mapToGlobal(rect().center()));
}
