#include "MatchState.h"

#include "Entity_MatchFighter.h"
#include "FightMath.h"
#include "records/Fighter.h"

namespace {
int liveStates = 0;
}

MatchState::MatchState(Entity_MatchFighter *fighter)
    : mindset(0), fatigueLevel(0)
{
    ++liveStates;
    if (!fighter)
        return;
    fighter->getStrings(fighterStrings);
    fighter->getInts(attributes);
    mindset = fighter->getMindset();
    fatigueLevel = fighter->getFatigueLevel();
    style = fighterStrings.value(Fighter::StyleText);
}

MatchState::~MatchState()
{
    --liveStates;
}

int MatchState::liveCount()
{
    return liveStates;
}

void MatchState::enter(Entity_MatchFighter *) {}
void MatchState::execute(Entity_MatchFighter *) {}
void MatchState::exit(Entity_MatchFighter *) {}
void MatchState::onMessage(Entity_MatchFighter *, int) {}
void MatchState::onValue(Entity_MatchFighter *, int, int) {}

int MatchState::styleIndex() const
{
    return FightMath::styleIndex(style);
}
