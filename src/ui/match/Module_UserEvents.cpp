#include "Module_UserEvents.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "Module_PostEvent.h"
#include "StatisticsBox.h"
#include "TextEditCommentary.h"
#include "career/BoutRecording.h"
#include "match/MatchEngine.h"
#include "records/Manager.h"
#include "ui/gym/FighterPortrait.h"
#include "ui/gym/Module_Profile.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/NameFields.h"
#include "ui/shell/ObjectNames.h"
#include "ui/shell/PlainText.h"
#include "ui/shell/SkillPointPool.h"
#include "ui/shell/WholeRows.h"
#include "ui/shell/WrappedLines.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

using ObjectNames::named;

namespace {

const QString portraitBackground = QStringLiteral("./Resources/Body/portraitbg.jpg");

// The announcer's line on a bout, by its type.
struct TypeLine
{
    const char *type;
    const char *before;
    const char *after;
};

const TypeLine introductionTable[] = {
    {MatchType::Championship, "This is the championship match! The ", " World Championship is at stake!\n"},
    {MatchType::Qualifier, "This is a tournament qualifier match! The winner will move on to the next round.\n", ""},
    {MatchType::Quarterfinal, "This is a tournament quarterfinal! The winner moves one step closer to glory!\n", ""},
    {MatchType::Semifinal, "This is a tournament semifinal! The winner books a spot in the final, where they "
                           "will get their chance to make history!\n", ""},
    {MatchType::Final, "This is it! This is the final match of the tournament! The winner of this match takes "
                       "home the tournament title!\n", ""},
};
const char mainEventLine[] = "This is it! The main event! Who will reign supreme?\n";

// The judges, first to final.
const char *const judgeNames[BoutScoring::Judges] = {"first", "second", "final"};

const char *const cornerBoxLabels[] = {"Heal Wounds", "Provide Water", "Motivate", "Discuss Strategy"};
const char *const cornerBoxNames[] = {"heal_wounds_box", "provide_water_box", "motivate_box",
                                      "discuss_strategy_box"};

const char nameBarRed[] = "QLabel\t { \tborder: 3px groove #885038; background-color: #A43210; "
                          "\tfont-weight:bold; color:Black;\t }";
const char nameBarBlue[] = "QLabel\t { \tborder: 3px groove #885038; background-color: #1032A4; "
                           "\tfont-weight:bold; color:Black;\t }";

// Moves a widget to a cell of a grid, also when it sits there already.
void put(QGridLayout *grid, QWidget *widget, int row, int column, int rowSpan = 1, int columnSpan = 1)
{
    grid->removeWidget(widget);
    grid->addWidget(widget, row, column, rowSpan, columnSpan);
}

} // namespace

