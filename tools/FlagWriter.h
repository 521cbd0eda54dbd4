#ifndef FLAGWRITER_H
#define FLAGWRITER_H

#include <QImage>
#include <QString>

// Writes Resources/Flags/flag_<nation>.png for every nation of the nations
// file, and flag_blank.png. Flags come from Debian's iso-flags-png-320x240
// package, cropped to the 8:5 shape the screens show; a nation the package
// lacks is drawn, and a missing package gives neutral placeholder flags.
namespace FlagWriter {

// Where Debian installs the package's pictures.
QString defaultPackageFolder();

// Every flag is this size (8:5).
QSize flagSize();

// The nation's flag picture, from `packageFolder` or drawn.
QImage flagFor(const QString &nation, const QString &packageFolder);

bool writeFlags(const QString &resourcesFolder, const QString &packageFolder);
bool writeAll(const QString &resourcesFolder);

} // namespace FlagWriter

#endif // FLAGWRITER_H
