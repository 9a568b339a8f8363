#pragma once

#include <QObject>

#include <initializer_list>

class QWidget;

// Blue button captions ("color:#3598fe") turn white ("color:#ffffff") while
// the pointer is over the button, whose hover image is filled with blue.
// The event filter that swaps the two style sheets on HoverEnter and
// HoverLeave, shared by every page and dialog that has such buttons.
class ZoHoverCaption : public QObject
{
    Q_OBJECT
public:
    // Watches the buttons for the owner: the filter is a child of owner, so
    // it lives as long as the page or dialog. Turns on Qt::WA_Hover on each
    // button, without which no hover events reach a filter under every style.
    // Sets no style sheet until the first hover event.
    static ZoHoverCaption *install(QObject *owner, std::initializer_list<QWidget *> buttons);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ZoHoverCaption(QObject *owner);
};
