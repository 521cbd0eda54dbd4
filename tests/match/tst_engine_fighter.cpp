#include <QtTest>

#include "EngineTestKit.h"
#include "match/attack/State_Atk_Out.h"
#include "match/defence/State_Def_DefendDecide.h"
#include "match/defence/State_Def_Out.h"

#include <algorithm>

using namespace EngineKit;

// The fighter in the ring: health, checks, stamina, statistics, commentary,
// initiative and the state machine's hand-overs.
class TestEngineFighter : public QObject
{
    Q_OBJECT

private:
    static std::unique_ptr<Entity_MatchFighter> inRing(const Fighter &source)
    {
        std::unique_ptr<Entity_MatchFighter> fighter(new Entity_MatchFighter);
        refill(*fighter, source);
        fighter->initHealth();
        return fighter;
    }

    static void refill(Entity_MatchFighter &fighter, const Fighter &source) { FighterBuilder(source).into(fighter); }

private slots:
    void initHealthSetsMaximaAndCurrentValues()
    {
        auto f = inRing(makeFighter("Ann", "Lee", 1, "Tactician", 10,
                                    {{87, 70}, {88, 60}, {at(73), 5}, {at(52), 7}, {at(56), 3},
                                     {at(53), 1}, {at(54), 2}, {at(55), 4}}));
        QCOMPARE(f->getHeadHealthMax(), 70 + 5 + 7);
        QCOMPARE(f->getBodyHealthMax(), 60 + 5 + 7);
        QCOMPARE(f->getArmsHealthMax(), 7 + 3);
        QCOMPARE(f->getLegsHealthMax(), 7 + 3);
        QCOMPARE(f->getHeadHealth(), f->getHeadHealthMax());
        QCOMPARE(f->getBodyHealth(), f->getBodyHealthMax());
        QCOMPARE(f->getArmsHealth(), f->getArmsHealthMax());
        QCOMPARE(f->getLegsHealth(), f->getLegsHealthMax());
        QCOMPARE(f->getStaminaMax(), 2 * (1 + 2 + 4 + 5));
        QCOMPARE(f->getStamina(), f->getStaminaMax());
        QCOMPARE(f->getFatigueLevel(), 1);
        QCOMPARE(f->getSituation(), 1);
    }

    void negativeDamageHealsAndNeverKnocksDown_data()
    {
        QTest::addColumn<int>("region");
        QTest::addRow("head") << 0;
        QTest::addRow("body") << 1;
        QTest::addRow("arms") << 2;
        QTest::addRow("legs") << 3;
    }
    void negativeDamageHealsAndNeverKnocksDown()
    {
        QFETCH(int, region);
        auto f = inRing(makeFighter("Ann", "Lee", 1, "Tactician", 0, {{87, 0}, {88, 0}}));
        int result = 0, before = 0, after = 0;
        switch (region) {
        case 0: before = f->getHeadHealth(); result = f->damageHead(-9); after = f->getHeadHealth(); break;
        case 1: before = f->getBodyHealth(); result = f->damageBody(-9); after = f->getBodyHealth(); break;
        case 2: before = f->getArmsHealth(); result = f->damageArms(-9); after = f->getArmsHealth(); break;
        default: before = f->getLegsHealth(); result = f->damageLegs(-9); after = f->getLegsHealth(); break;
        }
        QCOMPARE(result, 3);
        QCOMPARE(after, before + 9);
    }

    void limbsGoDownOnlyWhenTheirPoolIsEmpty()
    {
        // Body durability 0 and an empty body pool: the knockdown check fails
        // for any big hit.
        auto f = inRing(makeFighter("Ann", "Lee", 1, "Tactician", 0,
                                    {{88, 0}, {at(52), 100}, {at(56), 100}}));
        QCOMPARE(f->damageArms(f->getArmsHealth() - 1), 3);
        QCOMPARE(f->damageLegs(f->getLegsHealth() - 1), 3);
        QCOMPARE(f->damageArms(1000), 4);
        QCOMPARE(f->damageLegs(1000), 4);
        // The body rolls on every hit, even one that leaves its pool positive.
        auto g = inRing(makeFighter("Bo", "Kim", 2, "Tactician", 0, {{88, 0}, {at(52), 100}}));
        QCOMPARE(g->damageBody(60), 4);
        QVERIFY(g->getBodyHealth() > 0);
    }

