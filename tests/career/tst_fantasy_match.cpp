#include <QtTest>

#include "TestSupport.h"
#include "core/FighterBuilder.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

using namespace LeagueFixtures;
using namespace WorldFixtures;

// One of the player's fighters against an exported fighter.
class TestFantasyMatch : public QObject
{
    Q_OBJECT

private:
    static World &buildWorld()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(QDate(2015, 7, 9));
        GymFighter mine = gymFighter(1101, "Jo", "Park", 500, "O1");
        FighterBuilder(mine).titles({"O1 World Championship - from then"}).into(mine);
        WorldTestAccess::addRosterFighter(mine);
        WorldTestAccess::addAmateur(pro(6000, "Kid", 0, "Amateur", "Unknown", 40, 16));
        return world;
    }

    static QStringList amateurKeys()
    {
        const QMultiMap<int, Fighter> amateurs = WorldTestAccess::amateurs();
        QStringList keys;
        for (auto it = amateurs.cbegin(); it != amateurs.cend(); ++it)
            keys << QString::number(it.key()) + ":" + QString::number(it->getId()) + ":" + it->getFullName();
        return keys;
    }

private slots:
    void fantasyEvent_data()
    {
        QTest::addColumn<bool>("sameFighter");
        QTest::addRow("another fighter") << false;
        QTest::addRow("an export of the shown fighter") << true;
    }

    void fantasyEvent()
    {
        QFETCH(bool, sameFighter);
        World &world = buildWorld();
        const GymFighter before = world.getFighterById(1101);
        const Fighter exported = sameFighter ? Fighter(before) : pro(7000, "Legend", 5, "G1", "Legendary", 90);
        const QString importedName = exported.getFullName();
        const QByteArray file = TestStream::bytesOf(exported);

        GameDataStream in(file);
        Event fantasy;
        QCOMPARE(world.createFantasyMatch(in, 0, fantasy), World::FantasyResult::Created);

        QStringList texts;
        fantasy.getTexts(texts);
        QCOMPARE(texts, (QStringList{"Fantasy Match: Jo Park vs. " + importedName, "Fantasy Match", "Fantasy Land",
                                     "Elite", "Single Event", "No Title"}));
        QCOMPARE(fantasy.getDate(), QDate(2011, 1, 1));
        QVERIFY(fantasy.hasPlayerFighter());
        QVERIFY(fantasy.getResultLines().isEmpty());
        QCOMPARE(fantasy.getMatches().size(), 1);
        QCOMPARE(fantasy.getMatches().first(),
                 match(MatchType::Single, "Jo Park", -116, importedName, -117, false));

        // Both temporary fighters sit under key 0, the later one first.
        QCOMPARE(amateurKeys(), (QStringList{"0:-117:" + importedName, "0:-116:Jo Park", "0:6000:F6000 Kid"}));
        QCOMPARE(world.getAmateur(-116).getFullName(), QString("Jo Park"));
        QCOMPARE(FighterFields::wholeNumber(world.getAmateur(-117), Fighter::StandingIndex), 0);
        // The player's fighter himself is untouched.
        QCOMPARE(world.getFighterById(1101), before);

        world.purgeTemporaryAmateurs();
        QCOMPARE(amateurKeys(), QStringList{"0:6000:F6000 Kid"});
    }

    // A damaged file adds nothing and says so; so does a fighter position
    // that holds nobody.
    void nothingIsAddedOnFailure_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("result");
        const QByteArray sound = TestStream::bytesOf(pro(7000, "Legend", 5));
        QTest::addRow("empty file") << QByteArray() << 0 << int(World::FantasyResult::DamagedFile);
        QTest::addRow("cut short") << sound.left(sound.size() / 2) << 0 << int(World::FantasyResult::DamagedFile);
        QTest::addRow("a byte too many") << sound + QByteArray(1, '\0') << 0 << int(World::FantasyResult::DamagedFile);
        QTest::addRow("too few numbers") << TestStream::bytesOf(QStringList{"A", "B"}) + QByteArray(8, '\0') << 0
                                         << int(World::FantasyResult::DamagedFile);
        QTest::addRow("no fighter shown") << sound << 3 << int(World::FantasyResult::NoFighterShown);
    }

    void nothingIsAddedOnFailure()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, position);
        QFETCH(int, result);
        World &world = buildWorld();
        GameDataStream in(file);
        Event fantasy;
        QCOMPARE(int(world.createFantasyMatch(in, position, fantasy)), result);
        QCOMPARE(amateurKeys(), QStringList{"0:6000:F6000 Kid"});
        QVERIFY(fantasy.getMatches().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFantasyMatch)
#include "tst_fantasy_match.moc"
