#include <QtTest>

#include "records/Fighter.h"
#include "TestSupport.h"
#include "core/FighterFields.h"
#include "records/TextDate.h"

using namespace FighterFields;

// The career changes of a fighter: results, titles, contracts, aging and
// the reputation roll.
class TestRecordsCareer : public QObject
{
    Q_OBJECT

private:
    const QDate day{2011, 6, 4};
    QString dayText() const { return TextDate::shortText(day); }

    static Fighter fighterWithContract(int matches, const QStringList &titles = QStringList())
    {
        Fighter fighter;
        fill(fighter, 50, {}, titles);
        fighter.setContract("WFC", matches);
        return fighter;
    }

    struct Counts {
        int wins, losses, knockouts, contract;
    };
    static Counts countsOf(const Fighter &f)
    {
        return {wholeNumber(f, Fighter::WinsIndex), wholeNumber(f, Fighter::LossesIndex),
                wholeNumber(f, Fighter::KnockoutsIndex), wholeNumber(f, Fighter::ContractMatchesIndex)};
    }

private slots:
    void setContractChangesOnlyTheContract()
    {
        Fighter fighter;
        fill(fighter);
        Fighter expected = fighter;
        fighter.setContract("Pan Asia FC", 7);
        QCOMPARE(text(fighter, Fighter::OrganizationText), QString("Pan Asia FC"));
        QCOMPARE(wholeNumber(fighter, Fighter::ContractMatchesIndex), 7);
        fighter.setContract("WFC", 4);
        QVERIFY(fighter == expected);
    }

    // Counts and the contract countdown per match type (the fixture starts
    // at 10 wins, 2 losses, 6 knockouts).
    void countsAndCountdown_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("matchType");
        QTest::addColumn<int>("wins");
        QTest::addColumn<int>("losses");
        QTest::addColumn<int>("knockouts");
        QTest::addColumn<int>("contract");

