#include "Event.h"

#include "GameDataStream.h"

namespace {

const char VersusSeparator[] = " vs. ";

// A match type with its length known when compiling, so that the card's
// walk measures nothing.
template <int Size>
constexpr QLatin1String typeName(const char (&type)[Size])
{
    return QLatin1String(type, Size - 1);
}

bool isOneOf(const QString &type, std::initializer_list<QLatin1String> types)
{
    for (const QLatin1String &candidate : types) {
        if (type == candidate)
            return true;
    }
    return false;
}

} // namespace

Event::Event()
    : playerFighterOnCard(false)
{
}

void Event::getTexts(QStringList &out) const
{
    out << name << organization << place << tier << kind << title;
}

void Event::getData(QStringList &texts, QDate &dateOut, QVector<Match> &matches,
                    QStringList &lines, bool &flag) const
{
    getTexts(texts);
    dateOut = date;
    matches << card;
    lines << resultLines;
    flag = playerFighterOnCard;
}

bool Event::setData(const QStringList &texts, const QDate &dateIn, const QVector<Match> &matches,
                    const QStringList &lines, bool flag)
{
    if (texts.size() < TextCount)
        return false;
    name = texts.at(NameText);
    organization = texts.at(OrganizationText);
    place = texts.at(PlaceText);
    tier = texts.at(TierText);
    kind = texts.at(KindText);
    title = texts.at(TitleText);
    date = dateIn;
    card << matches;
    resultLines << lines;
    playerFighterOnCard = flag;
    return true;
}

// The type is looked at first: most matches are of another type, and those
// need not be asked whether they are filled.
bool Event::hasMatchOf(std::initializer_list<QLatin1String> types, bool openOnly) const
{
    for (const Match &match : card) {
        if (isOneOf(match.getType(), types) && !(openOnly && match.isFilled()))
            return true;
    }
    return false;
}

bool Event::hasTournamentQualifier() const { return hasMatchOf({typeName(MatchType::Qualifier)}); }
bool Event::hasChampionshipMatch() const { return hasMatchOf({typeName(MatchType::Championship)}); }
bool Event::hasTournamentRound() const
{
    return hasMatchOf({typeName(MatchType::Quarterfinal), typeName(MatchType::Semifinal),
                       typeName(MatchType::Final)});
}
bool Event::singleMatchesFilled() const { return !hasMatchOf({typeName(MatchType::Single)}, true); }
bool Event::championshipMatchesFilled() const
{
    return !hasMatchOf({typeName(MatchType::Championship)}, true);
}
// The matches that take new tournament entrants (the later rounds are filled
// by the winners).
bool Event::tournamentEntriesFilled() const
{
    return !hasMatchOf({typeName(MatchType::Qualifier), typeName(MatchType::Quarterfinal)}, true);
}

bool Event::isCardComplete() const
{
    for (int i = 0; i + 1 < card.size(); ++i) {
        if (!card.at(i).isFilled())
            return false;
    }
    return true;
}

bool Event::isCardFilled() const
{
    for (const Match &match : card) {
        if (!match.isFilled())
            return false;
    }
    return true;
}

bool Event::holdsFighter(int id) const
{
    for (const Match &match : card) {
        if (match.getIdA() == id || match.getIdB() == id)
            return true;
    }
    return false;
}

// A winner moving on to a later round of the bracket may already be on the
// card, and may be the second of the player's fighters on it.
bool Event::isMovingUpBracket(const QString &matchType) const
{
    return hasTournamentRound()
        && (matchType == MatchType::Semifinal || matchType == MatchType::Final);
}

void Event::withdrawFighter(int id, bool clearFlag)
{
    for (Match &match : card) {
        if (match.getIdA() == id || match.getIdB() == id) {
            match.withdraw(id, clearFlag);
            if (clearFlag)
                playerFighterOnCard = false;
            return;
        }
    }
}

