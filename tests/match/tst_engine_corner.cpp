#include <QtTest>

#include "EngineTestKit.h"

using namespace EngineKit;

// Corner work: instruction texts, taking instructions, observations and
// the recovery between rounds.
class TestEngineCorner : public QObject
{
    Q_OBJECT

private:
    static MatchEngine &match(int level)
    {
        return freshMatch(makeFighter("Ann", "Lee", 11, "Tactician", level),
                          makeFighter("Bo", "Kim", 22));
    }

private slots:
    void optionsByMindset_data()
    {
        QTest::addColumn<int>("mindset");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addRow("balanced") << 0 << 7 << "Keep doing what you're doing.";
        QTest::addRow("cautious") << 1 << 6 << "Keep it slow, but open up when you can.";
        QTest::addRow("covering") << 2 << 2 << "Stay back and let him make mistakes.";
        QTest::addRow("three") << 3 << 0 << "";
        QTest::addRow("four") << 4 << 0 << "";
        QTest::addRow("dazed") << 5 << 3 << "A bit dazed, but you're doing fine.";
        QTest::addRow("off guard") << 6 << 3 << "Caught off guard a bit, but keep at it.";
        QTest::addRow("aggressive") << 7 << 7 << "Keep the pressure on, and look for an opening.";
        QTest::addRow("hunting") << 8 << 4 << "Finish him!";
        QTest::addRow("outside") << 9 << 4 << "Keep him away and pick him apart from outside";
        QTest::addRow("inside") << 10 << 4 << "Stick to him and don't let him move around!";
        QTest::addRow("clinching") << 11 << 4 << "Don't let him move, keep a hold of him!";
        QTest::addRow("out of range") << 12 << 0 << "";
    }
    void optionsByMindset()
    {
        QFETCH(int, mindset);
        QFETCH(int, count);
        QFETCH(QString, first);
        MatchEngine &engine = match(50);
        engine.getFighterA()->setMindset(mindset);
        const QStringList options = engine.getInstructionOptions(11);
        QCOMPARE(options.size(), count);
        QCOMPARE(options.value(0), first);
        engine.getFighterA()->setMindset(8);
        QCOMPARE(engine.getInstructionOptions(99).size(), 7); // a stranger: mindset 0's list
    }

    void forcedInstructionsSetTheMindset_data()
    {
        QTest::addColumn<int>("mindset");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::addRow("0 to hunting") << 0 << "Knock his head off and let's go home!" << 8;
        QTest::addRow("0 to clinch") << 0 << "Grab him and use your clinchwork to grind him down!" << 11;
        QTest::addRow("1 step it up") << 1 << "Step it up a little." << 0;
        QTest::addRow("2 turtle") << 2 << "Don't turtle up, do something!" << 1;
        QTest::addRow("5 hands up") << 5 << "Put your hands up and watch it out there!" << 2;
        QTest::addRow("6 go get him") << 6 << "You're alright, go get him." << 0;
        QTest::addRow("7 slow down") << 7 << "Slow down, don't get reckless." << 1;
        QTest::addRow("8 pressure") << 8 << "Keep the pressure on, but don't hunt for the KO." << 7;
        QTest::addRow("9 throw more") << 9 << "Don't hang back too much, throw some more!" << 7;
        QTest::addRow("9 carry on") << 9 << "Keep him away and pick him apart from outside" << 0;
        QTest::addRow("9 given the text with a full stop")
            << 9 << "Keep him away and pick him apart from outside." << 0;
        QTest::addRow("10 relax") << 10 << "Relax, there's no rush." << 1;
        QTest::addRow("11 crush") << 11 << "You've got him, now crush him." << 7;
        QTest::addRow("3 takes anything as 0") << 3 << "Finish him!" << 0;
        QTest::addRow("unknown text") << 7 << "Dance!" << 0;
    }
    void forcedInstructionsSetTheMindset()
    {
        QFETCH(int, mindset);
        QFETCH(QString, text);
        QFETCH(int, result);
        MatchEngine &engine = match(0);
        engine.getFighterA()->setMindset(mindset);
        QVERIFY(engine.callInstruction(11, text, 0, true));
        QCOMPARE(engine.getFighterA()->getMindset(), result);
    }

