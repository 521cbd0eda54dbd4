#ifndef RESOURCEPATHS_H
#define RESOURCEPATHS_H

#include <QString>

#include <iterator>

#include "records/TrainingType.h"

// Where the pictures and data files lie below a resources folder: the
// game's own "./Resources" unless another folder is given (the resource
// generator writes the tree into the build folder).
namespace ResourcePaths {

inline QString gameFolder() { return QStringLiteral("./Resources"); }

// The two style sheets lie beside the game in its working folder, not below Resources.
inline QString screenStyleSheetFile() { return QStringLiteral("StyleSheet.css"); }
inline QString menuStyleSheetFile() { return QStringLiteral("TopMenuStyle.css"); }

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

// The given names and surnames of one culture ("anglo" ... "oceanic").
inline QString namesFile(const QString &culture, const QString &resources = gameFolder())
{
    return resources + QStringLiteral("/Defaults/") + culture + QStringLiteral("_names.dat");
}

// The icon of each training plan in TrainingType order: the rest day, then the gym's equipment.
inline constexpr const char *trainingIconFiles[] = {
    "rest_icon.png", "heavy_bag_icon.png", "focus_mitts_icon.png", "speed_bag_icon.png", "banana_bag_icon.png",
    "wall_bag_icon.png", "thai_pads_icon.png", "sparring_icon.png", "shadow_boxing_icon.png", "grappling_icon.png",
    "swerve_bag_icon.png", "movement_drills_icon.png", "foam_sticks_icon.png", "skip_rope_icon.png",
    "kettle_bell_icon.png", "running_icon.png", "plyometrics_icon.png", "heavy_weights_icon.png",
    "video_study_icon.png", "game_planning_icon.png", "meditate_icon.png", "rattan_sticks_icon.png",
};
static_assert(std::size(trainingIconFiles) == TrainingType::Count, "one icon per training plan");

inline QString trainingIcon(int plan, const QString &resources = gameFolder())
{
    return resources + QStringLiteral("/Training Icons/") + QLatin1String(trainingIconFiles[plan]);
}

} // namespace ResourcePaths

#endif // RESOURCEPATHS_H
