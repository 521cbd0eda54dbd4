#include "DefaultWorldWriter.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "CareerRecordDraw.h"
#include "EventSchedule.h"
#include "ResourceFile.h"
#include "data/OrganizationTable.h"
#include "data/WorldPlan.h"
#include "records/GameRandom.h"
#include "records/Organization.h"
#include "records/ReputationLadder.h"
#include "records/TextDate.h"
#include "world/World.h"

namespace DefaultWorldWriter {

namespace {

// The fixed start of the random readings and the seed: change them and the
// whole default world changes.
const int RandomStart = 2011;
const unsigned int RandomSeed = 1058;

const char WillingText[] = "Willing";
const char VacantText[] = "Vacant";
const char ResourcesName[] = "Resources";

const int LongestContract = 6;
// Roster places of last year's winners, best ranked first.
const int ChampionPlace = 0;
const int GrandPrixWinnerPlace = 1;

typedef QMultiMap<int, Fighter> FighterMap;

struct DefaultWorld
{
    QVector<Organization> organizations;
    QVector<FighterMap> freeAgentFiles;
    QVector<FighterMap> amateurFiles;
};

// Moves the current folder for the life of the object.
class CurrentFolder
{
public:
    explicit CurrentFolder(const QString &path)
        : previous(QDir::currentPath()), movedThere(QDir::setCurrent(path)) {}
    ~CurrentFolder() { QDir::setCurrent(previous); }
    CurrentFolder(const CurrentFolder &) = delete;
    CurrentFolder &operator=(const CurrentFolder &) = delete;
    bool moved() const { return movedThere; }

private:
    QString previous;
    bool movedThere;
};

// Deterministic clock readings and the fixed seed for the life of the
// object; the readings are left as they were found.
class FixedRandom
{
public:
    FixedRandom() : wasDeterministic(GameRandom::isDeterministic())
    {
        GameRandom::setDeterministic(true, RandomStart);
        GameRandom::seed(RandomSeed);
    }
    ~FixedRandom() { GameRandom::setDeterministic(wasDeterministic); }
    FixedRandom(const FixedRandom &) = delete;
    FixedRandom &operator=(const FixedRandom &) = delete;

private:
    bool wasDeterministic;
};

// What the default world decides about a generated fighter.
struct Placement
{
    int id = 0;
    int age = 0;
    int standing = 0;
    int reputation = ReputationLadder::Unknown;
    QString organization;
    int contractMatches = 0;
    QStringList titles;
    CareerRecordDraw::Career career;
};

// The drawn day and month; the year that makes him `age` on the game's
// first day.
QDate birthdayAt(const QDate &drawn, int age)
{
    const QDate firstDay(WorldPlan::Year, 1, 1);
    QDate birthday(WorldPlan::Year - age, drawn.month(), drawn.day());
    if (birthday.addYears(age) > firstDay)
        birthday = birthday.addYears(-1);
    return birthday;
}

Fighter placed(const Fighter &generated, const Placement &placement)
{
    QStringList texts;
    QVector<int> ints;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    QStringList titles;
    generated.getData(texts, ints, birthday, history, titles);
    texts[Fighter::OrganizationText] = placement.organization;
    texts[Fighter::ReputationText] =
        ReputationLadder::label(ReputationLadder::Rank(placement.reputation));
    ints[Fighter::AgeIndex] = placement.age;
    ints[Fighter::WinsIndex] = placement.career.wins;
    ints[Fighter::LossesIndex] = placement.career.losses;
    ints[Fighter::KnockoutsIndex] = placement.career.knockouts;
    ints[Fighter::ContractMatchesIndex] = placement.contractMatches;
    ints[Fighter::IdIndex] = placement.id;
    ints[Fighter::StandingIndex] = placement.standing;
    Fighter fighter;
    fighter.setData(texts, ints, birthdayAt(birthday, placement.age), history, placement.titles);
    return fighter;
}

// The record of a professional at `place` of a ranking of `rankingSize`.
CareerRecordDraw::Career careerOf(const Placement &placement, int place, int rankingSize)
{
    CareerRecordDraw::Standing standing;
    standing.age = placement.age;
    standing.place = place;
    standing.rankingSize = rankingSize;
    standing.holdsTitle = !placement.titles.isEmpty();
    return CareerRecordDraw::draw(placement.id, standing);
}

int ageBetween(int youngest, int oldest)
{
    return youngest + GameRandom::roll(oldest - youngest + 1);
}

int attributeSum(const Fighter &fighter)
{
    QVector<int> ints;
    fighter.getInts(ints);
    int sum = 0;
    for (int k = 0; k < Fighter::AttributeCount; ++k)
        sum += ints.at(Fighter::attributeIndex(k));
    return sum;
}

// A standing and the reputation it carries.
struct Rank
{
    int standing;
    int reputation;
};

// Standings for `count` fighters, best first, shared out evenly over the
// reputations from `best` to `worst` and spread within each one's band.
QVector<Rank> spreadRanks(int count, int best, int worst)
{
    const int labels = worst - best + 1;
    QVector<int> perLabel(labels, 0);
    for (int i = 0; i < count; ++i)
        ++perLabel[qint64(i) * labels / count];
    QVector<Rank> ranks;
    for (int label = 0; label < labels; ++label) {
        const WorldPlan::StandingBand band = WorldPlan::standingBandOf(best + label);
        const int inLabel = perLabel.at(label);
        for (int place = 0; place < inLabel; ++place) {
            const int standing = band.low + (band.high - band.low) * (2 * place + 1) / (2 * inLabel);
            ranks.append({standing, best + label});
        }
    }
    return ranks;
}

// Takes `count` fighters spread evenly over the list, which keeps the rest.
QVector<Fighter> takeSpread(QVector<Fighter> &fighters, int count)
{
    QVector<Fighter> taken, kept;
    const qint64 total = fighters.size();
    for (qint64 i = 0; i < total; ++i) {
        if ((i + 1) * count / total > i * count / total)
            taken.append(fighters.at(i));
        else
            kept.append(fighters.at(i));
    }
    fighters = kept;
    return taken;
}

int poolSize(const WorldPlan::Pool &pool)
{
    return pool.files * pool.fightersPerFile;
}

int fightersNeeded()
{
    int needed = poolSize(WorldPlan::freeAgents()) + poolSize(WorldPlan::amateurs());
    for (const OrganizationTable::Organization &row : OrganizationTable::organizations())
        needed += row.rosterSize;
    return needed;
}

// Every fighter from the game's generator, as professionals of the world
// (so that no name is given twice), best first.
QVector<Fighter> generateFighters(int count)
{
    World &world = World::Instance();
    world.reset();
    for (int i = 0; i < count; ++i) {
        QString name;
        world.generateFighter(name, false);
    }
    QVector<Fighter> fighters = world.getFightersOf(QString::fromLatin1(Fighter::FreeAgentOrganization));
    world.reset();

    std::sort(fighters.begin(), fighters.end(),
              [](const Fighter &a, const Fighter &b) { return a.getId() < b.getId(); });
    std::stable_sort(fighters.begin(), fighters.end(), [](const Fighter &a, const Fighter &b) {
        return attributeSum(a) > attributeSum(b);
    });
    return fighters;
}

QString heldSince(const QString &title)
{
    const QDate since = QDate(WorldPlan::Year - 1, 1, 1).addDays(GameRandom::roll(365));
    return title + QStringLiteral(" - from ") + TextDate::shortText(since);
}

// The organization with its roster (the given fighters, best first), its
// titles and its events.
Organization buildOrganization(const OrganizationTable::Organization &row, int position,
                               const QVector<Fighter> &fighters, int &nextId)
{
    const OrganizationTable::TierPlan &plan = OrganizationTable::planOf(row.tier);
    const QVector<Rank> ranks = spreadRanks(fighters.size(), plan.bestReputation, plan.worstReputation);
    const QString championship = EventSchedule::championshipTitle(row.name);
    const QString lastGrandPrix = EventSchedule::grandPrixTitle(row.name, WorldPlan::Year - 1);

    Organization::Titles titles;
    titles.insert(championship, QString::fromLatin1(VacantText));
    Organization::Roster roster;
    for (int place = 0; place < fighters.size(); ++place) {
        Placement placement;
        placement.id = nextId++;
        placement.age = ageBetween(WorldPlan::YoungestSigned, WorldPlan::OldestSigned);
        placement.standing = ranks.at(place).standing;
        placement.reputation = ranks.at(place).reputation;
        placement.organization = row.name;
        placement.contractMatches = 1 + GameRandom::roll(LongestContract);
        const QString fullName = fighters.at(place).getFullName();
        if (place == ChampionPlace && !row.championVacant) {
            placement.titles << heldSince(championship);
            titles.insert(championship, fullName);
        }
        if (place == GrandPrixWinnerPlace && plan.holdsGrandPrix) {
            // A title that names its year carries no date of its own.
            placement.titles << lastGrandPrix;
            titles.insert(lastGrandPrix, fullName);
        }
        placement.career = careerOf(placement, place, fighters.size());
        roster.insert(placement.standing, placed(fighters.at(place), placement));
    }

    const QStringList texts = {row.name, row.ceo, row.nation, row.arena, row.tier, row.bio,
                               QString::fromLatin1(WillingText)};
    Organization organization;
    organization.setData(texts, EventSchedule::eventsOf(row, position), QVector<Event>(), roster,
                         titles);
    return organization;
}

// The pool's files; the fighters (best first) are dealt out in turn, so
// that every file holds every level. Professionals bring a record along,
// ranked in the whole pool.
QVector<FighterMap> buildPool(const WorldPlan::Pool &pool, const QVector<Fighter> &fighters,
                              bool professionals, int &nextId)
{
    const QVector<Rank> ranks = spreadRanks(fighters.size(), pool.bestReputation, pool.worstReputation);
    QVector<FighterMap> files(pool.files);
    for (int place = 0; place < fighters.size(); ++place) {
        Placement placement;
        placement.id = nextId++;
        placement.age = ageBetween(pool.youngest, pool.oldest);
        placement.standing = ranks.at(place).standing;
        placement.reputation = ranks.at(place).reputation;
        placement.organization = QString::fromLatin1(Fighter::FreeAgentOrganization);
        if (professionals)
            placement.career = careerOf(placement, place, fighters.size());
        files[place % pool.files].insert(placement.standing, placed(fighters.at(place), placement));
    }
    return files;
}

DefaultWorld buildDefaultWorld()
{
    QVector<Fighter> fighters = generateFighters(fightersNeeded());
    // The pools take fighters of every level; the organizations share out
    // the rest, the best to the first (highest tier) in the table.
    const QVector<Fighter> amateurs = takeSpread(fighters, poolSize(WorldPlan::amateurs()));
    const QVector<Fighter> freeAgents = takeSpread(fighters, poolSize(WorldPlan::freeAgents()));

    DefaultWorld world;
    int nextId = 1;
    int taken = 0;
    const QVector<OrganizationTable::Organization> &rows = OrganizationTable::organizations();
    for (int position = 0; position < rows.size(); ++position) {
        const OrganizationTable::Organization &row = rows.at(position);
        world.organizations.append(
            buildOrganization(row, position, fighters.mid(taken, row.rosterSize), nextId));
        taken += row.rosterSize;
    }
    world.freeAgentFiles = buildPool(WorldPlan::freeAgents(), freeAgents, true, nextId);
    world.amateurFiles = buildPool(WorldPlan::amateurs(), amateurs, false, nextId);
    return world;
}

bool writePool(const QString &resourcesFolder, const WorldPlan::Pool &pool,
               const QVector<FighterMap> &files)
{
    for (int n = 0; n < files.size(); ++n) {
        const FighterMap &map = files.at(n);
        if (!ResourceFile::writeData(poolFile(resourcesFolder, pool.prefix, n + 1),
                                     [&map](QDataStream &out) { out << map; }))
            return false;
    }
    return true;
}

bool writeWorld(const QString &resourcesFolder, const DefaultWorld &world)
{
    const QVector<OrganizationTable::Organization> &rows = OrganizationTable::organizations();
    for (int i = 0; i < rows.size(); ++i) {
        const Organization &organization = world.organizations.at(i);
        if (!ResourceFile::writeData(organizationFile(resourcesFolder, rows.at(i).key),
                                     [&organization](QDataStream &out) { out << organization; }))
            return false;
    }
    return writePool(resourcesFolder, WorldPlan::freeAgents(), world.freeAgentFiles)
        && writePool(resourcesFolder, WorldPlan::amateurs(), world.amateurFiles);
}

} // namespace

QString organizationFile(const QString &resourcesFolder, const QString &key)
{
    return resourcesFolder + QStringLiteral("/Defaults/default_orgs_") + key + QStringLiteral(".dat");
}

QString poolFile(const QString &resourcesFolder, const QString &prefix, int number)
{
    return resourcesFolder + QStringLiteral("/Defaults/default_list_") + prefix
        + QString::number(number) + QStringLiteral(".dat");
}

bool writeAll(const QString &resourcesFolder)
{
    const QFileInfo folder(QDir::cleanPath(QDir(resourcesFolder).absolutePath()));
    if (folder.fileName() != QLatin1String(ResourcesName))
        return false;

    DefaultWorld world;
    {
        // The generator reads ./Resources/Defaults.
        CurrentFolder gameFolder(folder.absolutePath());
        if (!gameFolder.moved())
            return false;
        FixedRandom fixedRandom;
        world = buildDefaultWorld();
    }
    return writeWorld(folder.absoluteFilePath(), world);
}

} // namespace DefaultWorldWriter
