#ifndef WIDGETFINDER_H
#define WIDGETFINDER_H

#include <QGridLayout>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "ui/shell/ModuleManager.h"

namespace ShellTest {

// Fails the current test case with a message naming the missing widget,
// at the place that looked it up. A null parent fails it too, saying so.
void failMissingWidget(const QWidget *parent, const char *className, const QString &name, const char *file,
                       int line);
// Fails the current test case naming the grid's cell that holds no widget
// of the class wanted.
void failMissingCell(const QGridLayout *grid, int row, int column, const char *className, const char *file,
                     int line);
// Fails the current test case naming the screen class wanted and the one
// shown.
void failWrongScreen(const QWidget *shown, const char *className, const char *file, int line);

// Whether a look-up by text also finds buttons hidden on the parent, such as
// those of a page not shown.
enum class HiddenButtons { Skipped, Included };

// The parent's push button that reads this text. A missing one, or a null
// parent, fails the current case, naming the text and the parent, and a
// blank stand-in on the parent comes back, as for a widget below.
QPushButton *button(QWidget *parent, const QString &text, HiddenButtons hidden = HiddenButtons::Skipped,
                    const char *file = __builtin_FILE(), int line = __builtin_LINE());

// The parent's child of this class and object name. A missing one fails the
// current case, naming it, and a blank stand-in without the name comes back:
// the caller's next call reads empty values instead of a null pointer, and
// the next case still runs. The failure is reported at the caller's line.
// A null parent, as from a screen not found, fails the case the same way;
// its stand-in has no owner, and a failed case's few such stand-ins live
// until the program ends, so none goes while the case still uses it.
template <typename T>
T *widget(QWidget *parent, const QString &name, const char *file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (T *found = parent ? parent->findChild<T *>(name) : nullptr)
        return found;
    failMissingWidget(parent, T::staticMetaObject.className(), name, file, line);
    return new T(parent);
}

// The widget of this class in the grid's cell. An empty cell, one outside
// the grid, one holding another class or a null grid fails the current
// case, naming the cell, and a blank stand-in on the grid's widget comes
// back, as above.
template <typename T>
T *cell(QGridLayout *grid, int row, int column, const char *file = __builtin_FILE(), int line = __builtin_LINE())
{
    QLayoutItem *item = grid ? grid->itemAtPosition(row, column) : nullptr;
    if (T *found = item ? qobject_cast<T *>(item->widget()) : nullptr)
        return found;
    failMissingCell(grid, row, column, T::staticMetaObject.className(), file, line);
    return new T(grid ? grid->parentWidget() : nullptr);
}

// The current screen as its class. Another class fails the current case,
// naming both, and null comes back: no screen can stand in, as making one
// reads and changes the world, so the caller returns.
template <typename Screen>
Screen *screen(const char *file = __builtin_FILE(), int line = __builtin_LINE())
{
    QWidget *shown = ModuleManager::Instance()->currentScreen();
    if (auto *found = qobject_cast<Screen *>(shown))
        return found;
    failWrongScreen(shown, Screen::staticMetaObject.className(), file, line);
    return nullptr;
}

} // namespace ShellTest

#endif // WIDGETFINDER_H
