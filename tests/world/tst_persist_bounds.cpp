#include <QtTest>

#include "TestSupport.h"
#include "career/DayRunner.h"
#include "core/CoinTossEvents.h"
#include "core/FighterBuilder.h"
#include "core/FighterFields.h"
#include "core/GeneratorTestFiles.h"
#include "core/LeagueFixtures.h"
#include "core/PersistTestAccess.h"
#include "core/SoakWorld.h"
#include "core/WorldTestAccess.h"
#include "match/UnseenBout.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "world/World.h"

#include <QDir>
#include <QFile>

#include <climits>

using FighterFields::wholeNumber;

// A hand-edited file may hold numbers no play can produce. Every way a
// fighter comes in from a file brings them into range; what play produces
// passes unchanged. Under the sanitizers the days and bouts played here
// show that the bounded numbers overflow no arithmetic of the game.
class TestPersistBounds : public QObject
{
    Q_OBJECT

private:
    enum Way { SavedGame, Import, FantasyImport, DefaultData };

    // Every whole number of the fighter at `value`, his id aside.
    static void setEveryNumber(Fighter &fighter, int value)
    {
        FighterBuilder edited(fighter);
        for (int i = 0; i < Fighter::IntCount; ++i) {
            if (i != Fighter::IdIndex)
                edited.number(i, value);
        }
        edited.into(fighter);
    }

    // The gym's, the manager's and the player's fighters' own numbers.
    static void setEveryGymNumber(int value)
    {
        World &world = World::Instance();
        QStringList texts, titles;
        QVector<int> numbers, month;
        world.getGymData(texts, numbers, month);
        world.setupGym(texts, QVector<int>(numbers.size(), value), QVector<int>(month.size(), value));
        texts.clear();
        numbers.clear();
        world.getManagerData(texts, numbers, titles);
        world.setupManager(texts, QVector<int>(numbers.size(), value), titles);
        PersistTestAccess::setLastFighterId(value);
        PersistTestAccess::editPlayerFighters([value](GymFighter &fighter) {
            QVector<int> state, progress;
            QStringList log;
            fighter.getTrainingData(state, progress, log);
            fighter.setTrainingData(QVector<int>(state.size(), value), QVector<int>(progress.size(), value), log);
        });
    }

