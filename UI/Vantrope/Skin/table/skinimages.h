#pragma once

#include <QString>
#include <QStringList>

// The table of painted images (skinimages.def) as data: the painter paints
// every entry, the toolkit looks up button sets in it, the tests check that
// every file is there.
namespace SkinImages {

enum class Kind { ThreeStates, FourStates, Normal, Hover, Pressing, Disable };
enum class Place { SkinFolder, Resource };

struct Entry {
    Place place;
    const char *file; // a stem for the state sets, else the file name
    int width;
    int height;
    Kind kind;
};

inline constexpr Entry entries[] = {
#define SKIN_IMAGE(file, width, height, kind, drawing) {Place::SkinFolder, file, width, height, Kind::kind},
#define RESOURCE_IMAGE(file, width, height, kind, drawing) {Place::Resource, file, width, height, Kind::kind},
#include "skinimages.def"
#undef SKIN_IMAGE
#undef RESOURCE_IMAGE
};

// The states an entry is painted in, in file order.
inline QList<Kind> states(const Entry &entry)
{
    switch (entry.kind) {
    case Kind::ThreeStates: return {Kind::Normal, Kind::Hover, Kind::Pressing};
    case Kind::FourStates: return {Kind::Normal, Kind::Hover, Kind::Pressing, Kind::Disable};
    default: return {entry.kind};
    }
}

inline const char *stateSuffix(Kind state)
{
    switch (state) {
    case Kind::Hover: return "hover";
    case Kind::Pressing: return "pressing";
    case Kind::Disable: return "disable";
    default: return "normal";
    }
}

// The file an entry is painted into in one state, relative to its place's
// root ("Button/big_button_hover.png", "main/48x48.png").
inline QString fileFor(const Entry &entry, Kind state)
{
    const QString file = QString::fromLatin1(entry.file);
    if (entry.kind != Kind::ThreeStates && entry.kind != Kind::FourStates)
        return file;
    return file + QLatin1Char('_') + QLatin1String(stateSuffix(state)) + QStringLiteral(".png");
}

// Every file of the entries at place, relative to its root.
inline QStringList files(Place place)
{
    QStringList all;
    for (const Entry &entry : entries)
        if (entry.place == place)
            for (Kind state : states(entry))
                all << fileFor(entry, state);
    return all;
}

// The entry of a file stem or name at place, or null.
inline const Entry *find(Place place, const QString &file)
{
    for (const Entry &entry : entries)
        if (entry.place == place && file == QLatin1String(entry.file))
            return &entry;
    return nullptr;
}

} // namespace SkinImages
