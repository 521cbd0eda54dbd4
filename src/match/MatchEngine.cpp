#include "MatchEngine.h"

#include <QStringBuilder>

#include "Entity_MatchFighter.h"
#include "MatchMessage.h"
#include "attack/State_Atk_Out.h"
#include "defence/State_Def_Out.h"
#include "records/Fighter.h"
#include "records/GameRandom.h"

#include <algorithm>
#include <utility>

namespace {

// How a stoppage is named, by the winner's situation (the strike with which
// he scored the last knockdown). The clinch strike counts as an uppercut.
QString stoppageName(int strikeCode)
{
    switch (strikeCode) {
    case MatchMessage::Jab: return "KO(Jab)";
    case MatchMessage::Hook: return "KO(Hook)";
    case MatchMessage::Cross: return "KO(Cross)";
    case MatchMessage::Uppercut:
    case MatchMessage::DirtyBox: return "KO(Uppercut)";
    case MatchMessage::LowKick: return "TKO(Low Kick)";
    case MatchMessage::MidKick: return "TKO(Mid Kick)";
    case MatchMessage::HighKick: return "KO(High Kick)";
    case MatchMessage::FrontKick: return "TKO(Front Kick)";
    case MatchMessage::Knee: return "KO(Knee)";
    case MatchMessage::Elbow: return "KO(Elbow)";
    case MatchMessage::BodyPunch: return "TKO(Body Punch)";
    default: return "TKO"; // a stoppage not credited to a strike
    }
}

// What is said when a fighter goes down for the count-th time this round.
QString knockdownLine(const Fighter &fighter, int count)
{
    if (count == 3)
        return "That's the third time this round that " + fighter.getFullName()
            + " has gone down! This match is over!";
    if (count == 2)
        return "That's knockdown number two! One more and " + fighter.getLastName() + " is done!";
    return fighter.getLastName() + " has gone down! Will he be able to get up?";
}

QString twoDigits(int value)
{
    return value < 10 ? "0" + QString::number(value) : QString::number(value);
}

} // namespace

MatchEngine::MatchEngine()
    : attacker(nullptr), defender(nullptr), winner(nullptr), loser(nullptr),
      round(0), clock(0), matchOver(false), exchangeCount(0)
{
    std::fill(judgePoints, judgePoints + 6, 0);
    std::fill(knockdowns, knockdowns + 2, 0);
}

MatchEngine::~MatchEngine() = default;

// --- Bout control ----------------------------------------------------------

void MatchEngine::setupMatch(const Fighter &a, const Fighter &b,
                             std::unique_ptr<CommentarySink> sink)
{
    // The fight code draws from here on without reseeding.
    GameRandom::reseedWithClock();

    matchOver = false;
    std::fill(judgePoints, judgePoints + 6, 0);
    std::fill(knockdowns, knockdowns + 2, 0);
    attacker = defender = winner = loser = nullptr;
    exchangeCount = 0;

    // Without a sink nobody listens: the fighters build no commentary.
    const bool heard = sink != nullptr;
    const Fighter *sources[2] = {&a, &b};
    std::unique_ptr<Entity_MatchFighter> *corners[2] = {&fighterA, &fighterB};
    for (int i = 0; i < 2; ++i) {
        QStringList texts;
        QVector<int> ints;
        QDate birthday;
        QMultiMap<QDate, QString> history;
        QStringList titles;
        sources[i]->getData(texts, ints, birthday, history, titles);
        corners[i]->reset(new Entity_MatchFighter);
        // The fight never reads his history. Left out, the engine's
        // fighters share none with the roster, so the roster fighter's
        // result line is written without copying his whole history.
        (*corners[i])->setData(texts, ints, birthday, {}, titles);
        (*corners[i])->initHealth();
        (*corners[i])->setHeard(heard);
    }

    commentaryView = std::move(sink);
    round = 1;
    clock = RoundSeconds;
}

