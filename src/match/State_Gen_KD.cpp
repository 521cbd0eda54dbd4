#include "State_Gen_KD.h"

#include "Entity_MatchFighter.h"
#include "MatchEngine.h"
#include "MatchMessage.h"
#include "records/GameRandom.h"

namespace {

const ResultState::NamedLine StayDownLines[5] = {
    {"", false, " stays down, and it is over! "},
    {"", true, " isn't able to beat the count. "},
    {"", false, " can't get up, and this match is over. "},
    {"", false, " is done, and the referee waves the match off. "},
    {"", true, " won't be getting up any time soon, and the bell rings to end the match. "},
};

const char *const GetUpTexts[5] = {
    " gets up! ",
    " musters up the courage to pick himself up off the mat! ",
    " is up and ready to keep fighting! ",
    " gets up, and looks like he's ready to fire back! ",
    " rises up, and continues the match. ",
};

const int FirstCountToRise = 4;
const int CountOut = 10;

} // namespace

State_Gen_KD::State_Gen_KD(Entity_MatchFighter *fighter)
    : ResultState(fighter), count(0)
{
}

void State_Gen_KD::enter(Entity_MatchFighter *fighter)
{
    fighter->countKnockdown(0);
    fighter->setSituation(4);
    MatchEngine::Instance().sendMessageToAttacker(MatchMessage::Knockdown);
}

// The striker answers the knockdown with his strike code: the fallen
// fighter takes over the attacker's role so that the steps run his count.
void State_Gen_KD::onMessage(Entity_MatchFighter *fighter, int code)
{
    fighter->setSituation(code);
    MatchEngine::Instance().swapRoles();
}

void State_Gen_KD::execute(Entity_MatchFighter *fighter)
{
    using namespace FightAttribute;
    int check = 200 - attribute(Sturdiness) - attribute(Heart) + 2 * (GameRandom::roll(20) + 1);
    check += 200 - attribute(Composure) - attribute(Drive) + 2 * (GameRandom::roll(20) + 1);
    const int spread = GameRandom::draw() % 50;

    ++count;
    if (fighter->isHeard())
        fighter->appendCommentary(QString::number(count) + "..... ");
    const bool down = fighter->checkKnockdown(check - 1 - attribute(Discipline) - spread);

    MatchEngine &engine = MatchEngine::Instance();
    if (down && count >= CountOut) {
        commentOneOf(fighter, StayDownLines, 5);
        fighter->setSituation(5);
        engine.endMatch(fighter);
    } else if (!down && count >= FirstCountToRise) {
        commentOneOf(fighter, GetUpTexts);
        fighter->changeStamina(-((100 - attr(Fighter::BodyDurabilityIndex)) / 10));
        engine.nextExchange();
    }
}
