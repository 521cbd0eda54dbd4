#include <QtTest>

#include "core/FighterBuilder.h"
#include "core/WorldTestAccess.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "world/World.h"

using namespace WorldFixtures;

// The player's fighters and the students: read-outs by position and id,
// changes, match results and retirement.
class TestWorldRoster : public QObject
{
    Q_OBJECT

private:
    static void addRoster(int count)
    {
        for (int i = 1; i <= count; ++i)
            WorldTestAccess::addRosterFighter(gymFighter(1100 + i, "F" + QString::number(i), "Roe", 100 * i, "G1",
                                                         0, 0, 500 + i));
    }

    static QVector<int> rosterIds()
    {
        QVector<int> ids;
        World::Instance().getRosterIds(ids);
        return ids;
    }

    static QVector<int> managerStats()
    {
        QVector<int> stats;
        World::Instance().getManagerStats(stats);
        return stats;
    }

private slots:
    // A position that holds no fighter reads as an empty roster does.
    void noFighterAtPosition_data()
    {
        QTest::addColumn<int>("fighters");
        QTest::addColumn<int>("position");
        QTest::addRow("empty roster") << 0 << 0;
        QTest::addRow("past the end") << 2 << 5;
        QTest::addRow("minus one") << 2 << -1;
    }

    void noFighterAtPosition()
    {
        QFETCH(int, fighters);
        QFETCH(int, position);
        World &world = WorldTestAccess::freshWorld();
        addRoster(fighters);

        QCOMPARE(world.getFighterId(position), 0);
        QStringList texts;
        world.getFighterStrings(texts, position);
        QCOMPARE(texts, QStringList(QVector<QString>(12, "N/A").toList()));
        QVector<int> attributes;
        world.getFighterAttributes(attributes, position);
        QCOMPARE(attributes, QVector<int>(95, 0));
        QVector<int> state, progress;
        QStringList log{"kept"};
        world.getTrainingData(state, progress, log, position);
        QCOMPARE(state, QVector<int>(7, 0));
        QCOMPARE(progress, QVector<int>(49, 0));
        QCOMPARE(log, QStringList{"kept"});
        QString organization;
        int matches = -1, purse = -1;
        world.getContractInfo(organization, matches, purse, position);
        QCOMPARE(organization, QString("N/A"));
        QCOMPARE(matches, 0);
        QCOMPARE(purse, 0);
        QStringList colours;
        int body = 0, head = 0, face = 0;
        world.getFighterPortrait(colours, body, head, face, position);
        QCOMPARE(colours, (QStringList{"Red", "Black", "Brown"}));
        QCOMPARE(QVector<int>({body, head, face}), QVector<int>({1, 1, 1}));
        QStringList profileTexts, titles;
        QVector<int> ints;
        QDate birthday;
        QMultiMap<QDate, QString> history;
        world.getFighterProfile(profileTexts, ints, birthday, history, titles, position);
        QCOMPARE(birthday, QDate(2000, 1, 1));
        QCOMPARE(ints.size(), 95);

        // Nothing changes through an empty position.
        world.setFighterBio("New bio", position);
        QCOMPARE(world.retireRosterFighter(position), true);
        QCOMPARE(rosterIds().size(), fighters);
    }

    void readsTheFighterAtThePosition()
    {
        World &world = WorldTestAccess::freshWorld();
        addRoster(3);
        QCOMPARE(world.getFighterId(1), 1102);
        QStringList texts;
        world.getFighterStrings(texts, 2);
        QCOMPARE(texts.at(Fighter::FirstNameText), QString("F3"));
        QVector<int> attributes;
        world.getFighterAttributes(attributes, 1);
        QCOMPARE(attributes.at(Fighter::StandingIndex), 200);
        QString organization;
        int matches = 0, purse = 0;
        world.getContractInfo(organization, matches, purse, 0);
        QCOMPARE(organization, QString("G1"));
        QCOMPARE(matches, 4);
        QCOMPARE(purse, 501);
        QStringList names;
        world.getRosterNames(names);
        QCOMPARE(names, (QStringList{"F1 Roe", "F2 Roe", "F3 Roe"}));
    }

    // Up to 9 the number is a position, from 10 on a fighter id.
    void fighterPortraitByPositionOrId_data()
    {
        QTest::addColumn<int>("positionOrId");
        QTest::addColumn<int>("body");
        QTest::addRow("position 0") << 0 << 1;
        QTest::addRow("position 9, the tenth fighter") << 9 << 10;
        QTest::addRow("id 1104") << 1104 << 4;
        QTest::addRow("unknown id leaves the output") << 2000 << 77;
        QTest::addRow("position 10 is an id no fighter has") << 10 << 77;
    }

