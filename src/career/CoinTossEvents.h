#ifndef COINTOSSEVENTS_H
#define COINTOSSEVENTS_H

#include <QVector>

#include "DayRunner.h"

class World;

// A stand-in for fighting today's events, for headless runs (the soak test
// and the year benchmark): every filled bout of today's cards, the
// player's included, is decided by a coin toss instead of the match
// engine, and its result goes into the world as a fought bout's would:
// both fighters' records, title changes, tournament advances, the event's
// result lines and the roster's reputation labels. Open bouts stay unfought.
class CoinTossEvents
{
public:
    static QVector<EventResults> decide(World &world);
};

#endif // COINTOSSEVENTS_H
