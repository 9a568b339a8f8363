#pragma once

#include <QKeySequence>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QShortcut;
class QWidget;

// Keyboard plumbing shared by the pages and dialogs: Tab order, first focus
// and page shortcuts.
namespace ZoKeyboard {

// Tab visits the widgets in the order given (nulls are skipped).
void setTabChain(std::initializer_list<QWidget *> widgets);

// Moves the widgets, in the order given, to the end of their window's Tab
// order: the title bar's buttons come after a page's own controls.
void sendToEndOfTabChain(std::initializer_list<QWidget *> widgets);

// Names the control that focusFirst(container) gives the focus to, in place
// of the first one in Tab order (the batch page starts in its table).
void setFirstFocus(QWidget *container, QWidget *first);

// Gives the focus to the first control of container: the one setFirstFocus
// named, else the first in Tab order that can take it (visible, enabled,
// reached by Tab). Returns false when there is none. The focus reason is
// "other".
bool focusFirst(QWidget *container);

// A shortcut that works wherever the focus is in page's window while the page
// is on show and no modal dialog or menu is in front. It presses button as a
// click would, only while the button is enabled and visible.
QShortcut *bindShortcut(QWidget *page, const QKeySequence &keys, QAbstractButton *button);
// The same, running action.
QShortcut *bindShortcut(QWidget *page, const QKeySequence &keys, std::function<void()> action);

// Ctrl+Return and Ctrl+Enter (the shortcut map also matches the keypad's
// Enter to the latter): the "do it" keys of a page.
QKeySequence controlReturn();
QKeySequence controlEnter();

} // namespace ZoKeyboard
