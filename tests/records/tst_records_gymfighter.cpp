#include <QtTest>

#include "records/GameRandom.h"
#include "records/GymFighter.h"
#include "TestSupport.h"
#include "core/FighterFields.h"
#include "core/TrainingFixtures.h"

using namespace FighterFields;
using TrainingFixtures::progressOf;
using TrainingFixtures::stateOf;

// The player's fighter: training state, stream form, labels and what a
// finished match does to him.
class TestRecordsGymFighter : public QObject
{
    Q_OBJECT

private:
    // learning speed, trait, charisma, fatigue level, fatigue points,
    // reputation points, contract purse.
    static GymFighter gymFighter(int charisma = 2, int reputation = 300, int attributeValue = 50,
                                 const QVector<int> &progress = QVector<int>(49, 0))
    {
        GymFighter fighter;
        fill(fighter, attributeValue);
        fighter.setTrainingData({1, 2, charisma, 0, 0, reputation, 2500}, progress, {"Day one"});
        return fighter;
    }

private slots:
    void constructionDrawsThreeValuesInOrder()
    {
        GameRandom::seed(77);
        const int speed = GameRandom::roll(3);
        const int trait = GameRandom::roll(3);
        const int charisma = GameRandom::roll(5);
        GameRandom::seed(77);
        const GymFighter fighter;
        QCOMPARE(stateOf(fighter), QVector<int>({speed, trait, charisma, 0, 0, 0, 0}));
        QCOMPARE(progressOf(fighter), QVector<int>(49, 0));
        QStringList log;
        fighter.getTrainingLog(log);
        QVERIFY(log.isEmpty());
    }

    void emptyGymFighterStreamForm()
    {
        GameRandom::seed(5);
        const GymFighter fighter;
        const QByteArray bytes = TestStream::bytesOf(fighter);
        QCOMPARE(bytes.size(), 448 + 4 + 7 * 4 + 4 + 49 * 4 + 4);
        QCOMPARE(bytes.left(448), TestStream::bytesOf(Fighter()));
        QCOMPARE(bytes.mid(448, 4).toHex(), QByteArray("00000007"));
        QCOMPARE(bytes.mid(480, 4).toHex(), QByteArray("00000031"));
        QCOMPARE(bytes.right(4).toHex(), QByteArray("00000000"));
    }

    void filledGymFighterStreamForm()
    {
        QVector<int> counters(49, 0);
        counters[0] = 150;
        counters[48] = TrainingType::Sparring;
        GymFighter fighter = gymFighter(3, 450, 60, counters);
        const QByteArray bytes = TestStream::bytesOf(fighter);
        Fighter fighterPart = fighter;
        const int fighterBytes = TestStream::bytesOf(fighterPart).size();
        QCOMPARE(bytes.left(fighterBytes), TestStream::bytesOf(fighterPart));
        QCOMPARE(bytes.mid(fighterBytes, 32).toHex(),
                 QByteArray("00000007" "00000001" "00000002" "00000003" "00000000" "00000000"
                            "000001c2" "000009c4"));
        QCOMPARE(bytes.mid(fighterBytes + 32, 8).toHex(), QByteArray("00000031" "00000096"));

        GymFighter back;
        QCOMPARE(TestStream::readBytes(bytes, back), QDataStream::Ok);
        QVERIFY(back == fighter);
        QCOMPARE(progressOf(back).last(), int(TrainingType::Sparring));
    }

    void truncatedStreamLeavesGymFighterUnchanged()
    {
        const QByteArray bytes = TestStream::bytesOf(gymFighter(4, 900, 70));
        GymFighter target = gymFighter(0, 10, 20);
        const GymFighter before = target;
        for (int cut = 0; cut < bytes.size(); cut += 5) {
            QVERIFY(TestStream::readBytes(bytes.left(cut), target) != QDataStream::Ok);
            QVERIFY(target == before);
        }
    }

