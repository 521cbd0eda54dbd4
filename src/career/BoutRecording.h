#ifndef BOUTRECORDING_H
#define BOUTRECORDING_H

#include <QString>
#include <QStringList>
#include <QVector>

struct BoutResult;
class Event;
class Fighter;
class World;

// What a screen shows of a recorded bout.
struct RecordedBout
{
    QString matchLine;        // type + " - " + result text; empty: not fought
    int tournamentWinner = 0; // after a qualifier, quarterfinal or semifinal
    QString booked;           // the tournament's booking line, if any
    int playerFighterId = 0;  // the player's fighter in the bout, if any,
    QString playerLine;       // and his record line
};

// A finished bout reaches the world the same way whether it was watched or
// fought unseen: both record lines with their endings, the standing
// exchange, the player's side (his record, the manager, his booking), the
// title and the tournament step. A fantasy match's fighters are nobody's
// and its organization exists nowhere, so nothing of it is written.
class BoutRecording
{
public:
    // The winner's standing less the loser's, read from the two corners.
    static int standingGap(const Fighter &a, const Fighter &b, int winnerId);
    // `bout` holds the engine's texts with the decision already named.
    static RecordedBout record(World &world, const Event &event, const QString &matchType,
                               const BoutResult &bout, int standingGap);
    // The card's lines go to the event; its fighters roll their labels.
    static void storeEventResults(World &world, const Event &event, const QStringList &lines);
    // The event in hand among events read afresh after a tournament step:
    // the first of its organization and name, else -1.
    static int findEvent(const QVector<Event> &events, const Event &event);
};

#endif // BOUTRECORDING_H
