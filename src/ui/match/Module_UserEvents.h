#ifndef MODULE_USEREVENTS_H
#define MODULE_USEREVENTS_H

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <memory>

#include "match/BoutRunner.h"
#include "records/Event.h"
#include "records/Fighter.h"
#include "records/Match.h"
#include "ui/shell/ScreenFrame.h"
#include "ui/shell/VisitWidgets.h"

class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTextEdit;
class QTimer;
class QVBoxLayout;
class SkillPointPool;

// The live event: the card bout by bout with commentary, a round clock and
// a tale of the tape before each bout; the corner between the rounds of
// the player's own bouts; the judges; then the way to the match summary.
// One button (or the step timer) always leads to the stage due next.
class Module_UserEvents : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_UserEvents(Event event, QWidget *parent = nullptr);
    ~Module_UserEvents() override;

    // The step timer's intervals: tale of the tape, rounds, "Sim to End".
    static const int TaleOfTapeMs = 3457;
    static const int RoundStepMs = 1457;
    static const int SimToEndMs = 1;
    static const int PortraitWidth = 150;
    static const int PortraitHeight = 240;
    // The live instructions show this many whole rows; more scroll.
    static const int InstructionRows = 4;
    // The corner's strategies likewise, some of them wrapped on two lines.
    static const int StrategyRows = 2;

    // "3:00" for 180 seconds, "0:07" for seven.
    static QString clockText(int seconds);
    // "Championship Match - A vs. B".
    static QString matchRowText(const Match &match);
    // The tale of the tape's five lines of a fighter: name, age,
    // nationality, background, record ("12W - 3L - 8KO").
    static QStringList taleLines(const Fighter &fighter);
    // The welcome of the event.
    static QStringList openingLines(const Event &event);
    // The announcer's line on a bout's type, empty when there is none.
    static QString introductionLine(const QString &matchType, const QString &organization, bool mainEvent);
    // The corner's status picture from the five observation codes
    // (fatigue, head, body, arms, legs), bottom layer first.
    static QStringList statusLayers(const QVector<int> &codes);
    // One line per judge, first to final, the winning total first.
    static QStringList judgeLines(const JudgeCards &cards, const QString &nameA, const QString &nameB);

    // Read-outs for the tests.
    int getPlayerCorner() const { return playerCorner; }
    int getPlayerFighterId() const { return playerFighterId; }
    bool isMatchOver() const { return matchOver; }
    int getRoundNumber() const { return bout.round(); }
    int getSecondsLeft() const { return bout.secondsLeft(); }
    int getMatchCount() const { return matchCount; }
    int getNextMatch() const { return nextMatch; }
    Match getCurrentMatch() const { return currentMatch; }
    Event getEvent() const { return event; }
    JudgeCards getJudgeTotals() const { return bout.cards(); }
    QStringList getEventResults() const { return eventResults; }
    QVector<int> getSummaryStatistics() const { return summaryStatistics; }
    QString getSummaryResultText() const { return summaryResultText; }
    const Fighter *getFighterA() const { return fighterA.get(); }
    const Fighter *getFighterB() const { return fighterB.get(); }
    // Lets a test put the cards where it needs them before a tally.
    void setJudgeTotals(const JudgeCards &cards) { bout.setCards(cards); }

public slots:
    void startEvent();
    void initializeNextMatch();
    void beginNextRound();
    void stepMatch();
    void simToEnd();
    void simMatch();
    void stopTimer();
    void callInstruction();
    void showFighterSummary();
    void showTaleOfTape();
    void hideTaleOfTape();
    void calculateTrainerPoints();
    void cornerStrategy();
    void switchToMainCombat();
    void switchToCorner();

