#include "WidgetFinder.h"

#include <QtTest>

void ShellTest::failMissingWidget(const QWidget *parent, const char *className, const QString &name, const char *file,
                                  int line)
{
    // A failed check rather than QTest::qFail, so that QEXPECT_FAIL applies.
    const QString lookUp = QStringLiteral("findChild<%1 *>(\"%2\")").arg(QLatin1String(className), name);
    const QString where = QStringLiteral("no such child of %1").arg(QLatin1String(parent->metaObject()->className()));
    QTest::qVerify(false, qPrintable(lookUp), qPrintable(where), file, line);
}
