#include <QtTest>

#include "EngineTestKit.h"
#include "TestSupport.h"
#include "match/attack/State_Atk_Out.h"
#include "match/defence/State_Def_Out.h"
#include <functional>
#include "match/State_Gen_KD.h"
#include "match/UnseenBout.h"

using namespace EngineKit;

namespace {

// Pushing attributes at 0 make both initiative scores 0 before style and
// mindset.
Fighter idle(const QString &last, int id, const QString &style, const QString &first = "Al")
{
    return makeFighter(first, last, id, style, 50,
                       {{at(54), 0}, {at(55), 0}, {at(59), 0}, {at(67), 0},
                        {at(72), 0}, {at(76), 0}, {at(77), 0}});
}

// On its step: swaps the roles and sends a code to the (new) defender;
// records the codes it receives.
class SwapAndSend : public MatchState
{
public:
    SwapAndSend(Entity_MatchFighter *fighter, QStringList *log) : MatchState(fighter), log(log) {}
    void execute(Entity_MatchFighter *) override
    {
        MatchEngine::Instance().swapRoles();
        MatchEngine::Instance().sendMessageToDefender(6);
    }
    void onMessage(Entity_MatchFighter *, int code) override { log->append(QString::number(code)); }

private:
    QStringList *log;
};

} // namespace

using namespace EngineKit;

// The fight seeds once per match and then only draws, so every operation
// must take exactly the draws its rolls stand for, in their order: one
// draw too many or too few shifts every later roll of the bout.
namespace {

const unsigned Seed = 4242;

// How many draws `operation` took, found by where the next draw falls in
// the plain sequence of the same seed; -1 when it is not found.
int drawsTakenBy(const std::function<void()> &operation)
{
    const QVector<int> sequence = drawsAfter(Seed, 64);
    GameRandom::seed(Seed);
    operation();
    return sequence.indexOf(GameRandom::draw());
}

} // namespace

// Bout control: the opening, steps, roles, the clock and knockdowns.
class TestEngineBout : public QObject
{
    Q_OBJECT

private slots:
    void openingInitiative_data()
    {
        QTest::addColumn<QString>("styleA");
        QTest::addColumn<int>("mindsetA");
        QTest::addColumn<QString>("styleB");
        QTest::addColumn<int>("mindsetB");
        QTest::addColumn<bool>("aAttacks");
        QTest::addRow("tie goes to A") << "Tactician" << 0 << "Tactician" << 0 << true;
        QTest::addRow("brawler B") << "Tactician" << 0 << "Brawler" << 0 << false;
        QTest::addRow("covering A") << "Tactician" << 2 << "Tactician" << 0 << false;
        QTest::addRow("cautious A beats covering B") << "Kicker" << 1 << "Kicker" << 2 << true;
        QTest::addRow("hunting B beats brawler A") << "Brawler" << 0 << "Puncher" << 8 << false;
        QTest::addRow("brawler B beats aggressive A") << "Outfighter" << 7 << "Brawler" << 0 << false;
        QTest::addRow("aggressive A beats cautious brawler B") << "Clincher" << 7 << "Brawler" << 1 << true;
    }
    void openingInitiative()
    {
        QFETCH(QString, styleA);
        QFETCH(int, mindsetA);
        QFETCH(QString, styleB);
        QFETCH(int, mindsetB);
        QFETCH(bool, aAttacks);
        MatchEngine &engine = freshMatch(idle("Lee", 1, styleA), idle("Kim", 2, styleB), nullptr, false);
        engine.getFighterA()->setMindset(mindsetA);
        engine.getFighterB()->setMindset(mindsetB);
        engine.startRound();
        Entity_MatchFighter *a = engine.getFighterA();
        Entity_MatchFighter *b = engine.getFighterB();
        QCOMPARE(engine.getAttacker(), aAttacks ? a : b);
        QCOMPARE(engine.getDefender(), aAttacks ? b : a);
    }

    void startRoundSendsNothing()
    {
        QStringList paragraphs;
        MatchEngine &engine = freshMatch(idle("Lee", 1, "Tactician"), idle("Kim", 2, "Tactician"),
                                         &paragraphs);
        QVERIFY(dynamic_cast<State_Atk_Out *>(engine.getAttacker()->getState()));
        QVERIFY(dynamic_cast<State_Def_Out *>(engine.getDefender()->getState()));
        QCOMPARE(engine.getDefender()->getSituation(), 1);
        QCOMPARE(engine.getDefender()->getCommentary(), QString());
        QVERIFY(paragraphs.isEmpty());
        QCOMPARE(engine.getRound(), 1);
        QCOMPARE(engine.getClock(), 180);
        QCOMPARE(engine.getExchangeCount(), 0);
        QVERIFY(!engine.isMatchOver());
    }

