#ifndef STATEFACTORY_H
#define STATEFACTORY_H

#include "match/Entity_MatchFighter.h"

// How the fight tables name the state to install next: a function that
// makes a new state of one class for a fighter.
typedef Entity_MatchFighter::FightState *(*StateFactory)(Entity_MatchFighter *);

template <class T>
Entity_MatchFighter::FightState *makeState(Entity_MatchFighter *fighter)
{
    return new T(fighter);
}

#endif // STATEFACTORY_H