    // The fighter as he is after coming in the given way.
    static Fighter readIn(Way way, const Fighter &fighter)
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1101, "Jo", "Park", 500));
        const QByteArray file = TestStream::bytesOf(fighter);
        switch (way) {
        case SavedGame:
            WorldTestAccess::addFreeAgent(fighter);
            if (!PersistTestAccess::loadBytes(PersistTestAccess::savedBytes()))
                return Fighter();
            break;
        case Import:
            if (!PersistTestAccess::importBytes(file))
                return Fighter();
            break;
        case FantasyImport: {
            Event event;
            if (PersistTestAccess::fantasyBytes(file, 0, event) != World::FantasyResult::Created)
                return Fighter();
            return world.getAmateur(-117);
        }
        case DefaultData: {
            QMultiMap<int, Fighter> pool;
            pool.insert(fighter.getStanding(), fighter);
            QFile poolFile("./Resources/Defaults/default_list_FreeAgent1.dat");
            if (!poolFile.open(QIODevice::WriteOnly) || poolFile.write(TestStream::bytesOf(pool)) < 0)
                return Fighter();
            poolFile.close();
            world.reset();
            world.loadDefaultData();
            QFile::remove(poolFile.fileName());
            break;
        }
        }
        const QMultiMap<int, Fighter> agents = WorldTestAccess::freeAgents();
        return agents.isEmpty() ? Fighter() : agents.first();
    }

    // A fighter as an edited export file brings him in: every number at
    // the extreme, or his attributes by turns at both extremes.
    enum Kind { Largest, Smallest, ByTurns, Ordinary };
    static Fighter importedFighter(Kind kind)
    {
        Fighter fighter = WorldFixtures::fighter(1200 + kind, "Ed", "Ite" + QString::number(kind), 0);
        if (kind == Largest || kind == Smallest)
            setEveryNumber(fighter, kind == Largest ? INT_MAX : INT_MIN);
        if (kind == ByTurns) {
            FighterBuilder edited(fighter);
            for (int k = 0; k < Fighter::AttributeCount; ++k)
                edited.number(Fighter::attributeIndex(k), k % 2 ? INT_MAX : INT_MIN);
            edited.into(fighter);
        }
        return readIn(Import, fighter);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath("./Resources/Defaults"));
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        GeneratorTestFiles::writeAllNames(3);
    }

    void cleanupTestCase()
    {
        GeneratorTestFiles::removeResources();
    }

    void gamesOfPlayReadBackByteForByte_data()
    {
        QTest::addColumn<int>("years");
        QTest::addColumn<bool>("fightersAtTheEdges");
        QTest::addRow("a small game") << 0 << false;
        QTest::addRow("fighters at the edges of play") << 0 << true;
        QTest::addRow("three years on") << 3 << false;
    }

    void gamesOfPlayReadBackByteForByte()
    {
        QFETCH(int, years);
        QFETCH(bool, fightersAtTheEdges);
        if (years > 0) {
            World &world = SoakWorld::build(2020, 7);
            SoakWorld::Totals totals;
            QCOMPARE(SoakWorld::run(world, world.getDate().addYears(years), totals), QString());
        } else {
            PersistFixtures::fillPlayingGame();
        }
        if (fightersAtTheEdges) {
            // Capped at 99; aged far below zero; durabilities are never
            // capped; a free agent's appearances count below zero.
            PersistTestAccess::editEveryFighter([](Fighter &fighter) {
                FighterBuilder(fighter)
                    .attributes({{0, 99}, {52, -350}, {82, -1}})
                    .numbers({{Fighter::HeadDurabilityIndex, 140}, {Fighter::ContractMatchesIndex, -12},
                              {Fighter::StandingIndex, -250000}})
                    .into(fighter);
            });
        }
        const QByteArray saved = PersistTestAccess::savedBytes();
        World::Instance().reset();
        QVERIFY(PersistTestAccess::loadBytes(saved));
        QVERIFY(PersistTestAccess::savedBytes() == saved);
    }

    void absurdNumbersAreBoundedEveryWayIn_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("attribute");
        QTest::addColumn<int>("durability");
        QTest::addColumn<int>("wins");
        QTest::addColumn<int>("standing");
        const char *const ways[] = {"saved game", "import", "fantasy import", "default data"};
        for (int way = SavedGame; way <= DefaultData; ++way) {
            // The fantasy match files both fighters under standing 0.
            const auto standing = [way](int kept) { return way == FantasyImport ? 0 : kept; };
            QTest::addRow("%s, 99", ways[way]) << way << 99 << 99 << 99 << 99 << standing(99);
            QTest::addRow("%s, 100", ways[way]) << way << 100 << 99 << 100 << 100 << standing(100);
            QTest::addRow("%s, -9999", ways[way]) << way << -9999 << -9999 << -9999 << -9999 << standing(-9999);
            QTest::addRow("%s, -10000", ways[way])
                << way << -10000 << -9999 << -9999 << -10000 << standing(-10000);
            QTest::addRow("%s, largest", ways[way])
                << way << INT_MAX << 99 << 9999 << 999999 << standing(100000000);
            QTest::addRow("%s, smallest", ways[way])
                << way << INT_MIN << -9999 << -9999 << -999999 << standing(-100000000);
        }
    }

    void absurdNumbersAreBoundedEveryWayIn()
    {
        QFETCH(int, way);
        QFETCH(int, value);
        QFETCH(int, attribute);
        QFETCH(int, durability);
        QFETCH(int, wins);
        QFETCH(int, standing);
        Fighter fighter = WorldFixtures::fighter(1200, "Ed", "Ite", 0);
        setEveryNumber(fighter, value);

        const Fighter read = readIn(Way(way), fighter);
        QCOMPARE(read.getFullName(), QString("Ed Ite"));
        // The pool files him under his standing as it came in.
        const QMultiMap<int, Fighter> pool =
            way == FantasyImport ? WorldTestAccess::amateurs() : WorldTestAccess::freeAgents();
        QCOMPARE(pool.firstKey(), standing);
        QCOMPARE(FighterFields::attribute(read, 0), attribute);
        QCOMPARE(FighterFields::attribute(read, Fighter::AttributeCount - 1), attribute);
        QCOMPARE(wholeNumber(read, Fighter::BodyDurabilityIndex), durability);
        QCOMPARE(wholeNumber(read, Fighter::KnockoutsIndex), wins);
        QCOMPARE(read.getStanding(), standing);
    }

    // The next day's signing step adds up a free agent's attributes, and
    // the day fights today's card; then the month and the year end.
    void anAbsurdWorldPlaysOn_data()
    {
        QTest::addColumn<int>("value");
        QTest::addRow("largest") << INT_MAX;
        QTest::addRow("smallest") << INT_MIN;
    }

    void anAbsurdWorldPlaysOn()
    {
        QFETCH(int, value);
        DeterministicRandom random;
        PersistFixtures::fillPlayingGame();
        // Ages as they were: the agent is signed, the amateur comes of age
        // and is filed after the pool's highest standing.
        const auto edit = [value](Fighter &fighter) {
            const int age = wholeNumber(fighter, Fighter::AgeIndex);
            setEveryNumber(fighter, value);
            FighterBuilder(fighter).age(age).into(fighter);
        };
        PersistTestAccess::editEveryFighter(edit);
        Fighter filedFarOut = LeagueFixtures::pro(1250, "Far", 0);
        edit(filedFarOut);
        WorldTestAccess::addFreeAgent(filedFarOut);
        setEveryGymNumber(value);
        QVERIFY(PersistTestAccess::loadBytes(PersistTestAccess::savedBytes()));

        DayRunner runner(World::Instance(), CoinTossEvents::decideWithUnseenBouts);
        const DayNews firstDay = runner.runDay();
        QCOMPARE(firstDay.events.size(), 1);
        QCOMPARE(firstDay.events.first().lines.size(), 2);
        QVERIFY2(firstDay.freeAgentNews.join('\n').contains("F1200 Agent has been signed by"),
                 qPrintable(firstDay.freeAgentNews.join('\n')));
        QVERIFY(firstDay.fighterNews.contains("F1300 Kid has come of age and turned professional."));
        while (World::Instance().getDate() < QDate(2016, 1, 2))
            runner.runDay();
    }

    void boundedFightersFight_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addRow("largest against smallest") << int(Largest) << int(Smallest);
        QTest::addRow("largest against largest") << int(Largest) << int(Largest);
        QTest::addRow("smallest against smallest") << int(Smallest) << int(Smallest);
        QTest::addRow("by turns against smallest") << int(ByTurns) << int(Smallest);
        QTest::addRow("smallest against an ordinary fighter") << int(Smallest) << int(Ordinary);
    }

    void boundedFightersFight()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        Fighter a = importedFighter(Kind(first));
        Fighter b = importedFighter(Kind(second));
        a.setId(1201);
        b.setId(1202);
        for (unsigned int seed = 1; seed <= 5; ++seed) {
            DeterministicRandom random(0, seed);
            const BoutResult bout = UnseenBout::fight(a, b);
            QVERIFY(bout.winnerId == a.getId() || bout.winnerId == b.getId());
            QVERIFY(bout.roundsFought >= 1 && bout.roundsFought <= 10);
        }
    }

    void theGymsNumbersAreBoundedOnLoad_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("sign");
        QTest::addRow("largest") << INT_MAX << 1;
        QTest::addRow("smallest") << INT_MIN << -1;
    }

    void theGymsNumbersAreBoundedOnLoad()
    {
        QFETCH(int, value);
        QFETCH(int, sign);
        PersistFixtures::fillPlayingGame();
        setEveryGymNumber(value);
        QVERIFY(PersistTestAccess::loadBytes(PersistTestAccess::savedBytes()));

        World &world = World::Instance();
        QVector<int> state, progress, gym, month, manager;
        QStringList log, texts, titles;
        world.getTrainingData(state, progress, log, 0);
        QCOMPARE(state.at(GymFighter::CharismaIndex), sign * 99);
        QCOMPARE(state.at(GymFighter::FatiguePointsIndex), sign * 9999);
        QCOMPARE(state.at(GymFighter::ContractPurseIndex), sign * 1000000);
        QCOMPARE(progress.first(), sign * 9999);
        world.getGymData(texts, gym, month);
        QCOMPARE(gym.at(Gym::MoneyIndex), sign * 100000000);
        QCOMPARE(gym.at(Gym::FirstEquipmentIndex), sign * 99);
        QCOMPARE(month.last(), sign * 100000000);
        world.getManagerData(texts, manager, titles);
        QCOMPARE(manager.at(Manager::NegotiatingIndex), sign * 99);
        QCOMPARE(manager.at(Manager::ReputationPointsIndex), sign * 9999);
        QCOMPARE(WorldTestAccess::lastFighterId(), sign * 100000000);
    }
};

QTEST_GUILESS_MAIN(TestPersistBounds)
#include "tst_persist_bounds.moc"
