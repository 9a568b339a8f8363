#include "ZoSkin.h"
#include "ZoFocusRing.h"
#include "ZoWindowActivation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

static void prepareSkin()
{
    static const bool prepared = [] {
        // The images live in a static library; registering them here pulls
        // them into every program that uses the skin.
        Q_INIT_RESOURCE(vantrope_resources);
        // The skin's family is not installed on this platform. Open Sans is
        // the closest humanist sans here; without it fontconfig's default
        // sans takes over.
        QFont::insertSubstitutions(QStringLiteral("Segoe UI"),
                                   {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(prepared);
    // Every skinned window shows the keyboard focus the same way, and gets
    // the keyboard back when a dialog over it closes.
    ZoFocusRing::install();
    ZoWindowActivation::install();
}

ZoSkin::ZoSkin()
    : fontFamily(QStringLiteral("Segoe UI"))
    , skinFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/Skin"))
{
    prepareSkin();
}

QString ZoSkin::skinDir() const
{
    return skinFolder;
}

QFont ZoSkin::font(int style) const
{
    int weight = 50;
    int pixelSize = 15;
    bool antialias = false;

    if (style >= 10 && style <= 21) {
        weight = style % 2 ? 75 : 50;
        pixelSize = 15 + (style - 10) / 2;
    } else if (style >= 24 && style <= 55) {
        weight = style % 2 ? 75 : 50;
        pixelSize = 9 + (style - 24) / 2;
    } else {
        switch (style) {
        case 0: pixelSize = 14; break;
        case 1: pixelSize = 13; break;
        case 2: weight = 62; pixelSize = 15; break;
        case 3: weight = 75; pixelSize = 14; break;
        case 4: pixelSize = 11; break;
        case 5: weight = 75; pixelSize = 11; break;
        case 6: pixelSize = 13; break;
        case 7: weight = 75; pixelSize = 13; break;
        case 8: pixelSize = 14; break;
        case 9: weight = 75; pixelSize = 14; break;
        case 22: weight = 75; pixelSize = 27; antialias = true; break;
        case 23: pixelSize = 8; break;
        case 56: pixelSize = 27; break;
        case 60: weight = 63; pixelSize = 14; break;
        default: break;
        }
    }

    QFont font(fontFamily, -1, weight, false);
    font.setPixelSize(pixelSize);
    if (antialias)
        font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void ZoSkin::enableHighDpi()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
}

QPixmap ZoSkin::pixmap(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0 && !path.isEmpty()) {
        const QFileInfo file(path);
        const QString doubled = file.path() + QLatin1Char('/') + file.completeBaseName()
                                + QStringLiteral("@2x.") + file.suffix();
        if (QFileInfo::exists(doubled)) {
            QPixmap image(doubled);
            if (!image.isNull()) {
                image.setDevicePixelRatio(2.0);
                return image;
            }
        }
    }
    return QPixmap(path);
}

QPixmap ZoSkin::pixmap(const QString &path)
{
    return pixmap(path, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}
