#include <QtTest>

#include "records/GameDataStream.h"
#include "records/GameRandom.h"
#include "TestSupport.h"

// The stream helpers and the random module everything else is built on.
class TestGameStream : public QObject
{
    Q_OBJECT

private slots:
    void streamUsesVersion12BigEndian()
    {
        QByteArray bytes;
        GameDataStream out(&bytes, QIODevice::WriteOnly);
        QCOMPARE(out.version(), int(QDataStream::Qt_4_6));
        out << qint32(1058) << QDate(2011, 1, 1);
        QCOMPARE(bytes.toHex(), QByteArray("00000422" "0025780b"));
    }

    void nullAndEmptyTextsKeepTheirForm()
    {
        QCOMPARE(TestStream::bytesOf(QString()).toHex(), QByteArray("ffffffff"));
        QCOMPARE(TestStream::bytesOf(QString("")).toHex(), QByteArray("00000000"));
        QString back("x");
        QCOMPARE(TestStream::readBytes(TestStream::bytesOf(QString()), back), QDataStream::Ok);
        QVERIFY(back.isNull());
    }

    void vectorRoundTrip()
    {
        const QVector<int> values{3, -1, 99};
        GameDataStream in(TestStream::bytesOf(values));
        QVector<int> back;
        QVERIFY(StreamRead::readVector(in, back, 4));
        QCOMPARE(back, values);
    }

    void hugeCountIsRefusedWithoutAllocating()
    {
        QByteArray bytes = QByteArray::fromHex("7fffffff00000001");
        GameDataStream in(bytes);
        QVector<int> back{1, 2};
        QVERIFY(!StreamRead::readVector(in, back, 4));
        QVERIFY(back.isEmpty());
        QCOMPARE(in.status(), QDataStream::ReadCorruptData);
    }

    void truncatedListIsLeftEmpty()
    {
        QByteArray bytes = TestStream::bytesOf(QStringList{"one", "two", "three"});
        bytes.chop(3);
        GameDataStream in(bytes);
        QStringList back;
        QVERIFY(!StreamRead::readList(in, back, 4));
        QVERIFY(back.isEmpty());
        QVERIFY(in.status() != QDataStream::Ok);
    }

    void multiMapKeepsOrderOfEqualKeys()
    {
        QMultiMap<int, QString> pool;
        pool.insert(8000, "first in");
        pool.insert(8000, "second in");
        pool.insert(10, "top");
        const QStringList order = pool.values();
        GameDataStream in(TestStream::bytesOf(pool));
        QMultiMap<int, QString> back;
        QVERIFY(StreamRead::readMultiMap(in, back));
        QCOMPARE(back.values(), order);
        // A new entry goes before those already under an equal key.
        QCOMPARE(order, QStringList({"top", "second in", "first in"}));
    }

    void deterministicReadingsAdvance()
    {
        DeterministicRandom seam;
        const int first = GameRandom::milliseconds();
        const int second = GameRandom::milliseconds();
        QVERIFY(first != second);
        QVERIFY(GameRandom::processorClock() < GameRandom::processorClock());
        QVERIFY(second >= 0 && second < 1000);
    }

    void sameSeedSameRolls()
    {
        GameRandom::seed(42);
        QVector<int> a, b;
        for (int i = 0; i < 5; ++i)
            a << GameRandom::roll(100);
        GameRandom::seed(42);
        for (int i = 0; i < 5; ++i)
            b << GameRandom::roll(100);
        QCOMPARE(a, b);
        GameRandom::seed(43);
        QVector<int> c;
        for (int i = 0; i < 5; ++i)
            c << GameRandom::roll(100);
        QVERIFY(c != a);
        QCOMPARE(GameRandom::roll(0), 0);
    }
};

QTEST_GUILESS_MAIN(TestGameStream)
#include "tst_gamestream.moc"