    void stepWritesAttackerThenDefender()
    {
        QStringList paragraphs;
        MatchEngine &engine = freshMatch(idle("Lee", 1, "Tactician"), idle("Kim", 2, "Tactician"),
                                         &paragraphs);
        engine.getAttacker()->setState(new MatchState(engine.getAttacker()));
        engine.getAttacker()->appendCommentary("Lee moves.");
        engine.getDefender()->appendCommentary("Kim waits.");
        QVERIFY(!engine.step());
        QCOMPARE(paragraphs, QStringList({"Lee moves.", "Kim waits."}));
        QVERIFY(!engine.step());
        QCOMPARE(paragraphs.size(), 4);
        QCOMPARE(paragraphs.at(2), QString());
        QCOMPARE(engine.getAttacker()->getCommentary(), QString());
    }

    void sendsAfterASwapReachTheNewDefender()
    {
        MatchEngine &engine = freshMatch(idle("Lee", 1, "Tactician"), idle("Kim", 2, "Tactician"));
        Entity_MatchFighter *first = engine.getAttacker();
        QStringList senderLog, otherLog;
        first->setState(new SwapAndSend(first, &senderLog));
        engine.getDefender()->setState(new ProbeRecorder(engine.getDefender(), &otherLog));
        engine.step();
        // The first attacker now defends and got the code.
        QCOMPARE(engine.getDefender(), first);
        QCOMPARE(senderLog, QStringList({"6"}));
        QCOMPARE(otherLog, QStringList());
    }

    void nextExchangeSwapsAndResets()
    {
        MatchEngine &engine = freshMatch(idle("Lee", 1, "Tactician"), idle("Kim", 2, "Tactician"));
        Entity_MatchFighter *first = engine.getAttacker();
        engine.countExchange();
        engine.countExchange();
        QCOMPARE(engine.getExchangeCount(), 2);
        engine.nextExchange();
        QCOMPARE(engine.getDefender(), first);
        QCOMPARE(engine.getExchangeCount(), 0);
        QVERIFY(dynamic_cast<State_Atk_Out *>(engine.getAttacker()->getState()));
        QVERIFY(dynamic_cast<State_Def_Out *>(engine.getDefender()->getState()));
    }

    void clockTicksOneToFourSeconds()
    {
        MatchEngine &engine = freshMatch(idle("Lee", 1, "Tactician"), idle("Kim", 2, "Tactician"));
        int previous = engine.getClock();
        while (previous >= 1) {
            const int now = engine.tickClock();
            QVERIFY(previous - now >= 1 && previous - now <= 4);
            previous = now;
        }
        QVERIFY(previous > -4);
        engine.startNextRound();
        QCOMPARE(engine.getRound(), 2);
        QCOMPARE(engine.getClock(), 180);
    }

    void knockdownAnnouncementsAndTheThird()
    {
        QStringList paragraphs;
        MatchEngine &engine = freshMatch(idle("Kim", 1, "Tactician", "Bo"), idle("Lee", 2, "Tactician"),
                                         &paragraphs);
        Entity_MatchFighter *bo = engine.getFighterA();
        engine.announceKnockdown(bo);
        QCOMPARE(bo->getSituation(), 4);
        QCOMPARE(bo->takeCommentary(), QString("Kim has gone down! Will he be able to get up?"));
        engine.announceKnockdown(bo);
        QCOMPARE(bo->takeCommentary(), QString("That's knockdown number two! One more and Kim is done!"));
        QVERIFY(!engine.isMatchOver());
        engine.announceKnockdown(bo);
        QCOMPARE(bo->takeCommentary(),
                 QString("That's the third time this round that Bo Kim has gone down! This match is over!"));
        QCOMPARE(bo->getSituation(), 5);
        QVERIFY(engine.isMatchOver());
        QCOMPARE(engine.getLoser(), bo);
        QCOMPARE(engine.getWinner(), engine.getFighterB());
    }

    void knockdownsOfEarlierRoundsDoNotCount()
    {
        MatchEngine &engine = freshMatch(idle("Kim", 1, "Tactician"), idle("Lee", 2, "Tactician"));
        Entity_MatchFighter *a = engine.getFighterA();
        engine.announceKnockdown(a);
        engine.announceKnockdown(a);
        engine.getRoundStatistics();
        engine.startNextRound();
        engine.startRound();
        engine.announceKnockdown(a);
        QVERIFY(!engine.isMatchOver());
        QCOMPARE(a->getSituation(), 4);
    }

