#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>

#include "TestSupport.h"
#include "core/FighterBuilder.h"
#include "core/LiveEventFixtures.h"
#include "core/WorldTestAccess.h"
#include "match/Entity_MatchFighter.h"
#include "match/MatchEngine.h"
#include "match/UnseenBout.h"
#include "records/FightRecordLine.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/match/Module_UserEvents.h"
#include "ui/shell/ModuleManager.h"
#include "world/World.h"

using namespace LiveEventFixtures;

Q_DECLARE_METATYPE(Match)

namespace {

// Presses enough for any bout: a round is at most 180 steps.
const int PressLimit = 20000;

Match playerBout(const QString &type, int idA, int idB)
{
    return bout(type, idA, idB, true);
}

} // namespace

// The live event screen in the game window: the card, the introductions,
// the tale of the tape, the timer, the rounds, the corner, the judges and
// the end of the event, driven by its one button.
class TestLiveEventScreen : public QObject
{
    Q_OBJECT

private:
    Module_UserEvents *screen() const { return ShellTest::screen<Module_UserEvents>(); }

    template <typename T>
    T *find(const char *name) const { return ShellTest::widget<T>(screen(), name); }

    bool shown(const char *name) const { return find<QWidget>(name)->isVisible(); }
    // Empty when the list shows whole rows only, once the page is laid out.
    QString cutRows(const char *name) const
    {
        QCoreApplication::processEvents();
        return ShellTest::cutRows(find<QListWidget>(name));
    }
    void press() const { find<QPushButton>("next_step_btn")->click(); }
    QString commentary() const { return find<QTextEdit>("commentary_view")->toPlainText(); }

    // The event's live screen, shown. Null when another screen shows: the
    // case has failed, naming it, and returns.
    Module_UserEvents *open(const Event &event)
    {
        ModuleManager::Instance()->changeScreen(new Module_UserEvents(event));
        ModuleManager::Instance()->window()->show();
        // A screen put into a shown window appears from the event loop.
        QCoreApplication::processEvents();
        return screen();
    }

    // Welcome, introduction: the tale of the tape is due on the next press.
    Module_UserEvents *introduce(const Event &event)
    {
        Module_UserEvents *live = open(event);
        if (!live)
            return nullptr;
        press();
        press();
        return live;
    }

    // Presses until the bout ends or the button leads to the corner.
    void fightOn(const Module_UserEvents *live) const
    {
        for (int i = 0; i < PressLimit && !live->isMatchOver(); ++i) {
            if (find<QPushButton>("next_step_btn")->text() != QLatin1String("Next Step"))
                return;
            press();
        }
    }

    // Presses to the end of the card, leaving every corner at once.
    void playToTheEnd()
    {
        for (int i = 0; i < PressLimit && ShellTest::currentScreenAs<Module_UserEvents>(); ++i)
            press();
    }

    // Plays `attempt` from one clock reading after another until it
    // reaches the situation it needs (bouts may end early), its live screen
    // shown. An attempt that failed the case, the screen not shown, ends the
    // tries: the caller returns before it checks that one reached it.
    template <typename Attempt>
    bool tryStarts(Attempt attempt)
    {
        for (int start = 1; start <= 40 && !QTest::currentTestFailed(); ++start) {
            // The old seam must end before the new one begins.
            dice.reset();
            dice.reset(new DeterministicRandom(start * 1000));
            if (attempt())
                return true;
        }
        return false;
    }

    // Reaches the first corner of a one-bout card of Al Ray's.
    bool toTheFirstCorner(int cornering)
    {
        return tryStarts([this, cornering] {
            const Module_UserEvents *live
                = introduce(install({playerBout(MatchType::Single, PlayerId, rosterId(0))}, "No Title", cornering));
            if (!live)
                return false;
            press();
            press();
            fightOn(live);
            return !live->isMatchOver();
        });
    }

    // The buttons are those of the timer's state: stopped ("Next Step",
    // "Start Timer" where offered), running at a stage's pace ("Stop Timer"
    // alone) or running at the "Sim to End" pace (neither).
    void checkButtonsFollowTheTimer() const
    {
        auto *timer = find<QTimer>("step_timer");
        auto *start = find<QPushButton>("start_timer_btn");
        if (!timer->isActive()) {
            QVERIFY(shown("next_step_btn"));
            QVERIFY(!start->isVisible() || start->text() == QLatin1String("Start Timer"));
        } else if (timer->interval() == Module_UserEvents::SimToEndMs) {
            QVERIFY(!start->isVisible());
            QVERIFY(!shown("next_step_btn"));
        } else {
            QVERIFY(start->isVisible());
            QCOMPARE(start->text(), QString("Stop Timer"));
            QVERIFY(!shown("next_step_btn"));
            QVERIFY(!shown("sim_to_end_btn"));
        }
    }

    // The world's result lines of a fighter of the card.
    static QStringList historyOf(int id)
    {
        World &world = World::Instance();
        const Fighter fighter = id == PlayerId ? world.getFighterById(id) : world.getOrgFighter(League, id);
        QMultiMap<QDate, QString> history;
        fighter.getHistory(history);
        return history.values();
    }

