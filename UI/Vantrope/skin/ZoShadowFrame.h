#pragma once

class QWidget;

// Paints the frame of a frameless window: a white body inset by 5 px and a
// soft blue shadow of five 1-px rings fading outwards, square corners, the
// outermost pixel row left transparent. Call it from the window's paintEvent;
// the window needs Qt::WA_TranslucentBackground for the ring to blend.
class ZoShadowFrame
{
public:
    void paintFrame(QWidget *widget) const;
};
