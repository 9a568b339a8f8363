#pragma once

#include <QDialog>

#include "ZoShadowFrame.h"

// Base of every skinned dialog: frameless, translucent, painting the white body
// and shadow ring. Its form keeps 5 px outer margins for the ring. Subclasses
// that override paintEvent call shadowFrame.paintFrame(this) themselves.
class ZoStyleDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ZoStyleDialog(QWidget *parent = nullptr);
    ~ZoStyleDialog() override;

protected:
    void paintEvent(QPaintEvent *event) override;

    ZoShadowFrame shadowFrame;
};
