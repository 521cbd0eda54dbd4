#ifndef UNSEENBOUTS_H
#define UNSEENBOUTS_H

#include <QString>
#include <QVector>

#include "BoutRecording.h"
#include "DayRunner.h"

class Event;
class Match;
class World;

// Today's events of the organizations fought out unseen on the match
// engine, card by card: both records, the standing exchange, titles,
// tournament steps (a round filled by a win is fought in the same pass),
// the event's result lines and the roster's reputation labels. The
// player's events are played on the event screen and are not touched.
//
// A bout with an open side, or naming someone not on the organization's
// roster today, is not fought: no line, nothing recorded.
class UnseenBouts
{
public:
    struct Counts
    {
        int fought = 0;
        int skipped = 0;
    };

    // The next day's events step (see DayRunner).
    static QVector<EventResults> decide(World &world);
    // The same, counting the bouts fought and skipped into `counts`.
    static QVector<EventResults> decideCounting(World &world, Counts &counts);

    // Fights one bout of the event and records it; an empty match line
    // when the bout is not fought.
    static RecordedBout simulateMatch(World &world, const Event &event, const Match &match);
};

#endif // UNSEENBOUTS_H
