#include <QtTest>

#include "records/GameRandom.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "world/World.h"
#include "TestSupport.h"
#include "core/FighterBuilder.h"
#include "core/FighterFields.h"
#include "core/TrainingFixtures.h"
#include "core/WorldTestAccess.h"
#include "records/TextDate.h"

using namespace WorldFixtures;

// The gym's people over time: names, promotion, birthdays and retirements.
class TestCareerStudents : public QObject
{
    Q_OBJECT

private:
    static QDate today() { return QDate(2012, 6, 15); }

    // A seed after which `count` draws of qrand() % range + base all fall
    // on the retiring side (above 9) or all on the staying side.
    static unsigned seedWhere(int range, int base, bool retire, int count)
    {
        for (unsigned seed = 1;; ++seed) {
            GameRandom::seed(seed);
            bool all = true;
            for (int i = 0; i < count && all; ++i)
                all = (GameRandom::roll(range) + base > 9) == retire;
            if (all)
                return seed;
        }
    }

    static GymFighter agedFighter(int id, const QString &first, const QString &last, int age,
                                  const QDate &birthday = QDate(1970, 1, 2),
                                  const QString &organization = "Free Agent")
    {
        GymFighter made = gymFighter(id, first, last, 50, organization);
        FighterBuilder(made).age(age).born(birthday).into(made);
        return made;
    }

    static QStringList rosterNames(const World &world)
    {
        QStringList names;
        world.getRosterNames(names);
        return names;
    }

    static void managerData(const World &world, QVector<int> &numbers, QStringList &titles)
    {
        QStringList texts;
        world.getManagerData(texts, numbers, titles);
    }

    static QVector<int> bookingIds()
    {
        QVector<int> ids;
        for (const Offer &booking : WorldTestAccess::bookings())
            ids << booking.getId();
        return ids;
    }

