#pragma once

class QWidget;

// Paints the frame of a frameless window: a white body inset by 5 px and a
// soft blue shadow of five 1-px rings fading outwards, square corners, the
// outermost pixel row left transparent. Call it from the window's paintEvent;
// the window needs Qt::WA_TranslucentBackground for the ring to blend.
//
// Where the desktop cannot show translucent windows (an X11 display without a
// compositing manager shows every transparent pixel black), the frame is
// opaque instead: the whole window white with a plain 1-px border along its
// edge, so no black band shows around it.
class ZoShadowFrame
{
public:
    enum Style {
        Shadow, // white body and the fading ring in the 5 px margin
        Plain,  // everything white, a 1-px border at the window's edge
    };

    // Paints the style that suits the display: Shadow where translucent
    // windows show, Plain where they do not. Asked at every paint, so a
    // compositing manager started or stopped later is followed.
    void paintFrame(QWidget *widget) const;
    void paintFrame(QWidget *widget, Style style) const;

    // Whether translucent top-level windows show as such: on X11 only while a
    // compositing manager runs; on every other platform (Wayland, the
    // offscreen platform of the tests, Windows, macOS) always.
    static bool translucentWindowsAvailable();
};
