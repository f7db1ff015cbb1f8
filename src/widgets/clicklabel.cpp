#include "widgets/clicklabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace
{

/*
 * The label's words as its name, the control it names (its buddy) as its
 * only relation. A screen reader speaks a window's and a frame's labels
 * that name nothing; the toolkit's own label counts as named by the frame
 * around it, so the text of every frame would go unsaid.
 */
class LabelAccessible : public QAccessibleWidget
{
  public:
    explicit LabelAccessible(ClickLabel *label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override
    {
        return static_cast<const QLabel *>(widget())->pixmap().isNull() ? QAccessible::StaticText
                                                                        : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto *label = static_cast<const QLabel *>(widget());
        return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface *, QAccessible::Relation>> named;
        const auto *label = static_cast<const QLabel *>(widget());
        if ((match & QAccessible::Labelled) && label->buddy())
            named.append(
                {QAccessible::queryAccessibleInterface(label->buddy()), QAccessible::Labelled});
        return named;
    }
};

QAccessibleInterface *labelAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String("ClickLabel")) return nullptr;
    return new LabelAccessible(static_cast<ClickLabel *>(object));
}

} // namespace

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    QAccessible::installFactory(labelAccessible); // the toolkit keeps a factory once
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}
