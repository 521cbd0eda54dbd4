#include <QtTest>

#include <QLabel>

#include "ui/WidgetFinder.h"

// The screen tests' widget finder: a missing widget fails the case, not the
// whole test program.
class TestShellWidgetFinder : public QObject
{
    Q_OBJECT

private slots:
    void findsTheNamedChild()
    {
        QWidget page;
        auto *title = new QLabel(&page);
        title->setObjectName("title_label");
        QCOMPARE(ShellTest::widget<QLabel>(&page, "title_label"), title);
    }

    // The expected failure is the finder's; the case then goes on with a
    // blank stand-in, and a second look still misses.
    void missingChildFailsTheCase()
    {
        QWidget page;
        QEXPECT_FAIL("", "the finder fails the case for a missing widget", Continue);
        QVERIFY(ShellTest::widget<QLabel>(&page, "title_label")->text().isEmpty());
        QVERIFY(!page.findChild<QLabel *>("title_label"));
    }
};

QTEST_MAIN(TestShellWidgetFinder)
#include "tst_shell_widgetfinder.moc"
