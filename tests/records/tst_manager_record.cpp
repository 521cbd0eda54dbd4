#include <QtTest>

#include "records/Manager.h"
#include "core/RecordChecks.h"
#include "records/TextDate.h"

// The player's manager: reputation, judgement labels, title lines and the
// stream form.
class TestManagerRecord : public QObject
{
    Q_OBJECT

private:
    static Manager managerWith(int reputationPoints, int charisma = 0, int intuition = 0,
                               const QStringList &titles = QStringList())
    {
        QVector<int> numbers(Manager::IntCount, 0);
        numbers[Manager::ReputationPointsIndex] = reputationPoints;
        numbers[Manager::CharismaIndex] = charisma;
        numbers[Manager::IntuitionIndex] = intuition;
        numbers[Manager::WinsIndex] = 12;
        numbers[Manager::LossesIndex] = 4;
        numbers[Manager::ActiveWinsIndex] = 7;
        numbers[Manager::ActiveLossesIndex] = 2;
        Manager manager;
        manager.setData({"Sam", "Vale", "Europe", "Finland", "stale"}, numbers, titles);
        return manager;
    }

    static QVector<int> numbers(const Manager &manager)
    {
        return RecordChecks::packed(manager, &Manager::getData);
    }

    static QString label(const Manager &manager)
    {
        return RecordChecks::packed(manager, &Manager::getStrings).at(Manager::ReputationText);
    }

    static QStringList titles(const Manager &manager)
    {
        return RecordChecks::packed(manager, &Manager::getTitles);
    }

private slots:
    void streamForm()
    {
        const QByteArray empty = TestStream::bytesOf(Manager());
        QCOMPARE(empty.size(), (4 + 5 * 4) + (4 + 23 * 4) + 4);
        QCOMPARE(empty.left(8).toHex(), QByteArray("00000005" "ffffffff"));
        QCOMPARE(empty.mid(24, 4).toHex(), QByteArray("00000017"));

        const Manager manager = managerWith(340, 3, 9, {"Apex 2011 Belt", "Open Cup - from Sat Jan 1 2011"});
        QDataStream::Status status;
        QCOMPARE(RecordChecks::roundTrip(manager, &status), manager);
        QCOMPARE(status, QDataStream::Ok);
        const QByteArray bytes = TestStream::bytesOf(manager);
        QCOMPARE(RecordChecks::firstPrefixReadThatMisbehaves(bytes, Manager()), -1);
    }

    void packing()
    {
        Manager manager = managerWith(10, 0, 0, {"old line"});
        QVERIFY(manager.setData({"a", "b", "c", "d", "e"}, QVector<int>(23, 1), {"new line"}));
        QCOMPARE(titles(manager), QStringList({"new line"}));

        const Manager before = manager;
        QVERIFY(!manager.setData({"a", "b", "c", "d"}, QVector<int>(23), QStringList()));
        QVERIFY(!manager.setData({"a", "b", "c", "d", "e"}, QVector<int>(22), QStringList()));
        QVERIFY(!manager.setInts(QVector<int>(17, 5)));
        QCOMPARE(manager, before);

        QVector<int> skills;
        for (int k = 0; k < Manager::SkillCount; ++k)
            skills << 20 + k;
        QVERIFY(manager.setInts(skills));
        const QVector<int> after = numbers(manager);
        QCOMPARE(after.mid(Manager::FirstSkillIndex, Manager::SkillCount), skills);
        QCOMPARE(after.first(), 1);
        QCOMPARE(after.mid(Manager::WinsIndex), QVector<int>(4, 1));
    }

    void record()
    {
        Manager manager = managerWith(0);
        manager.addWin();
        manager.addLoss();
        manager.removeActiveRecord(5, 3);
        QCOMPARE(numbers(manager).mid(Manager::WinsIndex), QVector<int>({13, 5, 3, 0}));
    }

