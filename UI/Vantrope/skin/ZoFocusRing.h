#pragma once

#include <QPointer>
#include <QWidget>

// The keyboard focus ring of the skin: a two-tone rounded outline (deep blue
// outside, white inside) drawn a few pixels around the control that has the
// keyboard focus, so it shows on the white body as well as on the blue image
// buttons and the blue title bars.
//
// One ring serves the whole application. It shows while the user's last input
// was a key press and goes with a mouse click, as platform focus frames do. The ring is a child overlay, never
// takes focus or mouse input, and follows its control while it moves.
class ZoFocusRing : public QWidget
{
    Q_OBJECT
public:
    // Pixels the ring extends beyond its control on each side.
    static constexpr int margin = 3;

    // Starts the ring for this application; later calls do nothing. Every
    // skinned widget's ZoSkin calls it.
    static void install();

    // The control the ring is drawn around, or null while none is shown.
    static QWidget *ringedWidget();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    explicit ZoFocusRing(QWidget *parent);
    friend class ZoFocusTracker;
};
