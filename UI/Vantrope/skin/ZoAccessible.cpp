#include "ZoAccessible.h"

#include <QWidget>

namespace ZoAccessible {

void describe(QWidget *widget, const QString &name, const QString &description)
{
    if (!widget)
        return;
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace ZoAccessible
