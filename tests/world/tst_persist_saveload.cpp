#include <QtTest>

#include "TestSupport.h"
#include "core/PersistTestAccess.h"
#include "core/WorldTestAccess.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "world/World.h"

// Saving and loading a whole game: the file's layout and exact round trips.
class TestPersistSaveLoad : public QObject
{
    Q_OBJECT

private:
    static void appendNumber(QByteArray &bytes, quint32 value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.append(char((value >> shift) & 0xFF));
    }
    // A count, then `count` copies of the item (a whole number, or a text's
    // byte count).
    static void appendRun(QByteArray &bytes, quint32 count, quint32 item)
    {
        appendNumber(bytes, count);
        for (quint32 i = 0; i < count; ++i)
            appendNumber(bytes, item);
    }

private slots:
    void aFreshGameHasTheFileLayout()
    {
        World &world = World::Instance();
        world.reset();

        QByteArray expected = QByteArray::fromHex("00000422" "0025780B");
        const quint32 nullText = 0xFFFFFFFF;
        // The manager: five texts never assigned, his 23 numbers, no titles.
        appendRun(expected, Manager::TextCount, nullText);
        appendRun(expected, Manager::IntCount, 0);
        appendRun(expected, 0, 0);
        // The gym: five texts, 26 numbers, eight month figures.
        appendRun(expected, Gym::TextCount, nullText);
        appendRun(expected, Gym::IntCount, 0);
        appendRun(expected, Gym::MonthCount, 0);
        // Students, fighters, organizations, free agents, offers, bookings
        // and amateurs: all empty.
        for (int container = 0; container < 7; ++container)
            appendNumber(expected, 0);

        QCOMPARE(PersistTestAccess::savedBytes().toHex(), expected.toHex());
    }

    void theManagerIsWrittenBeforeTheGym()
    {
        PersistFixtures::fillLongGame();
        const QByteArray saved = PersistTestAccess::savedBytes();
        const QByteArray manager = TestStream::bytesOf(*PersistTestAccess::manager());
        const QByteArray gym = TestStream::bytesOf(*PersistTestAccess::gym());

        // Last id 1300 and 3 July 2014.
        QCOMPARE(saved.left(8).toHex(), QByteArray("00000514" "00257d0a"));
        QCOMPARE(saved.mid(8, manager.size()).toHex(), manager.toHex());
        QCOMPARE(saved.mid(8 + manager.size(), gym.size()).toHex(), gym.toHex());
    }

    void loadingReproducesTheSavedGame_data()
    {
        QTest::addColumn<bool>("fromRunningGame");
        QTest::addRow("over a running game") << true;
        QTest::addRow("after a reset") << false;
    }

    void loadingReproducesTheSavedGame()
    {
        QFETCH(bool, fromRunningGame);
        PersistFixtures::fillLongGame();
        const QByteArray saved = PersistTestAccess::savedBytes();
        const QVector<int> freeAgents = PersistTestAccess::poolIds(PersistTestAccess::FreeAgents);
        const QVector<int> amateurs = PersistTestAccess::poolIds(PersistTestAccess::Amateurs);
        const Organization g1 = WorldTestAccess::organization("G1");

        if (fromRunningGame)
            PersistFixtures::fillShortGame();
        else
            World::Instance().reset();
        const Gym *gym = PersistTestAccess::gym();
        const Manager *manager = PersistTestAccess::manager();

        QVERIFY(PersistTestAccess::loadBytes(saved));

        QCOMPARE(PersistTestAccess::savedBytes().toHex(), saved.toHex());
        QCOMPARE(PersistTestAccess::gym(), gym);
        QCOMPARE(PersistTestAccess::manager(), manager);
        // Equal standings keep their order, and the short game left nothing.
        QCOMPARE(PersistTestAccess::poolIds(PersistTestAccess::FreeAgents), freeAgents);
        QCOMPARE(PersistTestAccess::poolIds(PersistTestAccess::Amateurs), amateurs);
        QVERIFY(WorldTestAccess::organization("G1") == g1);
        QCOMPARE(WorldTestAccess::organization("Genesis").getName(), QString());
        QCOMPARE(WorldTestAccess::lastFighterId(), 1300);
        QCOMPARE(World::Instance().getDate(), QDate(2014, 7, 3));
    }

    void nullAndEmptyTextsSurvive()
    {
        World::Instance().reset();
        WorldTestAccess::addStudent(Fighter());
        WorldTestAccess::addStudent(WorldFixtures::fighter(1100, "", "", 0, ""));
        QVERIFY(PersistTestAccess::loadBytes(PersistTestAccess::savedBytes()));

        QStringList texts, titles;
        QVector<int> ints;
        QDate birthday;
        QMultiMap<QDate, QString> history;
        World::Instance().getStudentProfile(texts, ints, birthday, history, titles, 0);
        QVERIFY(texts.at(Fighter::FirstNameText).isNull());
        QVERIFY(birthday.isNull());
        texts.clear();
        World::Instance().getStudentProfile(texts, ints, birthday, history, titles, 1);
        QVERIFY(!texts.at(Fighter::FirstNameText).isNull());
        QVERIFY(texts.at(Fighter::FirstNameText).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPersistSaveLoad)
#include "tst_persist_saveload.moc"
