// The skin's images: every file the pages name is there at the size they lay
// it out at, each has an @2x twin at twice the pixels, and on a screen scaled
// 200 % every way the toolkit shows an image (button images, title-bar
// backgrounds, label pixmaps, style-sheet url()s, icons; skin folder and
// compiled-in resources alike) shows the @2x pixels rather than the 1x image
// blown up.
//
// Runs with QT_SCALE_FACTOR=2 (set in main, before the application exists).

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "ZoSkin.h"
#include "ZoStyleButton.h"
#include "ZoStyleWidget.h"
#include "skinfiles.h"

namespace {

using SkinFiles::resourceFiles;
using SkinFiles::skinFiles;

QString twin(const QString &path)
{
    const int dot = path.lastIndexOf('.');
    return path.left(dot) + "@2x" + path.mid(dot);
}

// Largest difference of any channel of any pixel; the images must match in size.
int maxDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size())
        return 256;
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const QRgb *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            worst = qMax(worst, qAbs(qRed(p[col]) - qRed(q[col])));
            worst = qMax(worst, qAbs(qGreen(p[col]) - qGreen(q[col])));
            worst = qMax(worst, qAbs(qBlue(p[col]) - qBlue(q[col])));
        }
    }
    return worst;
}

} // namespace

class TestSkinImages : public QObject
{
    Q_OBJECT

private slots:
    void everyNamedImageHasBothResolutions()
    {
        const QString skin = ZoSkin().skinDir();
        QStringList paths;
        for (const QString &f : skinFiles())
            paths << skin + '/' + f;
        paths << resourceFiles();
        for (const QString &path : paths) {
            const QImage image(path);
            const QImage doubled(twin(path));
            QVERIFY2(!image.isNull(), qPrintable(path));
            QVERIFY2(!doubled.isNull(), qPrintable(twin(path)));
            QCOMPARE(doubled.size(), image.size() * 2);
        }
        // Each file at the size its table entry gives.
        for (const SkinImages::Entry &entry : SkinImages::entries) {
            const QString root = entry.place == SkinImages::Place::SkinFolder ? skin + '/' : QString(":/");
            for (SkinImages::Kind state : SkinImages::states(entry)) {
                const QString path = root + SkinImages::fileFor(entry, state);
                QCOMPARE(QImage(path).size(), QSize(entry.width, entry.height));
            }
        }
        // Sizes the pages lay them out at, so nothing is stretched out of shape.
        QCOMPARE(QImage(skin + "/main/48x48.png").size(), QSize(48, 48));
        QCOMPARE(QImage(skin + "/main/heic_icon_26.png").size(), QSize(26, 26));
        QCOMPARE(QImage(skin + "/Button/big_button_normal.png").size(), QSize(168, 43));
        QCOMPARE(QImage(skin + "/main/module1_normal.png").size(), QSize(290, 350));
        QCOMPARE(QImage(":/Vantrope/Resources/home_bg.jpg").size(), QSize(1000, 569));
        QCOMPARE(QImage(":/Vantrope/Resources/file_add_bg_normal.png").size(), QSize(670, 400));
    }

    void pixmapPicksTwinByRatio_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("skin folder") << ZoSkin().skinDir() + "/main/heic_icon_26.png";
        QTest::newRow("resource") << QString(":/ZoRSC/logo.png");
        QTest::newRow("jpeg resource") << QString(":/Vantrope/Resources/home_bg.jpg");
    }

    void pixmapPicksTwinByRatio()
    {
        QFETCH(QString, path);
        const QImage single(path);
        const QPixmap normal = ZoSkin::pixmap(path, 1.0);
        QCOMPARE(normal.devicePixelRatio(), 1.0);
        QCOMPARE(normal.size(), single.size());
        const QPixmap sharp = ZoSkin::pixmap(path, 2.0);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.size(), single.size() * 2);
        QCOMPARE(maxDifference(sharp.toImage(), QImage(twin(path))), 0);
        // A fractional scale (150 %) also takes the sharper twin.
        QCOMPARE(ZoSkin::pixmap(path, 1.5).devicePixelRatio(), 2.0);
    }

    void pixmapWithoutTwinOrFile()
    {
        QTemporaryDir dir;
        QImage plain(10, 6, QImage::Format_ARGB32);
        plain.fill(Qt::red);
        QVERIFY(plain.save(dir.path() + "/only.png"));
        const QPixmap fallback = ZoSkin::pixmap(dir.path() + "/only.png", 2.0);
        QCOMPARE(fallback.size(), QSize(10, 6));
        QCOMPARE(fallback.devicePixelRatio(), 1.0);
        QVERIFY(ZoSkin::pixmap(dir.path() + "/missing.png", 2.0).isNull());
        QVERIFY(ZoSkin::pixmap(QString(), 2.0).isNull());
    }

    void screenAtTwiceScaleShowsTwins_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("path");
        const QString skin = ZoSkin().skinDir();
        QTest::newRow("button image") << "button" << skin + "/main/module1_normal.png";
        QTest::newRow("widget background") << "background" << skin + "/main/module2_bg_hover.png";
        QTest::newRow("label pixmap") << "label" << skin + "/main/module1_bg_hover.png";
        QTest::newRow("style sheet, skin folder") << "sheet" << skin + "/main/module2_normal.png";
        QTest::newRow("style sheet, resource") << "sheet" << ":/Vantrope/Resources/module1_normal.png";
        QTest::newRow("button image, resource") << "button" << ":/Vantrope/Resources/module2_bg_hover.png";
    }

    void screenAtTwiceScaleShowsTwins()
    {
        QFETCH(QString, how);
        QFETCH(QString, path);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        const QSize size = QImage(path).size();

        std::unique_ptr<QWidget> widget;
        if (how == "button") {
            auto *button = new ZoStyleButton;
            button->setImages(path, path, path);
            widget.reset(button);
        } else if (how == "background") {
            auto *plain = new ZoStyleWidget;
            plain->setBackgroundImage(path);
            widget.reset(plain);
        } else if (how == "label") {
            auto *label = new QLabel;
            label->setPixmap(ZoSkin::pixmap(path));
            widget.reset(label);
        } else {
            auto *label = new QLabel;
            label->setStyleSheet("background-image: url(" + path + ");");
            widget.reset(label);
        }
        widget->setFixedSize(size);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        const QImage shown = widget->grab().toImage();
        QCOMPARE(shown.size(), size * 2);

        const QImage sharp(twin(path));
        const QImage blownUp = QImage(path).scaled(size * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The tiles carry text and thin lines: the 1x image enlarged differs
        // from the twin by far more than rounding.
        QVERIFY(maxDifference(blownUp, sharp) > 40);
        QVERIFY2(maxDifference(shown, sharp) <= 3,
                 qPrintable(QString("differs from the @2x image by %1").arg(maxDifference(shown, sharp))));
    }

    void iconTakesTwin()
    {
        const QPixmap icon = QIcon(ZoSkin().skinDir() + "/main/48x48.png").pixmap(48, 48);
        QCOMPARE(icon.devicePixelRatio(), 2.0);
        QCOMPARE(icon.size(), QSize(96, 96));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    ZoSkin::enableHighDpi();
    QApplication app(argc, argv);
    TestSkinImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_skinimages.moc"