    void headDamageResults_data()
    {
        QTest::addColumn<int>("headDurability");
        QTest::addColumn<int>("damage");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("mindset");
        QTest::addRow("crushing blow, no chin: out") << -1 << 100000 << 5 << -1;
        QTest::addRow("crushing blow, durable: down") << 100 << 100000 << 4 << -1;
        QTest::addRow("big hit on an iron chin: dazed") << 1000 << 30 << 3 << 5;
        QTest::addRow("light hit: nothing") << 1000 << 10 << 3 << 0;
    }
    void headDamageResults()
    {
        QFETCH(int, headDurability);
        QFETCH(int, damage);
        QFETCH(int, result);
        QFETCH(int, mindset);
        auto f = inRing(makeFighter("Ann", "Lee", 1, "Tactician", 50, {{87, headDurability}}));
        const int before = f->getHeadHealth();
        QCOMPARE(f->damageHead(damage), result);
        QCOMPARE(f->getHeadHealth(), before - damage);
        if (mindset >= 0)
            QCOMPARE(f->getMindset(), mindset);
    }

    void resistanceAndPressingFollowTheirAttributes()
    {
        auto strong = inRing(makeFighter("Ann", "Lee", 1, "Tactician", 100, {{at(77), 200}}));
        auto weak = inRing(makeFighter("Bo", "Kim", 2, "Tactician", 0));
        for (int i = 0; i < 50; ++i) {
            QVERIFY(strong->passesResistanceRoll());
            QVERIFY(!weak->passesResistanceRoll());
            QVERIFY(strong->continuesAttack());
            QVERIFY(!weak->continuesAttack());
        }
    }

    void staminaSetsFatigue_data()
    {
        QTest::addColumn<int>("guard");
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("stamina");
        QTest::addColumn<int>("fatigue");
        // stamina max 2 * (4 * 50) = 400
        QTest::addRow("spent, roll beats guard") << -1 << -1000 << 0 << 5;
        QTest::addRow("spent, roll fails: level 1") << 100 << -1000 << 0 << 1;
        QTest::addRow("half, roll beats guard") << -1 << -250 << 150 << 3;
        QTest::addRow("over twice the maximum") << 100 << 500 << 900 << 0;
        QTest::addRow("no change still rolls") << -1 << 0 << 400 << 1;
    }
    void staminaSetsFatigue()
    {
        QFETCH(int, guard);
        QFETCH(int, change);
        QFETCH(int, stamina);
        QFETCH(int, fatigue);
        auto f = inRing(makeFighter("Ann", "Lee", 1, "Tactician", 50, {{at(52), guard}}));
        f->changeStamina(change);
        QCOMPARE(f->getStamina(), stamina);
        QCOMPARE(f->getFatigueLevel(), fatigue);
    }

    void statisticsVectorLayout()
    {
        auto f = inRing(makeFighter("Ann", "Lee", 1));
        f->setMindset(7);
        f->addHookStats(2, 3);
        f->addCounterMidStats(1, 4);
        f->addStrikeStats(20, 5, 6);  // body punch
        f->addStrikeStats(21, 9, 9);  // not a strike: nothing
        f->countKnockdown(1);
        f->countKnockdown(0);
        f->countKnockdown(2);
        QVector<int> stats = {99};
        f->getStatistics(stats);
        QCOMPARE(stats.size(), 1 + 44);
        stats.removeFirst();
        QCOMPARE(stats.at(0), 7);
        QCOMPARE(stats.at(2), f->getHeadHealth());
        QCOMPARE(stats.at(6 + 2 * 1), 2);
        QCOMPARE(stats.at(6 + 2 * 1 + 1), 3);
        QCOMPARE(stats.at(6 + 2 * 11), 5);
        QCOMPARE(stats.at(6 + 2 * 11 + 1), 6);
        QCOMPARE(stats.at(6 + 2 * 17), 1);
        QCOMPARE(stats.at(6 + 2 * 17 + 1), 4);
        QCOMPARE(stats.at(42), 1);
        QCOMPARE(stats.at(43), 2);
        int pairTotal = 0;
        for (int i = 6; i < 42; ++i)
            pairTotal += stats.at(i);
        QCOMPARE(pairTotal, 2 + 3 + 1 + 4 + 5 + 6);
    }

