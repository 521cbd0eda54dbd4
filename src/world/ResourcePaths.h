#ifndef RESOURCEPATHS_H
#define RESOURCEPATHS_H

#include <QString>

// Where the pictures and data files lie below a resources folder: the
// game's own "./Resources" unless another folder is given (the resource
// generator writes the tree into the build folder).
namespace ResourcePaths {

inline QString gameFolder() { return QStringLiteral("./Resources"); }

inline QString flag(const QString &nation, const QString &resources = gameFolder())
{
    return resources + QStringLiteral("/Flags/flag_") + nation + QStringLiteral(".png");
}

inline QString orgLogo(const QString &organization, const QString &resources = gameFolder())
{
    return resources + QStringLiteral("/Org Logos/") + organization + QStringLiteral("_Logo.jpg");
}

inline QString gymShorts(const QString &colour, const QString &resources = gameFolder())
{
    return resources + QStringLiteral("/Shorts/gym_shorts_") + colour + QStringLiteral(".jpg");
}

inline QString gymTrim(const QString &colour, const QString &resources = gameFolder())
{
    return resources + QStringLiteral("/Trim/gym_trim_") + colour + QStringLiteral(".png");
}

inline QString nationsFile(const QString &resources = gameFolder())
{
    return resources + QStringLiteral("/Defaults/default_nations.dat");
}

} // namespace ResourcePaths

#endif // RESOURCEPATHS_H
