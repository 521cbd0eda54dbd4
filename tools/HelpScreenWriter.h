#ifndef HELPSCREENWRITER_H
#define HELPSCREENWRITER_H

#include <QString>
#include <QStringList>

// Writes what the help screen reads: the help data file
// Resources/Defaults/help_screen_data.dat (ten topic -> text maps, one per
// help screen), the help pictures under Resources/Backgrounds and the two
// help icons that the menu bar's pictures do not already provide. The
// pictures are sketches of the screens they explain, drawn here.
namespace HelpScreenWriter {

bool writeHelpData(const QString &resourcesFolder);
bool writeHelpPictures(const QString &resourcesFolder);
bool writeHelpIcons(const QString &resourcesFolder);

// The caption lines of the help pictures that are wider than their box
// and so would be cut off, each after its picture's file name.
QStringList captionsTooWide();

// All three; false as soon as one file could not be written.
bool writeAll(const QString &resourcesFolder);

} // namespace HelpScreenWriter

#endif // HELPSCREENWRITER_H
