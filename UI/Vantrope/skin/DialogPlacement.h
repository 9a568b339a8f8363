#pragma once

class QDialog;
class QWidget;

namespace DialogPlacement {

// Moves dialog (a window that is about to be shown) so that its centre lies on
// the centre of anchor's window, kept inside that screen's available area.
//
// QDialog centres itself on its parent only approximately: for frameless
// windows it assumes a window-manager frame of 10 x 40 pixels that is not
// there, so a dialog of the same size as its parent would open visibly off
// its parent. Placing the dialog explicitly also tells QDialog not to move it.
void centreOver(QWidget *dialog, const QWidget *anchor);

// Centres dialog over anchor's window as centreOver does, then runs it
// modally; returns what QDialog::exec returns.
int execCentred(QDialog *dialog, const QWidget *anchor);

} // namespace DialogPlacement
