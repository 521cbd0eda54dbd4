#ifndef SAFEFILENAME_H
#define SAFEFILENAME_H

#include <QString>

// Names typed by the player or read from a game become file names inside one
// folder: a "/", "\", a control character or a leading "." would reach out
// of it or hide the file, and half a character (a lone surrogate) would
// turn into a "?" in the name on the disk.
namespace SafeFileName {

bool isSafe(const QString &name);
// The name with "_" in place of each character that makes it unsafe.
QString sanitized(const QString &name);

} // namespace SafeFileName

#endif // SAFEFILENAME_H