Module_UserEvents::Module_UserEvents(Event shown, QWidget *parent)
    : ScreenFrame(parent)
    , event(std::move(shown))
    , matches(event.getMatches())
    , mainLayout(new QVBoxLayout)
    , combatPage(named(new QWidget(this), QStringLiteral("combat_page")))
    , combatGrid(new QGridLayout(combatPage))
    , headerBox(new QWidget)
    , headerGrid(new QGridLayout(headerBox))
    , scoreboardBox(new QWidget)
    , scoreboardGrid(new QGridLayout(scoreboardBox))
    , taleOfTapeBox(named(new QWidget, QStringLiteral("tale_of_tape_box")))
    , taleGrid(new QGridLayout(taleOfTapeBox))
    , cornerPage(named(new QWidget(this), QStringLiteral("corner_page")))
    , cornerGrid(new QGridLayout(cornerPage))
    , statusBox(new QWidget)
    , statusLayout(new QVBoxLayout(statusBox))
    , observationsBox(new QWidget)
    , observationsLayout(new QVBoxLayout(observationsBox))
    , statisticsBox(new QWidget)
    , cornerActionsBox(new QWidget)
    , cornerActionsGrid(new QGridLayout(cornerActionsBox))
    , startTimerButton(named(new QPushButton(QStringLiteral("Start Timer")), QStringLiteral("start_timer_btn")))
    , nextStepButton(named(new QPushButton(QStringLiteral("Next Step")), QStringLiteral("next_step_btn")))
    , simToEndButton(named(new QPushButton(QStringLiteral("Sim to End")), QStringLiteral("sim_to_end_btn")))
    , commentaryView(named(new QTextEdit, QStringLiteral("commentary_view")))
    , portraitA(named(new QLabel, QStringLiteral("portrait_a")))
    , portraitB(named(new QLabel, QStringLiteral("portrait_b")))
    , flagA(named(new QLabel, QStringLiteral("flag_a")))
    , flagB(named(new QLabel, QStringLiteral("flag_b")))
{
    commentaryView->setReadOnly(true);

    for (QLabel *portrait : {portraitA, portraitB}) {
        portrait->setFixedSize(PortraitWidth, PortraitHeight);
        portrait->setScaledContents(true);
        portrait->setPixmap(QPixmap(portraitBackground));
    }
    for (QLabel *flag : {flagA, flagB}) {
        flag->setFixedSize(72, 45);
        flag->setScaledContents(true);
    }
    for (QVBoxLayout *box : {statusLayout, observationsLayout})
        box->setSpacing(0);
    statusLayout->setAlignment(Qt::AlignTop);
    cornerActionsGrid->setSpacing(0);
    cornerPage->hide();

    buildMainCombat();
    combatGrid->addWidget(portraitA, 4, 0, 4, 1);
    combatGrid->addWidget(portraitB, 4, 8, 4, 1);
    scoreboardGrid->addWidget(flagA, 1, 0, 2, 1);
    scoreboardGrid->addWidget(flagB, 1, 8, 2, 1);
    ModuleManager::Instance()->hideTopMenu();
    mainLayout->addWidget(combatPage);
    setLayout(mainLayout);
    // Connected once: the stage due next is the screen's to change.
    connect(nextStepButton, &QPushButton::clicked, this, [this] { (this->*buttonStage)(); });
    connect(startTimerButton, &QPushButton::clicked, this, [this] {
        if (stepTimer->isActive())
            stopTimer();
        else
            simMatch();
    });
    connect(simToEndButton, &QPushButton::clicked, this, &Module_UserEvents::simToEnd);
}

// The widgets go with the widget tree; the fighters with their pointers.
Module_UserEvents::~Module_UserEvents() = default;

// --- Pure helpers ----------------------------------------------------------

