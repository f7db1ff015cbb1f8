#include "widgets/linelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace
{

// One line of the label, as an item of the list that the label is to a reader.
class LineItem : public QAccessibleInterface
{
  public:
    LineItem(LineLabel *label, int line) : m_label(label), m_line(line) {}

    bool isValid() const override { return m_label && m_line < m_label->lines().size(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_label.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_label->lines().at(m_line) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid()) return {};
        // The lines share the label's height evenly: near enough for a magnifier.
        const QRect all(m_label->mapToGlobal(QPoint(0, 0)), m_label->size());
        const int count = int(m_label->lines().size());
        return QRect(all.left(), all.top() + all.height() * m_line / count, all.width(),
                     all.height() / count);
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.readOnly = true;
        const bool current = isValid() && m_line == m_label->currentLine();
        state.selected = current;
        state.focused = current && m_label->hasFocus();
        state.invisible = !m_label || !m_label->isVisible();
        return state;
    }

  private:
    QPointer<LineLabel> m_label;
    int m_line;
};

// The label as a list of its lines. The items are made once each and kept
// for as long as the label, so that a reader meets the same item again.
class LineLabelAccessible : public QAccessibleWidget
{
  public:
    explicit LineLabelAccessible(LineLabel *label) : QAccessibleWidget(label, QAccessible::List) {}
    ~LineLabelAccessible() override
    {
        for (QAccessible::Id id : m_items)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(label()->lines().size()); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        while (int(m_items.size()) <= index)
            m_items.push_back(QAccessible::registerAccessibleInterface(
                new LineItem(label(), int(m_items.size()))));
        return QAccessible::accessibleInterface(m_items[size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < int(m_items.size()); ++index)
            if (QAccessible::accessibleInterface(m_items[size_t(index)]) == child) return index;
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return label()->hasFocus() ? child(label()->currentLine()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        // The lines are the items; the list itself is named by its window.
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }

  private:
    LineLabel *label() const { return static_cast<LineLabel *>(widget()); }

    mutable std::vector<QAccessible::Id> m_items;
};

QAccessibleInterface *lineLabelAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("LineLabel")) return nullptr;
    return new LineLabelAccessible(static_cast<LineLabel *>(object));
}

} // namespace

LineLabel::LineLabel(QWidget *parent) : ClickLabel(parent)
{
    QAccessible::installFactory(lineLabelAccessible); // the toolkit keeps a factory once
    setFocusPolicy(Qt::StrongFocus);
}

QStringList LineLabel::lines() const
{
    return text().split(u'\n');
}

void LineLabel::keyPressEvent(QKeyEvent *event)
{
    const int last = int(lines().size()) - 1;
    switch (event->key()) {
    case Qt::Key_Up:
        moveTo(m_current - 1);
        break;
    case Qt::Key_Down:
        moveTo(m_current + 1);
        break;
    case Qt::Key_Home:
        moveTo(0);
        break;
    case Qt::Key_End:
        moveTo(last);
        break;
    default:
        ClickLabel::keyPressEvent(event);
        return;
    }
    event->accept();
}

void LineLabel::focusInEvent(QFocusEvent *event)
{
    ClickLabel::focusInEvent(event);
    m_current = std::clamp(m_current, 0, int(lines().size()) - 1);
    // After the toolkit has told of the label itself taking the focus.
    QTimer::singleShot(0, this, &LineLabel::tellScreenReader);
}

void LineLabel::moveTo(int line)
{
    line = std::clamp(line, 0, int(lines().size()) - 1);
    if (line == m_current) return;
    m_current = line;
    update();
    tellScreenReader();
}

// The current line has the focus, as far as a screen reader can tell.
void LineLabel::tellScreenReader()
{
    if (!QAccessible::isActive() || !hasFocus()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(m_current);
    QAccessible::updateAccessibility(&focus);
}

// The usual focus frame, so that a sighted keyboard user sees where the keys go.
void LineLabel::paintEvent(QPaintEvent *event)
{
    ClickLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}
