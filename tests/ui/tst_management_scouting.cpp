#include <QtTest>

#include "records/Fighter.h"
#include "ui/business/ScoutingReport.h"

// The manager's scouting report on a student, computed without widgets.
class TestManagementScouting : public QObject
{
    Q_OBJECT

private:
    static QVector<int> everyAttribute(int value)
    {
        QVector<int> ints(Fighter::IntCount, 0);
        for (int k = 0; k < Fighter::AttributeCount; ++k)
            ints[Fighter::attributeIndex(k)] = value;
        return ints;
    }

private slots:
    void boundsFollowTheNumberOfElements()
    {
        const QVector<ScoutingReport::Area> &areas = ScoutingReport::areas();
        QCOMPARE(areas.size(), int(ScoutingReport::AreaCount));
        int group = 1;
        for (const ScoutingReport::Area &area : areas) {
            const int count = area.elements.size();
            QCOMPARE(area.lowBound, 10 * count);
            QCOMPARE(area.highBound, 20 * count - 1);
            QVERIFY(area.group == group || area.group == group + 1);
            group = area.group;
            for (int element : area.elements)
                QVERIFY(element >= Fighter::FirstAttributeIndex && element < Fighter::HeadDurabilityIndex);
        }
        QCOMPARE(group, int(ScoutingReport::LastGroup));
    }

    void nothingToTell()
    {
        const QStringList nothing({"Can't really tell anything about this student."});
        QCOMPARE(ScoutingReport::lines(everyAttribute(99), 0, "Ann"), nothing);
        QCOMPARE(ScoutingReport::lines(everyAttribute(99), 10, "N/A"), nothing);
    }

    void intuitionSetsTheAreasJudged_data()
    {
        QTest::addColumn<int>("intuition");
        QTest::addColumn<int>("areasJudged");
        QTest::addColumn<QString>("lastLine");
        QTest::addRow("1") << 1 << 2 << "He's too slow.";
        QTest::addRow("2") << 2 << 4 << "His overall agility has some serious issues.";
        QTest::addRow("3") << 3 << 6 << "His reaction time is terrible.";
        QTest::addRow("4") << 4 << 9 << "He can't do much in the clinch.";
        QTest::addRow("8") << 8 << 18 << "His clinch defense lacks polish.";
        QTest::addRow("9") << 9 << 21 << "A bit laid back in his approach.";
        QTest::addRow("10") << 10 << 24 << "Tends to let others dictate the action.";
    }

    void intuitionSetsTheAreasJudged()
    {
        QFETCH(int, intuition);
        QFETCH(int, areasJudged);
        QFETCH(QString, lastLine);
        // Every sum of a zero student is low: one line per judged area.
        const QStringList report = ScoutingReport::lines(everyAttribute(0), intuition, "Ann");
        QCOMPARE(report.size(), areasJudged);
        QCOMPARE(report.first(), QString("He might have trouble fighting for long periods of time."));
        QCOMPARE(report.last(), lastLine);
    }

    void middlingStudentGetsAnEmptyReport()
    {
        // 15 per attribute: 30, 45, 60 and 120 sit inside every pair of bounds.
        for (int intuition = 1; intuition <= 10; ++intuition)
            QVERIFY(ScoutingReport::lines(everyAttribute(15), intuition, "Ann").isEmpty());
    }

    void sumAgainstTheBounds_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("sum");
        QTest::addColumn<QString>("line");
        QTest::addRow("two elements at the low bound") << 2 << 20 << "He hits like a girl.";
        QTest::addRow("two elements just above it") << 2 << 21 << "";
        QTest::addRow("two elements at the high bound") << 2 << 39 << "";
        QTest::addRow("two elements above it") << 2 << 40 << "He's got some power.";
        QTest::addRow("three elements at the low bound") << 1 << 30 << "He's too slow.";
        QTest::addRow("four elements above the high bound") << 0 << 80
                                                            << "He appears to have no issues with his gas tank.";
        QTest::addRow("eight elements at the high bound") << 9 << 159 << "";
        QTest::addRow("eight elements above it") << 9 << 160 << "Accurate and technically sound punching.";
        QTest::addRow("a negative sum is low") << 23 << -5 << "Tends to let others dictate the action.";
    }

    void sumAgainstTheBounds()
    {
        QFETCH(int, area);
        QFETCH(int, sum);
        QFETCH(QString, line);
        const ScoutingReport::Area &judged = ScoutingReport::areas().at(area);
        QVector<int> ints(Fighter::IntCount, 0);
        ints[judged.elements.first()] = sum;
        QCOMPARE(ScoutingReport::judge(judged, ints), line);
    }
};

QTEST_MAIN(TestManagementScouting)
#include "tst_management_scouting.moc"
