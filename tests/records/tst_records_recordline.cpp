#include <QtTest>

#include "records/FightRecordLine.h"

Q_DECLARE_METATYPE(FightRecordLine::Outcome)

// The reader of bout result lines, in every form the game writes them.
class TestRecordsRecordLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FightRecordLine::Outcome>("outcome");
        QTest::addColumn<QString>("method");
        QTest::addColumn<bool>("decision");
        QTest::addColumn<bool>("knockout");
        QTest::addColumn<QString>("resultPart");
        QTest::addColumn<QString>("title");

        const auto win = FightRecordLine::Win;
        const auto loss = FightRecordLine::Loss;
        const auto none = FightRecordLine::NoOutcome;

        QTest::addRow("engine win line, KO")
            << "Win: Bo Kim - KO(Jab) - Rd. 2(1:05)" << win << "KO(Jab)" << false << true
            << "Win: Bo Kim - KO(Jab) - Rd. 2(1:05)" << "";
        QTest::addRow("engine loss line, decision")
            << "Loss: Ann Lee - Decision - Rd. 3(3:00)" << loss << "Decision" << true << false
            << "Loss: Ann Lee - Decision - Rd. 3(3:00)" << "";
        QTest::addRow("completed line, TKO")
            << "Win: Cy Park - TKO(Low Kick) - Rd. 1(0:40) - WFC: Fight Night 3" << win
            << "TKO(Low Kick)" << false << true
            << "Win: Cy Park - TKO(Low Kick) - Rd. 1(0:40) - WFC: Fight Night 3" << "";
        QTest::addRow("split decision with title")
            << "Win: Cy Park - Split Decision - Rd. 3(3:00) - WFC: Finals|WFC World Championship"
            << win << "Split Decision" << true << false
            << "Win: Cy Park - Split Decision - Rd. 3(3:00) - WFC: Finals" << "WFC World Championship";
        QTest::addRow("title up to the second bar")
            << "Loss: Cy Park - Majority Decision - Rd. 3(3:00)|Asia Cup|extra" << loss
            << "Majority Decision" << true << false
            << "Loss: Cy Park - Majority Decision - Rd. 3(3:00)" << "Asia Cup";
        QTest::addRow("loss to Winston")
            << "Loss: Winston Smith - KO(Hook) - Rd. 1(0:30) - WFC: Night" << loss << "KO(Hook)"
            << false << true << "Loss: Winston Smith - KO(Hook) - Rd. 1(0:30) - WFC: Night" << "";
        QTest::addRow("win over a fighter called Loss")
            << "Win: Lossy McLoss - KO(Knee) - Rd. 2(2:10)" << win << "KO(Knee)" << false << true
            << "Win: Lossy McLoss - KO(Knee) - Rd. 2(2:10)" << "";
        QTest::addRow("opponent called Decision, knockout")
            << "Win: Decision Dan - KO(Elbow) - Rd. 1(0:05)|Winter Cup" << win << "KO(Elbow)" << false
            << true << "Win: Decision Dan - KO(Elbow) - Rd. 1(0:05)" << "Winter Cup";
        QTest::addRow("event named Decision Night")
            << "Loss: Bo Kim - TKO(Body Punch) - Rd. 2(0:50) - WFC: Decision Night" << loss
            << "TKO(Body Punch)" << false << true
            << "Loss: Bo Kim - TKO(Body Punch) - Rd. 2(0:50) - WFC: Decision Night" << "";
        QTest::addRow("history entry with title outcome")
            << "Win: Bo Kim - KO(Jab) - Rd. 2(1:05) - WFC: X - Won Loss Valley Belt" << win << "KO(Jab)"
            << false << true << "Win: Bo Kim - KO(Jab) - Rd. 2(1:05) - WFC: X - Won Loss Valley Belt"
            << "";
        QTest::addRow("bare Win") << "Win" << win << "" << false << false << "Win" << "";
        QTest::addRow("empty title") << "Win: Bo Kim - KO(Jab) - Rd. 1(0:10)|" << win << "KO(Jab)"
                                     << false << true << "Win: Bo Kim - KO(Jab) - Rd. 1(0:10)" << "";
        QTest::addRow("Winless is no outcome") << "Winless streak" << none << "" << false << false
                                               << "Winless streak" << "";
        QTest::addRow("empty") << "" << none << "" << false << false << "" << "";
        QTest::addRow("blanks before the word") << " \t\nLoss: Bo Kim - KO(Jab) - Rd. 1(0:10)" << loss
            << "KO(Jab)" << false << true << " \t\nLoss: Bo Kim - KO(Jab) - Rd. 1(0:10)" << "";
        QTest::addRow("tab ends the word") << "Win\t- Bo Kim -  TKO(Knee)  " << win << "TKO(Knee)"
            << false << true << "Win\t- Bo Kim -  TKO(Knee)  " << "";
        QTest::addRow("one field after the word") << "Loss: Bo Kim -  Decision " << loss << "Decision"
            << true << false << "Loss: Bo Kim -  Decision " << "";
        QTest::addRow("blank field") << "Win:  -  - KO(Jab)" << win << "" << false << false
            << "Win:  -  - KO(Jab)" << "";
        QTest::addRow("only blanks") << " \t " << none << "" << false << false << " \t " << "";

        QTest::addRow("bout sentence, KO")
            << "Winston Smith defeated Ann Lee by KO(Jab) in 1:05 of Round 2." << none << "KO(Jab)"
            << false << true << "Winston Smith defeated Ann Lee by KO(Jab) in 1:05 of Round 2." << "";
        QTest::addRow("match line, decision")
            << "Single Match - Decision Dan defeated Stand by Me by Unanimous Decision in 3:00 of Round 3."
            << none << "Unanimous Decision" << true << false
            << "Single Match - Decision Dan defeated Stand by Me by Unanimous Decision in 3:00 of Round 3."
            << "";
        QTest::addRow("bout sentence, loser named Decision, TKO")
            << "Ann Lee defeated Decision Dan by TKO(Mid Kick) in 0:59 of Round 10." << none
            << "TKO(Mid Kick)" << false << true
            << "Ann Lee defeated Decision Dan by TKO(Mid Kick) in 0:59 of Round 10." << "";
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(FightRecordLine::Outcome, outcome);
        QFETCH(QString, method);
        QFETCH(bool, decision);
        QFETCH(bool, knockout);
        QFETCH(QString, resultPart);
        QFETCH(QString, title);

        const FightRecordLine line = FightRecordLine::parse(text);
        QCOMPARE(line.outcome(), outcome);
        QCOMPARE(line.isWin(), outcome == FightRecordLine::Win);
        QCOMPARE(line.isLoss(), outcome == FightRecordLine::Loss);
        QCOMPARE(line.method(), method);
        QCOMPARE(line.isDecision(), decision);
        QCOMPARE(line.isKnockout(), knockout);
        QCOMPARE(line.resultPart(), resultPart);
        QCOMPARE(line.title(), title);
        QCOMPARE(line.hasTitle(), !title.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecordsRecordLine)
#include "tst_records_recordline.moc"
