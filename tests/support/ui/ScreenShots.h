#ifndef SCREENSHOTS_H
#define SCREENSHOTS_H

#include <QString>
#include <QtTest>

// Pictures of the game window for a look, taken offscreen with the
// resources and style sheets the build wrote. Shots go to
// $TMPDIR/ringwright_shots/.
namespace ScreenShots {

// Makes the test's own folder (build/tests/work/<test>) the game's working
// folder, holding a fresh copy of the resources and style sheets the build
// wrote with empty Saves and Exports, so that nothing a player left in the
// build folder shows. The empty text when it went well, else what went
// wrong (the build wrote no resources, say).
QString enterGameCopy();
QString folder();
// Saves the 1100 by 700 window as folder() + name + ".png"; the empty text
// when it went well, else what went wrong.
QString saveWindow(const QString &name);

} // namespace ScreenShots

#define ENTER_GAME_COPY()                                              \
    do {                                                               \
        const QString copyError = ScreenShots::enterGameCopy();        \
        QVERIFY2(copyError.isEmpty(), qPrintable(copyError));          \
    } while (false)

#define SHOOT_WINDOW(name)                                             \
    do {                                                               \
        const QString shotError = ScreenShots::saveWindow(name);       \
        QVERIFY2(shotError.isEmpty(), qPrintable(shotError));          \
    } while (false)

#endif // SCREENSHOTS_H
