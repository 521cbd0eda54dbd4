// Whole bouts over every style, an unknown one and extreme attribute
// vectors: every bout ends, a finished match has a winner and a loser,
// nothing lands more often than it is thrown, and no state is left over.
#include <QtTest>

#include "core/BoutDriver.h"
#include "core/DefenceRing.h"
#include "match/Entity_MatchFighter.h"
#include "match/MatchEngine.h"
#include "records/GameRandom.h"

namespace {

const QStringList styles = {"Outfighter", "Infighter", "Clincher", "Puncher",
                            "Kicker", "Brawler", "Tactician", "Wrestler"};

enum Vector { Ordinary, AllZero, AllNinetyNine, SomeNegative, SomeAboveNinetyNine, VectorCount };

// The 95 whole numbers of a fighter of the given kind; `variant` varies
// the ordinary and mixed vectors.
QVector<int> vectorOf(Vector kind, int variant)
{
    QVector<int> ints(Fighter::IntCount, 0);
    for (int i = 0; i < Fighter::IntCount; ++i) {
        const int spread = (i * 37 + variant * 11) % 50;
        switch (kind) {
        case Ordinary: ints[i] = 30 + spread; break;
        case AllZero: ints[i] = 0; break;
        case AllNinetyNine: ints[i] = 99; break;
        case SomeNegative: ints[i] = i % 3 == 0 ? -25 - spread : 40 + spread; break;
        case SomeAboveNinetyNine: ints[i] = i % 3 == 0 ? 100 + 2 * spread : 40 + spread; break;
        default: break;
        }
    }
    ints[Fighter::AgeIndex] = 25;
    ints[Fighter::IdIndex] = 3000 + variant;
    return ints;
}

Fighter fighterOf(int kind, const QString &name)
{
    const QVector<int> ints = vectorOf(Vector(kind % VectorCount), kind);
    return BoutDriver::makeFighter(name, styles[(kind / VectorCount) % styles.size()], ints);
}

void releaseRetired(MatchEngine &engine)
{
    engine.getFighterA()->releaseRetiredStates();
    engine.getFighterB()->releaseRetiredStates();
}

} // namespace

class tst_defence_soak : public QObject
{
    Q_OBJECT

private slots:
    void boutsEndSoundly();
    void scoreCards();
};

void tst_defence_soak::boutsEndSoundly()
{
    const int kinds = VectorCount * styles.size();
    const int bouts = qEnvironmentVariableIntValue("RINGWRIGHT_SOAK_BOUTS") > 0
                          ? qEnvironmentVariableIntValue("RINGWRIGHT_SOAK_BOUTS")
                          : 400;
    MatchEngine &engine = MatchEngine::Instance();
    int stoppages = 0;
    for (int bout = 0; bout < bouts; ++bout) {
        const int kindA = bout % kinds;
        const int kindB = (bout * 7 + bout / kinds + 3) % kinds;
        const BoutDriver::Result result =
            BoutDriver::fight(fighterOf(kindA, "Ash"), fighterOf(kindB, "Birch"));
        const QByteArray what = QString("bout %1: kinds %2 and %3").arg(bout).arg(kindA).arg(kindB).toUtf8();

        QVERIFY2(engine.isMatchOver(), what);
        QVERIFY2(result.stoppage || (result.roundsFought >= BoutScoring::RegularRounds
                                      && result.roundsFought <= BoutScoring::LastRound), what);
        Entity_MatchFighter *a = engine.getFighterA();
        Entity_MatchFighter *b = engine.getFighterB();
        QVERIFY2(engine.getWinner() && engine.getLoser(), what);
        QVERIFY2(engine.getWinner() != engine.getLoser(), what);
        QVERIFY2(engine.getWinner() == a || engine.getWinner() == b, what);
        QVERIFY2(engine.getLoser() == a || engine.getLoser() == b, what);
        for (Entity_MatchFighter *fighter : {a, b}) {
            QVector<int> statistics;
            fighter->getStatistics(statistics);
            for (int pair = 0; pair < Entity_MatchFighter::StatPairCount; ++pair) {
                const int landed = statistics[6 + 2 * pair];
                const int thrown = statistics[7 + 2 * pair];
                QVERIFY2(landed >= 0 && landed <= thrown, what + " pair " + QByteArray::number(pair));
            }
        }
        releaseRetired(engine);
        QVERIFY2(MatchState::liveCount() == 2, what + " live states "
                                                     + QByteArray::number(MatchState::liveCount()));
        stoppages += result.stoppage;
    }
    // Both endings happen.
    QVERIFY(stoppages > 0);
    QVERIFY(stoppages < bouts);
}

// A round B lost on every card with two knockdowns scores 10-7; an even
// card scores 10-10 less knockdowns; three cards decide by judges won.
void tst_defence_soak::scoreCards()
{
    JudgeCards cards;
    BoutScoring::scoreRound({12, 30, 7, 5, 9, 7, 0, 2}, cards);
    QCOMPARE(cards.totalsA, (std::array<int, 3>{10, 10, 10}));
    QCOMPARE(cards.totalsB, (std::array<int, 3>{7, 7, 8}));
    BoutScoring::scoreRound({3, 4, 5, 6, 7, 5, 1, 0}, cards);
    QCOMPARE(cards.totalsA, (std::array<int, 3>{18, 18, 19}));
    QCOMPARE(cards.totalsB, (std::array<int, 3>{17, 17, 18}));
    BoutScoring::Tally judges = BoutScoring::tally(cards);
    QCOMPARE(judges.forA, 3);
    QCOMPARE(judges.forB, 0);
    judges = BoutScoring::tally({{27, 29, 28}, {29, 27, 28}});
    QCOMPARE(judges.forA, 1);
    QCOMPARE(judges.forB, 1);
}

QTEST_GUILESS_MAIN(tst_defence_soak)
#include "tst_defence_soak.moc"
