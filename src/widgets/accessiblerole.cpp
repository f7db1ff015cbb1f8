#include "widgets/accessiblerole.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace
{

constexpr char RoleProperty[] = "malvoraAccessibleRole";

QAccessibleInterface *inItsRole(const QString &, QObject *object)
{
    const QVariant role = object->property(RoleProperty);
    if (!role.isValid() || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Role(role.toInt()));
}

} // namespace

void presentInRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(RoleProperty, int(role));
    QAccessible::installFactory(inItsRole); // the toolkit keeps a factory once
}
