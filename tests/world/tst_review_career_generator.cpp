#include <QtTest>

#include "core/GeneratorTestFiles.h"
#include "TestSupport.h"
#include "records/Fighter.h"
#include "world/FighterGenerator.h"
#include "world/GeneratorTables.h"

// Conformance checks of the fighter generator's draws.
class ReviewCareerGeneratorTest : public QObject
{
    Q_OBJECT

private:
    static FighterGenerator::Input input(bool student)
    {
        FighterGenerator::Input in;
        in.student = student;
        in.lastFighterId = 1058;
        in.date = QDate(2012, 3, 4);
        in.gymStyle = "Boxing";
        in.gymPrestige = "Unknown";
        // Neither built in nor a region: his students draw from the file.
        in.managerNationality = "Atlantis";
        in.managerRegion = "Africa";
        in.managerReputation = "Unknown";
        return in;
    }

private slots:
    void cleanupTestCase()
    {
        GeneratorTestFiles::removeResources();
    }

    // A nation is drawn from a region's list up to 21 times, stopping at an
    // entry that names a region: with one nation and one region name in
    // every list, the region name all but always wins.
    void regionNameEndsTheNationDraws_data()
    {
        QTest::addColumn<bool>("student");
        QTest::addRow("students") << true;
        QTest::addRow("professionals") << false;
    }
    void regionNameEndsTheNationDraws()
    {
        QFETCH(bool, student);
        GeneratorTestFiles::removeResources();
        QVector<QStringList> lists;
        for (const QString &region : GeneratorTables::regions())
            lists.append({"Nowhere", region});
        GeneratorTestFiles::writeNations(lists);
        GeneratorTestFiles::writeAllNames(30);

        DeterministicRandom random(student ? 5 : 9);
        int fromFile = 0;
        for (int i = 0; i < 120; ++i) {
            const Fighter fighter = FighterGenerator(input(student)).generate();
            QStringList texts;
            fighter.getStrings(texts);
            const QString nation = texts.at(Fighter::NationalityText);
            QVERIFY2(nation != "Nowhere", qPrintable(QString::number(i)));
            fromFile += GeneratorTables::regions().contains(nation);
        }
        // Students all draw from the file; professionals in 7 of 30 cases.
        QVERIFY2(fromFile >= (student ? 120 : 10), qPrintable(QString::number(fromFile)));
    }
};

QTEST_GUILESS_MAIN(ReviewCareerGeneratorTest)
#include "tst_review_career_generator.moc"
