#ifndef STATE_H
#define STATE_H

// The state of one fighter in the ring. A fighter owns exactly one current
// state; states never hold a pointer to their fighter, they are handed it
// with every call. Messages between the two fighters go through the engine.
//
// A state that replaces itself (or triggers a replacement through the
// engine) must not touch its own members afterwards: it is retired by then.
template <class Entity>
class State
{
public:
    virtual ~State() {}

    // Runs once when installed by Entity::changeState (not by setState).
    virtual void enter(Entity *fighter) = 0;
    // One step of the fighter in this state.
    virtual void execute(Entity *fighter) = 0;
    // Runs just before changeState replaces the state.
    virtual void exit(Entity *fighter) = 0;
    // A MatchMessage code from the opponent's state.
    virtual void onMessage(Entity *fighter, int code) = 0;
    // A code with a value (accuracy, power, range answer, damage).
    virtual void onValue(Entity *fighter, int code, int value) = 0;
};

#endif // STATE_H
