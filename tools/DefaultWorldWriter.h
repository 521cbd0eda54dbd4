#ifndef DEFAULTWORLDWRITER_H
#define DEFAULTWORLDWRITER_H

#include <QString>

// Writes the world a new game starts with into Resources/Defaults: the 18
// organization files (each one Organization record with its roster, titles
// and events) and the free-agent and amateur pool files (each one map from
// standing to Fighter).
//
// The fighters are made by the game's own generator with the random
// readings made deterministic and a fixed seed, so every run writes the
// same bytes. The generator reads the nations and name files from
// ./Resources/Defaults, so those must be written first and the folder must
// be named "Resources"; the current folder is moved to its parent while the
// fighters are made. The game world is reset before and after.
namespace DefaultWorldWriter {

QString organizationFile(const QString &resourcesFolder, const QString &key);
QString poolFile(const QString &resourcesFolder, const QString &prefix, int number);

// False when the folder is not named "Resources" or a file could not be
// written.
bool writeAll(const QString &resourcesFolder);

} // namespace DefaultWorldWriter

#endif // DEFAULTWORLDWRITER_H