private:
    using Stage = void (Module_UserEvents::*)();
    // The step timer's three states, each with its own buttons: stopped
    // ("Start Timer", "Next Step"), running at a stage's pace ("Stop
    // Timer") and running at the "Sim to End" pace (neither).
    enum class TimerState { Stopped, Running, SimToEnd };

    // Combat page.
    void createMainCombatWidgets();
    void buildMainCombat();
    void clearMainCombat();
    void fillMatchList();
    void showRoundAndClock();
    void drawPortraits(bool sideA, const QString &nation);
    // Both "Next Step" and the step timer lead to `next`.
    void leadTo(Stage next);
    void leadButtonTo(Stage next);
    // Puts the step timer into `state` (Running at `intervalMs`) together
    // with the buttons of that state, so the two never disagree.
    void setTimerState(TimerState state, int intervalMs = 0);
    // A stage's pace: a running timer goes on at it, stoppable.
    void setStepInterval(int intervalMs);
    void say(const QString &line);

    // Stages.
    void introduceNextMatch();
    void resolveFighters(const QString &organization);
    void endRound();
    void nextRoundOrTally();
    void sayJudgeLines();
    void finishMatch();
    void recordResult(const BoutResult &result);
    void rereadEvent();
    void moveOn();
    void concludeEvent();

    // Corner page.
    void createCornerWidgets();
    void buildCorner();
    void clearCorner();
    void drawStatusPortraits();
    void applyCornerActions();
    void refreshStrategyList();
    void refreshInstructionList();
    void updateTrainerPoints(QSpinBox *changed);
    // The id in the ring of the player's fighter (0 when he is not in it).
    int cornerFighterId() const;
    int managerAbility(int index) const;

    Event event;
    QVector<Match> matches;
    int nextMatch = 0;
    Match currentMatch;
    int matchCount = 0;
    // The bout in the ring has ended or awaits its verdict; cleared when
    // the next one gets under way after its tale of the tape.
    bool matchOver = false;
    QStringList eventResults;
    QVector<int> summaryStatistics;
    int playerFighterId = 0;
    QString summaryResultText;
    bool instructionGiven = false;
    std::unique_ptr<Fighter> fighterA;
    std::unique_ptr<Fighter> fighterB;
    int playerCorner = 2;
    // The bout in the ring, its rounds, cards and verdict.
    BoutRunner bout;
    int trainerPoints = 0;
    // The run was started by "Sim to End": it stops when its bout ends,
    // also after a stage has slowed it down to its own pace.
    bool runEndsWithBout = false;
    // Where "Next Step" and the step timer lead.
    Stage buttonStage = &Module_UserEvents::startEvent;
    Stage timerStage = &Module_UserEvents::startEvent;

    // Kept for the screen's life.
    QVBoxLayout *mainLayout;
    QWidget *combatPage;
    QGridLayout *combatGrid;
    QWidget *headerBox;
    QGridLayout *headerGrid;
    QWidget *scoreboardBox;
    QGridLayout *scoreboardGrid;
    QWidget *taleOfTapeBox;
    QGridLayout *taleGrid;
    QWidget *cornerPage;
    QGridLayout *cornerGrid;
    QWidget *statusBox;
    QVBoxLayout *statusLayout;
    QWidget *observationsBox;
    QVBoxLayout *observationsLayout;
    QWidget *statisticsBox;
    QWidget *cornerActionsBox;
    QGridLayout *cornerActionsGrid;
    QPushButton *startTimerButton;
    QPushButton *nextStepButton;
    QPushButton *simToEndButton;
    QTextEdit *commentaryView;
    QLabel *portraitA;
    QLabel *portraitB;
    QLabel *flagA;
    QLabel *flagB;

    // Made by every build of the combat page.
    VisitWidgets combatWidgets;
    QPointer<QLabel> orgLogo;
    QPointer<QLabel> eventNameLabel;
    QPointer<QListWidget> matchList;
    QPointer<QLabel> nameBarA;
    QPointer<QLabel> nameBarB;
    QPointer<QLabel> nameLabelA;
    QPointer<QLabel> nameLabelB;
    QPointer<QTimer> stepTimer;
    QPointer<QLabel> clockLabel;
    QPointer<QLabel> roundLabel;
    QPointer<QListWidget> instructionList;
    QPointer<QLabel> taleTitle;
    // Each side's five lines of taleLines().
    using TaleLabels = std::array<QPointer<QLabel>, 5>;
    TaleLabels taleLabelsA;
    TaleLabels taleLabelsB;

    // Made at every visit of the corner.
    VisitWidgets cornerWidgets;
    QPointer<QLabel> statusPicture;
    QPointer<QTextEdit> observationsView;
    QPointer<QListWidget> strategyList;
    QPointer<QLabel> trainerPointsLabel;
    // Heal, water, motivation, strategy.
    std::array<QPointer<QSpinBox>, 4> cornerBoxes;
    std::unique_ptr<SkillPointPool> trainerPool;
};

#endif // MODULE_USEREVENTS_H
