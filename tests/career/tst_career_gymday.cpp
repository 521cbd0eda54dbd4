#include <QtTest>

#include "records/Gym.h"
#include "records/TrainingType.h"
#include "world/World.h"
#include "TestSupport.h"
#include "core/TrainingFixtures.h"
#include "core/WorldTestAccess.h"
#include "records/TextDate.h"

using WorldFixtures::gymFighter;

// The gym's day in the world: training of every player's fighter paid from
// the gym, and the students' monthly fees.
class TestCareerGymDay : public QObject
{
    Q_OBJECT

private:
    static void setGym(World &world, int money, int equipmentLevel, const QString &prestige = "Unknown")
    {
        QVector<int> numbers = TrainingFixtures::gymStats(money, equipmentLevel);
        world.setupGym({"Iron Gym", "Boxing", "Red", "Black", prestige}, numbers,
                       QVector<int>{1, 2, 3, 4, 5, 6, 7, 8});
    }

    static int money(const World &world)
    {
        QVector<int> numbers;
        world.getGymStats(numbers);
        return numbers.at(Gym::MoneyIndex);
    }

    static QVector<int> finances(const World &world)
    {
        QVector<int> figures;
        world.getGymFinances(figures);
        return figures;
    }

    static GymFighter planned(int id, const QString &first, const QString &last, int type)
    {
        GymFighter fighter = gymFighter(id, first, last, 100);
        fighter.setTrainingType(type);
        return fighter;
    }

private slots:
    void everyFighterIsPricedAgainstTheMorningMoney()
    {
        DeterministicRandom random;
        World &world = WorldTestAccess::freshWorld();
        setGym(world, 400, 6); // 300 a day on any equipment
        WorldTestAccess::setDate(QDate(2011, 3, 4));
        WorldTestAccess::addRosterFighter(planned(1100, "Ann", "Lee", TrainingType::HeavyBag));
        WorldTestAccess::addRosterFighter(planned(1101, "Bo", "Kim", TrainingType::Running));
        WorldTestAccess::addRosterFighter(planned(1102, "Cy", "Park", TrainingType::Rest));

        const QStringList news = world.runGymDay();
        QCOMPARE(news.size(), 3);
        QVERIFY(news.at(0).startsWith("Ann Lee trained on the heavy bag.\n"));
        QVERIFY(news.at(1).startsWith("Bo Kim ran today.\n"));
        QCOMPARE(news.at(2), QString("Cy Park rested today."));
        QCOMPARE(money(world), -200);
        QCOMPARE(finances(world).at(Gym::TrainingCostsIndex), 1 + 600);

        QStringList log;
        QVector<int> state, progress;
        world.getTrainingData(state, progress, log, 0);
        QCOMPARE(log, QStringList{"\n" + TextDate::shortText(QDate(2011, 3, 4)) + " - Trained on the heavy bag."});
    }

    void theNextDayTheMoneyIsShort()
    {
        DeterministicRandom random;
        World &world = WorldTestAccess::freshWorld();
        setGym(world, -200, 0);
        WorldTestAccess::addRosterFighter(planned(1100, "Ann", "Lee", TrainingType::Meditation));
        QCOMPARE(world.runGymDay(), QStringList{"Ann Lee rested today due to lack of funds."});
        QCOMPARE(money(world), -200);
    }

    void anEmptyRosterChangesNothing()
    {
        World &world = WorldTestAccess::freshWorld();
        setGym(world, 400, 6);
        QVERIFY(world.runGymDay().isEmpty());
        QCOMPARE(money(world), 400);
        QCOMPARE(finances(world).at(Gym::TrainingCostsIndex), 1);
    }

    void feesByPrestige_data()
    {
        QTest::addColumn<QString>("prestige");
        QTest::addColumn<int>("students");
        QTest::addColumn<int>("income");

        QTest::addRow("no students") << "Legendary" << 0 << 0;
        QTest::addRow("Unknown") << "Unknown" << 1 << 50;
        QTest::addRow("Local Hangout") << "Local Hangout" << 2 << 140;
        QTest::addRow("Championship Caliber") << "Championship Caliber" << 1 << 150;
        QTest::addRow("Elite") << "Elite" << 2 << 420;
        QTest::addRow("Legendary, three students") << "Legendary" << 3 << 690;
        QTest::addRow("label off the ladder") << "Famous" << 2 << 60;
        QTest::addRow("labels compare exactly") << "legendary" << 1 << 30;
    }

    void feesByPrestige()
    {
        QFETCH(QString, prestige);
        QFETCH(int, students);
        QFETCH(int, income);

        World &world = WorldTestAccess::freshWorld();
        setGym(world, 1000, 0, prestige);
        for (int i = 0; i < students; ++i)
            WorldTestAccess::addStudent(WorldFixtures::fighter(1200 + i, "Stu", QString::number(i), 500));

        // The first of the month: the month is closed, then the fees come
        // in as the new month's first income.
        world.closeGymMonth();
        world.collectStudentFees();
        QCOMPARE(money(world), 1000 + income);
        const QVector<int> figures = finances(world);
        QCOMPARE(figures.at(Gym::StudentFeesIndex), income);
        QCOMPARE(figures.at(Gym::MonthFigureCount + Gym::StudentFeesIndex), 3);
        QCOMPARE(figures.at(Gym::FighterPursesIndex), 0);
    }
};

QTEST_GUILESS_MAIN(TestCareerGymDay)
#include "tst_career_gymday.moc"
