#ifndef SHELLARTWRITER_H
#define SHELLARTWRITER_H

#include <QString>

// Writes the look of the game window into a build folder: the two style
// sheets ("StyleSheet.css" for the screens, "TopMenuStyle.css" for the menu
// bar), the background and title pictures under Resources/Backgrounds and
// the menu buttons' pictures under Resources/TopMenu. Everything is drawn
// here with QPainter; it needs a QGuiApplication (the offscreen platform
// will do) for the lettering. Returns false when a file could not be written.
namespace ShellArtWriter {

bool write(const QString &buildFolder);

} // namespace ShellArtWriter

#endif // SHELLARTWRITER_H
