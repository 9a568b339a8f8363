#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class QDesktopWidget;

// A child widget that paints a background image stretched over itself and,
// once setDragTarget enables it, moves its target window while dragged with the
// left button. The target's top-left is kept between x > -800, x <= available
// width - 200 and 23 <= y <= available height - 100; moves outside are dropped.
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
    bool dragEnabled;
    QPoint dragOffset;
    QPoint pressPos;
    bool pressed;
    QWidget *target;
    QString backgroundImage;
    QDesktopWidget *desktop;
    int availWidth;
    int availHeight;
};
