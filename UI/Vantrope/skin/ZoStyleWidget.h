#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class QDesktopWidget;

// A child widget that paints a background image stretched over itself and,
// once setDragTarget enables it, moves its target window while dragged with the
// left button. On the first move after the press it hands the move to the
// window system (QWindow::startSystemMove: the only way on Wayland, and the
// window manager's own move under X11); a press and release without a move
// stays a click. Where the platform refuses, it moves the window itself and
// keeps the target's top-left, relative to the available area of the screen
// under the cursor, between x > -800, x <= width - 200 and
// 23 <= y <= height - 100; moves outside are dropped.
class ZoStyleWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ZoStyleWidget(QWidget *parent = nullptr);

    // target: the window moved and closed (not owned); offset: where this
    // widget sits inside the target (e.g. (5, 5) inside a dialog's shadow ring).
    void setDragTarget(QWidget *target, QPoint offset, bool enable);
    void setBackgroundImage(QString path);

public slots:
    // Closes the target window, if there is one.
    void slotClosePWidget();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool allowedPosition(QPoint p, QPoint cursor) const;

    bool dragEnabled;
    QPoint dragOffset;
    QPoint pressPos;
    bool pressed;
    // The window system was asked to take over this drag.
    bool moveTried = false;
    QWidget *target;
    QString backgroundImage;
    QDesktopWidget *desktop;
    int availWidth;
    int availHeight;
};
