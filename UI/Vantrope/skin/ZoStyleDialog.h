#pragma once

#include <QDialog>

#include "ZoShadowFrame.h"

// Base of every skinned dialog: frameless, translucent, painting the white body
// and shadow ring. Its form keeps 5 px outer margins for the ring. Subclasses
// that override paintEvent call shadowFrame.paintFrame(this) themselves.
//
// Keyboard: whenever it is shown, the buttons of its title bars come last in
// its Tab order, after the dialog's own controls, and the focus starts on
// the default button or the first of its own controls. Return presses the default
// button that the subclass names with setDefault(true); Escape rejects.
class ZoStyleDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ZoStyleDialog(QWidget *parent = nullptr);
    ~ZoStyleDialog() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

    ZoShadowFrame shadowFrame;
};
