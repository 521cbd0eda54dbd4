#ifndef SCREENSHOTS_H
#define SCREENSHOTS_H

#include <QString>
#include <QtTest>

// Pictures of the game window for a look, taken offscreen with the
// resources and style sheets the build wrote. Shots go to
// $TMPDIR/ringwright_shots/.
namespace ScreenShots {

// Makes the build folder the working folder; false when `marker` (a path
// below it) is missing, that is when the build wrote no resources.
bool enterBuildFolder(const QString &marker);
QString folder();
// Saves the 1100 by 700 window as folder() + name + ".png"; the empty text
// when it went well, else what went wrong.
QString saveWindow(const QString &name);

} // namespace ScreenShots

#define SHOOT_WINDOW(name)                                             \
    do {                                                               \
        const QString shotError = ScreenShots::saveWindow(name);       \
        QVERIFY2(shotError.isEmpty(), qPrintable(shotError));          \
    } while (false)

#endif // SCREENSHOTS_H