    void announcingAStrangerChangesNoCount()
    {
        MatchEngine &engine = freshMatch(idle("Kim", 1, "Tactician"), idle("Lee", 2, "Tactician"));
        Entity_MatchFighter stranger;
        engine.announceKnockdown(&stranger);
        QCOMPARE(stranger.getCommentary(), QString());
        QCOMPARE(engine.getRoundStatistics().mid(6), QVector<int>({0, 0}));
        engine.endMatch(&stranger);
        QVERIFY(engine.isMatchOver());
        QCOMPARE(engine.getWinner(), nullptr);
    }

    // A new match forgets the old one's roles and result; before its first
    // round nothing can be stepped or ended.
    void setupForgetsTheOldMatch()
    {
        MatchEngine &engine = freshMatch(idle("Kim", 1, "Tactician"), idle("Lee", 2, "Tactician"));
        engine.endMatch(engine.getFighterA());
        QVERIFY(engine.getWinner());
        freshMatch(idle("Ray", 3, "Tactician"), idle("Roy", 4, "Tactician"), nullptr, false);
        QCOMPARE(engine.getAttacker(), nullptr);
        QCOMPARE(engine.getDefender(), nullptr);
        QCOMPARE(engine.getWinner(), nullptr);
        QCOMPARE(engine.getLoser(), nullptr);
        QVERIFY(!engine.isMatchOver());
        QVERIFY(!engine.step());
        engine.nextExchange();
        engine.swapRoles();
        engine.sendMessageToAttacker(3);
        engine.sendValueToDefender(9, 10);
        engine.decideByScore(0, 3);
        QVERIFY(!engine.isMatchOver());
        int winnerId = -7, loserId = -7;
        QString winnerLine, loserLine;
        QCOMPARE(engine.getResultText(&winnerId, &winnerLine, &loserId, &loserLine), QString());
        QCOMPARE(winnerId, -7);
        QCOMPARE(winnerLine, QString());
    }

    void fightersSpeakOnlyWhenHeard_data()
    {
        QTest::addColumn<bool>("heard");
        QTest::addColumn<int>("levelA");
        QTest::addColumn<int>("levelB");
        QTest::addRow("heard, even") << true << 50 << 50;
        QTest::addRow("unheard, even") << false << 50 << 50;
        QTest::addRow("heard, lopsided") << true << 70 << 30;
        QTest::addRow("unheard, lopsided") << false << 70 << 30;
    }

    // Each step run by hand, read before the engine takes the fighters'
    // texts: with no sink nobody says anything, down to the count.
    void fightersSpeakOnlyWhenHeard()
    {
        QFETCH(bool, heard);
        QFETCH(int, levelA);
        QFETCH(int, levelB);
        DeterministicRandom seam(40, 9);
        QStringList paragraphs;
        MatchEngine &engine = freshMatch(makeFighter("Ann", "Lee", 11, "Brawler", levelA),
                                         makeFighter("Bo", "Kim", 22, "Kicker", levelB),
                                         heard ? &paragraphs : nullptr);
        Entity_MatchFighter *a = engine.getFighterA();
        Entity_MatchFighter *b = engine.getFighterB();
        int spoken = 0, steps = 0;
        for (int round = 1; round <= 3 && !engine.isMatchOver(); ++round) {
            if (round > 1) {
                engine.startNextRound();
                engine.startRound();
            }
            do {
                ++steps;
                engine.getAttacker()->update();
                spoken += !a->takeCommentary().isEmpty();
                spoken += !b->takeCommentary().isEmpty();
                a->releaseRetiredStates();
                b->releaseRetiredStates();
            } while (!engine.isMatchOver() && engine.tickClock() >= 1);
            engine.getRoundEndCommentary();
        }
        // Counts were fought through.
        QVERIFY(steps > 20);
        QVERIFY(a->getKnockdownsSuffered() + b->getKnockdownsSuffered() > 0);
        if (heard)
            QVERIFY(spoken > steps / 2);
        else
            QCOMPARE(spoken, 0);
    }

