#include "DroppedPhoto.h"

#include "PhotoFiles.h"

namespace DroppedPhoto {

bool firstIsPhoto(const QStringList &paths)
{
    return !paths.isEmpty() && PhotoFiles::isHeifPhotoName(paths.first());
}

} // namespace DroppedPhoto
