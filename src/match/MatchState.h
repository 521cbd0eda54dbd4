#ifndef MATCHSTATE_H
#define MATCHSTATE_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstddef>

#include "FightAttribute.h"
#include "FighterSnapshot.h"
#include "State.h"

class Entity_MatchFighter;

// Common base of every fight state: the snapshot of its fighter taken when
// the state is made (texts, the 95 whole numbers, mindset, fatigue level,
// style). Later changes of the fighter do not reach it. Health, stamina,
// situation and the action value are always read from the fighter. The
// texts and numbers are the fighter's shared snapshot of that moment, so
// making a state copies none of them.
//
// Every operation does nothing unless a state overrides it, so a code a
// state does not handle is ignored.
class MatchState : public State<Entity_MatchFighter>
{
public:
    explicit MatchState(Entity_MatchFighter *fighter);
    ~MatchState() override;

    void enter(Entity_MatchFighter *fighter) override;
    void execute(Entity_MatchFighter *fighter) override;
    void exit(Entity_MatchFighter *fighter) override;
    void onMessage(Entity_MatchFighter *fighter, int code) override;
    void onValue(Entity_MatchFighter *fighter, int code, int value) override;

    // The snapshot's whole number at index `index` of the fighter's vector
    // (0 age .. 4 + k attribute k .. 87 head durability, 88 body
    // durability, 93 id, 94 standing); 0 outside the vector.
    int attr(int index) const { return unsigned(index) < unsigned(intCount) ? ints[index] : 0; }
    int attribute(FightAttribute::Name name) const { return attr(FightAttribute::inVector(name)); }
    // What keeps a hurt fighter steady.
    int steadiness() const
    {
        return attribute(FightAttribute::Heart) + attribute(FightAttribute::Drive)
            + attribute(FightAttribute::Discipline);
    }
    int snapshotMindset() const { return mindset; }
    int snapshotFatigueLevel() const { return fatigueLevel; }
    const QString &snapshotStyle() const { return snapshot->style; }
    const QVector<int> &snapshotInts() const { return snapshot->ints; }
    // Position of the snapshot's style in the seven styles, -1 if none.
    int styleIndex() const { return snapshot->styleIndex; }

    MatchState(const MatchState &) = delete;
    MatchState &operator=(const MatchState &) = delete;

    // How many states exist right now; lets tests find leaked states.
    static int liveCount();

    // A bout makes and drops a state at nearly every step, so their memory
    // is kept on free lists by size instead of going back to the heap.
    static void *operator new(std::size_t size);
    static void operator delete(void *memory, std::size_t size);

private:
    const FighterSnapshot *snapshot; // owned by the fighter, who outlives his states
    // The snapshot's numbers, read directly: attr is the states' most
    // frequent call.
    const int *ints;
    int intCount;
    int mindset;
    int fatigueLevel;
};

#endif // MATCHSTATE_H