    void fighterPortraitByPositionOrId()
    {
        QFETCH(int, positionOrId);
        QFETCH(int, body);
        World &world = WorldTestAccess::freshWorld();
        addRoster(10);
        QStringList colours;
        int bodyOut = 77, head = 77, face = 77;
        world.getFighterPortrait(colours, bodyOut, head, face, positionOrId);
        QCOMPARE(bodyOut, body);
        QCOMPARE(colours.isEmpty(), body == 77);
    }

    void studentReadOuts()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addStudent(fighter(1150, "Al", "Ross", 0));
        QStringList colours;
        int body = 0, head = 0, face = 0;
        world.getStudentPortrait(colours, body, head, face, 0);
        QCOMPARE(colours, (QStringList{"Blue", "White", "Black"}));
        QCOMPARE(head, 51);
        colours.clear();
        world.getStudentPortrait(colours, body, head, face, 1);
        QCOMPARE(colours, (QStringList{"Red", "Black", "Brown"}));

        QStringList texts, titles;
        QVector<int> ints;
        QDate birthday;
        QMultiMap<QDate, QString> history;
        world.getStudentProfile(texts, ints, birthday, history, titles, 0);
        QCOMPARE(texts.at(Fighter::LastNameText), QString("Ross"));
        QCOMPARE(ints.at(Fighter::IdIndex), 1150);
    }

    void changesByPositionAndId()
    {
        World &world = WorldTestAccess::freshWorld();
        addRoster(2);
        world.setFighterBio("Southpaw.", 1);
        world.setTrainingPlan(1101, TrainingType::Sparring);
        world.setTrainingPlan(9999, TrainingType::Running);
        world.addFighterStanding(1102, -50);
        world.addFighterStanding(9999, -50);

        QStringList texts;
        world.getFighterStrings(texts, 1);
        QCOMPARE(texts.at(Fighter::BioText), QString("Southpaw."));
        QVector<int> state, progress;
        QStringList log;
        world.getTrainingData(state, progress, log, 0);
        QCOMPARE(progress.last(), int(TrainingType::Sparring));
        QCOMPARE(world.getFighterById(1102).getStanding(), 150);
        QCOMPARE(world.getFighterById(1101).getStanding(), 100);
        QCOMPARE(world.getFighterById(9999).getId(), 0);
    }

    void applyMatchResult_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("income");
        QTest::addColumn<int>("prestige");
        QTest::addColumn<int>("reputation");
        QTest::addColumn<bool>("labelMoved");
        const QString tail = " - Rd. 1(1:05) - G1: G1 Event";
        QTest::addRow("knockout win") << "Win: Bo Diaz - KO(Jab)" + tail << 2000 << 116 << 105 << true;
        QTest::addRow("decision win") << "Win: Bo Diaz - Decision" + tail << 2000 << 108 << 105 << true;
        QTest::addRow("decision loss") << "Loss: Bo Diaz - Decision" + tail << 1000 << 98 << 95 << false;
        QTest::addRow("knockout loss") << "Loss: Bo Diaz - TKO(Low Kick)" + tail << 1000 << 95 << 95 << false;
        QTest::addRow("neither win nor loss") << "No Contest - Rd. 1(0:30)" << 1000 << 100 << 95 << false;
        QTest::addRow("world title win") << "Win: Bo Diaz - Decision" + tail + "|G1 World Championship"
                                         << 2000 << 108 << 120 << true;
        QTest::addRow("title of this year") << "Win: Bo Diaz - Decision" + tail + "|G1 Grand Prix 2011"
                                            << 2000 << 108 << 120 << true;
        QTest::addRow("opponent called Winston") << "Loss: Winston Kay - KO(Hook)" + tail << 1000 << 95 << 95
                                                 << false;
        QTest::addRow("opponent whose name holds KO") << "Win: Joe KOvac - Decision" + tail << 2000 << 108 << 105
                                                      << true;
    }

    void applyMatchResult()
    {
        QFETCH(QString, result);
        QFETCH(int, income);
        QFETCH(int, prestige);
        QFETCH(int, reputation);
        QFETCH(bool, labelMoved);
        World &world = WorldTestAccess::freshWorld(0, 95);
        QVector<int> gymNumbers(Gym::IntCount, 0);
        gymNumbers[Gym::PrestigePointsIndex] = 100;
        world.setupGym({"Iron Gym", "Boxing", "Red", "Black", "Unknown"}, gymNumbers, QVector<int>(8, 0));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100, "G1", 0, 0, 1000));

        QCOMPARE(world.applyMatchResult(QVector<int>(44, 0), 1101, result), labelMoved);

        QVector<int> stats, finances;
        world.getGymStats(stats);
        world.getGymFinances(finances);
        QCOMPARE(stats.at(Gym::MoneyIndex), income);
        QCOMPARE(finances.at(Gym::FighterPursesIndex), income);
        QCOMPARE(stats.at(Gym::PrestigePointsIndex), prestige);
        QCOMPARE(managerStats().at(Manager::ReputationPointsIndex), reputation);
    }

    void applyMatchResultForUnknownFighter()
    {
        World &world = WorldTestAccess::freshWorld(0, 95);
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100, "G1", 0, 0, 1000));
        QVERIFY(!world.applyMatchResult(QVector<int>(44, 0), 1102, "Win: Bo Diaz - KO(Jab)"));
        QVector<int> stats;
        world.getGymStats(stats);
        QCOMPARE(stats.at(Gym::MoneyIndex), 0);
        QCOMPARE(managerStats().at(Manager::ReputationPointsIndex), 95);
    }

    // Three fighters of G1, the second its world champion and booked on its
    // next event; the manager's world title line stands for his.
    static void buildRetirementWorld(const QDate &eventDate)
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(QDate(2011, 3, 1));
        QVector<int> managerNumbers(Manager::IntCount, 0);
        managerNumbers[Manager::WinsIndex] = 20;
        managerNumbers[Manager::ActiveWinsIndex] = 12;
        managerNumbers[Manager::ActiveLossesIndex] = 4;
        const QString titleLine = "G1 World Championship - from Sat Jan 15 2011";
        world.setupManager({"Sam", "Cole", "Europe", "England", "Unknown"}, managerNumbers, {titleLine});

        const Match mainEvent = match(MatchType::Championship, "Ken Sato", 1200, "F2 Roe", 1102, true);
        WorldTestAccess::addOrganization(
            organization("G1", "Elite", {eventOn("G1 Event", "G1", eventDate, {mainEvent}, true)},
                         {fighter(1200, "Ken", "Sato", 10, "G1")}, {{"G1 World Championship", "F2 Roe"}}));

        GymFighter champion = gymFighter(1102, "F2", "Roe", 200, "G1");
        FighterBuilder(champion).record(5, 2).titles({"G1 Grand Prix 2010", titleLine}).into(champion);
        WorldTestAccess::addRosterFighter(gymFighter(1101, "F1", "Roe", 100, "G1"));
        WorldTestAccess::addRosterFighter(champion);
        WorldTestAccess::addRosterFighter(gymFighter(1103, "F3", "Roe", 300, "Free Agent"));
        for (int id : {1102, 1101, 1102, 1103})
            WorldTestAccess::addOffer(offer(id, "F", "Event " + QString::number(id), "G1", eventDate));
    }

    static QVector<int> idsOf(const QVector<Offer> &offers)
    {
        QVector<int> ids;
        for (const Offer &offer : offers)
            ids << offer.getId();
        return ids;
    }

    void retiringTheSecondOfThree()
    {
        const QDate nextWeek(2011, 3, 8);
        buildRetirementWorld(nextWeek);
        World &world = World::Instance();

        QVERIFY(world.retireRosterFighter(1));

        QCOMPARE(rosterIds(), QVector<int>({1101, 1103}));
        QCOMPARE(world.getFighterId(1), 1103);
        QCOMPARE(idsOf(WorldTestAccess::offers()), QVector<int>({1101, 1103}));
        QCOMPARE(idsOf(WorldTestAccess::bookings()), QVector<int>({1101, 1103}));
        const QVector<int> stats = managerStats();
        QCOMPARE(stats.at(Manager::ActiveWinsIndex), 7);
        QCOMPARE(stats.at(Manager::ActiveLossesIndex), 2);
        QCOMPARE(stats.at(Manager::WinsIndex), 20);
        QStringList texts, titles;
        QVector<int> numbers;
        world.getManagerData(texts, numbers, titles);
        QCOMPARE(titles.size(), 1);
        QVERIFY(titles.first().contains(" until "));

        // G1 took him off its next card and vacated his title.
        const QVector<Event> events = world.getEventsOn(nextWeek);
        QCOMPARE(events.size(), 1);
        QCOMPARE(events.first().getMatches().first().getIdB(), 0);
        QVERIFY(!events.first().hasPlayerFighter());
        QCOMPARE(WorldTestAccess::titleHolder("G1", "G1 World Championship"), QString("Vacant"));
    }

    void retiringWhileHisOrganizationFightsToday()
    {
        buildRetirementWorld(QDate(2011, 3, 1));
        World &world = World::Instance();
        const QVector<int> statsBefore = managerStats();

        QVERIFY(!world.retireRosterFighter(1));

        QCOMPARE(rosterIds(), QVector<int>({1101, 1102, 1103}));
        QCOMPARE(idsOf(WorldTestAccess::offers()), QVector<int>({1102, 1101, 1102, 1103}));
        QCOMPARE(WorldTestAccess::bookings().size(), 3);
        QCOMPARE(managerStats(), statsBefore);
    }

    void retiringAFreeAgentNeedsNoOrganization()
    {
        buildRetirementWorld(QDate(2011, 3, 1));
        QVERIFY(World::Instance().retireRosterFighter(2));
        QCOMPARE(rosterIds(), QVector<int>({1101, 1102}));
    }
};

QTEST_GUILESS_MAIN(TestWorldRoster)
#include "tst_world_roster.moc"