    void everyAdderHasItsPair()
    {
        typedef void (Entity_MatchFighter::*Adder)(int, int);
        const Adder adders[] = {
            &Entity_MatchFighter::addJabStats, &Entity_MatchFighter::addHookStats,
            &Entity_MatchFighter::addCrossStats, &Entity_MatchFighter::addUppercutStats,
            &Entity_MatchFighter::addLowKickStats, &Entity_MatchFighter::addMidKickStats,
            &Entity_MatchFighter::addHighKickStats, &Entity_MatchFighter::addFrontKickStats,
            &Entity_MatchFighter::addKneeStats, &Entity_MatchFighter::addElbowStats,
            &Entity_MatchFighter::addDirtyBoxStats, &Entity_MatchFighter::addBodyPunchStats,
            &Entity_MatchFighter::addBlockHighStats, &Entity_MatchFighter::addBlockLowStats,
            &Entity_MatchFighter::addDodgeHighStats, &Entity_MatchFighter::addDodgeLowStats,
            &Entity_MatchFighter::addCounterHighStats, &Entity_MatchFighter::addCounterMidStats,
        };
        for (int pair = 0; pair < 18; ++pair) {
            Entity_MatchFighter fighter;
            (fighter.*adders[pair])(1, 2);
            QVector<int> stats;
            fighter.getStatistics(stats);
            for (int i = 6; i < 42; ++i)
                QCOMPARE(stats.at(i), i == 6 + 2 * pair ? 1 : i == 7 + 2 * pair ? 2 : 0);
        }
    }

    void commentaryIsTakenOnce()
    {
        auto f = inRing(makeFighter("Ann", "Lee", 1));
        QCOMPARE(f->takeCommentary(), QString());
        f->appendCommentary("Lee");
        f->appendCommentary(" jabs. ");
        QCOMPARE(f->takeCommentary(), QString("Lee jabs. "));
        QCOMPARE(f->getCommentary(), QString());
        f->appendCommentary("x");
        f->clearCommentary();
        QCOMPARE(f->takeCommentary(), QString());
    }

    // Holding attributes past 99 make the initiative divisor 0 for a weight
    // of 1; the roll must not fail on it.
    void initiativeSurvivesAZeroDivisor()
    {
        auto f = inRing(makeFighter("Ann", "Lee", 1, "Tactician", 0,
                                    {{at(71), 100}, {at(79), 100}, {at(62), 100}, {at(81), 101}}));
        for (int i = 0; i < 60; ++i)
            QCOMPARE(f->initiativeScore(), 0);
        f->setMindset(8);
        QCOMPARE(f->initiativeScore(), 6);
    }

    void stateMachineHandOvers()
    {
        Entity_MatchFighter fighter;
        QVERIFY(dynamic_cast<State_Def_Out *>(fighter.getState()));
        QStringList first, second;
        fighter.setState(new ProbeRecorder(&fighter, &first));
        QCOMPARE(first, QStringList());
        fighter.update();
        fighter.handleMessage(6);
        fighter.handleValue(9, 42);
        QCOMPARE(first, QStringList({"execute", "message 6", "value 9 42"}));
        fighter.changeState(new ProbeRecorder(&fighter, &second));
        QCOMPARE(first.last(), QString("exit"));
        QCOMPARE(second, QStringList({"enter"}));
        fighter.releaseRetiredStates();
    }

