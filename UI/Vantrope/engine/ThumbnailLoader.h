#pragma once

#include "Heif2jpg.h"

#include <QImage>
#include <QString>
#include <QThread>

// Reads one HEIC file on a thread of its own and hands the photo's own
// thumbnail (upright) back by thumbnailReady, emitted once at the end of
// run() and only when there is one: a photo without a thumbnail, an
// unreadable file or no thumbnail function emit nothing. It writes no file.
// One object serves one photo; the destructor waits for a running load.
class ThumbnailLoader : public QThread
{
    Q_OBJECT

public:
    ThumbnailLoader(QString filePath, ThumbnailFunc thumbnail, QObject *parent = nullptr);
    ~ThumbnailLoader() override;

signals:
    void thumbnailReady(const QImage &thumbnail);

protected:
    void run() override;

private:
    const QString m_filePath;
    const ThumbnailFunc m_thumbnail;
};
