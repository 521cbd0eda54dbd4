#ifndef WIDGETFINDER_H
#define WIDGETFINDER_H

#include <QString>
#include <QWidget>

namespace ShellTest {

// Fails the current test case with a message naming the missing widget,
// at the place that looked it up.
void failMissingWidget(const QWidget *parent, const char *className, const QString &name, const char *file,
                       int line);

// The parent's child of this class and object name. A missing one fails the
// current case, naming it, and a blank stand-in without the name comes back:
// the caller's next call reads empty values instead of a null pointer, and
// the next case still runs. The failure is reported at the caller's line.
template <typename T>
T *widget(QWidget *parent, const QString &name, const char *file = __builtin_FILE(), int line = __builtin_LINE())
{
    if (T *found = parent->findChild<T *>(name))
        return found;
    failMissingWidget(parent, T::staticMetaObject.className(), name, file, line);
    return new T(parent);
}

} // namespace ShellTest

#endif // WIDGETFINDER_H
