#include "ZoStyleDialog.h"

#include "ZoKeyboard.h"
#include "ZoStyleWidgetTitle.h"

#include <QPushButton>

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
    const QList<ZoStyleWidgetTitle *> titles = findChildren<ZoStyleWidgetTitle *>();
    for (ZoStyleWidgetTitle *title : titles)
        for (QWidget *control : title->findChildren<QWidget *>())
            if (control->focusPolicy() & Qt::TabFocus)
                ZoKeyboard::sendToEndOfTabChain({control});
    QDialog::showEvent(event);

    // The dialog opens with the focus on its own controls, never on the
    // title bar's close button (a dialog of one button has a Tab ring of two,
    // in which the close button cannot come "last"): the default button, or
    // the first control outside the title bars.
    auto inTitle = [&titles](const QWidget *w) {
        for (const ZoStyleWidgetTitle *title : titles)
            if (title->isAncestorOf(w))
                return true;
        return false;
    };
    QWidget *focus = focusWidget();
    if (focus && !inTitle(focus))
        return;
    for (QPushButton *button : findChildren<QPushButton *>()) {
        if (button->isDefault() && !button->isHidden() && button->isEnabled()) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden() && w->isEnabled() && !inTitle(w)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