        const QString ko = "Win: Bo Kim - KO(Jab) - Rd. 2(1:05) - WFC: Night";
        const QString dec = "Win: Bo Kim - Unanimous Decision - Rd. 3(3:00) - WFC: Night";
        const QString lost = "Loss: Bo Kim - KO(Jab) - Rd. 2(1:05) - WFC: Night";
        QTest::addRow("KO win, single match") << ko << "Single Match" << 11 << 2 << 7 << 3;
        QTest::addRow("decision win, qualifier") << dec << "Tournament Qualifier" << 11 << 2 << 6 << 4;
        QTest::addRow("KO win, quarterfinal") << ko << "Tournament Quarterfinal" << 11 << 2 << 7 << 4;
        QTest::addRow("KO win, semifinal") << ko << "Tournament Semifinal" << 11 << 2 << 7 << 4;
        QTest::addRow("decision win, final") << dec << "Tournament Final" << 11 << 2 << 6 << 3;
        QTest::addRow("decision win, championship") << dec << "Championship Match" << 11 << 2 << 6 << 3;
        QTest::addRow("loss, qualifier") << lost << "Tournament Qualifier" << 10 << 3 << 6 << 3;
        QTest::addRow("neither win nor loss") << "No contest" << "Single Match" << 10 << 2 << 6 << 4;
        // Outcome from the leading word, method from its own field.
        QTest::addRow("loss to Winston")
            << "Loss: Winston Smith - KO(Hook) - Rd. 1(0:30)" << "Tournament Semifinal" << 10 << 3 << 6 << 3;
        QTest::addRow("KO of a fighter called Decision")
            << "Win: Decision Dan - KO(Knee) - Rd. 1(0:30)" << "Single Match" << 11 << 2 << 7 << 3;
        QTest::addRow("title holding Decision on a KO win")
            << "Win: Bo Kim - KO(Jab) - Rd. 1(0:30)|Decision Cup" << "Tournament Final" << 11 << 2 << 7 << 3;
    }

    void countsAndCountdown()
    {
        QFETCH(QString, result);
        QFETCH(QString, matchType);
        Fighter fighter = fighterWithContract(4);
        fighter.recordFightResult(day, result, matchType);
        const Counts c = countsOf(fighter);
        QTEST(c.wins, "wins");
        QTEST(c.losses, "losses");
        QTEST(c.knockouts, "knockouts");
        QTEST(c.contract, "contract");
        QCOMPARE(text(fighter, Fighter::OrganizationText), QString("WFC"));
        QCOMPARE(historyOf(fighter).size(), 1);
    }

    void plainWinIsStoredUnchanged()
    {
        Fighter fighter = fighterWithContract(4);
        const QString result = "Win: Bo Kim - KO(Jab) - Rd. 2(1:05) - WFC: Night";
        fighter.recordFightResult(day, result, "Single Match");
        QMultiMap<QDate, QString> history;
        fighter.getHistory(history);
        QCOMPARE(history.values(day), QStringList{result});
        QVERIFY(titlesOf(fighter).isEmpty());
    }

    void titleWonThenRetained()
    {
        Fighter fighter = fighterWithContract(5);
        const QString line = "Win: Bo Kim - KO(Jab) - Rd. 2(1:05) - WFC: Finals";
        fighter.recordFightResult(day, line + "|WFC World Championship", "Championship Match");
        QCOMPARE(titlesOf(fighter), QStringList{"WFC World Championship - from " + dayText()});
        QCOMPARE(historyOf(fighter), QStringList{line + " - Won WFC World Championship"});

        const QDate later = day.addDays(90);
        fighter.recordFightResult(later, line + "|WFC World Championship", "Championship Match");
        QCOMPARE(titlesOf(fighter).size(), 1);
        QMultiMap<QDate, QString> history;
        fighter.getHistory(history);
        QCOMPARE(history.value(later), line + " - Retained WFC World Championship");
    }

    void titleHoldingTheYearHasNoFromDate()
    {
        Fighter fighter = fighterWithContract(5);
        fighter.recordFightResult(day, "Win: Bo Kim - Decision - Rd. 3(3:00)|WFC 2011 Grand Prix",
                                  "Tournament Final");
        QCOMPARE(titlesOf(fighter), QStringList{"WFC 2011 Grand Prix"});
        fighter.recordFightResult(day.addDays(1), "Loss: Cy Park - KO(Jab) - Rd. 1(0:20)|WFC 2011 Grand Prix",
                                  "Tournament Final");
        QCOMPARE(titlesOf(fighter), QStringList{"WFC 2011 Grand Prix until " + TextDate::shortText(day.addDays(1))});
    }

    void titleLost()
    {
        const QStringList titles{"Asia Cup - from Sat Jan 1 2011 until Sun Feb 6 2011",
                                 "Asia Cup - from Sat Mar 5 2011"};
        Fighter fighter = fighterWithContract(5, titles);
        fighter.recordFightResult(day, "Loss: Cy Park - Decision - Rd. 3(3:00)|Asia Cup", "Championship Match");
        QCOMPARE(titlesOf(fighter), QStringList({titles.at(0), titles.at(1) + " until " + dayText()}));
        QCOMPARE(historyOf(fighter), QStringList{"Loss: Cy Park - Decision - Rd. 3(3:00) - Lost Asia Cup"});
        QCOMPARE(countsOf(fighter).losses, 3);
        // A closed line is never reopened; a new win opens a new line.
        fighter.recordFightResult(day.addDays(1), "Win: Cy Park - KO(Jab) - Rd. 1(0:20)|Asia Cup", "Championship Match");
        QCOMPARE(titlesOf(fighter).size(), 3);
    }

    void lossOfTitleNotHeldChangesNoTitle()
    {
        Fighter fighter = fighterWithContract(5, {"Euro Belt - from Sat Jan 1 2011"});
        fighter.recordFightResult(day, "Loss: Cy Park - KO(Jab) - Rd. 1(0:20)|Asia Cup", "Championship Match");
        QCOMPARE(titlesOf(fighter), QStringList{"Euro Belt - from Sat Jan 1 2011"});
        QCOMPARE(historyOf(fighter), QStringList{"Loss: Cy Park - KO(Jab) - Rd. 1(0:20)"});
    }

    void contractRunsOut()
    {
        Fighter fighter = fighterWithContract(1, {"WFC World Championship - from Sat Jan 1 2011", "Asia Cup"});
        fighter.recordFightResult(day, "Loss: Cy Park - KO(Jab) - Rd. 1(0:20)", "Single Match");
        QCOMPARE(countsOf(fighter).contract, 0);
        QCOMPARE(text(fighter, Fighter::OrganizationText), QString("Free Agent"));
        QCOMPARE(titlesOf(fighter),
                 QStringList({"WFC World Championship - from Sat Jan 1 2011 until " + dayText(), "Asia Cup"}));

        // A free agent at 0 who loses goes to -1 and stays a free agent.
        fighter.recordFightResult(day.addDays(1), "Loss: Cy Park - KO(Jab) - Rd. 1(0:20)", "Single Match");
        QCOMPARE(countsOf(fighter).contract, -1);
        QCOMPARE(text(fighter, Fighter::OrganizationText), QString("Free Agent"));
    }

    void titleWonAsContractRunsOutIsClosedAtOnce()
    {
        Fighter fighter = fighterWithContract(1);
        fighter.recordFightResult(day, "Win: Bo Kim - KO(Jab) - Rd. 1(0:20)|WFC World Championship",
                                  "Championship Match");
        QCOMPARE(titlesOf(fighter),
                 QStringList{"WFC World Championship - from " + dayText() + " until " + dayText()});
    }

    void twoResultsOnOneDate()
    {
        Fighter fighter = fighterWithContract(5);
        fighter.recordFightResult(day, "Win: Bo Kim - KO(Jab) - Rd. 1(0:20)", "Tournament Semifinal");
        fighter.recordFightResult(day, "Win: Cy Park - Decision - Rd. 3(3:00)", "Tournament Final");
        QMultiMap<QDate, QString> history;
        fighter.getHistory(history);
        QCOMPARE(history.values(day).size(), 2);
        // The later entry comes first among equal dates, and streams back so.
        Fighter back;
        QCOMPARE(TestStream::readBytes(TestStream::bytesOf(fighter), back), QDataStream::Ok);
        QCOMPARE(historyOf(back), historyOf(fighter));
        QCOMPARE(historyOf(back).first(), QString("Win: Cy Park - Decision - Rd. 3(3:00)"));
    }

    void agingWithoutChange_data()
    {
        QTest::addColumn<int>("age");
        QTest::addRow("17") << 17;
        QTest::addRow("30") << 30;
        QTest::addRow("34") << 34;
    }

    void agingWithoutChange()
    {
        QFETCH(int, age);
        DeterministicRandom seam(40);
        Fighter fighter = sample().age(age).build();
        fighter.ageOneYear();
        QVector<int> expected = fighterInts(50);
        expected[Fighter::AgeIndex] = age + 1;
        QVector<int> after;
        fighter.getInts(after);
        QCOMPARE(after, expected);
    }

    void agingChangesByBracket_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addRow("18") << 18 << 1 << 3;
        QTest::addRow("21") << 21 << 1 << 3;
        QTest::addRow("22") << 22 << 0 << 2;
        QTest::addRow("29") << 29 << 0 << 1;
        QTest::addRow("35") << 35 << -1 << 0;
        QTest::addRow("40") << 40 << -2 << 0;
    }

    void agingChangesByBracket()
    {
        QFETCH(int, age);
        QFETCH(int, low);
        QFETCH(int, high);
        for (int start = 0; start < 5; ++start) {
            DeterministicRandom seam(start * 97, start + 1);
            Fighter fighter = sample().age(age).build();
            fighter.ageOneYear();
            QCOMPARE(wholeNumber(fighter, Fighter::AgeIndex), age + 1);
            QSet<int> changes;
            for (int k = 0; k < Fighter::AttributeCount; ++k) {
                const int change = attribute(fighter, k) - 50;
                QVERIFY2(change >= low && change <= high, qPrintable(QString("attribute %1").arg(k)));
                changes << change;
            }
            // 83 draws over the whole range, not one value repeated.
            QCOMPARE(changes.size(), high - low + 1);
            QCOMPARE(wholeNumber(fighter, Fighter::HeadDurabilityIndex), 120);
        }
    }

    void agingCapsAtTopAndHasNoFloor()
    {
        DeterministicRandom seam(3);
        Fighter young = sample(98).age(18).build();
        young.ageOneYear();
        for (int k = 0; k < Fighter::AttributeCount; ++k)
            QCOMPARE(attribute(young, k), 99);

        Fighter old = sample(0).age(45).build();
        old.ageOneYear();
        int below = 0;
        for (int k = 0; k < Fighter::AttributeCount; ++k)
            below += attribute(old, k) < 0 ? 1 : 0;
        QVERIFY(below > 0);
    }

    // v = standing + (0..20) +/- (1..50).
    void reputationBands_data()
    {
        QTest::addColumn<int>("standing");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("allowed");
        QTest::addRow("negative") << -500 << "" << QStringList{"Legendary"};
        QTest::addRow("0") << 0 << "" << QStringList{"Legendary", "World Class"};
        QTest::addRow("1000") << 1000 << "" << QStringList{"World Class"};
        QTest::addRow("2200") << 2200 << "" << QStringList{"International Superstar"};
        QTest::addRow("3700") << 3700 << "" << QStringList{"Championship Caliber"};
        QTest::addRow("5000") << 5000 << "" << QStringList{"Contender"};
        QTest::addRow("7000") << 7000 << "" << QStringList{"Respectable Opponent"};
        QTest::addRow("8000") << 8000 << "" << QStringList{"Nationally Ranked"};
        QTest::addRow("10000") << 10000 << "" << QStringList{"Rising Star"};
        QTest::addRow("gap keeps Rising Star") << 11200 << "Rising Star" << QStringList{"Rising Star"};
        QTest::addRow("gap keeps Unknown") << 11200 << "Unknown" << QStringList{"Unknown"};
        QTest::addRow("12800") << 12800 << "" << QStringList{"Local Fighter"};
        QTest::addRow("20000") << 20000 << "" << QStringList{"Unknown"};
    }

    void reputationBands()
    {
        QFETCH(int, standing);
        QFETCH(QString, before);
        QFETCH(QStringList, allowed);
        for (int start = 0; start < 8; ++start) {
            DeterministicRandom seam(start * 131, start);
            Fighter fighter =
                sample().text(Fighter::ReputationText, before).number(Fighter::StandingIndex, standing).build();
            fighter.rollReputationLabel();
            const QString label = text(fighter, Fighter::ReputationText);
            QVERIFY2(allowed.contains(label), qPrintable(label));
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordsCareer)
#include "tst_records_career.moc"
