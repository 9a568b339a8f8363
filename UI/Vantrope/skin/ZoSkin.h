#pragma once

#include <QFont>
#include <QPixmap>
#include <QString>

// The look shared by every skinned widget: the font family, the skin folder
// beside the executable and the numbered font table. A plain value; each
// skinned class holds its own, built in its constructor.
//
// Constructing a ZoSkin also makes sure the compiled-in images
// (":/Vantrope/Resources/...", ":/ZoRSC/logo.png") are registered, so every
// page that holds one can use them in pixmaps and style sheets.
class ZoSkin
{
public:
    ZoSkin();

    // The skin folder, without a trailing separator. Callers append a
    // sub-path that starts with one, e.g. "/Button/button100_normal.png".
    QString skinDir() const;

    // The font of a style number (0 to 56); any other number gives the
    // default font (Normal, 15 px).
    QFont font(int style) const;

    // The fonts of the pages and dialogs by role: each is one style number
    // of the table above.
    enum FontRole {
        MenuFont = 1,          // menu entries: Normal 13 px
        TableHeaderFont = 31,  // table captions: Bold 12 px
        SmallFont = 32,        // message box buttons, descriptions: Normal 13 px
        BodyFont = 34,         // texts, labels and buttons: Normal 14 px
        TitleBarFont = 35,     // dialog title bars: Bold 14 px
        LabelFont = 38,        // setting names, statements: Normal 16 px
        CaptionFont = 39,      // window title texts, Start: Bold 16 px
        BigButtonFont = 42,    // Convert: Normal 18 px
        HeadingFont = 43,      // headings: Bold 18 px
        TileTitleFont = 47,    // the home view's tile titles: Bold 20 px
        NavigationFont = 60    // the title bar's Home: DemiBold 14 px
    };
    QFont font(FontRole role) const { return font(int(role)); }

    // Turns on Qt's high-DPI scaling and high-DPI pixmaps, so a screen scaled
    // 200 % shows the windows at twice the pixels and the skin's @2x images.
    // Call it in main before the QApplication is constructed.
    static void enableHighDpi();

    // The image at path for a device pixel ratio: where the ratio is above 1
    // and "name@2x.ext" lies beside "name.ext" (skin folder or compiled-in
    // resource), that file with device pixel ratio 2, else the file itself.
    // Use it wherever a skin image becomes a QPixmap; style sheets and QIcon
    // pick the @2x file by themselves.
    static QPixmap pixmap(const QString &path, qreal devicePixelRatio);
    // The same for the application's device pixel ratio (the highest of its
    // screens), for labels and other places that keep the pixmap.
    static QPixmap pixmap(const QString &path);

private:
    QString fontFamily;
    QString skinFolder;
};
