// Paints every image of the program's look: the skin folder delivered beside
// the executable and the compiled-in resources. The look lives here, in code;
// the build runs this tool and nothing it writes is kept in the repository.
// What it paints is the table in ../table/skinimages.def.
//
//   vantrope-skinpainter --skin <folder>        writes <folder>/Button/... etc.
//   vantrope-skinpainter --resources <folder>   writes <folder>/Vantrope/Resources/...
//                                               and <folder>/ZoRSC/logo.png
//
// Every image is painted twice from the same vector drawing: "name.png" at its
// layout size and "name@2x.png" at twice the pixels, for screens scaled 200 %
// (the toolkit picks the @2x file there).

#include "drawings.h"
#include "skinimages.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

using namespace SkinPainter;

// The drawing of each table entry, in table order.
const Drawing drawings[] = {
#define SKIN_IMAGE(file, width, height, kind, drawing) &drawing,
#define RESOURCE_IMAGE(file, width, height, kind, drawing) &drawing,
#include "skinimages.def"
#undef SKIN_IMAGE
#undef RESOURCE_IMAGE
};
static_assert(sizeof(drawings) / sizeof(drawings[0]) == sizeof(SkinImages::entries) / sizeof(SkinImages::entries[0]),
              "one drawing per table entry");

State stateOf(SkinImages::Kind kind)
{
    switch (kind) {
    case SkinImages::Kind::Hover: return State::Hover;
    case SkinImages::Kind::Pressing: return State::Pressing;
    case SkinImages::Kind::Disable: return State::Disable;
    default: return State::Normal;
    }
}

// "Button/x.png" -> "Button/x@2x.png" at scale 2.
QString scaledName(const QString &path, int scale)
{
    if (scale == 1)
        return path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

// Writes every image of the entries at place under root; returns the files
// that could not be written.
QStringList paintAll(SkinImages::Place place, const QString &root)
{
    QStringList failed;
    for (int scale : {1, 2}) {
        const Canvas canvas{scale};
        for (size_t i = 0; i < sizeof(drawings) / sizeof(drawings[0]); ++i) {
            const SkinImages::Entry &entry = SkinImages::entries[i];
            if (entry.place != place)
                continue;
            for (SkinImages::Kind state : SkinImages::states(entry)) {
                const QImage image = drawings[i](canvas, QSize(entry.width, entry.height), stateOf(state));
                const QString path = scaledName(root + QLatin1Char('/') + SkinImages::fileFor(entry, state), scale);
                QDir().mkpath(QFileInfo(path).absolutePath());
                const bool jpeg = path.endsWith(QLatin1String(".jpg"));
                if (!image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 95 : -1))
                    failed << path;
            }
        }
    }
    return failed;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    // Same family substitution as the program (see ZoSkin).
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"), {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    const QStringList args = app.arguments();
    if (args.size() != 3 || (args[1] != QLatin1String("--skin") && args[1] != QLatin1String("--resources"))) {
        std::fprintf(stderr, "usage: vantrope-skinpainter --skin|--resources <folder>\n");
        return 2;
    }
    const QStringList failed = paintAll(
        args[1] == QLatin1String("--skin") ? SkinImages::Place::SkinFolder : SkinImages::Place::Resource, args[2]);
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "could not write:\n%s\n", qPrintable(failed.join(QLatin1Char('\n'))));
        return 1;
    }
    return 0;
}
