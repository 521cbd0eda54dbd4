#ifndef SHELLARTWRITER_H
#define SHELLARTWRITER_H

#include <QImage>
#include <QString>

class QPainterPath;

// Writes the look of the game window into a build folder: the style sheets
// ResourcePaths::screenStyleSheetFile and menuStyleSheetFile, the background
// and title pictures under Resources/Backgrounds and the menu buttons'
// pictures under Resources/TopMenu. Everything is drawn here with QPainter;
// it needs a QGuiApplication (the offscreen platform will do) for the
// lettering. Returns false when a file could not be written.
namespace ShellArtWriter {

bool write(const QString &buildFolder);

// A 70 by 70 menu button picture in its raised look, with `glyph` (drawn
// on a 70 by 70 tile) on it.
QImage drawRaisedIcon(const QPainterPath &glyph);

} // namespace ShellArtWriter

#endif // SHELLARTWRITER_H