void MatchEngine::startRound()
{
    if (!fighterA || !fighterB)
        return;
    matchOver = false;
    std::fill(judgePoints, judgePoints + 6, 0);
    exchangeCount = 0;

    const int scoreA = fighterA->initiativeScore();
    const int scoreB = fighterB->initiativeScore();
    attacker = scoreA >= scoreB ? fighterA.get() : fighterB.get();
    defender = attacker == fighterA.get() ? fighterB.get() : fighterA.get();
    installRangeStates();
    fighterA->releaseRetiredStates();
    fighterB->releaseRetiredStates();
}

void MatchEngine::startNextRound()
{
    ++round;
    clock = RoundSeconds;
}

bool MatchEngine::step()
{
    if (!attacker || !defender)
        return matchOver;
    attacker->update();
    writeParagraph(attacker->takeCommentary());
    writeParagraph(defender->takeCommentary());
    // No state code is running any more: replaced states can go.
    fighterA->releaseRetiredStates();
    fighterB->releaseRetiredStates();
    return matchOver;
}

int MatchEngine::tickClock()
{
    clock -= GameRandom::roll(4) + 1;
    return clock;
}

void MatchEngine::swapRoles()
{
    std::swap(attacker, defender);
}

void MatchEngine::nextExchange()
{
    if (!attacker || !defender)
        return;
    swapRoles();
    installRangeStates();
    exchangeCount = 0;
}

void MatchEngine::endMatch(Entity_MatchFighter *fallen)
{
    if (!attacker || !defender)
        return;
    if (fallen && fallen == fighterA.get()) {
        loser = fighterA.get();
        winner = fighterB.get();
    } else if (fallen && fallen == fighterB.get()) {
        loser = fighterB.get();
        winner = fighterA.get();
    }
    installRangeStates();
    matchOver = true;
}

void MatchEngine::installRangeStates()
{
    attacker->setState(new State_Atk_Out(attacker));
    defender->setState(new State_Def_Out(defender));
}

void MatchEngine::sendMessageToDefender(int code)
{
    if (defender)
        defender->handleMessage(code);
}

void MatchEngine::sendMessageToAttacker(int code)
{
    if (attacker)
        attacker->handleMessage(code);
}

void MatchEngine::sendValueToDefender(int code, int value)
{
    if (defender)
        defender->handleValue(code, value);
}

void MatchEngine::addCommentary(Entity_MatchFighter *who, const QString &text)
{
    Q_UNUSED(who);
    writeParagraph(text);
}

void MatchEngine::writeParagraph(const QString &text)
{
    if (commentaryView)
        commentaryView->addParagraph(text);
}

void MatchEngine::announceKnockdown(Entity_MatchFighter *fighter)
{
    int corner = -1;
    if (fighter && fighter == fighterA.get())
        corner = 0;
    else if (fighter && fighter == fighterB.get())
        corner = 1;

    if (corner >= 0) {
        fighter->setSituation(4);
        const int count = ++knockdowns[corner];
        if (fighter->isHeard())
            fighter->appendCommentary(knockdownLine(*fighter, count));
    }

    Entity_MatchFighter *corners[2] = {fighterA.get(), fighterB.get()};
    for (int i = 0; i < 2; ++i) {
        if (knockdowns[i] > 2 && corners[i]) {
            corners[i]->setSituation(5);
            endMatch(corners[i]);
            return;
        }
    }
}

// --- Judging, results and statistics ---------------------------------------

void MatchEngine::scoreJudges(Entity_MatchFighter *fighter, int n)
{
    GameRandom::roll(n); // the spread between the judges' reseeds; drawn as ever
    int first = -1;
    if (fighter && fighter == fighterA.get())
        first = 0;
    else if (fighter && fighter == fighterB.get())
        first = 3;
    if (first < 0)
        return;
    for (int judge = 0; judge < 3; ++judge)
        judgePoints[first + judge] += GameRandom::roll(n);
}

QVector<int> MatchEngine::getRoundStatistics()
{
    QVector<int> figures = getJudgePoints();
    figures << knockdowns[0] << knockdowns[1];
    knockdowns[0] = knockdowns[1] = 0;
    return figures;
}

