#pragma once

#include <QString>

class QWidget;

// What a screen reader says for a control: its name and, when the name alone
// does not tell what the control does, a description. Both are user-visible
// texts: callers pass them translated, in their own class's context.
namespace ZoAccessible {

void describe(QWidget *widget, const QString &name, const QString &description = QString());

} // namespace ZoAccessible
