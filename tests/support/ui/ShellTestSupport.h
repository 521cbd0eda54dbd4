#ifndef SHELLTESTSUPPORT_H
#define SHELLTESTSUPPORT_H

#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QListWidget;
class QWidget;

// Helpers for tests of the game window: start and stop it as main() does,
// count the live screens and write the files it reads.
namespace ShellTest {

// A fresh world and ModuleManager::init, as at start-up.
void startGame();
// ModuleManager::closeAll, then the deferred deletions.
void stopGame();
// Runs the deletions screens asked for when they were replaced.
void flushDeletions();
// Every screen widget alive (the menu bar is no screen).
QList<QWidget *> liveScreens();
// Writes (or with a null content removes) a file in the working directory.
void writeFile(const QString &name, const QByteArray &content);

// The texts of a list widget's entries, top to bottom.
QStringList listTexts(const QListWidget *list);
// Empty when the list's visible area ends where a drawn row ends (or holds
// them all), else what shows: a list that cuts its third row reads "66 px
// for rows of 21, 21, 42 px".
QString cutRows(const QListWidget *list);
// The names of the lists shown in the window whose lines run past their
// width (a sideways scroll bar shows): text the player cannot read.
QStringList listsCutSideways(const QWidget *screen);
// Where a dialog's shown sentence, with its invisible breaks (U+200B), has
// a break inside a character (between an emoji's halves, a flag's letters
// or a letter and its accents), as places in the sentence without them.
QList<int> breaksInsideCharacters(const QString &shown);

// Names Qt would take for markup if it guessed; each must read as typed.
QStringList markupNames();
// A data column of that name with one row for each of them.
void addMarkupNameRows(const char *column);
// The label is shown, reads its text as plain text and that text holds
// `text` (a dialog's invisible breaks aside).
bool showsPlainText(const QLabel *label, const QString &text);
// What a tool tip of this text reads, shown by Qt: its lines as drawn, one
// below the other ("\n" between them).
QString toolTipShown(const QString &toolTip);

// The class name of the current screen.
QString currentScreenClass();

// The current screen, cast to its class (null when it is another class).
template <typename Screen>
Screen *currentScreenAs();

} // namespace ShellTest

#include <QWidget>

#include "ui/shell/ModuleManager.h"

template <typename Screen>
Screen *ShellTest::currentScreenAs()
{
    return qobject_cast<Screen *>(ModuleManager::Instance()->currentScreen());
}

#endif // SHELLTESTSUPPORT_H
