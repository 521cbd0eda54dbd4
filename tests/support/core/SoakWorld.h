#ifndef SOAKWORLD_H
#define SOAKWORLD_H

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

class World;

// A whole small world for running many days headless: eight organizations
// of every tier with rosters from empty to full, a year of events each
// (single cards, title fights, a tournament's qualifiers and its finals
// day), a free-agent pool, amateurs, and three of the player's fighters.
// Writes the generator's nations and name files into ./Resources first.
namespace SoakWorld {

// The world on 1 January of `year`, its events in that year.
World &build(int year, unsigned int seed);

// Every fighter of the world outside the gym's students: id -> full name,
// with the place he is in ("O1", "Free Agent", "Amateur", "Player").
struct Census
{
    QMap<int, QString> names;
    // Ids found in more than one place, or twice in one.
    QStringList duplicates;
};
Census census();

// The day's rules of a consistent world; each breach as one line.
QStringList breaches();

// What a run of days did.
struct Totals
{
    int days = 0;
    qint64 milliseconds = 0;
    qint64 worstDayMilliseconds = 0;
    int bookings = 0;
    int bouts = 0;
    int titleBouts = 0;
    // Tournament finals fought.
    int finals = 0;
    int tournamentSteps = 0;
    // Bouts of today's cards left unfought (an open side, or a fighter no
    // longer on the roster).
    int skippedBouts = 0;
    int signings = 0;
    int retirements = 0;
    int newProfessionals = 0;
    int newStudents = 0;
    int fightersLeft = 0;
    QString summary() const;
};

// Runs the headless day, today's bouts fought unseen (the player's decided
// by a coin toss), until the
// date reaches `end`, checking the world after every day: its rules, and
// that everybody who is gone retired that day. Stops at the first breach
// and returns it; empty when every day passed.
QString run(World &world, const QDate &end, Totals &totals);

} // namespace SoakWorld

#endif // SOAKWORLD_H