    void shortTrainingVectorsAreRefused_data()
    {
        QTest::addColumn<int>("stateSize");
        QTest::addColumn<int>("progressSize");
        QTest::addRow("6 state numbers") << 6 << 49;
        QTest::addRow("48 progress numbers") << 7 << 48;
    }

    void shortTrainingVectorsAreRefused()
    {
        QFETCH(int, stateSize);
        QFETCH(int, progressSize);
        GymFighter fighter = gymFighter();
        const GymFighter before = fighter;
        QVERIFY(!fighter.setTrainingData(QVector<int>(stateSize, 9), QVector<int>(progressSize, 9), {"x"}));
        QVERIFY(fighter == before);

        // The same in a stream: the fighter part is not taken either.
        QByteArray bytes;
        {
            GameDataStream out(&bytes, QIODevice::WriteOnly);
            out << static_cast<const Fighter &>(gymFighter(1, 1, 1)) << QVector<int>(stateSize, 9)
                << QVector<int>(progressSize, 9) << QStringList();
        }
        QCOMPARE(TestStream::readBytes(bytes, fighter), QDataStream::ReadCorruptData);
        QVERIFY(fighter == before);
    }

    void contracts()
    {
        GymFighter fighter = gymFighter();
        fighter.setContract("Pan Asia FC", 6, 4000);
        QString org;
        int matches = 0, purse = 0;
        fighter.getContract(org, matches, purse);
        QCOMPARE(org, QString("Pan Asia FC"));
        QCOMPARE(matches, 6);
        QCOMPARE(purse, 4000);
        // The two-argument form keeps the purse.
        fighter.setContract("WFC", 2);
        fighter.getContract(org, matches, purse);
        QCOMPARE(org, QString("WFC"));
        QCOMPARE(matches, 2);
        QCOMPARE(purse, 4000);
    }

    void trimTrainingLog_data()
    {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("empty") << QStringList() << QStringList();
        QTest::addRow("one") << QStringList{"a"} << QStringList{"a"};
        QTest::addRow("three") << QStringList{"a", "b", "c"} << QStringList{"c"};
    }

    void trimTrainingLog()
    {
        QFETCH(QStringList, log);
        GymFighter fighter = gymFighter();
        fighter.setTrainingData(stateOf(fighter), progressOf(fighter), log);
        fighter.trimTrainingLog();
        QStringList after;
        fighter.getTrainingLog(after);
        QTEST(after, "expected");
    }

    void checkBirthday()
    {
        GymFighter fighter = gymFighter(); // 25, born 29 Feb 1988
        int oldAge = 0;
        QCOMPARE(fighter.checkBirthday(QDate(2012, 2, 28), oldAge), 25);
        QCOMPARE(oldAge, 25);
        QCOMPARE(fighter.checkBirthday(QDate(2012, 2, 29), oldAge), 26);
        QCOMPARE(oldAge, 25);
        QCOMPARE(wholeNumber(fighter, Fighter::AgeIndex), 26);
        QCOMPARE(attribute(fighter, 0), 50);
    }

