#pragma once

// The skin files and compiled-in images the painter delivers, at 1x (each
// has an @2x twin), from the one table of painted images. Shared by the
// image checks and the gallery.

#include "skinimages.h"

#include <QStringList>

namespace SkinFiles {

// Every skin file, relative to the skin folder.
inline QStringList skinFiles()
{
    QStringList files;
    for (const QString &file : SkinImages::files(SkinImages::Place::SkinFolder))
        if (!file.contains(QLatin1String("@2x")))
            files << file;
    return files;
}

// Every compiled-in image, as a resource path (":/...").
inline QStringList resourceFiles()
{
    QStringList files;
    for (const QString &file : SkinImages::files(SkinImages::Place::Resource))
        files << QStringLiteral(":/") + file;
    return files;
}

} // namespace SkinFiles
