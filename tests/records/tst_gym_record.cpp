#include <QtTest>

#include "records/Gym.h"
#include "core/RecordChecks.h"

// The player's gym: prices, places, the month's books, prestige and the
// stream form.
class TestGymRecord : public QObject
{
    Q_OBJECT

private:
    static Gym gymWith(int money, int level = 0, int equipmentLevel = 0, int prestigePoints = 0,
                       const QString &prestige = "Unknown")
    {
        QVector<int> numbers{prestigePoints, money, level, 2, 1};
        for (int i = 0; i < Gym::EquipmentCount; ++i)
            numbers << equipmentLevel;
        Gym gym;
        gym.setData({"Iron House", "Brawler", "Red", "Black", prestige}, numbers,
                    {10, 20, 30, 40, 1, 2, 3, 4});
        return gym;
    }

    static int number(const Gym &gym, int index)
    {
        return RecordChecks::packed(gym, &Gym::getData).at(index);
    }

    static QVector<int> month(const Gym &gym)
    {
        return RecordChecks::packed(gym, &Gym::getInts);
    }

private slots:
    void streamForm()
    {
        const QByteArray empty = TestStream::bytesOf(Gym());
        QCOMPARE(empty.size(), (4 + 5 * 4) + (4 + 26 * 4) + (4 + 8 * 4));
        QCOMPARE(empty.left(8).toHex(), QByteArray("00000005" "ffffffff"));
        QCOMPARE(empty.mid(24, 4).toHex(), QByteArray("0000001a"));

        const Gym gym = gymWith(123456, 3, 2, 450, "Professional Level");
        const QByteArray bytes = TestStream::bytesOf(gym);
        // The month vector closes the record: its count, then 10 .. 4.
        QCOMPARE(bytes.right(36).left(12).toHex(), QByteArray("00000008" "0000000a" "00000014"));
        QDataStream::Status status;
        QCOMPARE(RecordChecks::roundTrip(gym, &status), gym);
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(RecordChecks::firstPrefixReadThatMisbehaves(bytes, Gym()), -1);
    }

    void shortContainersAreRefused()
    {
        const Gym before = gymWith(500);
        Gym gym = before;
        QVERIFY(!gym.setData({"a", "b", "c", "d"}, QVector<int>(26), QVector<int>(8)));
        QVERIFY(!gym.setData({"a", "b", "c", "d", "e"}, QVector<int>(25), QVector<int>(8)));
        QVERIFY(!gym.setData({"a", "b", "c", "d", "e"}, QVector<int>(26), QVector<int>(7)));
        QCOMPARE(gym, before);

        QByteArray bytes;
        {
            GameDataStream out(&bytes, QIODevice::WriteOnly);
            out << QStringList({"a", "b", "c", "d", "e"}) << QVector<int>(26) << QVector<int>(4);
        }
        QCOMPARE(TestStream::readBytes(bytes, gym), QDataStream::ReadCorruptData);
        QCOMPARE(gym, before);
    }