    void snapshotDoesNotFollowTheFighter()
    {
        auto f = inRing(makeFighter("Ann", "Lee", 1, "Kicker", 50, {{at(10), 33}}));
        f->setMindset(9);
        State_Atk_Out snapshot(f.get());
        f->setMindset(2);
        f->recoverBetweenRounds(0, 0, 0, 20); // raises attributes 71, 72, 74
        QCOMPARE(snapshot.snapshotMindset(), 9);
        QCOMPARE(snapshot.snapshotStyle(), QString("Kicker"));
        QCOMPARE(snapshot.attr(at(10)), 33);
        QCOMPARE(snapshot.attr(at(71)), 50);
        QVERIFY(f->getAttribute(71) > 50);
        QCOMPARE(snapshot.styleIndex(), 4);
        QCOMPARE(snapshot.attr(95), 0);
        QCOMPARE(snapshot.attr(-1), 0);
    }

    // However often his data change, each state reads him as he was when
    // it was made: no earlier snapshot goes while a state may read it.
    void everyStateKeepsItsOwnMoment()
    {
        const QStringList styles{"Kicker", "Brawler", "Outfighter", "Clincher"};
        auto f = inRing(makeFighter("Ann", "Lee", 1, styles.first(), 50, {{at(10), 40}}));
        std::vector<std::unique_ptr<MatchState>> states;
        for (int change = 0; change < styles.size(); ++change) {
            if (change > 0)
                refill(*f, makeFighter("Ann", "Lee", 1, styles.at(change), 50, {{at(10), 40 + change}}));
            states.emplace_back(new State_Atk_Out(f.get()));
            states.emplace_back(new State_Def_DefendDecide(f.get()));
        }
        f->recoverBetweenRounds(0, 0, 0, 20); // one more change, by the corner
        for (int i = 0; i < int(states.size()); ++i) {
            QCOMPARE(states[i]->attr(at(10)), 40 + i / 2);
            QCOMPARE(states[i]->snapshotStyle(), styles.at(i / 2));
        }
    }

    // State memory is handed round again: states of both corners and of
    // three classes, dropped and made in a mixed order, never share it.
    void recycledStatesStayApart()
    {
        auto a = inRing(makeFighter("Ann", "Lee", 1, "Kicker", 20, {}));
        auto b = inRing(makeFighter("Bo", "Kim", 2, "Brawler", 70, {}));
        const int before = MatchState::liveCount();
        std::vector<std::pair<std::unique_ptr<MatchState>, Entity_MatchFighter *>> states;
        for (int round = 0; round < 4; ++round) {
            for (int i = 0; i < 12; ++i) {
                Entity_MatchFighter *owner = i % 2 ? b.get() : a.get();
                MatchState *state = i % 3 == 0 ? static_cast<MatchState *>(new State_Atk_Out(owner))
                    : i % 3 == 1 ? static_cast<MatchState *>(new State_Def_Out(owner))
                                 : new State_Def_DefendDecide(owner);
                states.emplace_back(std::unique_ptr<MatchState>(state), owner);
            }
            for (std::size_t i = round % 2; i < states.size(); i += 2)
                states[i].first.reset();
            states.erase(std::remove_if(states.begin(), states.end(),
                                        [](const auto &entry) { return !entry.first; }),
                         states.end());
        }
        QCOMPARE(MatchState::liveCount(), before + int(states.size()));
        for (const auto &entry : states) {
            QCOMPARE(entry.first->snapshotStyle(), entry.second->getStyle());
            QCOMPARE(entry.first->attr(at(5)), entry.second->getAttribute(5));
        }
        states.clear();
        QCOMPARE(MatchState::liveCount(), before);
    }
};

QTEST_GUILESS_MAIN(TestEngineFighter)
#include "tst_engine_fighter.moc"
