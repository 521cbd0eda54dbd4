#ifndef LIVEEVENTFIXTURES_H
#define LIVEEVENTFIXTURES_H

#include <QString>
#include <QVector>

#include "records/Event.h"
#include "records/Match.h"

// A small world with one of the player's events on today's card, for the
// tests of the live event screen, the post-event screen and the bouts
// nobody watches: the manager, the gym, the league with its roster and the
// player's fighter Al Ray signed to it.
namespace LiveEventFixtures {

extern const QString League;         // "Test League"
extern const QString Title;          // "Test League World Championship"
extern const QString EventName;      // "Fight Night 1"
const int PlayerId = 1100;           // Al Ray, standing 250
// The league's roster: ids 1200 + i, standings 100 * (i + 1), i from 0.
const int RosterSize = 6;
int rosterId(int i);
QString rosterName(int i);           // "Bo Lee", "Cy Orr", "Di Poe", ...

// Bouts of the league's fighters; `player` marks a bout of Al Ray's.
Match bout(const QString &type, int idA, int idB, bool player = false);
// Two roster bouts with Al Ray's single match against Bo Lee in the middle;
// the last bout is the main event.
QVector<Match> threeBoutCard();
// A roster bout, then Bo Lee against Al Ray for the title (Al Ray second).
QVector<Match> championshipCard();
// Al Ray against Bo Lee and Cy Orr against Di Poe in the quarterfinals,
// then the open semifinal of the two winners.
QVector<Match> tournamentCard();

// A fresh world as above with `card` as the league's event today (name
// EventName unless given, title at stake `title`), the event flagged as
// holding the player's fighter. The manager's Cornering and Motivating
// are as given, his other skills 0; Al Ray's attributes are all
// `playerAttribute` (the roster's 40). Returns the event as the world
// answers it among today's player events.
Event install(const QVector<Match> &card, const QString &title = "No Title", int cornering = 3,
              int motivating = 5, const QString &name = EventName, int playerAttribute = 40);
// A fresh world with Al Ray alone and the fantasy match of his against an
// imported fighter, Imp Ort unless named (the temporary ids -116 and -117).
Event installFantasy(int cornering = 3, int motivating = 5, const QString &firstName = "Imp",
                     const QString &lastName = "Ort");
// Sets the manager's Cornering and Motivating abilities.
void setManagerAbilities(int cornering, int motivating);

} // namespace LiveEventFixtures

#endif // LIVEEVENTFIXTURES_H