    // Opens a one-bout card and introduces its bout from the clock
    // readings of `start`: the tale of the tape is due on the next press.
    Module_UserEvents *introduceFrom(const QVector<Match> &card, int start)
    {
        Module_UserEvents *live = open(install(card, "No Title", 9));
        if (!live)
            return nullptr;
        press();
        dice.reset();
        dice.reset(new DeterministicRandom(start));
        press();
        return live;
    }

    // The bout the screen has just finished ended as `unseen` says: the
    // card's result line, both fighters' record lines and the cards.
    void checkFoughtAs(const Module_UserEvents *live, const BoutResult &unseen) const
    {
        const Event event = live->getEvent();
        const QString type = live->getCurrentMatch().getType();
        QCOMPARE(live->getEventResults().value(0), type + " - " + unseen.resultText + "\n");
        const QString winnerLine = unseen.winnerLine + BoutScoring::recordLineEnding(event, type, true);
        const QString loserLine = unseen.loserLine + BoutScoring::recordLineEnding(event, type, false);
        QVERIFY2(historyOf(unseen.winnerId).contains(winnerLine), qPrintable(winnerLine));
        QVERIFY2(historyOf(unseen.loserId).contains(loserLine), qPrintable(loserLine));
        QCOMPARE(live->getJudgeTotals(), unseen.cards);
    }

    // How a bout ended, for the rows' names.
    static QString endingOf(const BoutResult &result)
    {
        if (result.stoppage)
            return QStringLiteral("stoppage");
        return result.roundsFought > BoutScoring::RegularRounds ? QStringLiteral("extension round")
                                                                  : QStringLiteral("decision");
    }

    // The runner stepped as the screen paces the player's bout: at every
    // round's end the corner gives `water` to fighter `id`.
    static BoutResult runWithCorner(const Fighter &a, const Fighter &b, int id, int water)
    {
        BoutRunner bout;
        bout.begin(a, b);
        bout.startRound();
        for (;;) {
            switch (bout.step()) {
            case BoutRunner::Happening::Step:
                break;
            case BoutRunner::Happening::RoundEnded:
                MatchEngine::Instance().applyCornerActions(0, water, 0, 0, id);
                if (bout.tallyDue())
                    bout.tally();
                else
                    bout.startRound();
                break;
            case BoutRunner::Happening::ExtensionRound:
                bout.startRound();
                break;
            case BoutRunner::Happening::Stoppage:
            case BoutRunner::Happening::Decision:
                return bout.result();
            }
        }
    }

    std::unique_ptr<DeterministicRandom> dice;

private slots:
    void init() { ShellTest::startGame(); }
    void cleanup()
    {
        ShellTest::stopGame();
        dice.reset();
    }

    void pureTexts_data()
    {
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("expected");
        QTest::addRow("full round") << Module_UserEvents::clockText(180) << "3:00";
        QTest::addRow("seven seconds") << Module_UserEvents::clockText(7) << "0:07";
        QTest::addRow("card row") << Module_UserEvents::matchRowText(championshipCard().at(1))
                                  << "Championship Match - Bo Lee vs. Al Ray";
        const Fighter veteran = FighterBuilder(WorldFixtures::fighter(1, "Vic", "Tor", 5))
                                    .record(12, 3)
                                    .number(Fighter::KnockoutsIndex, 8)
                                    .build();
        QTest::addRow("record") << Module_UserEvents::taleLines(veteran).at(4) << "12W - 3L - 8KO";
        QTest::addRow("no bouts") << Module_UserEvents::taleLines(Fighter()).at(4) << "0W - 0L - 0KO";
        QTest::addRow("title bout") << Module_UserEvents::introductionLine(MatchType::Championship, "X", false)
                                    << "This is the championship match! The X World Championship is at stake!\n";
        QTest::addRow("main event") << Module_UserEvents::introductionLine(MatchType::Single, "X", true)
                                    << "This is it! The main event! Who will reign supreme?\n";
        QTest::addRow("final last") << Module_UserEvents::introductionLine(MatchType::Final, "X", true).left(42)
                                    << "This is it! This is the final match of the";
        QTest::addRow("early single") << Module_UserEvents::introductionLine(MatchType::Single, "X", false)
                                      << "";
    }
    void pureTexts()
    {
        QFETCH(QString, made);
        QFETCH(QString, expected);
        QCOMPARE(made, expected);
    }

    void openingLines_data()
    {
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<QStringList>("extraLines");
        const QString title = "Tonight, the Test League World Championship is on the line!";
        const QString qualifier = "This is a tournament qualifier, in which the winners";
        const QString conclusion = "This is the conclusion of the tournament";
        QTest::addRow("single") << QStringList{MatchType::Single} << QStringList();
        QTest::addRow("championship and qualifier")
            << QStringList{MatchType::Qualifier, MatchType::Championship} << QStringList{title};
        QTest::addRow("qualifier") << QStringList{MatchType::Qualifier} << QStringList{qualifier};
        QTest::addRow("qualifier and semifinal") << QStringList{MatchType::Qualifier, MatchType::Semifinal}
                                                 << QStringList{qualifier, conclusion};
        QTest::addRow("championship and final") << QStringList{MatchType::Championship, MatchType::Final}
                                                << QStringList{title, conclusion};
    }
    void openingLines()
    {
        QFETCH(QStringList, types);
        QFETCH(QStringList, extraLines);
        QVector<Match> card;
        for (const QString &type : qAsConst(types))
            card << bout(type, rosterId(0), rosterId(1));
        const QStringList lines
            = Module_UserEvents::openingLines(WorldFixtures::eventOn("Autumn Clash", League, QDate(), card));
        QCOMPARE(lines.first(), QString("Good evening, and welcome to Autumn Clash!"));
        QCOMPARE(lines.size(), 2 + extraLines.size());
        for (int i = 0; i < extraLines.size(); ++i)
            QVERIFY2(lines.at(2 + i).startsWith(extraLines.at(i)), qPrintable(lines.at(2 + i)));
    }

