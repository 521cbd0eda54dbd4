#ifndef HELPSCREENWRITER_H
#define HELPSCREENWRITER_H

#include <QMap>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

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
// even in the smallest lettering, and so would be cut off, each after its
// picture's file name.
QStringList captionsTooWide();
// The captions whose lines together are taller than their box, each by its
// first line after its picture's file name.
QStringList captionsTooTall();

// A box of a help picture that stands for one widget of its screen: the
// widget's object name or the text of its label (for a button, its text),
// where the picture draws it, and whether it is drawn as a button.
struct SketchedWidget
{
    QString widget;
    QRectF place;
    bool button;
};

// The pictures that sketch a screen, by file name, with what they draw of
// it; the pictures of topics are not among them.
QMap<QString, QVector<SketchedWidget>> sketchedScreens();

// All three; false as soon as one file could not be written.
bool writeAll(const QString &resourcesFolder);

} // namespace HelpScreenWriter

#endif // HELPSCREENWRITER_H
