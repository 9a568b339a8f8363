#pragma once

#include <QString>

class QWidget;

// What a screen reader says for a control: its name and, when the name alone
// does not tell what the control does, a description. Both are user-visible
// texts: callers pass them translated, in their own class's context.
namespace ZoAccessible {

void describe(QWidget *widget, const QString &name, const QString &description = QString());

// Makes widget a named group for screen readers (a panel, as a group box is),
// whatever its own kind: a decorated card whose texts are painted (a label
// showing an image) reads as one group named by its heading, with the
// controls inside it as its children. Call before the widget is first shown.
void describeGroup(QWidget *widget, const QString &name, const QString &description = QString());

} // namespace ZoAccessible