    static QVector<int> offerIds()
    {
        QVector<int> ids;
        for (const Offer &offer : WorldTestAccess::offers())
            ids << offer.getId();
        return ids;
    }

private slots:
    void studentNamesAreAppended()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addStudent(fighter(1100, "Ann", "Lee", 10));
        WorldTestAccess::addStudent(fighter(1101, "Bo", "Kim", 5));
        QStringList names{"kept"};
        world.getStudentNames(names);
        QCOMPARE(names, QStringList({"kept", "Ann Lee", "Bo Kim"}));
    }

    void promotionMakesAFighter()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        WorldTestAccess::addStudent(fighter(1100, "Ann", "Lee", 10));
        WorldTestAccess::addStudent(FighterBuilder(fighter(1101, "Bo", "Kim", 77)).titles({"Amateur Cup"}).build());
        WorldTestAccess::addStudent(fighter(1102, "Cy", "Park", 12));
        const int lastId = WorldTestAccess::lastFighterId();

        QVERIFY(world.promoteStudent(1));

        QCOMPARE(WorldTestAccess::lastFighterId(), lastId + 1);
        QCOMPARE(rosterNames(world), QStringList{"Bo Kim"});
        const GymFighter promoted = world.getFighterById(lastId + 1);
        QCOMPARE(promoted.getFullName(), QString("Bo Kim"));
        QCOMPARE(promoted.getStanding(), 77);
        QStringList titles;
        promoted.getTitles(titles);
        QCOMPARE(titles, QStringList{"Amateur Cup"});
        QCOMPARE(TrainingFixtures::progressOf(promoted), QVector<int>(GymFighter::ProgressCount, 0));

        QCOMPARE(WorldTestAccess::bookings().size(), 1);
        QCOMPARE(WorldTestAccess::bookings().first(),
                 offer(lastId + 1, "Bo Kim", "N/A", "N/A", today()));

        QStringList students;
        world.getStudentNames(students);
        QCOMPARE(students, QStringList({"Ann Lee", "Cy Park"}));
    }

    void promotionNeedsAStudentAndASlot_data()
    {
        QTest::addColumn<int>("fighterSlots");
        QTest::addColumn<int>("fighters");
        QTest::addColumn<int>("students");
        QTest::addColumn<bool>("promoted");

        QTest::addRow("one slot left") << 2 << 1 << 1 << true;
        QTest::addRow("slots full") << 2 << 2 << 1 << false;
        QTest::addRow("no slots") << 0 << 0 << 1 << false;
        QTest::addRow("no student") << 2 << 0 << 0 << false;
    }

    void promotionNeedsAStudentAndASlot()
    {
        QFETCH(int, fighterSlots);
        QFETCH(int, fighters);
        QFETCH(int, students);
        QFETCH(bool, promoted);

        World &world = WorldTestAccess::freshWorld();
        QVector<int> numbers(Gym::IntCount, 0);
        numbers[Gym::FighterSlotsIndex] = fighterSlots;
        world.setupGym({"Iron Gym", "Boxing", "Red", "Black", "Unknown"}, numbers, QVector<int>(8, 0));
        for (int i = 0; i < fighters; ++i)
            WorldTestAccess::addRosterFighter(gymFighter(1100 + i, "Pro", QString::number(i), 10));
        for (int i = 0; i < students; ++i)
            WorldTestAccess::addStudent(fighter(1200 + i, "Stu", QString::number(i), 10));
        const int lastId = WorldTestAccess::lastFighterId();

        QCOMPARE(world.promoteStudent(0), promoted);
        QCOMPARE(rosterNames(world).size(), fighters + (promoted ? 1 : 0));
        QStringList left;
        world.getStudentNames(left);
        QCOMPARE(left.size(), students - (promoted ? 1 : 0));
        QCOMPARE(WorldTestAccess::lastFighterId(), lastId + (promoted ? 1 : 0));
    }

    void birthdays_data()
    {
        QTest::addColumn<QDate>("birthday");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("hasBirthday");

        QTest::addRow("birthday today") << QDate(1990, 6, 15) << today() << true;
        QTest::addRow("another day") << QDate(1990, 6, 14) << today() << false;
        QTest::addRow("29 February in a leap year") << QDate(1988, 2, 29) << QDate(2012, 2, 29) << true;
        QTest::addRow("1 March after no 29 February") << QDate(1988, 2, 29) << QDate(2011, 3, 1) << false;
    }

    void birthdays()
    {
        QFETCH(QDate, birthday);
        QFETCH(QDate, day);
        QFETCH(bool, hasBirthday);

        DeterministicRandom random;
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(day);
        WorldTestAccess::addRosterFighter(agedFighter(1100, "Ann", "Lee", 25, birthday));
        WorldTestAccess::addStudent(FighterBuilder(fighter(1200, "Stu", "Dent", 10)).age(19).born(birthday).build());

        QStringList news;
        world.ageGymFighters(news);
        if (hasBirthday) {
            QCOMPARE(news, QStringList({"Ann Lee has turned 26 years old.",
                                        "Your student Stu Dent has turned 20 years old."}));
        } else {
            QVERIFY(news.isEmpty());
        }
        QCOMPARE(FighterFields::wholeNumber(world.getFighterById(1100), Fighter::AgeIndex), hasBirthday ? 26 : 25);
        QStringList texts, titles;
        QVector<int> ints;
        QDate born;
        QMultiMap<QDate, QString> history;
        world.getStudentProfile(texts, ints, born, history, titles, 0);
        QCOMPARE(ints.at(Fighter::AgeIndex), hasBirthday ? 20 : 19);
    }

    void retirementDraw_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("birthdayToday");
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("base");
        QTest::addColumn<bool>("retires");

        QTest::addRow("37 is never drawn") << 37 << false << 0 << 0 << false;
        QTest::addRow("turning 38 today, retiring draw") << 37 << true << 10 << 1 << true;
        QTest::addRow("turning 38 today, staying draw") << 37 << true << 10 << 1 << false;
        QTest::addRow("42, retiring draw") << 42 << false << 10 << 1 << true;
        QTest::addRow("43, retiring draw") << 43 << false << 15 << 1 << true;
        QTest::addRow("45, staying draw") << 45 << false << 15 << 1 << false;
        QTest::addRow("46, retiring draw") << 46 << false << 20 << 5 << true;
        QTest::addRow("60, staying draw") << 60 << false << 20 << 5 << false;
    }

    void retirementDraw()
    {
        QFETCH(int, age);
        QFETCH(bool, birthdayToday);
        QFETCH(int, range);
        QFETCH(int, base);
        QFETCH(bool, retires);

        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        const QDate birthday = birthdayToday ? QDate(1970, 6, 15) : QDate(1970, 1, 2);
        WorldTestAccess::addRosterFighter(agedFighter(1100, "Ann", "Lee", age, birthday));

        // The draw continues the running sequence: one draw when drawn at
        // all, none for the young.
        const unsigned seed = range > 0 ? seedWhere(range, base, retires, 1) : 7u;
        GameRandom::seed(seed);
        if (range > 0)
            GameRandom::draw();
        const int nextDraw = GameRandom::draw();

        GameRandom::seed(seed);
        QStringList news;
        world.ageGymFighters(news);
        QCOMPARE(GameRandom::draw(), nextDraw);
        QCOMPARE(news.contains("Ann Lee has retired."), retires);
        QCOMPARE(rosterNames(world).isEmpty(), retires);
        QCOMPARE(WorldTestAccess::bookings().isEmpty(), retires);
    }

    void retirementCleansUpLikeTheManualOne()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        QVector<int> numbers(Manager::IntCount, 0);
        numbers[Manager::ActiveWinsIndex] = 9;
        numbers[Manager::ActiveLossesIndex] = 4;
        world.setupManager({"Sam", "Cole", "Europe", "England", "Unknown"}, numbers,
                           {"Big League World Championship"});

        GymFighter veteran = agedFighter(1100, "Old", "Timer", 50, QDate(1962, 1, 2), "Big League");
        FighterBuilder(veteran).record(5, 2).titles({"Big League World Championship"}).into(veteran);
        const QDate fightNight = today().addDays(10);
        WorldTestAccess::addOrganization(organization(
            "Big League", "National",
            {eventOn("Big League 7", "Big League", fightNight,
                     {match("Single Match", "Old Timer", 1100, "Al Rival", 2000, true)}, true)},
            {fighter(2000, "Al", "Rival", 5, "Big League")},
            {{"Big League World Championship", "Old Timer"}}));
        WorldTestAccess::addRosterFighter(veteran);
        WorldTestAccess::addRosterFighter(agedFighter(1101, "Young", "Gun", 22));
        WorldTestAccess::addOffer(offer(1100, "Old Timer", "Big League 7", "Big League", fightNight));
        WorldTestAccess::addOffer(offer(1101, "Young Gun", "Big League 7", "Big League", fightNight));
        WorldTestAccess::addOffer(offer(1100, "Old Timer", "Big League 8", "Big League", fightNight.addDays(30)));

        GameRandom::seed(seedWhere(20, 5, true, 1));
        QStringList news;
        world.ageGymFighters(news);

        QCOMPARE(news, QStringList{"Old Timer has retired."});
        QCOMPARE(rosterNames(world), QStringList{"Young Gun"});
        QCOMPARE(bookingIds(), QVector<int>{1101});
        // No stale offer can book him later.
        QCOMPARE(offerIds(), QVector<int>{1101});
        QVector<int> managerNumbers;
        QStringList managerTitles;
        managerData(world, managerNumbers, managerTitles);
        QCOMPARE(managerNumbers.at(Manager::ActiveWinsIndex), 4);
        QCOMPARE(managerNumbers.at(Manager::ActiveLossesIndex), 2);
        QCOMPARE(managerTitles,
                 QStringList{"Big League World Championship until " + TextDate::shortText(today())});
        QCOMPARE(WorldTestAccess::titleHolder("Big League", "Big League World Championship"), QString("Vacant"));
        QVector<Event> events;
        WorldTestAccess::organization("Big League").getEvents(events);
        const Match bout = events.first().getMatches().first();
        QCOMPARE(bout.getIdA(), 0);
        QCOMPARE(bout.getIdB(), 2000);
    }

    void neighboursRetireOnTheSameDay()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        WorldTestAccess::addRosterFighter(agedFighter(1100, "Old", "One", 50));
        WorldTestAccess::addRosterFighter(agedFighter(1101, "Old", "Two", 55));
        WorldTestAccess::addRosterFighter(agedFighter(1102, "Young", "Gun", 22));

        GameRandom::seed(seedWhere(20, 5, true, 2));
        QStringList news;
        world.ageGymFighters(news);
        QCOMPARE(news, QStringList({"Old One has retired.", "Old Two has retired."}));
        QCOMPARE(rosterNames(world), QStringList{"Young Gun"});
        QCOMPARE(bookingIds(), QVector<int>{1102});
    }

    void fightDayKeepsHimForAnotherDay()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        WorldTestAccess::addOrganization(organization(
            "Big League", "National",
            {eventOn("Big League 7", "Big League", today(),
                     {match("Single Match", "Old Timer", 1100, "Al Rival", 2000, true)}, true)}));
        WorldTestAccess::addRosterFighter(agedFighter(1100, "Old", "Timer", 50, QDate(1962, 1, 2), "Big League"));
        WorldTestAccess::addOffer(offer(1100, "Old Timer", "Big League 9", "Big League", today().addDays(20)));

        GameRandom::seed(seedWhere(20, 5, true, 1));
        QStringList news;
        world.ageGymFighters(news);
        QVERIFY(news.isEmpty());
        QCOMPARE(rosterNames(world), QStringList{"Old Timer"});
        QCOMPARE(bookingIds(), QVector<int>{1100});
        QCOMPARE(offerIds(), QVector<int>{1100});
    }
};

QTEST_GUILESS_MAIN(TestCareerStudents)
#include "tst_career_students.moc"
