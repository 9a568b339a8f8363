// Time to the first picture on the preview page itself: from opening a photo
// on a shown PreviewHEIC to the box painted with the photo's thumbnail, and
// to the box painted with the full preview (after which Photo Info and
// Convert are enabled). The clock starts where the main window builds the
// page; the decoder is bound before, as the main window binds it once at
// start-up. Each round is a fresh page in the same process.
//
//   vantrope-bench-firstpaint PHOTO [ROUNDS]
// prints: photo  thumbnail_ms (or "none")  full_ms   (medians of ROUNDS,
// default 3; each round opens the photo on a fresh page).
#include "Heif2jpg.h"
#include "PreviewHEIC.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Notes the time of the box's first paint with a thumbnail (Convert still
// disabled) and with the full preview (Convert enabled).
class PaintWatch : public QObject
{
public:
    PaintWatch(QLabel *box, QPushButton *convert, const QElapsedTimer &clock)
        : box(box)
        , convert(convert)
        , clock(clock)
    {
        box->installEventFilter(this);
    }
    qint64 thumbnailMs = -1;
    qint64 fullMs = -1;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || box->pixmap(Qt::ReturnByValue).isNull())
            return false;
        if (convert->isEnabled()) {
            if (fullMs < 0)
                fullMs = clock.elapsed();
        } else if (thumbnailMs < 0) {
            thumbnailMs = clock.elapsed();
        }
        return false;
    }

private:
    QLabel *box;
    QPushButton *convert;
    const QElapsedTimer &clock;
};

double median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? double(values[n / 2]) : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PHOTO [ROUNDS]\n", argv[0]);
        return 2;
    }
    const QString photo = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const Heif2jpgFunc decoder = bindDecoder();
    const ThumbnailFunc thumbnail = bindThumbnail();
    if (!decoder) {
        std::fprintf(stderr, "the decoder library was not found\n");
        return 1;
    }

    std::vector<qint64> thumbnails, fulls;
    for (int round = 0; round < rounds; ++round) {
        // As the main window opens a photo: the page is built, its decodes
        // start, and it is put on show.
        QElapsedTimer clock;
        clock.start();
        PreviewHEIC page(photo);
        PaintWatch watch(page.findChild<QLabel *>(QStringLiteral("label_HEIC")),
                         page.findChild<QPushButton *>(QStringLiteral("pushButton_Convert")), clock);
        page.setDecoder(decoder);
        page.setThumbnailSource(thumbnail);
        page.slot_Preview();
        page.show();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &app, [&] {
            if (watch.fullMs >= 0)
                app.quit();
        });
        poll.start(1);
        QTimer::singleShot(300000, &app, &QCoreApplication::quit);
        app.exec();
        if (watch.fullMs < 0) {
            std::fprintf(stderr, "%s: no full preview\n", argv[1]);
            return 1;
        }
        fulls.push_back(watch.fullMs);
        if (watch.thumbnailMs >= 0)
            thumbnails.push_back(watch.thumbnailMs);
    }
    const QByteArray name = QFileInfo(photo).fileName().toLocal8Bit();
    if (thumbnails.size() == fulls.size())
        std::printf("%s\t%.0f\t%.0f\n", name.constData(), median(thumbnails), median(fulls));
    else
        std::printf("%s\tnone\t%.0f\n", name.constData(), median(fulls));
    return 0;
}
