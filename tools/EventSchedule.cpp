#include "EventSchedule.h"

#include "data/WorldPlan.h"

namespace EventSchedule {

namespace {

const char NoTitle[] = "No Title";

enum class Kind { Single, Championship, Qualifiers, Finals };

// What sets one kind of card apart: its kind text and the name it goes by
// until its main event is booked.
struct KindText
{
    Kind kind;
    const char *text;
    const char *nameSuffix;
};
const KindText kindTexts[] = {
    {Kind::Single, "Single Event", " Fight Night "},
    {Kind::Championship, "Championship Event", " Championship Night "},
    {Kind::Qualifiers, "Tournament Qualifiers", " Opening Round"},
    {Kind::Finals, "Tournament Finals", " Final"},
};

const KindText &textOf(Kind kind)
{
    for (const KindText &entry : kindTexts) {
        if (entry.kind == kind)
            return entry;
    }
    return kindTexts[0];
}

const int GrandPrixQualifiers = 8;
const int GrandPrixQuarterfinals = 4;
const int GrandPrixSemifinals = 2;

// Where in the year the Grand Prix opens: past mid-year, staggered so that
// the organizations do not all hold theirs at once.
int grandPrixOpening(int eventCount, int position)
{
    return eventCount / 2 + (position * 3) % (eventCount / 3);
}

Kind kindAt(int index, int eventCount, int position, const OrganizationTable::TierPlan &plan)
{
    if (plan.holdsGrandPrix) {
        const int opening = grandPrixOpening(eventCount, position);
        if (index == opening)
            return Kind::Qualifiers;
        if (index == opening + 1)
            return Kind::Finals;
    }
    if ((index + 1) % plan.championshipEvery == 0)
        return Kind::Championship;
    return Kind::Single;
}

// The events are spread evenly over the year; each organization starts at
// its own fraction of the spacing. Neighbours in the table share a tier and
// so a spacing: stepping the fractions by 7 (prime to the 18 organizations)
// keeps their calendars apart, so that the days are shared out.
const int PhaseStep = 7;

QDate dateAt(int index, int eventCount, int position)
{
    const QDate first = WorldPlan::firstEventDay();
    const qint64 span = first.daysTo(WorldPlan::lastEventDay()) + 1;
    const qint64 organizations = OrganizationTable::organizations().size();
    const qint64 phase = (position * PhaseStep) % organizations;
    const qint64 offset = ((index * organizations + phase) * span) / (eventCount * organizations);
    return first.addDays(offset);
}

void appendMatches(QVector<Match> &card, int count, const char *type)
{
    for (int i = 0; i < count; ++i) {
        Match match;
        match.setType(QString::fromLatin1(type));
        card.append(match);
    }
}

// The bouts in card order; the last is the main event.
QVector<Match> cardOf(Kind kind, const OrganizationTable::TierPlan &plan)
{
    QVector<Match> card;
    switch (kind) {
    case Kind::Single:
        appendMatches(card, plan.singleCardMatches, MatchType::Single);
        break;
    case Kind::Championship:
        appendMatches(card, plan.championshipUndercard, MatchType::Single);
        appendMatches(card, 1, MatchType::Championship);
        break;
    case Kind::Qualifiers:
        appendMatches(card, GrandPrixQualifiers, MatchType::Qualifier);
        break;
    case Kind::Finals:
        appendMatches(card, GrandPrixQuarterfinals, MatchType::Quarterfinal);
        appendMatches(card, GrandPrixSemifinals, MatchType::Semifinal);
        appendMatches(card, 1, MatchType::Final);
        break;
    }
    return card;
}

QString titleOf(Kind kind, const QString &organizationName)
{
    switch (kind) {
    case Kind::Championship:
        return championshipTitle(organizationName);
    case Kind::Finals:
        return grandPrixTitle(organizationName, WorldPlan::Year);
    default:
        return QString::fromLatin1(NoTitle);
    }
}

QString nameOf(Kind kind, int index, const QString &organizationName)
{
    const QString suffix = QString::fromLatin1(textOf(kind).nameSuffix);
    if (kind == Kind::Qualifiers || kind == Kind::Finals)
        return grandPrixTitle(organizationName, WorldPlan::Year) + suffix;
    return organizationName + suffix + QString::number(index + 1);
}

QString placeOf(Kind kind, int index, const QStringList &cities)
{
    // Titles are fought for at home; the other cards tour.
    if (kind == Kind::Single)
        return cities.at(index % cities.size());
    return cities.constFirst();
}

} // namespace

QString championshipTitle(const QString &organizationName)
{
    return organizationName + QStringLiteral(" World Championship");
}

QString grandPrixTitle(const QString &organizationName, int year)
{
    return organizationName + QStringLiteral(" World Grand Prix ") + QString::number(year);
}

QVector<Event> eventsOf(const OrganizationTable::Organization &organization, int position)
{
    const OrganizationTable::TierPlan &plan = OrganizationTable::planOf(organization.tier);
    QVector<Event> events;
    for (int index = 0; index < plan.eventsPerYear; ++index) {
        const Kind kind = kindAt(index, plan.eventsPerYear, position, plan);
        const QStringList texts = {
            nameOf(kind, index, organization.name),
            organization.name,
            placeOf(kind, index, organization.cities),
            organization.tier,
            QString::fromLatin1(textOf(kind).text),
            titleOf(kind, organization.name),
        };
        Event event;
        event.setData(texts, dateAt(index, plan.eventsPerYear, position), cardOf(kind, plan),
                      QStringList(), false);
        events.append(event);
    }
    return events;
}

} // namespace EventSchedule
