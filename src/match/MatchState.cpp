#include "MatchState.h"

#include "Entity_MatchFighter.h"

namespace {
int liveStates = 0;
}

MatchState::MatchState(Entity_MatchFighter *fighter)
    : snapshot(fighter ? fighter->snapshot() : FighterSnapshot::empty()),
      mindset(fighter ? fighter->getMindset() : 0),
      fatigueLevel(fighter ? fighter->getFatigueLevel() : 0)
{
    ++liveStates;
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
