#include "CareerRecordDraw.h"

#include <QtGlobal>

namespace {

// Change it and every record of the default world changes.
const quint64 RecordSeed = 20110101;

// Bouts a year of a career, and the bouts a young fighter can have had at
// most: two in his first year, four more in each further one.
const int FewestBoutsAYear = 2;
const int MostBoutsAYear = 4;
const int FirstYearBouts = 2;
int mostBoutsAt(int age)
{
    return FirstYearBouts + MostBoutsAYear * (age - CareerRecordDraw::DebutAge);
}

// The fewest bouts behind a title holder and behind the top of a ranking,
// as far as his age allows.
const int TitleHolderBouts = 10;
const int TopPlaceBouts = 6;

// Shares of bouts won, in thousandths: a title holder's, the top places',
// and the rest of a ranking from its best to its worst place, give or take
// the spread.
const int TitleHolderShare = 820;
const int TitleHolderShareSpread = 120;
const int TopPlaceShare = 740;
const int TopPlaceShareSpread = 140;
const int BestRestShare = 680;
const int WorstRestShare = 350;
const int RestShareSpread = 70;

// Knockouts as a share of the wins, in thousandths.
const int FewestKnockouts = 250;
const int KnockoutSpread = 450;

const int Thousand = 1000;

} // namespace

CareerRecordDraw::CareerRecordDraw(int fighterId)
    : state(RecordSeed * 0x100000001ULL + quint64(quint32(fighterId)))
{
}

// splitmix64: a whole sequence from any start, the same on every machine.
int CareerRecordDraw::roll(int n)
{
    state += 0x9E3779B97F4A7C15ULL;
    quint64 z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return n > 0 ? int(z % quint64(n)) : 0;
}

int CareerRecordDraw::bouts(const Standing &standing)
{
    if (standing.age < DebutAge)
        return 0;
    const int debut = qMin(standing.age, DebutAge + roll(3));
    const int perYear = FewestBoutsAYear + roll(MostBoutsAYear - FewestBoutsAYear + 1);
    const int drawn = (standing.age - debut) * perYear + roll(FirstYearBouts + 1);

    int fewest = 0;
    if (standing.holdsTitle)
        fewest = TitleHolderBouts;
    else if (standing.place < TopPlaces)
        fewest = TopPlaceBouts;
    return qMax(drawn, qMin(fewest, mostBoutsAt(standing.age)));
}

int CareerRecordDraw::winShare(const Standing &standing)
{
    if (standing.holdsTitle)
        return TitleHolderShare + roll(TitleHolderShareSpread + 1);
    if (standing.place < TopPlaces)
        return TopPlaceShare + roll(TopPlaceShareSpread + 1);
    // From the best of the rest down to the last place of the ranking.
    const int below = qMax(1, standing.rankingSize - 1 - TopPlaces);
    const int fromBest = qBound(0, standing.place - TopPlaces, below);
    const int share = BestRestShare - (BestRestShare - WorstRestShare) * fromBest / below;
    return share - RestShareSpread + roll(2 * RestShareSpread + 1);
}

CareerRecordDraw::Career CareerRecordDraw::draw(int fighterId, const Standing &standing)
{
    CareerRecordDraw random(fighterId);
    const int total = random.bouts(standing);
    const int share = random.winShare(standing);
    const int knockoutShare = FewestKnockouts + random.roll(KnockoutSpread + 1);

    Career career;
    career.wins = (total * share + Thousand / 2) / Thousand;
    career.losses = total - career.wins;
    career.knockouts = career.wins * knockoutShare / Thousand;
    return career;
}
