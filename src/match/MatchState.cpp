#include "MatchState.h"

#include "Entity_MatchFighter.h"

#include <new>

namespace {
int liveStates = 0;

// Free lists of state memory by size, in steps of 16 bytes; a state
// larger than the last step goes to the heap as usual. The match engine is
// one per process and so are these lists; they go back to the heap at exit,
// after the engine and its states.
class StateMemory
{
public:
    static constexpr std::size_t Step = 16;
    static constexpr std::size_t Lists = 16;

    ~StateMemory()
    {
        for (Block *&head : heads) {
            while (head) {
                Block *next = head->next;
                ::operator delete(head);
                head = next;
            }
        }
    }

    void *take(std::size_t size)
    {
        const std::size_t list = listOf(size);
        if (list >= Lists)
            return ::operator new(size);
        if (Block *block = heads[list]) {
            heads[list] = block->next;
            return block;
        }
        return ::operator new((list + 1) * Step);
    }

    void give(void *memory, std::size_t size)
    {
        const std::size_t list = listOf(size);
        if (list >= Lists) {
            ::operator delete(memory);
            return;
        }
        Block *block = static_cast<Block *>(memory);
        block->next = heads[list];
        heads[list] = block;
    }

private:
    struct Block { Block *next; };

    static std::size_t listOf(std::size_t size) { return (size + Step - 1) / Step - 1; }

    Block *heads[Lists] = {};
};

StateMemory stateMemory;
}

void *MatchState::operator new(std::size_t size)
{
    return stateMemory.take(size);
}

void MatchState::operator delete(void *memory, std::size_t size)
{
    if (memory)
        stateMemory.give(memory, size);
}

MatchState::MatchState(Entity_MatchFighter *fighter)
    : snapshot(fighter ? fighter->snapshot() : &FighterSnapshot::ofBlankFighter()),
      ints(snapshot->ints.constData()), intCount(snapshot->ints.size()),
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
