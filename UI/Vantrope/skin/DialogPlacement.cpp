#include "DialogPlacement.h"

#include <QDialog>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace DialogPlacement {

void centreOver(QWidget *dialog, const QWidget *anchor)
{
    if (!dialog || !anchor)
        return;
    const QWidget *window = anchor->window();
    const QRect area = window->frameGeometry();

    QRect placed(QPoint(0, 0), dialog->size());
    placed.moveCenter(area.center());

    QScreen *screen = window->windowHandle() ? window->windowHandle()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect available = screen->availableGeometry();
        if (placed.right() > available.right())
            placed.moveRight(available.right());
        if (placed.bottom() > available.bottom())
            placed.moveBottom(available.bottom());
        if (placed.left() < available.left())
            placed.moveLeft(available.left());
        if (placed.top() < available.top())
            placed.moveTop(available.top());
    }
    dialog->move(placed.topLeft());
}

int execCentred(QDialog *dialog, const QWidget *anchor)
{
    centreOver(dialog, anchor);
    return dialog->exec();
}

} // namespace DialogPlacement