    void judgesLines()
    {
        JudgeCards cards;
        cards.totalsA = {30, 29, 28};
        cards.totalsB = {27, 28, 29};
        const QStringList lines = Module_UserEvents::judgeLines(cards, "Al Ray", "Bo Lee");
        QCOMPARE(lines, (QStringList{"The first judge scores the fight 30-27 for Al Ray",
                                     "The second judge scores the fight 29-28 for Al Ray",
                                     "The final judge scores the fight 29-28 for Bo Lee"}));
        cards.totalsB = {30, 29, 29};
        QCOMPARE(Module_UserEvents::judgeLines(cards, "A", "B").first(),
                 QString("The first judge scores the fight as a 30-30 draw."));
    }

    void startShowsTheCardAndOnlyNextStep()
    {
        if (!open(install(threeBoutCard())))
            return;
        QVERIFY(!ModuleManager::Instance()->isTopMenuVisible());
        QVERIFY(shown("next_step_btn"));
        QVERIFY(!shown("start_timer_btn"));
        QVERIFY(!shown("sim_to_end_btn"));
        QVERIFY(!shown("instruction_list"));
        auto *list = find<QListWidget>("match_list");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QString("Single Match - Al Ray vs. Bo Lee"));
        QCOMPARE(list->item(2)->text(), QString("Single Match - Ed Fox vs. Fe Gil"));
        QCOMPARE(find<QLabel>("event_name_label")->text(), EventName);
        QVERIFY(!find<QTimer>("step_timer")->isActive());
    }

    void introductionChoosesTheCorner_data()
    {
        QTest::addColumn<QVector<Match>>("card");
        QTest::addColumn<int>("corner");
        QTest::addColumn<int>("playerId");
        QTest::addColumn<QString>("nameA");
        QTest::addColumn<QString>("nameB");
        QTest::addColumn<bool>("playerBout");
        QTest::addRow("player first") << QVector<Match>{playerBout(MatchType::Single, PlayerId, rosterId(0))}
                                      << 0 << PlayerId << "Al Ray" << "Bo Lee" << true;
        QTest::addRow("player second") << QVector<Match>{playerBout(MatchType::Single, rosterId(0), PlayerId)}
                                       << 1 << PlayerId << "Bo Lee" << "Al Ray" << true;
        QTest::addRow("roster bout") << QVector<Match>{bout(MatchType::Single, rosterId(1), rosterId(2))}
                                     << 2 << 0 << "Cy Orr" << "Di Poe" << false;
        QTest::addRow("marked, no player fighter")
            << QVector<Match>{playerBout(MatchType::Single, rosterId(1), rosterId(2))} << 2 << 0 << "Cy Orr"
            << "Di Poe" << false;
        QTest::addRow("open side") << QVector<Match>{playerBout(MatchType::Single, PlayerId, 0)} << 0
                                   << PlayerId << "Al Ray" << " " << true;
    }
    void introductionChoosesTheCorner()
    {
        QFETCH(QVector<Match>, card);
        QFETCH(int, corner);
        QFETCH(int, playerId);
        QFETCH(QString, nameA);
        QFETCH(QString, nameB);
        QFETCH(bool, playerBout);
        dice.reset(new DeterministicRandom);
        const Module_UserEvents *live = introduce(install(card));
        if (!live)
            return;
        QCOMPARE(live->getPlayerCorner(), corner);
        QCOMPARE(live->getPlayerFighterId(), playerId);
        QCOMPARE(live->getFighterA()->getFullName(), nameA);
        QCOMPARE(live->getFighterB()->getFullName(), nameB);
        QCOMPARE(live->getCurrentMatch().isPlayerMatch(), playerBout);
        QCOMPARE(live->getRoundNumber(), 1);
        QCOMPARE(live->getSecondsLeft(), 180);
        QCOMPARE(live->getJudgeTotals(), JudgeCards());
        QVERIFY(commentary().contains("The next match coming up features "));
        QVERIFY(commentary().contains("This is it! The main event! Who will reign supreme?"));
    }

    void fantasyBoutTakesTheAmateurs()
    {
        const Module_UserEvents *live = introduce(installFantasy());
        if (!live)
            return;
        QCOMPARE(live->getPlayerCorner(), 2);
        QCOMPARE(live->getFighterA()->getId(), -116);
        QCOMPARE(live->getFighterB()->getFullName(), QString("Imp Ort"));
    }

    // An imported fighter whose name would pass for markup reads as
    // written on the card, the tale of the tape and in the commentary.
    void anImportedNameReadsAsWritten_data() { ShellTest::addMarkupNameRows("lastName"); }
    void anImportedNameReadsAsWritten()
    {
        QFETCH(QString, lastName);
        const QString name = "Zebedee " + lastName;
        dice.reset(new DeterministicRandom);
        if (!introduce(installFantasy(3, 5, "Zebedee", lastName)))
            return;
        QVERIFY(ShellTest::showsPlainText(find<QLabel>("event_name_label"), name));
        QVERIFY(commentary().contains("The next match coming up features Al Ray vs. " + name + "\n"));
        press();
        for (const char *label : {"name_label_b", "tale_b1"})
            QVERIFY2(ShellTest::showsPlainText(find<QLabel>(label), name), label);
        for (int i = 0; i < 30; ++i)
            press();
        QVERIFY2(commentary().contains(lastName + " "), qPrintable(commentary()));
    }

    // Cut to its label, such a name reads whole in the tool tip, on one
    // line and with its blanks as written.
    void aCutNameReadsWholeInItsToolTip_data()
    {
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("lastName");
        const QString wide(60, QLatin1Char('W'));
        QTest::addRow("markup") << "Zebedee" << "<b>" + wide;
        QTest::addRow("markup, doubled blanks") << "Zebedee" << "<b>  " + wide;
        QTest::addRow("markup, leading blanks") << "  Zebedee" << "<b>" + wide;
        QTest::addRow("markup, trailing blanks") << "Zebedee" << "<b>" + wide + "  ";
        QTest::addRow("no markup, doubled, leading and trailing blanks") << "  Zebedee" << "van  " + wide + "  ";
    }

    void aCutNameReadsWholeInItsToolTip()
    {
        QFETCH(QString, firstName);
        QFETCH(QString, lastName);
        if (!introduce(installFantasy(3, 5, firstName, lastName)))
            return;
        press();
        const QLabel *label = find<QLabel>("name_label_b");
        QVERIFY2(label->text().endsWith(QChar(0x2026)), qPrintable(label->text()));
        QCOMPARE(ShellTest::toolTipShown(label->toolTip()), firstName + " " + lastName);
    }

    void taleOfTheTape()
    {
        if (!introduce(install(threeBoutCard())))
            return;
        press();
        QVERIFY(shown("tale_of_tape_box"));
        QVERIFY(!shown("commentary_view"));
        QCOMPARE(find<QTimer>("step_timer")->interval(), Module_UserEvents::TaleOfTapeMs);
        QCOMPARE(find<QLabel>("tale_a1")->text(), QString("Cy Orr"));
        QCOMPARE(find<QLabel>("tale_b1")->text(), QString("Di Poe"));
        QCOMPARE(find<QLabel>("tale_a2")->text(), QString("24"));
        QCOMPARE(find<QLabel>("tale_a3")->text(), QString("Japan"));
        QCOMPARE(find<QLabel>("tale_a4")->text(), QString("Kickboxing"));
        QCOMPARE(find<QLabel>("tale_b5")->text(), QString("0W - 0L - 0KO"));
        QCOMPARE(find<QLabel>("name_label_a")->text(), QString("Cy Orr"));
        QCOMPARE(find<QLabel>("round_label")->text(), QString("Round 1"));
        QCOMPARE(find<QLabel>("clock_label")->text(), QString("3:00"));
        QCOMPARE(find<QLabel>("portrait_a")->size(), QSize(150, 240));

        // Stopping the timer here brings back "Next Step" only.
        find<QPushButton>("start_timer_btn")->click();
        QVERIFY(find<QTimer>("step_timer")->isActive());
        QCOMPARE(find<QTimer>("step_timer")->interval(), Module_UserEvents::RoundStepMs);
        QVERIFY(!shown("next_step_btn"));
        find<QPushButton>("start_timer_btn")->click();
        QVERIFY(shown("next_step_btn"));
        QVERIFY(!shown("sim_to_end_btn"));
        QCOMPARE(find<QPushButton>("start_timer_btn")->text(), QString("Start Timer"));
        QVERIFY(!find<QTimer>("step_timer")->isActive());

        press();
        QVERIFY(!shown("tale_of_tape_box"));
        QVERIFY(commentary().isEmpty());
        QVERIFY(!shown("instruction_list"));
        QCOMPARE(find<QTimer>("step_timer")->interval(), Module_UserEvents::RoundStepMs);
        press();
        QVERIFY(commentary().startsWith("This is it! We're about to get underway!"));
        QVERIFY(shown("sim_to_end_btn"));

        // "Sim to End" runs at 1 ms and keeps its own button.
        find<QPushButton>("sim_to_end_btn")->click();
        QCOMPARE(find<QTimer>("step_timer")->interval(), Module_UserEvents::SimToEndMs);
        QVERIFY(find<QTimer>("step_timer")->isActive());
        QVERIFY(!shown("start_timer_btn"));
        QVERIFY(!shown("next_step_btn"));
        QVERIFY(shown("sim_to_end_btn"));
    }

    void instructionsOnlyInThePlayersBoutOnePerStep()
    {
        dice.reset(new DeterministicRandom);
        if (!introduce(install({playerBout(MatchType::Single, PlayerId, rosterId(0))}, "No Title", 3, 10)))
            return;
        press();
        press();
        auto *list = find<QListWidget>("instruction_list");
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), Entity_MatchFighter::instructionOptions(0).size());
        QVERIFY2(cutRows("instruction_list").isEmpty(), qPrintable(cutRows("instruction_list")));
        press();
        Entity_MatchFighter *inRing = MatchEngine::Instance().getFighterA();
        const auto shout = [list](int row) {
            list->setCurrentRow(row);
            emit list->activated(list->currentIndex());
        };
        // Whether or not the engine takes the first, the second of the same
        // step never reaches it.
        shout(list->count() - 1);
        const int afterFirst = inRing->getMindset();
        for (int row = 0; row < list->count(); ++row) {
            shout(row);
            QCOMPARE(inRing->getMindset(), afterFirst);
        }
    }

    void aRosterBoutEndsRoundThreeAndTalliesInOneStep()
    {
        const auto toTheTally = [this] {
            const Module_UserEvents *live = introduce(install(threeBoutCard()));
            if (!live)
                return false;
            press();
            press();
            for (int i = 0; i < PressLimit && live->getRoundNumber() < 4 && !live->isMatchOver(); ++i)
                press();
            return live->getRoundNumber() == 4;
        };
        const bool reached = tryStarts(toTheTally);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(reached);
        Module_UserEvents *live = screen();
        QVERIFY(live->isMatchOver());
        QCOMPARE(find<QLabel>("round_label")->text(), QString("Round 4"));
        QCOMPARE(find<QLabel>("clock_label")->text(), QString("3:00"));
        QVERIFY(commentary().endsWith("The judges are tallying their scorecards...\n"));
        const JudgeCards cards = live->getJudgeTotals();
        for (int judge = 0; judge < 3; ++judge)
            QVERIFY(qMax(cards.totalsA[judge], cards.totalsB[judge]) == 30 || cards.totalsA[judge] < 30);

        // A drawn verdict sends the bout into a fourth round.
        JudgeCards drawn;
        drawn.totalsA = {29, 28, 28};
        drawn.totalsB = {28, 28, 29};
        live->setJudgeTotals(drawn);
        press();
        QVERIFY(commentary().contains("It's a draw! We are going to an extension round!"));
        QVERIFY(!live->isMatchOver());
        QVERIFY(commentary().endsWith("Fight!\n"));
        QVERIFY(commentary().contains("Round 4!"));
        QCOMPARE(live->getJudgeTotals(), drawn);
    }

    void theCornerBetweenRounds()
    {
        const bool reached = toTheFirstCorner(3);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(reached);
        const Module_UserEvents *live = screen();
        QCOMPARE(find<QPushButton>("next_step_btn")->text(), QString("Tend to Fighter"));
        QVERIFY(!shown("start_timer_btn"));
        press();
        QVERIFY(shown("corner_page"));
        QVERIFY(!live->findChild<QTimer *>("step_timer"));
        QCOMPARE(find<QPushButton>("next_step_btn")->text(), QString("Begin Next Round"));
        QCOMPARE(find<QTextEdit>("observations_view")->toPlainText().split('\n').size(), 5);
        QVERIFY(find<QListWidget>("strategy_list")->count() > 0);
        QVERIFY2(cutRows("strategy_list").isEmpty(), qPrintable(cutRows("strategy_list")));
        QVERIFY(find<QLineEdit>("stat_hooks"));
        QVERIFY(find<QLineEdit>("stat_knockdowns"));

        // A Cornering ability of 3 spread over the four boxes.
        auto *label = find<QLabel>("trainer_points_label");
        auto *heal = find<QSpinBox>("heal_wounds_box");
        auto *motivate = find<QSpinBox>("motivate_box");
        QCOMPARE(label->text(), QString("Trainer Points: 3"));
        heal->setValue(3);
        QCOMPARE(label->text(), QString("Trainer Points: 0"));
        motivate->setValue(1);
        QCOMPARE(motivate->value(), 0);
        QCOMPARE(motivate->maximum(), 0);
        heal->setValue(2);
        QCOMPARE(motivate->maximum(), 10);
        QCOMPARE(label->text(), QString("Trainer Points: 1"));

        press();
        QVERIFY(shown("combat_page"));
        QVERIFY(!shown("corner_page"));
        QVERIFY(!find<QTimer>("step_timer")->isActive());
        QCOMPARE(find<QLabel>("round_label")->text(), QString("Round 2"));
        QCOMPARE(find<QLabel>("name_label_b")->text(), QString("Bo Lee"));
        QCOMPARE(find<QListWidget>("match_list")->currentRow(), -1);
        QVERIFY(commentary().contains("The fighters come out of their corners."));
        QCOMPARE(find<QPushButton>("next_step_btn")->text(), QString("Next Step"));
    }

    void cornerPoolOfZeroUndoesEveryRaise()
    {
        const bool reached = toTheFirstCorner(0);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(reached);
        press();
        auto *water = find<QSpinBox>("provide_water_box");
        water->setValue(9);
        QCOMPARE(water->value(), 0);
        QCOMPARE(find<QLabel>("trainer_points_label")->text(), QString("Trainer Points: 0"));
    }

    void thePlayersWinIsRecorded_data()
    {
        QTest::addColumn<int>("attribute");
        QTest::addColumn<bool>("playerWins");
        QTest::addRow("strong") << 95 << true;
        QTest::addRow("weak") << 3 << false;
    }
    void thePlayersWinIsRecorded()
    {
        QFETCH(int, attribute);
        QFETCH(bool, playerWins);
        dice.reset(new DeterministicRandom);
        const Event event = install(championshipCard(), Title, 3, 5, EventName, attribute);
        const Module_UserEvents *live = open(event);
        if (!live)
            return;
        for (int i = 0; i < PressLimit && live->getMatchCount() < 2; ++i)
            press();
        for (int i = 0; i < PressLimit && live->getNextMatch() < 2; ++i)
            press();
        const FightRecordLine line = FightRecordLine::parse(live->getSummaryResultText());
        QCOMPARE(line.isWin(), playerWins);
        QCOMPARE(line.title(), Title);
        QCOMPARE(live->getSummaryStatistics().size(), 44);
        QCOMPARE(live->getPlayerFighterId(), PlayerId);

        // The event's lines in card order, stored with the league.
        const QStringList results = live->getEventResults();
        QCOMPARE(results.size(), 2);
        QVERIFY(results.at(0).startsWith("Single Match - "));
        QVERIFY(results.at(1).startsWith("Championship Match - "));
        QCOMPARE(WorldTestAccess::organization(League).getNextEvent(event.getDate()).getResultLines(), results);
        QVERIFY(commentary().contains("Ladies and gentlemen, this concludes Fight Night 1. I hope you enjoyed "
                                      "the event. \n"));
        QVERIFY(commentary().contains("Fight Night 1 results:"));
        QVERIFY(!shown("start_timer_btn"));
        QVERIFY(!find<QTimer>("step_timer")->isActive());

        press();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_PostEvent"));
    }

    void aQuarterfinalBooksTheWinnerAndRereadsTheCard()
    {
        dice.reset(new DeterministicRandom);
        const Event event = install(tournamentCard());
        // Another league's event of the same name today, met first, must
        // not replace the card.
        const Event other = WorldFixtures::eventOn(EventName, "Other League", event.getDate(),
                                                   {playerBout(MatchType::Single, rosterId(4), rosterId(5))}, true);
        WorldTestAccess::addOrganizationFirst(WorldFixtures::organization("Other League", "National", {other}));
        const Module_UserEvents *live = open(event);
        if (!live)
            return;
        for (int i = 0; i < PressLimit && live->getNextMatch() < 1; ++i)
            press();
        const QStringList results = live->getEventResults();
        QCOMPARE(results.size(), 2);
        QVERIFY(results.at(1).startsWith("Booked "));
        QVERIFY(results.at(1).contains(" for a Tournament Semifinal at Fight Night 1"));
        QVERIFY(commentary().contains(results.at(1).trimmed()));
        QCOMPARE(live->getEvent().getOrganization(), League);
        auto *list = find<QListWidget>("match_list");
        QCOMPARE(list->count(), 3);
        QVERIFY(!list->item(2)->text().contains("TBA vs. TBA"));
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(live->getNextMatch(), 1);
    }

    void simToEndStopsAfterEachBout()
    {
        dice.reset(new DeterministicRandom);
        const Module_UserEvents *live = introduce(install(threeBoutCard()));
        if (!live)
            return;
        press();
        press();
        press();
        find<QPushButton>("sim_to_end_btn")->click();
        auto *timer = find<QTimer>("step_timer");
        for (int i = 0; i < PressLimit && timer->isActive(); ++i)
            QMetaObject::invokeMethod(timer, "timeout");
        QVERIFY(!timer->isActive());
        QCOMPARE(live->getNextMatch(), 1);
        QVERIFY(shown("start_timer_btn"));
        QVERIFY(shown("next_step_btn"));
        QVERIFY(!shown("sim_to_end_btn"));
        press();
        QCOMPARE(live->getMatchCount(), 2);
    }

    // "Sim to End" pressed once a bout is over: the next bout's stages slow
    // the run down to their own pace, with "Stop Timer", and the run still
    // ends with that bout.
    void simToEndAfterABoutKeepsItsButtons_data()
    {
        QTest::addColumn<int>("stopAfter");
        // Timeouts from the press: the introduction, the tale of the tape,
        // the first round's start, then the round's steps.
        QTest::addRow("left running") << 0;
        QTest::addRow("stopped at the tale of the tape") << 2;
        QTest::addRow("stopped in the first round") << 9;
    }
    void simToEndAfterABoutKeepsItsButtons()
    {
        QFETCH(int, stopAfter);
        dice.reset(new DeterministicRandom);
        const Module_UserEvents *live = open(install({bout(MatchType::Single, rosterId(1), rosterId(2)),
                                                      bout(MatchType::Single, rosterId(3), rosterId(4)),
                                                      bout(MatchType::Single, rosterId(5), rosterId(0))}));
        if (!live)
            return;
        for (int i = 0; i < PressLimit && live->getNextMatch() < 1; ++i)
            press();
        QVERIFY(shown("sim_to_end_btn"));
        find<QPushButton>("sim_to_end_btn")->click();

        auto *timer = find<QTimer>("step_timer");
        for (int timeouts = 1; timeouts < PressLimit && timer->isActive(); ++timeouts) {
            QMetaObject::invokeMethod(timer, "timeout");
            checkButtonsFollowTheTimer();
            if (QTest::currentTestFailed())
                return;
            if (timer->isActive() && shown("tale_of_tape_box"))
                QCOMPARE(timer->interval(), Module_UserEvents::TaleOfTapeMs);
            else if (timer->isActive() && live->getMatchCount() == 2 && !live->isMatchOver())
                QCOMPARE(timer->interval(), Module_UserEvents::RoundStepMs);
            if (timeouts == stopAfter) {
                find<QPushButton>("start_timer_btn")->click();
                QVERIFY(!timer->isActive());
                checkButtonsFollowTheTimer();
                QCOMPARE(shown("sim_to_end_btn"), !shown("tale_of_tape_box"));
                const QString before = commentary();
                press();
                QVERIFY(commentary() != before);
                return;
            }
        }
        // The run ended with the second bout, before the third came up.
        QVERIFY(!timer->isActive());
        QCOMPARE(live->getNextMatch(), 2);
        QCOMPARE(live->getMatchCount(), 2);
        QVERIFY(shown("start_timer_btn"));
        QVERIFY(shown("next_step_btn"));
        QVERIFY(!shown("sim_to_end_btn"));
    }

    void aFantasyEventLeadsBackToTheProfile()
    {
        dice.reset(new DeterministicRandom);
        if (!open(installFantasy()))
            return;
        playToTheEnd();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_Profile"));
        QVERIFY(ModuleManager::Instance()->isTopMenuVisible());
        QVERIFY(WorldTestAccess::amateurs().isEmpty());
    }

    void aCardWithAnOpenSideIsPlayedThrough()
    {
        dice.reset(new DeterministicRandom);
        const Event event = install({bout(MatchType::Single, rosterId(1), 0),
                                     playerBout(MatchType::Single, PlayerId, rosterId(0))});
        if (!open(event))
            return;
        playToTheEnd();
        QCOMPARE(ShellTest::currentScreenClass(), QString("Module_PostEvent"));
        const QStringList lines = WorldTestAccess::organization(League).getNextEvent(event.getDate()).getResultLines();
        QCOMPARE(lines.size(), 2);
    }

    void statusLayersByRegion()
    {
        // Fatigue 3, head 4, body 2, arms 1, legs 0.
        const QStringList layers = Module_UserEvents::statusLayers({3, 4, 2, 1, 0});
        QCOMPARE(layers.at(1), QString("./Resources/Body/body_status_2.png"));
        QCOMPARE(layers.at(2), QString("./Resources/Body/head_status_4.png"));
        QCOMPARE(layers.at(3), QString("./Resources/Body/arms_status_1.png"));
        QCOMPARE(layers.at(4), QString("./Resources/Body/legs_status_0.png"));
    }

    void aKnockoutEndsTheBoutWithoutARoundEnd()
    {
        const auto toAKnockout = [this] {
            const Module_UserEvents *live = introduce(install(threeBoutCard()));
            if (!live)
                return false;
            press();
            press();
            for (int i = 0; i < PressLimit && !live->isMatchOver(); ++i)
                press();
            // A decision is only given at round 4.
            return live->getRoundNumber() <= 3;
        };
        const bool reached = tryStarts(toAKnockout);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(reached);
        const Module_UserEvents *live = screen();
        // The bout is finished within the knockout's own step.
        const QString lastRound = commentary().mid(commentary().lastIndexOf("Fight!\n"));
        QVERIFY(!lastRound.contains("The bell rings to end the round"));
        QCOMPARE(live->getEventResults().size(), 1);
        const QString line = live->getEventResults().first();
        QVERIFY2(line.contains("KO("), qPrintable(line));
        QVERIFY(!commentary().contains("judge scores the fight"));
    }

    void theCornerWorksOnTheFighterInTheRing()
    {
        const bool reached = toTheFirstCorner(10);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(reached);
        press();
        Entity_MatchFighter *inRing = MatchEngine::Instance().getFighterA();
        auto *strategies = find<QListWidget>("strategy_list");
        QVERIFY(strategies->count() > 0);
        const int mindset = inRing->getMindset();
        strategies->setCurrentRow(strategies->count() - 1);
        const QString chosen = strategies->currentItem()->text();
        emit strategies->activated(strategies->currentIndex());
        // Forced: the mindset is the one the text names, whatever the roll.
        QVERIFY(inRing->getMindset() != mindset || chosen.startsWith("Keep"));
        QStringList offered;
        for (int i = 0; i < strategies->count(); ++i)
            offered << strategies->item(i)->text();
        QCOMPARE(offered, Entity_MatchFighter::instructionOptions(inRing->getMindset()));
        QVERIFY2(cutRows("strategy_list").isEmpty(), qPrintable(cutRows("strategy_list")));

        // Water of 10 always passes its roll when the corner is left.
        find<QSpinBox>("provide_water_box")->setValue(10);
        const int stamina = inRing->getStamina();
        press();
        QVERIFY(inRing->getStamina() > stamina);
    }

    void afterTheThirdRoundTheCornerComesBeforeTheTally()
    {
        const auto toTheLastCorner = [this] {
            const Module_UserEvents *live = introduce(install({playerBout(MatchType::Single, PlayerId, rosterId(0))}));
            if (!live)
                return false;
            press();
            press();
            for (int i = 0; i < PressLimit && !live->isMatchOver(); ++i) {
                if (find<QPushButton>("next_step_btn")->text() == QLatin1String("Tend to Fighter")
                    && live->getRoundNumber() == 4)
                    return true;
                press();
            }
            return false;
        };
        const bool reached = tryStarts(toTheLastCorner);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(reached);
        const Module_UserEvents *live = screen();
        QVERIFY(!live->isMatchOver());
        QVERIFY(!commentary().contains("tallying"));
        press();
        // The third visit of the corner shows whole strategies too, and one
        // set of its widgets, the earlier visits' gone.
        QVERIFY2(cutRows("strategy_list").isEmpty(), qPrintable(cutRows("strategy_list")));
        QCOMPARE(live->findChildren<QLineEdit *>("stat_jabs").size(), 1);
        QCOMPARE(live->findChildren<QSpinBox *>().size(), 4);
        press();
        QCOMPARE(live->findChildren<QLabel *>("tale_b5").size(), 1);
        QVERIFY(live->isMatchOver());
        QVERIFY(commentary().endsWith("The judges are tallying their scorecards...\n"));
        // The next step reads the verdict, from the button or the timer.
        QVERIFY(!find<QTimer>("step_timer")->isActive());
        press();
        QVERIFY(commentary().contains("The first judge scores the fight"));
    }
    // Two of the league's fighters from the same clock readings: the bout
    // fought on the screen, a step a press or at the "Sim to End" pace,
    // ends as the one nobody watches.
    void aWatchedBoutEndsAsAnUnseenOne_data()
    {
        QTest::addColumn<bool>("simToEnd");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("ending");
        for (const bool sim : {false, true}) {
            const QString pace = sim ? "sim to end, " : "next step, ";
            QTest::addRow("%s", qPrintable(pace + "stoppage")) << sim << 1000 << "stoppage";
            QTest::addRow("%s", qPrintable(pace + "decision")) << sim << 9000 << "decision";
            QTest::addRow("%s", qPrintable(pace + "extension round")) << sim << 18029000 << "extension round";
        }
    }

    void aWatchedBoutEndsAsAnUnseenOne()
    {
        QFETCH(bool, simToEnd);
        QFETCH(int, start);
        QFETCH(QString, ending);
        const Module_UserEvents *live = introduceFrom({bout(MatchType::Single, rosterId(1), rosterId(2))}, start);
        if (!live)
            return;
        const Fighter a = *live->getFighterA();
        const Fighter b = *live->getFighterB();
        if (simToEnd) {
            // The tale of the tape, its end, the first round under way.
            for (int i = 0; i < 3; ++i)
                press();
            find<QPushButton>("sim_to_end_btn")->click();
            auto *timer = find<QTimer>("step_timer");
            for (int i = 0; i < PressLimit && timer->isActive(); ++i)
                QMetaObject::invokeMethod(timer, "timeout");
        }
        for (int i = 0; i < PressLimit && live->getNextMatch() < 1; ++i)
            press();

        dice.reset();
        dice.reset(new DeterministicRandom(start));
        const BoutResult unseen = UnseenBout::fight(a, b);
        QCOMPARE(endingOf(unseen), ending);
        checkFoughtAs(live, unseen);
    }

    // The player's bout, its corner worked through the corner's buttons,
    // ends as the runner does with the same corner between the rounds.
    void thePlayersBoutEndsAsTheRunnerWithItsCorner_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("ending");
        QTest::addRow("stoppage after a corner") << 1000 << "stoppage";
        QTest::addRow("decision after three corners") << 97000 << "decision";
    }

    void thePlayersBoutEndsAsTheRunnerWithItsCorner()
    {
        QFETCH(int, start);
        QFETCH(QString, ending);
        const int water = 2;
        const Module_UserEvents *live = introduceFrom({playerBout(MatchType::Single, PlayerId, rosterId(0))}, start);
        if (!live)
            return;
        const Fighter a = *live->getFighterA();
        const Fighter b = *live->getFighterB();
        int corners = 0;
        for (int i = 0; i < PressLimit && live->getNextMatch() < 1; ++i) {
            if (find<QPushButton>("next_step_btn")->text() == QLatin1String("Begin Next Round")) {
                find<QSpinBox>("provide_water_box")->setValue(water);
                ++corners;
            }
            press();
        }
        QVERIFY(corners > 0);

        dice.reset();
        dice.reset(new DeterministicRandom(start));
        const BoutResult run = runWithCorner(a, b, PlayerId, water);
        QCOMPARE(endingOf(run), ending);
        QCOMPARE(corners, run.roundsFought - (run.stoppage ? 1 : 0));
        checkFoughtAs(live, run);
    }
};

QTEST_MAIN(TestLiveEventScreen)
#include "tst_live_event_screen.moc"