bool Event::placeFighter(int id, const QString &fighterName, const QString &matchType, bool playerFlag)
{
    const bool movingUp = isMovingUpBracket(matchType);
    if (holdsFighter(id) && !movingUp)
        return false;
    const bool taken = playerFighterOnCard && !movingUp;
    if (playerFlag && taken)
        return false;
    for (Match &match : card) {
        if (match.getType() == matchType && match.addFighter(id, fighterName, playerFlag)) {
            if (!playerFighterOnCard)
                playerFighterOnCard = playerFlag;
            return true;
        }
    }
    return false;
}

QString Event::mainEventName(const QString &first, const QString &second) const
{
    return organization + ": " + first + VersusSeparator + second;
}

// The opponent's part of a name made by mainEventName; a null text when the
// name does not have that form (a rolled-over or data-given name).
QString Event::opponentInName() const
{
    const int at = name.indexOf(VersusSeparator);
    if (at < 0)
        return QString();
    return name.mid(at + int(qstrlen(VersusSeparator)));
}

// Names a single event after its main event once a fighter is booked into
// it: "<organization>: <side A> vs. <side B>". The opponent is whatever
// follows " vs. " (organization and fighter names may hold dots); a name
// without " vs. " is built afresh from the card.
void Event::nameAfterMainEvent(const QString &fighterName)
{
    if (card.isEmpty() || hasTournamentQualifier() || hasTournamentRound())
        return;
    QStringList texts;
    card.last().getTexts(texts);
    const QString sideA = texts.at(Match::FighterAText);
    const QString sideB = texts.at(Match::FighterBText);
    const QString opponent = opponentInName();

    if (sideB.contains(fighterName)) {
        if (opponent.isNull())
            name = mainEventName(sideA, fighterName);
        else
            name = name.left(name.size() - opponent.size()) + fighterName;
    } else if (sideA.contains(fighterName)) {
        if (sideB.contains(Match::OpenName))
            name = mainEventName(fighterName, Match::OpenName);
        else
            name = mainEventName(fighterName, opponent.isNull() ? sideB : opponent);
    }
}

void Event::rollOverYear()
{
    const QDate oldDate = date;
    date = date.addYears(1);
    if (name.contains("vs.")) {
        name = organization + (hasChampionshipMatch() ? " Championship Fight" : " Event");
    } else {
        const QString oldYear = QString::number(oldDate.year());
        const QString newYear = QString::number(date.year());
        name.replace(oldYear, newYear);
        if (hasTournamentRound())
            title.replace(oldYear, newYear);
    }
    for (Match &match : card)
        match.reset();
    resultLines.clear();
    playerFighterOnCard = false;
}

bool Event::operator==(const Event &other) const
{
    return name == other.name && organization == other.organization && place == other.place
        && tier == other.tier && kind == other.kind && title == other.title
        && date == other.date && card == other.card && resultLines == other.resultLines
        && playerFighterOnCard == other.playerFighterOnCard;
}

QDataStream &operator<<(QDataStream &out, const Event &event)
{
    QStringList texts;
    QDate date;
    QVector<Match> card;
    QStringList lines;
    bool flag = false;
    event.getData(texts, date, card, lines, flag);
    return out << texts << date << card << lines << flag;
}

QDataStream &operator>>(QDataStream &in, Event &event)
{
    // The least a match can take: an empty text list, two ids and the flag.
    const int smallestMatchBytes = 4 + 4 + 4 + 1;
    QStringList texts;
    QDate date;
    QVector<Match> card;
    QStringList lines;
    bool flag = false;
    StreamRead::readList(in, texts, 4);
    in >> date;
    StreamRead::readVector(in, card, smallestMatchBytes);
    StreamRead::readList(in, lines, 4);
    in >> flag;
    if (StreamRead::ok(in) && !event.setData(texts, date, card, lines, flag))
        StreamRead::markCorrupt(in);
    return in;
}
