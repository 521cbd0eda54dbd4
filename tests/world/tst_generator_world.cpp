#include <QtTest>

#include "TestSupport.h"
#include "core/GeneratorTestFiles.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

namespace {

// The student at a position taken apart.
struct StudentView
{
    QStringList texts;
    QVector<int> ints;

    explicit StudentView(int position)
    {
        QDate birthday;
        QMultiMap<QDate, QString> history;
        QStringList titles;
        World::Instance().getStudentProfile(texts, ints, birthday, history, titles, position);
    }
    // An empty place answers with zero numbers; every student has id 2000.
    bool exists() const { return ints.value(Fighter::IdIndex) != 0; }
    QString fullName() const { return texts.value(Fighter::FirstNameText) + " " + texts.value(Fighter::LastNameText); }
};

QStringList freeAgentNames()
{
    QStringList names;
    for (const Fighter &fighter : World::Instance().getFightersOf("Free Agent"))
        names.append(fighter.getFullName());
    return names;
}

} // namespace

class GeneratorWorldTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        GeneratorTestFiles::removeResources();
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        GeneratorTestFiles::writeAllNames(20);
        WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(QDate(2012, 3, 4));
    }
    void cleanupTestCase()
    {
        GeneratorTestFiles::removeResources();
    }

    void studentJoinsTheGym()
    {
        DeterministicRandom random(1);
        QString name;
        QVERIFY(World::Instance().generateFighter(name, true));
        const StudentView student(0);
        QCOMPARE(student.fullName(), name);
        QCOMPARE(student.ints.value(Fighter::IdIndex), 2000);
        QCOMPARE(student.ints.value(Fighter::StandingIndex), 8000);
        // The gym of the fixture wears red and black.
        QCOMPARE(student.texts.value(Fighter::ShortsColourText), QString("Red"));
        QCOMPARE(student.texts.value(Fighter::TrimColourText), QString("Black"));
        QCOMPARE(WorldTestAccess::lastFighterId(), 1058);
        QVERIFY(freeAgentNames().isEmpty());
    }

    void fullGymRefuses()
    {
        DeterministicRandom random(2);
        QString name;
        // The fixture's gym has three student places.
        for (int i = 0; i < 3; ++i)
            QVERIFY(World::Instance().generateFighter(name, true));
        name = "untouched";
        QVERIFY(!World::Instance().generateFighter(name, true));
        QCOMPARE(name, QString("untouched"));
        QVERIFY(StudentView(2).exists());
        QVERIFY(!StudentView(3).exists());
        QCOMPARE(WorldTestAccess::lastFighterId(), 1058);
    }

    void professionalsJoinThePool()
    {
        DeterministicRandom random(3);
        QString first;
        QString second;
        QVERIFY(!World::Instance().generateFighter(first, false));
        QVERIFY(!World::Instance().generateFighter(second, false));
        QCOMPARE(WorldTestAccess::lastFighterId(), 1060);
        const QVector<Fighter> pool = World::Instance().getFightersOf("Free Agent");
        QCOMPARE(pool.size(), 2);
        QSet<int> ids;
        for (const Fighter &fighter : pool) {
            QCOMPARE(fighter.getStanding(), 8000);
            ids.insert(fighter.getId());
        }
        QCOMPARE(ids, (QSet<int>{1059, 1060}));
        QVERIFY(freeAgentNames().contains(first) && freeAgentNames().contains(second));
        QVERIFY(first != second);
        QVERIFY(!StudentView(0).exists());
    }

    void namesInUseAnywhereAreAvoided_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addRow("students") << "students";
        QTest::addRow("roster") << "roster";
        QTest::addRow("free agents") << "free agents";
        QTest::addRow("amateurs") << "amateurs";
        QTest::addRow("organization") << "organization";
    }
    void namesInUseAnywhereAreAvoided()
    {
        QFETCH(QString, place);
        for (const QString &culture : GeneratorTestFiles::cultures())
            GeneratorTestFiles::writeNames(culture, {"Ann", "Bo"}, {"Cole", "Dent"});
        // Three of the four possible names are in use in one place.
        const QStringList taken{"Ann Cole", "Ann Dent", "Bo Cole"};
        QVector<Fighter> members;
        for (int i = 0; i < taken.size(); ++i) {
            const QStringList parts = taken.at(i).split(' ');
            const int id = 3000 + i;
            if (place == "students")
                WorldTestAccess::addStudent(WorldFixtures::fighter(id, parts.at(0), parts.at(1), 100));
            else if (place == "roster")
                WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(id, parts.at(0), parts.at(1), 100));
            else if (place == "free agents")
                WorldTestAccess::addFreeAgent(WorldFixtures::fighter(id, parts.at(0), parts.at(1), 100));
            else if (place == "amateurs")
                WorldTestAccess::addAmateur(WorldFixtures::fighter(id, parts.at(0), parts.at(1), 100));
            else
                members.append(WorldFixtures::fighter(id, parts.at(0), parts.at(1), 100, "Apex"));
        }
        WorldTestAccess::addOrganization(WorldFixtures::organization("Apex", "National", {}, members));

        DeterministicRandom random(4);
        QString name;
        World::Instance().generateFighter(name, false);
        QCOMPARE(name, QString("Bo Dent"));
    }

    void missingFilesGiveNoNameAndNoHang()
    {
        GeneratorTestFiles::removeResources();
        DeterministicRandom random(5);
        QString name;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(World::Instance().generateFighter(name, true));
            QCOMPARE(name, QString("N/A N/A"));
        }
        for (int i = 0; i < 5; ++i) {
            World::Instance().generateFighter(name, false);
            QCOMPARE(name, QString("N/A N/A"));
        }
        QCOMPARE(freeAgentNames().size(), 5);
        QVERIFY(!GeneratorTestFiles::resourcesExist());
    }
};

QTEST_GUILESS_MAIN(GeneratorWorldTest)
#include "tst_generator_world.moc"
