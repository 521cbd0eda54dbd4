#include "LeagueFixtures.h"

#include "EventBuilder.h"
#include "FighterBuilder.h"
#include "WorldTestAccess.h"

namespace LeagueFixtures {

Fighter pro(int id, const QString &lastName, int standing, const QString &organization,
            const QString &reputation, int attribute, int age, const QDate &birthday)
{
    return FighterBuilder(WorldFixtures::fighter(id, "F" + QString::number(id), lastName, standing, organization))
        .text(Fighter::ReputationText, reputation)
        .attributes(attribute)
        .age(age)
        .born(birthday)
        .build();
}

QVector<Fighter> members(int count, int firstId, const QString &organization, const QString &reputation,
                         int attribute)
{
    QVector<Fighter> made;
    for (int i = 0; i < count; ++i) {
        const int id = firstId + i;
        made << pro(id, "L" + QString::number(id), 10 * (i + 1), organization, reputation, attribute);
    }
    return made;
}

Event event(const QString &name, const QString &organization, const QDate &date, const QVector<Match> &card,
            const QString &title)
{
    return EventBuilder(name, organization, date).card(card).title(title).build();
}

QVector<Match> open(const QString &type, int count)
{
    return QVector<Match>(count, WorldFixtures::match(type));
}

Event nextEvent(const QString &organization, const QDate &from)
{
    return WorldTestAccess::organization(organization).getNextEvent(from);
}

Organization::Roster rosterOf(const QString &organization)
{
    Organization::Roster roster;
    WorldTestAccess::organization(organization).getRoster(roster);
    return roster;
}

QVector<int> sideIds(const Event &event)
{
    QVector<int> ids;
    for (const Match &bout : event.getMatches())
        ids << bout.getIdA() << bout.getIdB();
    return ids;
}

QStringList sideNames(const Event &event)
{
    QStringList names;
    for (const Match &bout : event.getMatches()) {
        QStringList texts;
        bout.getTexts(texts);
        names << texts.at(Match::FighterAText) << texts.at(Match::FighterBText);
    }
    return names;
}

QStringList linesContaining(const QStringList &lines, const QString &part)
{
    QStringList found;
    for (const QString &line : lines) {
        if (line.contains(part))
            found << line;
    }
    return found;
}

Match bout(const QString &type, int idA, int idB)
{
    return WorldFixtures::match(type, "F" + QString::number(idA) + " L" + QString::number(idA), idA,
                                "F" + QString::number(idB) + " L" + QString::number(idB), idB);
}

void addTournamentAndTitleCard(const QDate &day)
{
    const QVector<Match> card{bout(MatchType::Quarterfinal, 3000, 3001), bout(MatchType::Quarterfinal, 3002, 3003),
                              WorldFixtures::match(MatchType::Semifinal), bout(MatchType::Championship, 3004, 3005)};
    QMap<QString, QString> titles;
    titles.insert("O1 Belt", "F3004 L3004");
    WorldTestAccess::addOrganization(WorldFixtures::organization("O1", "National",
        {event("O1 Night", "O1", day, card, "O1 Belt")}, members(10, 3000, "O1"), titles));
}

} // namespace LeagueFixtures
