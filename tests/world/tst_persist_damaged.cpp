#include <QtTest>

#include "TestSupport.h"
#include "core/PersistTestAccess.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "world/World.h"

#include <QRandomGenerator>

// Loading a file that is not a whole saved game: the running game stays as
// it was, and the caller is told.
class TestPersistDamaged : public QObject
{
    Q_OBJECT

private:
    QByteArray longGame;
    QByteArray runningGame;
    // Where the students' count sits, after the manager and the gym.
    int studentsOffset = 0;

    static QByteArray randomBytes(quint32 seed, int size)
    {
        QRandomGenerator generator(seed);
        QByteArray bytes(size, 0);
        for (char &byte : bytes)
            byte = char(generator.bounded(256));
        return bytes;
    }

    // Loads the bytes over the running game and checks it was refused and
    // left everything, the gym and manager objects included, untouched.
    void expectRefused(const QByteArray &bytes, const QByteArray &label)
    {
        const Gym *gym = PersistTestAccess::gym();
        const Manager *manager = PersistTestAccess::manager();
        QVERIFY2(!PersistTestAccess::loadBytes(bytes), label.constData());
        QVERIFY2(PersistTestAccess::savedBytes() == runningGame, label.constData());
        QCOMPARE(PersistTestAccess::gym(), gym);
        QCOMPARE(PersistTestAccess::manager(), manager);
    }

private slots:
    void initTestCase()
    {
        PersistFixtures::fillLongGame();
        longGame = PersistTestAccess::savedBytes();
        studentsOffset = 8 + TestStream::bytesOf(*PersistTestAccess::manager()).size()
                         + TestStream::bytesOf(*PersistTestAccess::gym()).size();
        QCOMPARE(longGame.mid(studentsOffset, 4).toHex(), QByteArray("00000002"));
        PersistFixtures::fillShortGame();
        runningGame = PersistTestAccess::savedBytes();
        QVERIFY(longGame != runningGame);
    }

    void init()
    {
        PersistFixtures::fillShortGame();
    }

    void aTruncatedSaveIsRefused()
    {
        // Every cut in the header and the manager, then every few bytes.
        for (int size = 0; size < longGame.size(); size += size < 200 ? 1 : 7) {
            expectRefused(longGame.left(size), "cut at " + QByteArray::number(size));
            if (QTest::currentTestFailed())
                return;
        }
        expectRefused(longGame.left(longGame.size() - 1), "last byte missing");
    }

    void aDamagedSaveIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("empty file") << QByteArray();
        QTest::addRow("a byte too many") << longGame + QByteArray(1, '\0');
        QTest::addRow("a save twice over") << longGame + longGame;
        QTest::addRow("huge student count") << PersistTestAccess::withNumberAt(longGame, studentsOffset, 0xFFFFFFFF);
        QTest::addRow("count one too high") << PersistTestAccess::withNumberAt(longGame, studentsOffset, 3);
        QTest::addRow("huge manager text count") << PersistTestAccess::withNumberAt(longGame, 8, 0x7FFFFFFF);
        QTest::addRow("huge text length") << PersistTestAccess::withNumberAt(longGame, 12, 0x7FFFFFFE);
        QTest::addRow("odd text length") << PersistTestAccess::withNumberAt(longGame, 12, 3);
        QTest::addRow("too few manager numbers") << PersistTestAccess::withNumberAt(longGame, 8, 4);
        for (quint32 seed = 1; seed <= 20; ++seed)
            QTest::addRow("random bytes %u", seed) << randomBytes(seed, int(seed) * 97);
    }

    void aDamagedSaveIsRefused()
    {
        QFETCH(QByteArray, bytes);
        expectRefused(bytes, QTest::currentDataTag());
    }

    // Scrambled bytes inside a good save may still read as a game (a
    // changed skill, say); whatever is refused must change nothing.
    void aScrambledSaveNeverHalfLoads()
    {
        QRandomGenerator generator(7);
        for (int round = 0; round < 300; ++round) {
            PersistFixtures::fillShortGame();
            QByteArray bytes = longGame;
            for (int flips = 0; flips < 4; ++flips)
                bytes[generator.bounded(bytes.size())] = char(generator.bounded(256));
            if (PersistTestAccess::loadBytes(bytes))
                continue;
            QVERIFY(PersistTestAccess::savedBytes() == runningGame);
        }
    }
};

QTEST_GUILESS_MAIN(TestPersistDamaged)
#include "tst_persist_damaged.moc"
