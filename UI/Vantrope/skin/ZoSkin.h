#pragma once

#include <QFont>
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

private:
    QString fontFamily;
    QString skinFolder;
};