    void restDay_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("pointsAfter");
        QTest::addColumn<int>("levelAfter");
        QTest::addRow("9") << 9 << 0 << 0;
        QTest::addRow("10") << 10 << 0 << 0;
        QTest::addRow("15") << 15 << 5 << 0;
        QTest::addRow("31") << 31 << 21 << 1;
        QTest::addRow("51") << 51 << 41 << 2;
        QTest::addRow("90") << 90 << 80 << 3;
        QTest::addRow("95") << 95 << 85 << 4;
    }

    void restDay()
    {
        QFETCH(int, points);
        GymFighter fighter = gymFighter();
        fighter.setTrainingData({1, 2, 2, 4, points, 300, 2500}, progressOf(fighter), {});
        fighter.rest();
        QTEST(stateOf(fighter).at(GymFighter::FatiguePointsIndex), "pointsAfter");
        QTEST(stateOf(fighter).at(GymFighter::FatigueLevelIndex), "levelAfter");
    }

    void reputationLabel_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("label");
        QTest::addRow("0") << 0 << "Unknown";
        QTest::addRow("100") << 100 << "Unknown";
        QTest::addRow("101") << 101 << "Local Fighter";
        QTest::addRow("300") << 300 << "Rising Star";
        QTest::addRow("301") << 301 << "Nationally Ranked";
        QTest::addRow("500") << 500 << "Respectable Opponent";
        QTest::addRow("600") << 600 << "Contender";
        QTest::addRow("700") << 700 << "Championship Caliber";
        QTest::addRow("701") << 701 << "World Class";
        QTest::addRow("900") << 900 << "International Superstar";
        QTest::addRow("901") << 901 << "Legendary";
        QTest::addRow("1000") << 1000 << "Legendary";
    }

    void reputationLabel()
    {
        QFETCH(int, points);
        GymFighter fighter = gymFighter(2, points);
        fighter.updateReputationLabel();
        QTEST(text(fighter, Fighter::ReputationText), "label");
    }

    void fightResultReputation_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("charisma");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        const QString win = "Win: Bo Kim - KO(Jab) - Rd. 2(1:05) - WFC: Night";
        const QString loss = "Loss: Bo Kim - Decision - Rd. 3(3:00) - WFC: Night";
        QTest::addRow("win, charisma 4") << win << 4 << 300 << 323;
        QTest::addRow("win, charisma 0") << win << 0 << 300 << 315;
        QTest::addRow("loss, charisma 0") << loss << 0 << 300 << 289;
        QTest::addRow("loss, charisma 4") << loss << 4 << 300 << 297;
        QTest::addRow("win near the top") << win << 4 << 990 << 1000;
        QTest::addRow("loss near the bottom") << loss << 0 << 5 << 0;
        QTest::addRow("neither") << "No contest" << 4 << 300 << 300;
        QTest::addRow("loss to Winston")
            << "Loss: Winston Smith - KO(Jab) - Rd. 1(0:10)|Asia Cup" << 0 << 300 << 289;
    }

    void fightResultReputation()
    {
        QFETCH(QString, result);
        QFETCH(int, charisma);
        QFETCH(int, before);
        QFETCH(int, after);
        GymFighter fighter = gymFighter(charisma, before);
        fighter.applyFightResult(QVector<int>(44, 0), result);
        QCOMPARE(stateOf(fighter).at(GymFighter::ReputationPointsIndex), after);
        GymFighter labelled = gymFighter(charisma, after);
        labelled.updateReputationLabel();
        QCOMPARE(text(fighter, Fighter::ReputationText), text(labelled, Fighter::ReputationText));
    }

    void fightResultExperience()
    {
        QVector<int> stats(44, 0);
        stats[6] = 12;  // jabs landed
        stats[30] = 9;  // high blocks
        stats[32] = 7;  // low blocks
        stats[40] = 5;  // mid counters
        stats[42] = 2;  // knockdowns scored
        stats[43] = 1;  // suffered
        GymFighter fighter = gymFighter();
        fighter.applyFightResult(stats, "Win: Bo Kim - KO(Jab) - Rd. 2(1:05)");
        const int bonus = 2 - 1 + 5;
        const QVector<int> after = progressOf(fighter);
        QCOMPARE(after.at(SkillTable::Jab), 12 + bonus);
        QCOMPARE(after.at(SkillTable::HeadGuard), 9 + bonus);
        QCOMPARE(after.at(SkillTable::BodyGuard), 7 + bonus);
        QCOMPARE(after.at(SkillTable::LegGuard), 3 + bonus);
        QCOMPARE(after.at(SkillTable::DazedGuard), 4 + bonus);
        QCOMPARE(after.at(SkillTable::DefAwareness), 5 + bonus);
        QCOMPARE(after.at(SkillTable::Reaction), 2 + bonus);
        QCOMPARE(after.at(SkillTable::Hook), bonus);
        // Counters outside the 24 are left to the training.
        QCOMPARE(after.at(SkillTable::Strength), 0);
        QCOMPARE(after.at(SkillTable::Footwork), 0);
        int touched = 0;
        for (int skill = 0; skill < SkillTable::SkillCount; ++skill)
            touched += after.at(skill) != 0 ? 1 : 0;
        QCOMPARE(touched, 24);
    }

    void levelUpAt200()
    {
        QVector<int> counters(49, 0);
        counters[SkillTable::Focus] = 199;
        counters[SkillTable::Counter] = 195;
        counters[SkillTable::Jab] = 199;
        GymFighter fighter = gymFighter(2, 300, 50, counters);
        QVector<int> stats(44, 0);
        stats[38] = 5; // high counters: Counter +5, Focus +2
        fighter.applyFightResult(stats, "No contest"); // bonus 0
        const QVector<int> after = progressOf(fighter);
        QCOMPARE(after.at(SkillTable::Jab), 199);    // gained 0, stays
        QCOMPARE(after.at(SkillTable::Focus), 0);    // 201: level-up
        QCOMPARE(after.at(SkillTable::Counter), 0);  // 200: level-up
        // Focus raises 52 67 70 80 81 82, Counter 59 72 75 78 80 81.
        QCOMPARE(attribute(fighter, 52), 51);
        QCOMPARE(attribute(fighter, 80), 52);
        QCOMPARE(attribute(fighter, 81), 52);
        QCOMPARE(attribute(fighter, 59), 51);
        QCOMPARE(attribute(fighter, 0), 50);
    }

    void levelUpIsCapped()
    {
        QVector<int> counters(49, 0);
        counters[SkillTable::Jab] = 199;
        GymFighter fighter = gymFighter(2, 300, 99, counters);
        QVector<int> stats(44, 0);
        stats[6] = 1;
        fighter.applyFightResult(stats, "No contest");
        for (int k : {0, 1, 2, 61, 67, 79})
            QCOMPARE(attribute(fighter, k), 99);
    }

    // The statistics vector may be shorter than the 44 entries of the ring.
    void shortStatistics_data()
    {
        QTest::addColumn<int>("size");
        QTest::addRow("empty") << 0;
        QTest::addRow("up to the jabs") << 8;
        QTest::addRow("no knockdowns suffered") << 43;
    }

    void shortStatistics()
    {
        QFETCH(int, size);
        QVector<int> stats(size, 4);
        GymFighter fighter = gymFighter(0, 300);
        fighter.applyFightResult(stats, "Win: Bo Kim - KO(Jab) - Rd. 2(1:05)");
        QCOMPARE(stateOf(fighter).at(GymFighter::ReputationPointsIndex), 315);
        const int knockdownBonus = size > 42 ? 4 : 0;
        QCOMPARE(progressOf(fighter).at(SkillTable::Jab), (size > 6 ? 4 : 0) + 5 + knockdownBonus);
        QCOMPARE(progressOf(fighter).at(SkillTable::Reaction), (size > 40 ? 2 : 0) + 5 + knockdownBonus);
    }

    void improveSets()
    {
        GymFighter fighter = gymFighter(2, 300, 10);
        fighter.improveFootwork(3); // 57 58 62 64x2 67
        QCOMPARE(attribute(fighter, 57), 13);
        QCOMPARE(attribute(fighter, 64), 16);
        QCOMPARE(attribute(fighter, 67), 13);
        QCOMPARE(attribute(fighter, 63), 10);
        fighter.improveAdaptability(1); // 71 73 74 75x2 80
        QCOMPARE(attribute(fighter, 75), 12);
        QCOMPARE(attribute(fighter, 80), 11);
        // Improvements are not capped by themselves.
        GymFighter top = gymFighter(2, 300, 99);
        top.improveJab(2);
        QCOMPARE(attribute(top, 61), 101);
        top.improvePerseverance(1);
        QCOMPARE(attribute(top, 82), 100);
    }
};

QTEST_GUILESS_MAIN(TestRecordsGymFighter)
#include "tst_records_gymfighter.moc"
