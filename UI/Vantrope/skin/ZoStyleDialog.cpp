#include "ZoStyleDialog.h"

ZoStyleDialog::ZoStyleDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setAttribute(Qt::WA_TranslucentBackground);
}

ZoStyleDialog::~ZoStyleDialog() = default;

void ZoStyleDialog::paintEvent(QPaintEvent *event)
{
    shadowFrame.paintFrame(this);
    QWidget::paintEvent(event);
}