    void equipmentPrices_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("price");
        const int prices[] = {1000, 3500, 7000, 15000, 30000, 50000, 75000, 100000, 250000, 500000};
        for (int level = 0; level < 10; ++level)
            QTest::addRow("from level %d", level) << level << prices[level];
    }

    void equipmentPrices()
    {
        QFETCH(int, level);
        QFETCH(int, price);
        Gym exact = gymWith(price, 0, level);
        QVERIFY(exact.upgradeEquipment(4));
        QCOMPARE(number(exact, Gym::MoneyIndex), 0);
        QCOMPARE(number(exact, Gym::FirstEquipmentIndex + 4), level + 1);
        QCOMPARE(number(exact, Gym::FirstEquipmentIndex + 5), level);
        QCOMPARE(month(exact).at(Gym::UpgradeCostsIndex), 20 + price);

        const Gym poorBefore = gymWith(price - 1, 0, level);
        Gym poor = poorBefore;
        QVERIFY(!poor.upgradeEquipment(4));
        QVERIFY(!poor.payForLevel(level));
        QCOMPARE(poor, poorBefore);
    }

    void equipmentRefusals_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("equipmentLevel");
        QTest::addRow("at the top level") << 0 << 10;
        QTest::addRow("index 21") << 21 << 0;
        QTest::addRow("negative index") << -1 << 0;
    }

    void equipmentRefusals()
    {
        QFETCH(int, index);
        QFETCH(int, equipmentLevel);
        const Gym rich = gymWith(10000000, 0, equipmentLevel);
        Gym gym = rich;
        QVERIFY(!gym.upgradeEquipment(index));
        QVERIFY(!gym.payForLevel(10));
        QVERIFY(!gym.payForLevel(-1));
        QCOMPARE(gym, rich);
    }

    void gymLevels_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("price");
        QTest::addColumn<int>("students");
        QTest::addColumn<int>("fighters");
        QTest::addRow("0 to 1") << 0 << 5000 << 1 << 0;
        QTest::addRow("1 to 2") << 1 << 10000 << 1 << 1;
        QTest::addRow("2 to 3") << 2 << 25000 << 2 << 1;
        QTest::addRow("4 to 5") << 4 << 150000 << 1 << 1;
        QTest::addRow("8 to 9") << 8 << 1500000 << 1 << 1;
        QTest::addRow("9 to 10") << 9 << 2000000 << 2 << 1;
    }

    void gymLevels()
    {
        QFETCH(int, level);
        QFETCH(int, price);
        QFETCH(int, students);
        QFETCH(int, fighters);
        QCOMPARE(Gym::levelPrice(level), price);
        Gym gym = gymWith(price, level);
        QVERIFY(gym.upgradeLevel());
        QCOMPARE(number(gym, Gym::LevelIndex), level + 1);
        QCOMPARE(number(gym, Gym::StudentSlotsIndex), 2 + students);
        QCOMPARE(number(gym, Gym::FighterSlotsIndex), 1 + fighters);
        QCOMPARE(number(gym, Gym::MoneyIndex), 0);

        const Gym poorBefore = gymWith(price - 1, level);
        Gym poor = poorBefore;
        QVERIFY(!poor.upgradeLevel());
        QCOMPARE(poor, poorBefore);
    }

    void topLevelGymRefuses()
    {
        QCOMPARE(Gym::levelPrice(10), 0);
        QCOMPARE(Gym::levelPrice(-1), 0);
        const Gym before = gymWith(100000000, 10);
        Gym gym = before;
        QVERIFY(!gym.upgradeLevel());
        QCOMPARE(gym, before);
    }

    void monthBooks()
    {
        Gym gym = gymWith(100);
        gym.spend(150);
        gym.addIncome(70, true);
        gym.addIncome(5, false);
        QCOMPARE(number(gym, Gym::MoneyIndex), 25);
        QCOMPARE(month(gym), QVector<int>({160, 20, 35, 110, 1, 2, 3, 4}));
        gym.spend(30);
        QCOMPARE(number(gym, Gym::MoneyIndex), -5);
        gym.closeMonth();
        QCOMPARE(month(gym), QVector<int>({0, 0, 0, 0, 190, 20, 35, 110}));
        QCOMPARE(number(gym, Gym::MoneyIndex), -5);
        gym.closeMonth();
        QCOMPARE(month(gym), QVector<int>(8, 0));
    }

    void prestige_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("gain");
        QTest::addColumn<bool>("big");
        QTest::addColumn<int>("pointsAfter");
        QTest::addColumn<QString>("label");
        QTest::addRow("small gain within a band") << 50 << true << false << 58 << "Unknown";
        QTest::addRow("gain over 100") << 95 << true << false << 103 << "Local Hangout";
        QTest::addRow("big gain to 200") << 184 << true << true << 200 << "Local Hangout";
        QTest::addRow("gain over 500") << 499 << true << false << 507 << "Championship Caliber";
        QTest::addRow("big gain capped") << 996 << true << true << 1000 << "Legendary";
        QTest::addRow("big loss floored") << 3 << false << true << 0 << "Unknown";
        QTest::addRow("loss to 900") << 905 << false << true << 900 << "Elite";
        QTest::addRow("loss above 900 keeps the label") << 910 << false << true << 905 << "stale";
        QTest::addRow("loss from 301") << 301 << false << false << 299 << "Amateur Level";
        QTest::addRow("loss within 701-800") << 720 << false << false << 718 << "World Class";
    }

    void prestige()
    {
        QFETCH(int, points);
        QFETCH(bool, gain);
        QFETCH(bool, big);
        QFETCH(int, pointsAfter);
        QFETCH(QString, label);
        Gym gym = gymWith(0, 0, 0, points, "stale");
        if (gain)
            gym.updatePrestigeLabel(big);
        else
            gym.lowerPrestigeLabel(big);
        QCOMPARE(number(gym, Gym::PrestigePointsIndex), pointsAfter);
        QCOMPARE(RecordChecks::packed(gym, &Gym::getStrings).at(Gym::PrestigeText), label);
    }
};

QTEST_GUILESS_MAIN(TestGymRecord)
#include "tst_gym_record.moc"
