#include "WidgetFinder.h"

#include <QtTest>

namespace {

QString classOf(const QObject *object)
{
    return QLatin1String(object->metaObject()->className());
}

// "QLabel \"title_label\"", or the class alone for an unnamed object.
QString described(const QObject *object)
{
    if (object->objectName().isEmpty())
        return classOf(object);
    return QStringLiteral("%1 \"%2\"").arg(classOf(object), object->objectName());
}

// What a look-up was given instead of a parent (or a grid) to look in.
QString nothingToLookIn(const char *what)
{
    return QStringLiteral("no %1 to look in: the %1 given is null, as when its screen was not found")
        .arg(QLatin1String(what));
}

// What the parent has of that name, if it has anything: a child of another
// class than the one looked for tells more than a missing one.
QString childNamed(const QWidget *parent, const QString &name)
{
    if (!parent)
        return nothingToLookIn("parent");
    if (const QObject *namesake = parent->findChild<QObject *>(name))
        return QStringLiteral("the child of that name of %1 is a %2").arg(classOf(parent), classOf(namesake));
    return QStringLiteral("no such child of %1").arg(classOf(parent));
}

QString heldIn(QLayoutItem *item)
{
    if (!item)
        return QStringLiteral("nothing");
    if (!item->widget())
        return QStringLiteral("no widget");
    return QStringLiteral("a ") + described(item->widget());
}

QString describedGrid(const QGridLayout *grid)
{
    const QWidget *owner = grid->parentWidget();
    return QStringLiteral("the %1 of %2").arg(described(grid), owner ? described(owner) : QStringLiteral("no widget"));
}

// What the grid holds in that cell instead of the widget wanted.
QString cellOf(const QGridLayout *grid, int row, int column)
{
    if (!grid)
        return nothingToLookIn("grid");
    return QStringLiteral("that cell of %1 holds %2")
        .arg(describedGrid(grid), heldIn(grid->itemAtPosition(row, column)));
}

QPushButton *buttonReading(QWidget *parent, const QString &text, ShellTest::HiddenButtons hidden)
{
    if (!parent)
        return nullptr;
    const auto buttons = parent->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        const bool looked = hidden == ShellTest::HiddenButtons::Included || button->isVisibleTo(parent);
        if (looked && button->text() == text)
            return button;
    }
    return nullptr;
}

// What the parent has instead of a button reading that text.
QString buttonsOf(QWidget *parent, const QString &text, ShellTest::HiddenButtons hidden)
{
    if (!parent)
        return nothingToLookIn("parent");
    const bool onlyHidden = hidden == ShellTest::HiddenButtons::Skipped
                            && buttonReading(parent, text, ShellTest::HiddenButtons::Included);
    return QStringLiteral("%1 has %2")
        .arg(described(parent), onlyHidden ? QStringLiteral("only a hidden one") : QStringLiteral("no such button"));
}

// A failed check rather than QTest::qFail, so that QEXPECT_FAIL applies.
void failLookUp(const QString &lookUp, const QString &found, const char *file, int line)
{
    QTest::qVerify(false, qPrintable(lookUp), qPrintable(found), file, line);
}

} // namespace

QPushButton *ShellTest::button(QWidget *parent, const QString &text, HiddenButtons hidden, const char *file,
                                int line)
{
    if (QPushButton *found = buttonReading(parent, text, hidden))
        return found;
    const QString lookUp = QStringLiteral("the button reading \"%1\"").arg(text);
    failLookUp(lookUp, buttonsOf(parent, text, hidden), file, line);
    return new QPushButton(parent);
}

void ShellTest::failMissingWidget(const QWidget *parent, const char *className, const QString &name, const char *file,
                                  int line)
{
    const QString lookUp = QStringLiteral("findChild<%1 *>(\"%2\")").arg(QLatin1String(className), name);
    failLookUp(lookUp, childNamed(parent, name), file, line);
}

void ShellTest::failMissingCell(const QGridLayout *grid, int row, int column, const char *className,
                                const char *file, int line)
{
    const QString lookUp = QStringLiteral("itemAtPosition(%1, %2) as %3").arg(row).arg(column).arg(className);
    failLookUp(lookUp, cellOf(grid, row, column), file, line);
}

void ShellTest::failWrongScreen(const QWidget *shown, const char *className, const char *file, int line)
{
    const QString lookUp = QStringLiteral("the current screen as %1").arg(QLatin1String(className));
    const QString found = shown ? QStringLiteral("the screen shown is a %1").arg(described(shown))
                                : QStringLiteral("no screen is shown");
    failLookUp(lookUp, found, file, line);
}