QString Module_UserEvents::clockText(int seconds)
{
    return QString::number(seconds / 60) + QLatin1Char(':')
        + QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString Module_UserEvents::matchRowText(const Match &match)
{
    QStringList texts;
    match.getTexts(texts);
    return texts.at(Match::TypeText) + " - " + texts.at(Match::FighterAText) + " vs. "
        + texts.at(Match::FighterBText);
}

QStringList Module_UserEvents::taleLines(const Fighter &fighter)
{
    QStringList texts;
    QVector<int> ints;
    fighter.getStrings(texts);
    fighter.getInts(ints);
    const QString record = QString::number(ints.value(Fighter::WinsIndex)) + "W - "
        + QString::number(ints.value(Fighter::LossesIndex)) + "L - "
        + QString::number(ints.value(Fighter::KnockoutsIndex)) + "KO";
    return {fighter.getFullName(), QString::number(ints.value(Fighter::AgeIndex)),
            texts.value(Fighter::NationalityText), texts.value(Fighter::BackgroundText), record};
}

QStringList Module_UserEvents::openingLines(const Event &event)
{
    QStringList lines{"Good evening, and welcome to " + event.getName() + "!",
                      "This is going to be a great event, filled with great matches!"};
    if (event.hasChampionshipMatch())
        lines << "Tonight, the " + event.getOrganization() + " World Championship is on the line!";
    else if (event.hasTournamentQualifier())
        lines << "This is a tournament qualifier, in which the winners will move on to the next round of the "
                 "tournament!";
    if (event.hasTournamentRound())
        lines << "This is the conclusion of the tournament, where we crown the champion! Only one fighter will "
                 "take home the title and prestige of being the very best of the best!";
    return lines;
}

QString Module_UserEvents::introductionLine(const QString &matchType, const QString &organization,
                                            bool mainEvent)
{
    for (const TypeLine &row : introductionTable) {
        if (matchType == QLatin1String(row.type)) {
            return *row.after ? QLatin1String(row.before) + organization + QLatin1String(row.after)
                              : QString::fromLatin1(row.before);
        }
    }
    return mainEvent ? QString::fromLatin1(mainEventLine) : QString();
}

QStringList Module_UserEvents::statusLayers(const QVector<int> &codes)
{
    // The codes come as fatigue, head, body, arms, legs; the layers go
    // body, head, arms, legs.
    return FighterPortrait::statusLayerPaths(codes.value(2), codes.value(1), codes.value(3), codes.value(4));
}

QStringList Module_UserEvents::judgeLines(const JudgeCards &cards, const QString &nameA, const QString &nameB)
{
    QStringList lines;
    for (int judge = 0; judge < BoutScoring::Judges; ++judge) {
        const int a = cards.totalsA[judge];
        const int b = cards.totalsB[judge];
        const QString start = QStringLiteral("The ") + judgeNames[judge] + " judge scores the fight ";
        if (a == b) {
            lines << start + "as a " + QString::number(a) + "-" + QString::number(b) + " draw.";
            continue;
        }
        const bool forA = a > b;
        lines << start + QString::number(qMax(a, b)) + "-" + QString::number(qMin(a, b)) + " for "
                + (forA ? nameA : nameB);
    }
    return lines;
}

// --- Combat page -----------------------------------------------------------

void Module_UserEvents::createMainCombatWidgets()
{
    orgLogo = combatWidgets.keep(new QLabel, QStringLiteral("org_logo"));
    orgLogo->setFixedSize(75, 75);
    orgLogo->setScaledContents(true);
    orgLogo->setPixmap(QPixmap(ResourcePaths::orgLogo(event.getOrganization())));
    eventNameLabel = combatWidgets.keep(new QLabel(event.getName()), QStringLiteral("event_name_label"));
    matchList = combatWidgets.keep(new QListWidget, QStringLiteral("match_list"));
    WrappedLines::apply(matchList);
    // Four rows; longer cards scroll, and the commentary keeps the room.
    matchList->setMaximumHeight(88);
    nameBarA = combatWidgets.keep(new QLabel);
    nameBarA->setStyleSheet(QString::fromLatin1(nameBarRed));
    nameBarB = combatWidgets.keep(new QLabel);
    nameBarB->setStyleSheet(QString::fromLatin1(nameBarBlue));
    nameLabelA = combatWidgets.keep(new QLabel, QStringLiteral("name_label_a"));
    nameLabelB = combatWidgets.keep(new QLabel, QStringLiteral("name_label_b"));
    clockLabel = combatWidgets.keep(new QLabel, QStringLiteral("clock_label"));
    roundLabel = combatWidgets.keep(new QLabel, QStringLiteral("round_label"));
    for (QLabel *centred : {nameLabelA, nameLabelB, clockLabel, roundLabel})
        centred->setAlignment(Qt::AlignCenter);
    instructionList = combatWidgets.keep(new QListWidget, QStringLiteral("instruction_list"));
    instructionList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    WholeRows::keep(instructionList, InstructionRows);
    taleTitle = combatWidgets.keep(new QLabel(QStringLiteral("Tale of the Tape")));
    taleTitle->setAlignment(Qt::AlignCenter);
    for (int line = 0; line < int(taleLabelsA.size()); ++line) {
        for (TaleLabels *side : {&taleLabelsA, &taleLabelsB}) {
            auto *label = combatWidgets.keep(
                new QLabel, QStringLiteral("tale_%1%2").arg(side == &taleLabelsA ? "a" : "b").arg(line + 1));
            label->setAlignment(Qt::AlignCenter);
            (*side)[line] = label;
        }
    }

    fillMatchList();
    stepTimer = combatWidgets.keep(new QTimer(this), QStringLiteral("step_timer"));
    connect(stepTimer, &QTimer::timeout, this, [this] { (this->*timerStage)(); });
}

void Module_UserEvents::fillMatchList()
{
    matchList->clear();
    for (const Match &match : qAsConst(matches))
        matchList->addItem(matchRowText(match));
}

void Module_UserEvents::buildMainCombat()
{
    createMainCombatWidgets();

    taleGrid->setSpacing(0);
    // The two corners share the width alike, however long a name.
    taleGrid->setColumnStretch(0, 1);
    taleGrid->setColumnStretch(1, 1);
    taleGrid->addWidget(taleTitle, 0, 0, 1, 2);
    for (int line = 0; line < int(taleLabelsA.size()); ++line) {
        taleGrid->addWidget(taleLabelsA.at(line), line + 1, 0);
        taleGrid->addWidget(taleLabelsB.at(line), line + 1, 1);
    }
    taleOfTapeBox->hide();

    headerGrid->setSpacing(0);
    headerGrid->addWidget(orgLogo, 0, 0, 2, 1);
    headerGrid->addWidget(eventNameLabel, 0, 1, 1, 2);
    headerGrid->addWidget(matchList, 1, 1, 1, 2);

    scoreboardGrid->setSpacing(0);
    scoreboardGrid->setRowStretch(1, 1);
    scoreboardGrid->addWidget(nameBarA, 0, 0, 1, 4);
    scoreboardGrid->addWidget(nameLabelA, 1, 1, 2, 3);
    scoreboardGrid->addWidget(roundLabel, 0, 4);
    scoreboardGrid->addWidget(clockLabel, 1, 4, 2, 1);
    scoreboardGrid->addWidget(nameBarB, 0, 5, 1, 4);
    scoreboardGrid->addWidget(nameLabelB, 1, 5, 2, 3);
    cornerGrid->removeWidget(nextStepButton);
    put(scoreboardGrid, startTimerButton, 3, 0, 1, 3);
    put(scoreboardGrid, nextStepButton, 3, 3, 1, 3);
    put(scoreboardGrid, simToEndButton, 3, 6, 1, 3);

    combatGrid->setRowStretch(2, 1);
    combatGrid->setRowStretch(3, 1);
    put(combatGrid, headerBox, 1, 1, 1, 7);
    combatGrid->addWidget(instructionList, 3, 1, 1, 7);
    put(combatGrid, commentaryView, 4, 1, 4, 7);
    put(combatGrid, scoreboardBox, 8, 0, 1, 9);

    startTimerButton->hide();
    simToEndButton->hide();
    instructionList->hide();
    connect(instructionList, &QListWidget::activated, this, &Module_UserEvents::callInstruction);
}

void Module_UserEvents::clearMainCombat()
{
    combatWidgets.clear();
}

void Module_UserEvents::showRoundAndClock()
{
    roundLabel->setText("Round " + QString::number(bout.round()));
    clockLabel->setText(clockText(bout.secondsLeft()));
}

void Module_UserEvents::leadTo(Stage next)
{
    buttonStage = next;
    timerStage = next;
}

void Module_UserEvents::leadButtonTo(Stage next)
{
    buttonStage = next;
}

void Module_UserEvents::say(const QString &line)
{
    PlainText::append(commentaryView, line);
}

// --- The step timer ----------------------------------------------------------

void Module_UserEvents::setTimerState(TimerState state, int intervalMs)
{
    switch (state) {
    case TimerState::Stopped:
        stepTimer->stop();
        runEndsWithBout = false;
        startTimerButton->setText(QStringLiteral("Start Timer"));
        nextStepButton->show();
        simToEndButton->setVisible(!taleOfTapeBox->isVisible() && !matchOver);
        return;
    case TimerState::Running:
        stepTimer->start(intervalMs);
        startTimerButton->setText(QStringLiteral("Stop Timer"));
        startTimerButton->show();
        nextStepButton->hide();
        simToEndButton->hide();
        break;
    case TimerState::SimToEnd:
        stepTimer->start(SimToEndMs);
        runEndsWithBout = true;
        startTimerButton->hide();
        nextStepButton->hide();
        break;
    }
}

void Module_UserEvents::setStepInterval(int intervalMs)
{
    if (stepTimer->isActive())
        setTimerState(TimerState::Running, intervalMs);
    else
        stepTimer->setInterval(intervalMs);
}

void Module_UserEvents::simMatch()
{
    setTimerState(TimerState::Running, RoundStepMs);
}

void Module_UserEvents::stopTimer()
{
    setTimerState(TimerState::Stopped);
}

void Module_UserEvents::simToEnd()
{
    setTimerState(TimerState::SimToEnd);
}

// --- Opening and introduction --------------------------------------------------

void Module_UserEvents::startEvent()
{
    fighterA.reset(new Fighter);
    fighterB.reset(new Fighter);
    for (const QString &line : openingLines(event))
        say(line);
    leadTo(&Module_UserEvents::initializeNextMatch);
}

void Module_UserEvents::initializeNextMatch()
{
    if (!stepTimer->isActive()) {
        startTimerButton->hide();
        simToEndButton->hide();
    }
    currentMatch = matches.value(nextMatch);
    ++matchCount;
    introduceNextMatch();
    bout.begin(*fighterA, *fighterB, std::make_unique<TextEditCommentary>(commentaryView));
    leadTo(&Module_UserEvents::showTaleOfTape);
}

void Module_UserEvents::introduceNextMatch()
{
    const QString organization = event.getOrganization();
    fighterA.reset(new Fighter);
    fighterB.reset(new Fighter);
    QStringList texts;
    int idA = 0;
    int idB = 0;
    bool playerMatch = false;
    currentMatch.getData(texts, idA, idB, playerMatch);
    say("\nThe next match coming up features " + texts.at(Match::FighterAText) + " vs. "
        + texts.at(Match::FighterBText) + "\n");
    const QString typeLine = introductionLine(currentMatch.getType(), organization,
                                              matchCount == matches.size());
    if (!typeLine.isEmpty())
        say(typeLine);
    resolveFighters(organization);
}

void Module_UserEvents::resolveFighters(const QString &organization)
{
    World &world = World::Instance();
    QStringList texts;
    int idA = 0;
    int idB = 0;
    bool playerMatch = false;
    currentMatch.getData(texts, idA, idB, playerMatch);
    QVector<int> ids;
    world.getRosterIds(ids);
    if (playerMatch && (ids.contains(idA) || ids.contains(idB))) {
        playerCorner = ids.contains(idA) ? 0 : 1;
        playerFighterId = playerCorner == 0 ? idA : idB;
        const int opponentId = playerCorner == 0 ? idB : idA;
        (playerCorner == 0 ? *fighterA : *fighterB) = world.getFighterById(playerFighterId);
        (playerCorner == 0 ? *fighterB : *fighterA) = world.getOrgFighter(organization, opponentId);
        return;
    }
    // A bout marked as the player's without any of his fighters in it is
    // fought as the organization's own.
    playerCorner = 2;
    if (playerMatch)
        currentMatch.setData(texts, idA, idB, false);
    if (event.isFantasy()) {
        *fighterA = world.getAmateur(idA);
        *fighterB = world.getAmateur(idB);
    } else {
        *fighterA = world.getOrgFighter(organization, idA);
        *fighterB = world.getOrgFighter(organization, idB);
    }
}

// --- Tale of the tape ------------------------------------------------------------

void Module_UserEvents::showTaleOfTape()
{
    setStepInterval(TaleOfTapeMs);
    const QStringList linesA = taleLines(*fighterA);
    const QStringList linesB = taleLines(*fighterB);
    for (int line = 0; line < int(taleLabelsA.size()); ++line) {
        NameFields::showElided(taleLabelsA.at(line), linesA.at(line));
        NameFields::showElided(taleLabelsB.at(line), linesB.at(line));
    }
    NameFields::showElided(nameLabelA, fighterA->getFullName());
    NameFields::showElided(nameLabelB, fighterB->getFullName());
    showRoundAndClock();

    commentaryView->hide();
    instructionList->hide();
    combatGrid->removeWidget(commentaryView);
    combatGrid->removeWidget(instructionList);
    put(combatGrid, taleOfTapeBox, 4, 2, 3, 5);
    taleOfTapeBox->show();

    drawPortraits(true, taleLabelsA.at(2)->text());
    drawPortraits(false, taleLabelsB.at(2)->text());
    leadTo(&Module_UserEvents::hideTaleOfTape);
}

void Module_UserEvents::hideTaleOfTape()
{
    setStepInterval(RoundStepMs);
    matchOver = false;
    instructionGiven = false;
    taleOfTapeBox->hide();
    combatGrid->removeWidget(taleOfTapeBox);
    commentaryView->clear();
    put(combatGrid, instructionList, 3, 1, 1, 7);
    put(combatGrid, commentaryView, 4, 1, 4, 7);
    commentaryView->show();
    if (!stepTimer->isActive())
        startTimerButton->show();
    if (currentMatch.isPlayerMatch()) {
        instructionList->show();
        refreshInstructionList();
    }
    leadTo(&Module_UserEvents::beginNextRound);
}

void Module_UserEvents::drawPortraits(bool sideA, const QString &nation)
{
    const Fighter &fighter = sideA ? *fighterA : *fighterB;
    FighterPortrait::place(sideA ? portraitA : portraitB, combatGrid, 4, sideA ? 0 : 8, 4, 1,
                           FighterPortrait::portrait(FighterAppearance::of(fighter)));
    FighterPortrait::place(sideA ? flagA : flagB, scoreboardGrid, 1, sideA ? 0 : 8, 2, 1,
                           QPixmap(ResourcePaths::flag(nation)));
}

// --- Rounds ------------------------------------------------------------------------

void Module_UserEvents::beginNextRound()
{
    if (!stepTimer->isActive())
        simToEndButton->show();
    if (bout.round() == 1) {
        say(QStringLiteral("This is it! We're about to get underway!"));
        say(QStringLiteral("The referee raises his hand to signal the start of the match...\n"));
    } else {
        say(QStringLiteral("The fighters come out of their corners."));
        say(QStringLiteral("The referee raises his hand to signal the start of the next round...\n"));
    }
    if (currentMatch.isPlayerMatch()) {
        instructionList->show();
        refreshInstructionList();
    } else {
        instructionList->hide();
    }
    say("Round " + QString::number(bout.round()) + "!");
    say(QStringLiteral("Fight!\n"));
    bout.startRound();
    leadTo(&Module_UserEvents::stepMatch);
}

void Module_UserEvents::stepMatch()
{
    const BoutRunner::Happening happened = bout.step();
    matchOver = bout.isOver();
    switch (happened) {
    case BoutRunner::Happening::Step:
        refreshInstructionList();
        clockLabel->setText(clockText(bout.secondsLeft()));
        break;
    case BoutRunner::Happening::RoundEnded:
        refreshInstructionList();
        endRound();
        break;
    case BoutRunner::Happening::Stoppage:
        finishMatch();
        break;
    case BoutRunner::Happening::Decision:
        sayJudgeLines();
        finishMatch();
        break;
    case BoutRunner::Happening::ExtensionRound:
        sayJudgeLines();
        say(QStringLiteral("It's a draw! We are going to an extension round!\n"));
        beginNextRound();
        break;
    }
    instructionGiven = false;
}

void Module_UserEvents::endRound()
{
    showRoundAndClock();
    say(QStringLiteral("\n"));
    MatchEngine::Instance().getRoundEndCommentary();
    if (currentMatch.isPlayerMatch()) {
        // The tally of the player's bout waits for the corner.
        if (stepTimer->isActive())
            stopTimer();
        simToEndButton->hide();
        startTimerButton->hide();
        nextStepButton->setText(QStringLiteral("Tend to Fighter"));
        leadButtonTo(&Module_UserEvents::switchToCorner);
    } else {
        nextRoundOrTally();
    }
}

void Module_UserEvents::nextRoundOrTally()
{
    if (!bout.tallyDue()) {
        beginNextRound();
        return;
    }
    say(QStringLiteral("The judges are tallying their scorecards...\n"));
    bout.tally();
    matchOver = true;
}

void Module_UserEvents::sayJudgeLines()
{
    for (const QString &line : judgeLines(bout.cards(), fighterA->getFullName(), fighterB->getFullName()))
        say(line);
}

void Module_UserEvents::switchToMainCombat()
{
    applyCornerActions();
    cornerPage->hide();
    mainLayout->removeWidget(cornerPage);
    clearCorner();
    buildMainCombat();
    nextStepButton->setText(QStringLiteral("Next Step"));
    leadTo(&Module_UserEvents::stepMatch);
    showRoundAndClock();
    NameFields::showElided(nameLabelA, fighterA->getFullName());
    NameFields::showElided(nameLabelB, fighterB->getFullName());
    startTimerButton->show();
    simToEndButton->show();
    mainLayout->addWidget(combatPage);
    combatPage->show();
    nextRoundOrTally();
}

// --- Finishing a bout ------------------------------------------------------------

void Module_UserEvents::finishMatch()
{
    const BoutResult &result = bout.result();
    say(QStringLiteral("\n"));
    say(result.resultText);
    recordResult(result);
    moveOn();
}

void Module_UserEvents::recordResult(const BoutResult &result)
{
    const RecordedBout recorded
        = BoutRecording::record(World::Instance(), event, currentMatch.getType(), result,
                                BoutRecording::standingGap(*fighterA, *fighterB, result.winnerId));
    if (recorded.playerFighterId != 0) {
        summaryStatistics = MatchEngine::Instance().getFighterStatistics(recorded.playerFighterId);
        summaryResultText = recorded.playerLine;
    }
    if (recorded.booked.isEmpty()) {
        eventResults << recorded.matchLine + "\n";
        return;
    }
    eventResults << recorded.matchLine << recorded.booked + "\n";
    say(QStringLiteral("\n"));
    say(recorded.booked);
    rereadEvent();
}

void Module_UserEvents::rereadEvent()
{
    const QVector<Event> today = World::Instance().getTodaysPlayerEvents();
    const int found = BoutRecording::findEvent(today, event);
    if (found >= 0)
        event = today.at(found);
    matches = event.getMatches();
    fillMatchList();
    nextMatch = qBound(0, matchCount - 1, qMax(0, matches.size() - 1));
}

void Module_UserEvents::moveOn()
{
    ++nextMatch;
    if (nextMatch >= matches.size()) {
        concludeEvent();
        leadButtonTo(&Module_UserEvents::showFighterSummary);
        stopTimer();
        return;
    }
    leadTo(&Module_UserEvents::initializeNextMatch);
    if (stepTimer->isActive() && runEndsWithBout) {
        stopTimer();
        startTimerButton->show();
    }
}

// --- The end of the event --------------------------------------------------------

void Module_UserEvents::concludeEvent()
{
    const QString name = event.getName();
    say("\n\nLadies and gentlemen, this concludes " + name + ". I hope you enjoyed the event. \n");
    say("\n\n\n" + name + " results:\n");
    for (const QString &line : qAsConst(eventResults))
        say(line);
    startTimerButton->hide();
    simToEndButton->hide();
    BoutRecording::storeEventResults(World::Instance(), event, eventResults);
}

void Module_UserEvents::showFighterSummary()
{
    ModuleManager *manager = ModuleManager::Instance();
    if (event.isFantasy()) {
        manager->showTopMenu();
        World::Instance().purgeTemporaryAmateurs();
        manager->changeScreen(new Module_Profile);
        return;
    }
    manager->changeScreen(new Module_PostEvent(summaryStatistics, playerFighterId, summaryResultText));
}

// --- Corner ----------------------------------------------------------------------

int Module_UserEvents::cornerFighterId() const
{
    if (playerCorner == 0)
        return currentMatch.getIdA();
    if (playerCorner == 1)
        return currentMatch.getIdB();
    return 0;
}

int Module_UserEvents::managerAbility(int index) const
{
    QVector<int> stats;
    World::Instance().getManagerStats(stats);
    return stats.value(index);
}

void Module_UserEvents::switchToCorner()
{
    combatPage->hide();
    mainLayout->removeWidget(combatPage);
    clearMainCombat();
    buildCorner();
    mainLayout->addWidget(cornerPage);
    cornerPage->show();
}

void Module_UserEvents::createCornerWidgets()
{
    const int id = playerCorner == 0 ? fighterA->getId() : fighterB->getId();
    const QVector<int> statistics = MatchEngine::Instance().getFighterStatistics(id);

    auto *statusTitle = cornerWidgets.keep(new QLabel(QStringLiteral("Current Status")));
    statusPicture = cornerWidgets.keep(new QLabel, QStringLiteral("status_picture"));
    statusPicture->setFixedSize(220, 352);
    statusPicture->setScaledContents(true);
    auto *observationsTitle = cornerWidgets.keep(new QLabel(QStringLiteral("Observations")));
    observationsView = cornerWidgets.keep(new QTextEdit, QStringLiteral("observations_view"));
    observationsView->setReadOnly(true);
    strategyList = cornerWidgets.keep(new QListWidget, QStringLiteral("strategy_list"));
    // The longest instructions wrap instead of scrolling sideways.
    strategyList->setMinimumWidth(340);
    WrappedLines::apply(strategyList);
    WholeRows::keep(strategyList, StrategyRows);
    trainerPointsLabel = cornerWidgets.keep(new QLabel, QStringLiteral("trainer_points_label"));
    statusLayout->addWidget(statusTitle, 0, Qt::AlignHCenter);
    observationsLayout->addWidget(observationsTitle, 0, Qt::AlignHCenter);

    for (int row = 0; row < int(cornerBoxes.size()); ++row) {
        cornerBoxes[row] = cornerWidgets.keep(new QSpinBox, QString::fromLatin1(cornerBoxNames[row]));
        auto *label = cornerWidgets.make<QLabel>(QString::fromLatin1(cornerBoxLabels[row]));
        cornerActionsGrid->addWidget(label, row + 2, 0);
        cornerActionsGrid->addWidget(cornerBoxes[row], row + 2, 1);
    }
    StatisticsBox::build(cornerWidgets, statisticsBox, statistics);
}

void Module_UserEvents::buildCorner()
{
    createCornerWidgets();
    drawStatusPortraits();
    observationsLayout->addWidget(observationsView, 1);
    cornerActionsGrid->addWidget(strategyList, 0, 0, 1, 2);
    cornerActionsGrid->addWidget(trainerPointsLabel, 1, 0, 1, 2);
    refreshStrategyList();
    trainerPool.reset(new SkillPointPool(managerAbility(Manager::CorneringIndex),
                                         QVector<QSpinBox *>(cornerBoxes.begin(), cornerBoxes.end())));
    updateTrainerPoints(nullptr);

    nextStepButton->setText(QStringLiteral("Begin Next Round"));
    leadButtonTo(&Module_UserEvents::switchToMainCombat);
    connect(strategyList, &QListWidget::activated, this, &Module_UserEvents::cornerStrategy);
    for (QSpinBox *box : cornerBoxes)
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this,
                &Module_UserEvents::calculateTrainerPoints);

    cornerGrid->setRowStretch(0, 1);
    cornerGrid->setRowStretch(7, 1);
    cornerGrid->setColumnStretch(0, 1);
    cornerGrid->setColumnStretch(7, 1);
    put(cornerGrid, statusBox, 1, 1, 5, 2);
    put(cornerGrid, observationsBox, 1, 3, 5, 2);
    put(cornerGrid, statisticsBox, 1, 5, 3, 2);
    put(cornerGrid, cornerActionsBox, 4, 5, 2, 2);
    scoreboardGrid->removeWidget(nextStepButton);
    put(cornerGrid, nextStepButton, 6, 3, 1, 2);
}