    // The records ride along in every state's snapshot, but no roll reads
    // them: a seeded bout comes out the same, commentary and all.
    void recordsDoNotMoveTheBout()
    {
        const QMap<int, int> veteran = {{Fighter::WinsIndex, 41}, {Fighter::LossesIndex, 6},
                                        {Fighter::KnockoutsIndex, 29}};
        for (const QString &style : QStringList{"Brawler", "Puncher", "Outfighter"}) {
            QStringList commentary[2];
            BoutResult results[2];
            for (int withRecords = 0; withRecords < 2; ++withRecords) {
                DeterministicRandom seam(70, 13);
                const QMap<int, int> record = withRecords ? veteran : QMap<int, int>();
                results[withRecords] = UnseenBout::fight(makeFighter("Ann", "Lee", 11, style, 60, record),
                                                         makeFighter("Bo", "Kim", 22, "Kicker", 50),
                                                         std::make_unique<RecordingSink>(&commentary[withRecords]));
            }
            QVERIFY(results[0].steps > 20);
            QCOMPARE(results[1].resultText, results[0].resultText);
            QVERIFY(results[1].steps == results[0].steps && results[1].cards == results[0].cards);
            QCOMPARE(commentary[1], commentary[0]);
        }
    }

    void noCommentaryTargetDropsTheText()
    {
        MatchEngine &engine = freshMatch(idle("Kim", 1, "Tactician"), idle("Lee", 2, "Tactician"));
        engine.getAttacker()->appendCommentary("nobody hears this");
        engine.addCommentary(engine.getAttacker(), "nor this");
        engine.getRoundEndCommentary();
        QVERIFY(!engine.step());
        QCOMPARE(engine.getAttacker()->getCommentary(), QString());
    }

private slots:
    void drawCounts_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<int>("draws");
        QTest::addRow("clock tick") << 0 << 1;
        QTest::addRow("judges for a corner") << 1 << 4;
        QTest::addRow("judges for a stranger still take their spread") << 2 << 1;
        QTest::addRow("stamina change of 0") << 3 << 1;
        QTest::addRow("pressing on") << 4 << 1;
        QTest::addRow("initiative: eleven weights") << 5 << 11;
        QTest::addRow("resistance: three rolls") << 6 << 3;
        QTest::addRow("knockdown check: roll and coin") << 7 << 2;
        QTest::addRow("refused instruction: four rolls") << 8 << 4;
        QTest::addRow("forced instruction: four rolls") << 9 << 4;
        QTest::addRow("body blow always checks") << 10 << 2;
        QTest::addRow("limb blow with health left: no check") << 11 << 0;
        QTest::addRow("negative head damage: the daze roll only") << 12 << 1;
        QTest::addRow("round-end verdict draws nothing") << 13 << 0;
        QTest::addRow("first count: two rolls, raw draw, check") << 14 << 5;
    }
    void drawCounts()
    {
        QFETCH(int, operation);
        QFETCH(int, draws);
        MatchEngine &engine = freshMatch(makeFighter("Ann", "Lee", 11, "Tactician", 0),
                                         makeFighter("Bo", "Kim", 22));
        Entity_MatchFighter *a = engine.getFighterA();
        Entity_MatchFighter *b = engine.getFighterB();
        Entity_MatchFighter stranger;
        const std::function<void()> operations[] = {
            [&] { engine.tickClock(); },
            [&] { engine.scoreJudges(a, 10); },
            [&] { engine.scoreJudges(&stranger, 10); },
            [&] { a->changeStamina(0); },
            [&] { a->continuesAttack(); },
            [&] { a->initiativeScore(); },
            [&] { a->passesResistanceRoll(); },
            [&] { a->checkKnockdown(5); },
            [&] { QVERIFY(!a->callInstruction("Finish him!", 0, false)); },
            [&] { QVERIFY(a->callInstruction("Finish him!", 0, true)); },
            [&] { b->damageBody(1); },
            [&] { b->damageLegs(1); },
            [&] { a->damageHead(-3); },
            [&] { engine.getRoundEndCommentary(); },
            [&] {
                State_Gen_KD *count = new State_Gen_KD(a);
                a->setState(count);
                count->execute(a);
                QCOMPARE(count->getCount(), 1);
            },
        };
        QCOMPARE(drawsTakenBy(operations[operation]), draws);
    }

    // Each judge's share is its own draw, after the one that spread them.
    void judgesTakeTheirOwnDraws()
    {
        MatchEngine &engine = freshMatch(makeFighter("Ann", "Lee", 11), makeFighter("Bo", "Kim", 22));
        const QVector<int> sequence = drawsAfter(Seed, 4);
        GameRandom::seed(Seed);
        engine.scoreJudges(engine.getFighterB(), 35);
        const QVector<int> expected = {0, 0, 0, sequence[1] % 35, sequence[2] % 35, sequence[3] % 35};
        QCOMPARE(engine.getJudgePoints(), expected);
    }

};

QTEST_GUILESS_MAIN(TestEngineBout)
#include "tst_engine_bout.moc"
