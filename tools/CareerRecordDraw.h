#ifndef CAREERRECORDDRAW_H
#define CAREERRECORDDRAW_H

#include <QtGlobal>

// The fight record (wins, losses, knockouts) a professional of the default
// world starts the game with, drawn to fit his age, his place in his
// ranking and the titles he holds. Only the counts are drawn: no history
// line goes with them.
//
// The draw has a generator of its own, started for each fighter from a
// fixed seed and his id, so a record never depends on the order fighters
// are made in nor on the game's own random numbers.
class CareerRecordDraw
{
public:
    struct Career
    {
        int wins = 0;
        int losses = 0;
        int knockouts = 0;
        int bouts() const { return wins + losses; }
    };

    struct Standing
    {
        int age = 0;
        int place = 0;       // in his ranking, 0 for the best
        int rankingSize = 1;
        bool holdsTitle = false;
    };

    // The places at the top of a ranking that carry a clearly winning record.
    static const int TopPlaces = 5;
    // Professionals turn professional at this age at the earliest.
    static const int DebutAge = 18;

    static Career draw(int fighterId, const Standing &standing);

private:
    explicit CareerRecordDraw(int fighterId);
    int roll(int n);
    int bouts(const Standing &standing);
    int winShare(const Standing &standing);

    quint64 state;
};

#endif // CAREERRECORDDRAW_H