void Module_UserEvents::drawStatusPortraits()
{
    QStringList texts;
    QVector<int> codes;
    MatchEngine::Instance().observeCondition(texts, codes, playerFighterId);
    for (const QString &text : qAsConst(texts))
        PlainText::append(observationsView, text);
    statusPicture->setPixmap(FighterPortrait::compose(statusLayers(codes)));
    statusLayout->addWidget(statusPicture);
}

void Module_UserEvents::clearCorner()
{
    trainerPool.reset();
    cornerWidgets.clear();
}

void Module_UserEvents::calculateTrainerPoints()
{
    updateTrainerPoints(qobject_cast<QSpinBox *>(sender()));
}

void Module_UserEvents::updateTrainerPoints(QSpinBox *changed)
{
    trainerPoints = trainerPool->recalculate(changed);
    trainerPointsLabel->setText("Trainer Points: " + QString::number(trainerPoints));
}

void Module_UserEvents::applyCornerActions()
{
    if (playerCorner != 0 && playerCorner != 1)
        return;
    MatchEngine::Instance().applyCornerActions(cornerBoxes.at(0)->value(), cornerBoxes.at(1)->value(),
                                               cornerBoxes.at(2)->value(), cornerBoxes.at(3)->value(),
                                               playerCorner == 0 ? fighterA->getId() : fighterB->getId());
}

void Module_UserEvents::refreshStrategyList()
{
    strategyList->clear();
    if (playerCorner != 2)
        strategyList->addItems(MatchEngine::Instance().getInstructionOptions(cornerFighterId()));
}

void Module_UserEvents::refreshInstructionList()
{
    instructionList->clear();
    if (playerCorner != 2)
        instructionList->addItems(MatchEngine::Instance().getInstructionOptions(cornerFighterId()));
}

void Module_UserEvents::cornerStrategy()
{
    if (playerCorner != 2 && strategyList->currentItem()) {
        MatchEngine::Instance().callInstruction(cornerFighterId(), strategyList->currentItem()->text(),
                                                managerAbility(Manager::MotivatingIndex), true);
    }
    refreshStrategyList();
}

void Module_UserEvents::callInstruction()
{
    if (playerCorner != 2 && !instructionGiven && instructionList->currentItem()) {
        if (MatchEngine::Instance().callInstruction(cornerFighterId(), instructionList->currentItem()->text(),
                                                    managerAbility(Manager::MotivatingIndex), false))
            refreshInstructionList();
    }
    instructionGiven = true;
}
