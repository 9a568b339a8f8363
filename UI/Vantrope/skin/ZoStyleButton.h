#pragma once

#include <QColor>
#include <QPushButton>
#include <QString>
#include <QTextOption>

// The image push button of the skin. Until setImages is called it is a plain
// QPushButton; afterwards it paints the image of its interaction state
// stretched over the whole button and its caption on top.
//
// Mouse press and release are handled here alone: the button never becomes
// "down", never emits pressed/released/toggled and never auto-repeats. A left
// release inside the button emits clicked(false), also before images are set.
//
// The keyboard presses it the same way: Space (the pressing image shows while
// the key is held, clicked(false) on release) and Return or Enter without
// modifiers (clicked(false) at once). Neither emits pressed(), so a button
// with a menu behaves as it does for the mouse.
class ZoStyleButton : public QPushButton
{
    Q_OBJECT
public:
    enum ZoButtonState {
        None = 0,     // no images: painted as a plain QPushButton
        Normal = 1,
        Hover = 2,
        Pressing = 3,
        Disable = 4   // only chosen while painting a disabled button
    };

    explicit ZoStyleButton(QWidget *parent = nullptr);

    // Absolute paths of the state images (normally skinDir() + "/Button/...").
    // An empty disable path keeps the last state's image on a disabled button.
    // Sets the state to Normal; does not repaint by itself.
    void setImages(const QString &normal, const QString &hover, const QString &pressing,
                   QString disable = QString());

    // The images of a button set of the skin's "Button" folder, by the set's
    // name in the table of skin images: setSkinImages("big_button") takes
    // big_button_normal/_hover/_pressing.png and, where the set has one,
    // big_button_disable.png. Otherwise as setImages.
    void setSkinImages(const QString &set);

    void setTextOption(QTextOption option);

    // Icon and caption, for buttons whose images carry no text: over the
    // state image the button paints the icon set's state image at its own
    // size and text() beside it, gap px apart, in the state's ink, the pair
    // placed by the text option's horizontal alignment (left or centred).
    // The icon set is named as for setSkinImages. A button wider than its
    // state image keeps the image's rounded ends and stretches its middle.
    void setSkinIcon(const QString &set, int gap);
    struct CaptionInks {
        QColor normal, hover, pressing, disabled;
    };
    void setCaptionInks(const CaptionInks &inks);
    // The skin's inks: links (blue, deeper while hovered and pressed, grey
    // when disabled) and the title bar's Home (blue, deeper while pressed).
    static CaptionInks linkInks();
    static CaptionInks navigationInks();
    // A line under the caption while hovered or pressed (links).
    void setHoverUnderline(bool underline);
    // The width icon, gap and caption take in the button's font.
    int captionWidth() const;
    // Fixes the width at layoutWidth, or wider where the caption (in the
    // user's language) needs it, with padding px on both sides of the pair.
    void fitToCaption(int layoutWidth, int padding = 0);

    // Repaints through signalUpdate() when the button is enabled.
    virtual void refreshState();

    // Presses the button as a click would (shortcuts): emits clicked(false)
    // when the button is enabled.
    void activate();

signals:
    void signalUpdate();
    void mouseEnter();
    void mouseLeave();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ZoButtonState shownState() const;
    void paintStateImage(QPainter &painter, const QPixmap &image) const;
    void paintIconAndCaption(QPainter &painter, ZoButtonState shown) const;

    ZoButtonState state;
    QString images[5];
    QString icons[5];
    int iconGap = 0;
    CaptionInks inks;
    bool hoverUnderline = false;
    QTextOption textOption;
    // Space is held down on the button.
    bool spaceDown = false;
};

using ZoButtonState = ZoStyleButton::ZoButtonState;
