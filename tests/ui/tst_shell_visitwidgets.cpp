#include <QtTest>

#include <QLabel>
#include <QTimer>

#include "ui/shell/VisitWidgets.h"

// The tracker of a page's widgets: what a clear deletes, and when.
class TestShellVisitWidgets : public QObject
{
    Q_OBJECT

private slots:
    // Only what was kept goes; one deleted before is passed over, and a
    // cleared list starts afresh.
    void clearDeletesWhatIsStillAlive()
    {
        QWidget page;
        VisitWidgets visit;
        QPointer<QLabel> title = visit.make<QLabel>(QStringLiteral("Title"), &page);
        QPointer<QLabel> early = visit.keep(new QLabel(&page));
        QPointer<QTimer> timer = new QTimer(&page);
        visit.keep({timer.data()});
        QPointer<QLabel> stays = new QLabel(&page);
        QCOMPARE(title->text(), QStringLiteral("Title"));
        delete early.data();

        visit.clear();
        QVERIFY(!title && !timer);
        QCOMPARE(page.children(), QObjectList{stays.data()});

        QPointer<QLabel> next = visit.keep(new QLabel(&page));
        visit.clear();
        QVERIFY(!next && stays);
    }

    // Deferred: out of the page at once, deleted by the event loop.
    void clearLaterLeavesThePageFirst()
    {
        QWidget page;
        VisitWidgets visit;
        QPointer<QLabel> label = visit.make<QLabel>(&page);
        visit.clearLater();
        // Taken out as a widget, a window of its own now, not merely as an object.
        QVERIFY(label && !label->parent() && label->isWindow());
        QVERIFY(page.children().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!label);
    }
};

QTEST_MAIN(TestShellVisitWidgets)
#include "tst_shell_visitwidgets.moc"