    void updateReputation_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("charisma");
        QTest::addColumn<bool>("big");
        QTest::addColumn<int>("pointsAfter");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("label");
        QTest::addRow("into band 101-200") << 95 << 0 << false << 105 << true << "Inexperienced";
        QTest::addRow("within band 101-200") << 105 << 0 << false << 115 << false << "stale";
        QTest::addRow("still at most 100") << 50 << 0 << true << 75 << false << "stale";
        QTest::addRow("capped at 1000") << 995 << 0 << false << 1000 << false << "stale";
        QTest::addRow("into the top band") << 890 << 0 << true << 915 << true << "Legendary";
        QTest::addRow("charisma halves") << 290 << 5 << false << 302 << true << "Well Known";
        QTest::addRow("lands on 400") << 390 << 1 << false << 400 << false << "stale";
        QTest::addRow("just over 400") << 395 << 1 << false << 405 << true << "Experienced";
    }

    void updateReputation()
    {
        QFETCH(int, points);
        QFETCH(int, charisma);
        QFETCH(bool, big);
        QFETCH(int, pointsAfter);
        QFETCH(bool, changed);
        QFETCH(QString, label);
        Manager manager = managerWith(points, charisma);
        QCOMPARE(manager.updateReputation(big), changed);
        QCOMPARE(numbers(manager).first(), pointsAfter);
        QCOMPARE(TestManagerRecord::label(manager), label);
    }

    void loseReputation_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("big");
        QTest::addColumn<int>("pointsAfter");
        QTest::addColumn<QString>("label");
        QTest::addRow("still above 900") << 905 << false << 903 << "stale";
        QTest::addRow("out of the top band") << 902 << true << 898 << "Elite";
        QTest::addRow("below 801") << 801 << false << 799 << "World Class";
        QTest::addRow("below 501") << 503 << true << 499 << "Experienced";
        QTest::addRow("within a band") << 150 << false << 148 << "stale";
        QTest::addRow("below 101") << 102 << true << 98 << "Unknown";
        QTest::addRow("floored at 0") << 3 << true << 0 << "stale";
    }

    void loseReputation()
    {
        QFETCH(int, points);
        QFETCH(bool, big);
        QFETCH(int, pointsAfter);
        QFETCH(QString, label);
        Manager manager = managerWith(points);
        manager.loseReputation(big);
        QCOMPARE(numbers(manager).first(), pointsAfter);
        QCOMPARE(TestManagerRecord::label(manager), label);
    }

    void judgementLabels_data()
    {
        QTest::addColumn<int>("intuition");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("learning");
        QTest::addColumn<QString>("fatigue");
        QTest::addRow("intuition 4") << 4 << 0 << "Can't Tell" << "Can't Tell";
        QTest::addRow("intuition 5") << 5 << 0 << "Can't Tell" << "Peak";
        QTest::addRow("intuition 7") << 7 << 4 << "Can't Tell" << "Exhausted";
        QTest::addRow("intuition 8, slow") << 8 << 0 << "Slow" << "Peak";
        QTest::addRow("average, great") << 8 << 1 << "Average" << "Great";
        QTest::addRow("fast, normal") << 9 << 2 << "Fast" << "Normal";
        QTest::addRow("tired") << 9 << 3 << "Average" << "Tired";
        QTest::addRow("out of range high") << 10 << 5 << "Average" << "Normal";
        QTest::addRow("out of range negative") << 10 << -1 << "Average" << "Normal";
    }

    void judgementLabels()
    {
        QFETCH(int, intuition);
        QFETCH(int, value);
        QFETCH(QString, learning);
        QFETCH(QString, fatigue);
        const Manager manager = managerWith(0, 0, intuition);
        QCOMPARE(manager.getLearningSpeedLabel(value), learning);
        QCOMPARE(manager.getFatigueLabel(value), fatigue);
    }

    void titleLines()
    {
        const QDate won(2011, 3, 5);
        const QDate lost(2012, 7, 1);
        const QString wonText = TextDate::shortText(won);
        Manager manager = managerWith(0);
        manager.addTitleFrom(won, "Apex World Championship");
        manager.addTitleFrom(won, "Apex 2011 Grand Prix");
        manager.addTitleFrom(won, "Apex World Championship");
        manager.addTitleFrom(won, "Open Cup");
        QCOMPARE(titles(manager), QStringList({"Apex World Championship - from " + wonText,
                                               "Apex 2011 Grand Prix",
                                               "Open Cup - from " + wonText}));
        manager.addTitleUntil(lost, "Open Cup");
        manager.addTitleUntil(lost, "Apex World Championship");
        const QString closed = "Apex World Championship - from " + wonText + " until " + TextDate::shortText(lost);
        QCOMPARE(titles(manager).at(0), closed);
        QCOMPARE(titles(manager).at(2), "Open Cup - from " + wonText);
        // A closed line is never reopened: winning again opens a new one.
        manager.addTitleUntil(lost, "Apex World Championship");
        manager.addTitleFrom(lost, "Apex World Championship");
        QCOMPARE(titles(manager).size(), 4);
        QCOMPARE(titles(manager).at(0), closed);
        QCOMPARE(titles(manager).at(3), "Apex World Championship - from " + TextDate::shortText(lost));
    }
};

QTEST_GUILESS_MAIN(TestManagerRecord)
#include "tst_manager_record.moc"