    void unforcedInstructionsNeedTheScore()
    {
        // Attributes at 0 and corner value 0: the score never reaches 1.
        MatchEngine &engine = match(0);
        engine.getFighterA()->setMindset(7);
        for (int i = 0; i < 30; ++i)
            QVERIFY(!engine.callInstruction(11, "Knock him out already!", 0, false));
        QCOMPARE(engine.getFighterA()->getMindset(), 7);
        QVERIFY(!engine.callInstruction(99, "Knock him out already!", 0, true));

        // High attributes and a good motivator: always taken.
        MatchEngine &good = match(99);
        good.getFighterA()->setMindset(7);
        QVERIFY(good.callInstruction(11, "Knock him out already!", 20, false));
        QCOMPARE(good.getFighterA()->getMindset(), 8);
    }

    void observations()
    {
        MatchEngine &engine = match(50);
        Entity_MatchFighter *ann = engine.getFighterA();
        // Legs at exactly a quarter of their maximum: code 2.
        ann->damageLegs(ann->getLegsHealthMax() - ann->getLegsHealthMax() / 4);
        ann->damageArms(ann->getArmsHealthMax());
        ann->damageBody(ann->getBodyHealthMax() / 2);
        QStringList texts = {"kept"};
        QVector<int> codes = {-1};
        engine.observeCondition(texts, codes, 11);
        QCOMPARE(codes, QVector<int>({-1, 1, 4, 3, 0, 2}));
        QCOMPARE(texts.at(1), QString("He's not tired at all."));
        QCOMPARE(texts.at(2), QString("He's doing a good job protecting his head."));
        QCOMPARE(texts.at(3), QString("He could be defending his body a bit better."));
        QCOMPARE(texts.at(4), QString("His arms are wrecked. He needs to slow things down a bit."));
        QCOMPARE(texts.at(5), QString("His legs are starting to give. He might want to move in close to avoid taking too many low kicks."));
        engine.observeCondition(texts, codes, 99);
        QCOMPARE(codes.size(), 6);
    }

    void recoveryBetweenRounds_data()
    {
        QTest::addColumn<int>("heal");
        QTest::addColumn<int>("water");
        QTest::addColumn<int>("motivate");
        QTest::addColumn<int>("strategy");
        QTest::addRow("nothing spent") << 0 << 0 << 0 << 0;
        QTest::addRow("just short") << 4 << 0 << 3 << 1;
        QTest::addRow("everything") << 14 << 10 << 13 << 11;
        QTest::addRow("heal only") << 14 << 0 << 0 << 0;
        QTest::addRow("strategy only") << 0 << 0 << 0 << 11;
    }
    void recoveryBetweenRounds()
    {
        QFETCH(int, heal);
        QFETCH(int, water);
        QFETCH(int, motivate);
        QFETCH(int, strategy);
        MatchEngine &engine = match(50);
        Entity_MatchFighter *ann = engine.getFighterA();
        ann->damageArms(5);
        ann->changeStamina(-100);
        const int head = ann->getHeadHealth(), arms = ann->getArmsHealth();
        const int stamina = ann->getStamina(), chin = ann->getHeadDurability();
        engine.applyCornerActions(heal, water, motivate, strategy, 11);

        const int healed = ann->getHeadHealth() - head;
        QCOMPARE(healed > 0, heal >= 14);
        QVERIFY(healed <= 50);
        QCOMPARE(ann->getArmsHealth() - arms, healed);
        QCOMPARE(ann->getStamina() > stamina, water >= 10);
        const int motivated = ann->getHeadDurability() - chin;
        QCOMPARE(motivated > 0, motivate >= 13);
        QCOMPARE(ann->getBodyDurability() - 50, motivated);
        const int planned = ann->getAttribute(71) - 50;
        QCOMPARE(planned > 0, strategy >= 11);
        QCOMPARE(ann->getAttribute(72) - 50, planned);
        QCOMPARE(ann->getAttribute(74) - 50, planned);
        QCOMPARE(ann->getAttribute(73), 50);
    }
};

QTEST_GUILESS_MAIN(TestEngineCorner)
#include "tst_engine_corner.moc"
