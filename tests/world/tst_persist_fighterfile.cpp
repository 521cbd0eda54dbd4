#include <QtTest>

#include "TestSupport.h"
#include "core/FighterBuilder.h"
#include "core/PersistTestAccess.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

using namespace WorldFixtures;

// Exporting one of the player's fighters and importing him as a free agent.
class TestPersistFighterFile : public QObject
{
    Q_OBJECT

private:
    static QByteArray exported(int index)
    {
        QByteArray bytes;
        GameDataStream out(&bytes, QIODevice::WriteOnly);
        World::Instance().exportFighter(out, index);
        return bytes;
    }

    static GymFighter trainedFighter()
    {
        GymFighter fighter = gymFighter(1100, "Jo", "Park", 40, "G1", 7, 250, 3000);
        FighterBuilder(fighter).titles({"G1 World Championship - 2013"}).into(fighter);
        return fighter;
    }

private slots:
    void anEmptyRosterExportsNothing()
    {
        WorldTestAccess::freshWorld();
        QVERIFY(exported(0).isEmpty());
    }

    void theFileHoldsOneFighterRecord()
    {
        WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(gymFighter(1099, "Al", "Ross", 10, "G1"));
        WorldTestAccess::addRosterFighter(trainedFighter());
        const QByteArray bytes = exported(1);
        const QByteArray saved = PersistTestAccess::savedBytes();

        // His Fighter part only: no training state after it.
        const Fighter expected = trainedFighter();
        QCOMPARE(bytes.toHex(), TestStream::bytesOf(expected).toHex());
        Fighter read;
        QCOMPARE(TestStream::readBytes(bytes, read), QDataStream::Ok);
        QCOMPARE(read.getId(), 1100);
        QVERIFY(read == expected);
        QVERIFY(PersistTestAccess::savedBytes() == saved);
    }

    void anImportGetsANewIdAndGoesBeforeAnEqualStanding()
    {
        WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(trainedFighter());
        const QByteArray bytes = exported(0);

        WorldTestAccess::freshWorld();
        PersistTestAccess::setLastFighterId(1200);
        WorldTestAccess::addOrganization(organization("G1"));
        WorldTestAccess::addFreeAgent(fighter(1150, "Bo", "Diaz", 40));
        WorldTestAccess::addFreeAgent(fighter(1151, "Cy", "Moss", 41));

        QVERIFY(PersistTestAccess::importBytes(bytes));
        QCOMPARE(WorldTestAccess::lastFighterId(), 1201);
        QCOMPARE(PersistTestAccess::poolIds(PersistTestAccess::FreeAgents), QVector<int>({1201, 1150, 1151}));
        // Everything else as the file has it; his organization does not sign him.
        Fighter expected = trainedFighter();
        expected.setId(1201);
        QVERIFY(World::Instance().getFightersOf("Free Agent").first() == expected);
        QVERIFY(World::Instance().getFightersOf("G1").isEmpty());

        // The same file again: a second free agent, the next id.
        QVERIFY(PersistTestAccess::importBytes(bytes));
        QCOMPARE(PersistTestAccess::poolIds(PersistTestAccess::FreeAgents),
                 QVector<int>({1202, 1201, 1150, 1151}));
    }

    void aDamagedFileAddsNobodyAndUsesNoId_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(trainedFighter());
        const QByteArray good = exported(0);
        QTest::addRow("empty file") << QByteArray();
        for (int size : {3, 4, 40, good.size() / 2, good.size() - 4, good.size() - 1})
            QTest::addRow("cut at %d", size) << good.left(size);
        QTest::addRow("a byte too many") << good + QByteArray(1, '\x01');
        // His 95 numbers' count follows his texts.
        QStringList texts;
        trainedFighter().getStrings(texts);
        const int numbersAt = TestStream::bytesOf(texts).size();
        QCOMPARE(good.mid(numbersAt, 4).toHex(), QByteArray("0000005f"));
        QTest::addRow("huge number count") << PersistTestAccess::withNumberAt(good, numbersAt, 0x7FFFFFFF);
        QTest::addRow("a saved game") << PersistTestAccess::savedBytes();
    }

    void aDamagedFileAddsNobodyAndUsesNoId()
    {
        QFETCH(QByteArray, bytes);
        WorldTestAccess::freshWorld();
        WorldTestAccess::addFreeAgent(fighter(1150, "Bo", "Diaz", 40));
        const QByteArray saved = PersistTestAccess::savedBytes();

        QVERIFY(!PersistTestAccess::importBytes(bytes));
        QVERIFY(PersistTestAccess::savedBytes() == saved);
    }
};

QTEST_GUILESS_MAIN(TestPersistFighterFile)
#include "tst_persist_fighterfile.moc"
