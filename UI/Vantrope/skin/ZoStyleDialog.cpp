#include "ZoStyleDialog.h"

#include "ZoKeyboard.h"
#include "ZoStyleWidgetTitle.h"

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

void ZoStyleDialog::showEvent(QShowEvent *event)
{
    for (ZoStyleWidgetTitle *title : findChildren<ZoStyleWidgetTitle *>())
        for (QWidget *control : title->findChildren<QWidget *>())
            if (control->focusPolicy() & Qt::TabFocus)
                ZoKeyboard::sendToEndOfTabChain({control});
    QDialog::showEvent(event);
}
