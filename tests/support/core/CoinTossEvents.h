#ifndef COINTOSSEVENTS_H
#define COINTOSSEVENTS_H

#include <QVector>

#include "career/DayRunner.h"

class World;

// A stand-in for fighting today's events in the tests, where a run has no
// event screen for the player's cards: every filled bout of today's cards,
// the player's included, is decided by a coin toss instead of the match
// engine, and its result goes into the world as a fought bout's would:
// both fighters' records, title changes, tournament advances, the event's
// result lines and the roster's reputation labels. Open bouts stay unfought.
class CoinTossEvents
{
public:
    static QVector<EventResults> decide(World &world);
    // Today's events with the player's fighters only.
    static QVector<EventResults> decidePlayerEvents(World &world);
    // The day as the game runs it, without the event screen: the player's
    // cards by the coin toss, every other card fought unseen.
    static QVector<EventResults> decideWithUnseenBouts(World &world);
};

#endif // COINTOSSEVENTS_H