QVector<int> MatchEngine::getJudgePoints() const
{
    QVector<int> points;
    for (int value : judgePoints)
        points << value;
    return points;
}

void MatchEngine::getRoundEndCommentary()
{
    if (!commentaryView)
        return;
    writeParagraph("The bell rings to end the round, and the fighters move to their corners...");
    if (!fighterA || !fighterB)
        return;
    const int sumA = judgePoints[0] + judgePoints[1] + judgePoints[2];
    const int sumB = judgePoints[3] + judgePoints[4] + judgePoints[5];
    const int difference = sumA - sumB;
    const QString leader = (sumA > sumB ? fighterA : fighterB)->getFullName();
    if (difference >= -15 && difference <= 15)
        writeParagraph("Pretty even round.\n\n");
    else if (difference >= -50 && difference <= 50)
        writeParagraph("That was likely " + leader + "'s round.\n\n");
    else
        writeParagraph("That was definitely " + leader + "'s round.\n\n");
}

void MatchEngine::decideByScore(int a, int b)
{
    endMatch(a < b ? fighterA.get() : fighterB.get());
}

QString MatchEngine::getResultText(int *winnerId, QString *winnerLine,
                                   int *loserId, QString *loserLine)
{
    if (!winner || !loser)
        return QString();
    if (winnerId)
        *winnerId = winner->getId();
    if (loserId)
        *loserId = loser->getId();

    // Built with QStringBuilder (%): one allocation a text, every bout.
    const QString winnerName = winner->getFullName();
    const QString loserName = loser->getFullName();
    QString method;
    QString time;
    if (loser->getSituation() != 5) {
        method = QStringLiteral("Decision");
        clock = RoundSeconds;
        time = QStringLiteral("3:00");
    } else {
        method = stoppageName(winner->getSituation());
        const int elapsed = RoundSeconds - clock;
        time = QString::number(elapsed / 60) % QLatin1Char(':') % twoDigits(elapsed % 60);
    }
    const QString roundText = QString::number(round);
    const QString linePart = QLatin1String(" - ") % method % QLatin1String(" - Rd. ") % roundText
        % QLatin1Char('(') % time % QLatin1Char(')');
    if (winnerLine)
        *winnerLine += QLatin1String("Win: ") % loserName % linePart;
    if (loserLine)
        *loserLine += QLatin1String("Loss: ") % winnerName % linePart;
    return winnerName % QLatin1String(" defeated ") % loserName % QLatin1String(" by ") % method
        % QLatin1String(" in ") % time % QLatin1String(" of Round ") % roundText % QLatin1Char('.');
}

QVector<int> MatchEngine::getFighterStatistics(int id) const
{
    QVector<int> figures;
    if (Entity_MatchFighter *fighter = cornerWithId(id))
        fighter->getStatistics(figures);
    return figures;
}

// --- Corner work -----------------------------------------------------------

Entity_MatchFighter *MatchEngine::cornerWithId(int id) const
{
    if (fighterA && fighterA->getId() == id)
        return fighterA.get();
    if (fighterB && fighterB->getId() == id)
        return fighterB.get();
    return nullptr;
}

QStringList MatchEngine::getInstructionOptions(int id) const
{
    Entity_MatchFighter *fighter = cornerWithId(id);
    return Entity_MatchFighter::instructionOptions(fighter ? fighter->getMindset() : 0);
}

bool MatchEngine::callInstruction(int id, const QString &text, int cornerValue, bool forced)
{
    Entity_MatchFighter *fighter = cornerWithId(id);
    return fighter && fighter->callInstruction(text, cornerValue, forced);
}

void MatchEngine::observeCondition(QStringList &texts, QVector<int> &codes, int id) const
{
    if (Entity_MatchFighter *fighter = cornerWithId(id))
        fighter->observeCondition(texts, codes);
}

void MatchEngine::applyCornerActions(int heal, int water, int motivate, int strategy, int id)
{
    if (Entity_MatchFighter *fighter = cornerWithId(id))
        fighter->recoverBetweenRounds(heal, water, motivate, strategy);
}
