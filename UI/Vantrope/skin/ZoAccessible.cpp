#include "ZoAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace ZoAccessible {

namespace {

const char groupProperty[] = "zoAccessibleGroup";

// Asked before Qt's own interfaces, for every class of the object's
// hierarchy; answers only for widgets marked as groups.
QAccessibleInterface *groupFactory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType() || !object->property(groupProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
}

} // namespace

void describe(QWidget *widget, const QString &name, const QString &description)
{
    if (!widget)
        return;
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

void describeGroup(QWidget *widget, const QString &name, const QString &description)
{
    if (!widget)
        return;
    static const bool installed = [] {
        QAccessible::installFactory(groupFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(groupProperty, true);
    describe(widget, name, description);
}

} // namespace ZoAccessible
