#include "BookingChoice.h"

#include "records/GameRandom.h"
#include "records/Match.h"

#include <algorithm>
#include <iterator>

namespace {

// The best-ranked positions kept out of single matches while more than the
// main event is open.
const int TopPositions = 4;
// Positions drawn anew for the special bouts: the best 10 for a title
// fight or the main event, 16 for a qualifier, 8 for a quarterfinal.
const int ChampionshipRange = 10;
const int QualifierRange = 16;
const int QuarterfinalRange = 8;
const int MainEventRange = 10;
// A shift that leaves the roster draws again. Within one millisecond the
// reseeds repeat themselves and so does the redraw: after a few of them the
// position is drawn plainly, instead of spinning until the clock moves on.
const int MaxRedraws = 8;

} // namespace

CardFacts::CardFacts(const Event &event)
    : championship(event.hasChampionshipMatch()),
      championshipOpen(!event.championshipMatchesFilled()),
      qualifier(event.hasTournamentQualifier()),
      tournamentRound(event.hasTournamentRound()),
      entriesOpen(!event.tournamentEntriesFilled()),
      singlesOpen(!event.singleMatchesFilled()),
      complete(event.isCardComplete())
{
}

BookingChoice::BookingChoice(const Event &event, const Organization::Roster &roster,
                             const Organization::Titles &titles, int dayOfMonth)
    : roster(roster), titles(titles), day(dayOfMonth), card(event)
{
}

// K = qrand() % width reseeds from the clock's milliseconds plus day x k,
// k running down to 1: only the last counts.
void BookingChoice::dayReseed(int width) const
{
    const int count = GameRandom::roll(width);
    if (reseeding)
        GameRandom::reseedBurst(count, day, false);
}

int BookingChoice::drawPosition(const QVector<int> &remembered) const
{
    const int size = roster.size();
    for (int redraw = 0;; ++redraw) {
        int p = GameRandom::roll(size);
        if (remembered.contains(p))
            p += 2;
        dayReseed(10);
        const int direction = GameRandom::roll(10);
        dayReseed(10);
        const int shift = GameRandom::roll(7);
        // Four times in five the shift goes towards the better ranked.
        p += direction == 2 || direction == 3 ? shift : -shift;
        if (p >= 0 && p < size)
            return p;
        if (redraw >= MaxRedraws)
            return GameRandom::roll(size);
    }
}

int BookingChoice::drawTopPosition(int range) const
{
    return GameRandom::roll(std::min(range, int(roster.size())));
}

bool BookingChoice::isLoneTitleHolder(const QString &fullName) const
{
    return titles.size() == 1 && !titles.firstKey().contains("Grand Prix") && titles.first() == fullName;
}

BookingCandidate BookingChoice::candidate(const Fighter &fighter, int position, const QString &type,
                                           bool playerFighter)
{
    BookingCandidate made;
    made.id = fighter.getId();
    made.fullName = fighter.getFullName();
    made.lastName = fighter.getLastName();
    made.position = position;
    made.matchType = type;
    made.playerFighter = playerFighter;
    return made;
}

// Title fights and tournament entries always go ahead; a single match not
// for a lone title holder, and otherwise as the side's rule says.
bool BookingChoice::goesAhead(const BookingCandidate &chosen, bool singleMatchRule) const
{
    if (chosen.matchType != MatchType::Single)
        return true;
    return !isLoneTitleHolder(chosen.fullName) && singleMatchRule;
}

bool BookingChoice::chooseOrganizationFighter(const QVector<int> &remembered, BookingCandidate &out) const
{
    if (roster.isEmpty())
        return false;
    dayReseed(20);
    int p = drawPosition(remembered);

    QString type = MatchType::Single;
    if (card.championship) {
        if (card.championshipOpen) {
            p = drawTopPosition(ChampionshipRange);
            type = MatchType::Championship;
        }
    } else if (card.qualifier) {
        if (card.entriesOpen) {
            p = drawTopPosition(QualifierRange);
            type = MatchType::Qualifier;
        }
    } else if (card.tournamentRound) {
        if (card.entriesOpen) {
            p = drawTopPosition(QuarterfinalRange);
            type = MatchType::Quarterfinal;
        }
    } else if (card.complete) {
        p = drawTopPosition(MainEventRange);
    }

    out = candidate(*std::next(roster.constBegin(), p), p, type, false);
    out.goesAhead = goesAhead(out, p > TopPositions || card.complete);
    return true;
}

BookingCandidate BookingChoice::choosePlayerFighter(const QVector<Fighter> &signedFighters) const
{
    const int count = GameRandom::roll(20);
    if (reseeding)
        GameRandom::reseedBurst(count, 0, true);
    const Fighter &fighter = signedFighters.at(GameRandom::roll(signedFighters.size()));

    int p = -1;
    for (const Fighter &member : roster) {
        if (member.getStanding() >= fighter.getStanding())
            break;
        ++p;
    }

    QString type = MatchType::Single;
    if (card.championship) {
        if (p < ChampionshipRange && card.championshipOpen)
            type = MatchType::Championship;
    } else if (card.qualifier) {
        if (card.entriesOpen && p < QualifierRange)
            type = MatchType::Qualifier;
    } else if (card.tournamentRound) {
        if (card.entriesOpen && p < QuarterfinalRange)
            type = MatchType::Quarterfinal;
    }

    BookingCandidate chosen = candidate(fighter, p, type, true);
    // The best placed of the player's fighters wait for the main event, the
    // others for the undercard.
    chosen.goesAhead = goesAhead(chosen, p <= TopPositions ? card.complete : !card.complete);
    return chosen;
}
