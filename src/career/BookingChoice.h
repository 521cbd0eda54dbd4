#ifndef BOOKINGCHOICE_H
#define BOOKINGCHOICE_H

#include <QString>
#include <QVector>

#include "records/Event.h"
#include "records/Fighter.h"
#include "records/Organization.h"

// Who is tried for one open side of an organization's next event, in what
// kind of match, and whether the attempt is made at all.
struct BookingCandidate
{
    int id = 0;
    QString fullName;
    QString lastName;
    // On the organization's side his roster position (0 = best ranked); on
    // the player's side one less than the number of roster fighters ranked
    // ahead of him.
    int position = 0;
    QString matchType;
    bool playerFighter = false;
    bool goesAhead = false;
};

// What the choice reads of the event's card, worked out once per card.
struct CardFacts
{
    explicit CardFacts(const Event &event);
    bool championship;
    bool championshipOpen;
    bool qualifier;
    bool tournamentRound;
    // An open qualifier or quarterfinal.
    bool entriesOpen;
    bool singlesOpen;
    // Only the main event may still be open.
    bool complete;
};

// Chooses the candidate of one card-filling attempt. Title fights,
// tournaments and a card's last open bout go to the better ranked; the five
// best stay out of the undercard, and a lone title holder out of single
// matches. Draws only; changes nothing else.
class BookingChoice
{
public:
    BookingChoice(const Event &event, const Organization::Roster &roster,
                  const Organization::Titles &titles, int dayOfMonth);

    // The event changed (a fighter was booked).
    void setEvent(const Event &event) { card = CardFacts(event); }
    // Off for an attempt made within the same millisecond as the one before:
    // its reseeds are left out (their draws of K still taken).
    void setReseeding(bool on) { reseeding = on; }
    const CardFacts &facts() const { return card; }

    // One of the organization's fighters; false for an empty roster.
    // Positions in `remembered` failed earlier today and are stepped past.
    bool chooseOrganizationFighter(const QVector<int> &remembered, BookingCandidate &out) const;
    // One of the player's fighters signed to the organization (not empty).
    BookingCandidate choosePlayerFighter(const QVector<Fighter> &signedFighters) const;

private:
    void dayReseed(int width) const;
    int drawPosition(const QVector<int> &remembered) const;
    // A position drawn anew for a special bout, kept inside the roster.
    int drawTopPosition(int range) const;
    bool isLoneTitleHolder(const QString &fullName) const;
    static BookingCandidate candidate(const Fighter &fighter, int position, const QString &type,
                                      bool playerFighter);
    bool goesAhead(const BookingCandidate &chosen, bool singleMatchRule) const;

    const Organization::Roster &roster;
    const Organization::Titles &titles;
    const int day;
    CardFacts card;
    bool reseeding = true;
};

#endif // BOOKINGCHOICE_H
