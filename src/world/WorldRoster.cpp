// The player's fighters and the gym's students.

#include "World.h"

#include "records/Gym.h"
#include "records/Manager.h"
#include "records/FightRecordLine.h"

namespace {

// What the read-outs answer when there is no fighter at the position.
const QDate NoBirthday(2000, 1, 1);
const QStringList NoAppearance{"Red", "Black", "Brown"};
const int NoPicture = 1;

// Roster positions run from 0 to 9 (a gym has at most ten fighter slots);
// fighter ids handed out by the world are far above that.
const int LastRosterPosition = 9;

void readProfile(const Fighter *fighter, QStringList &texts, QVector<int> &ints, QDate &birthday,
                 QMultiMap<QDate, QString> &history, QStringList &titles)
{
    if (fighter) {
        fighter->getData(texts, ints, birthday, history, titles);
        return;
    }
    for (int i = 0; i < Fighter::TextCount; ++i)
        texts << Fighter::NobodyText;
    ints += QVector<int>(Fighter::IntCount, 0);
    birthday = NoBirthday;
}

void readPortrait(const Fighter *fighter, QStringList &colours, int &body, int &head, int &face)
{
    if (fighter) {
        colours = fighter->getAppearance(body, head, face);
        return;
    }
    colours += NoAppearance;
    body = head = face = NoPicture;
}

} // namespace

int World::getFighterId(int position) const
{
    const GymFighter *fighter = rosterAt(position);
    return fighter ? fighter->getId() : 0;
}

void World::getFighterAttributes(QVector<int> &out, int position) const
{
    if (const GymFighter *fighter = rosterAt(position))
        fighter->getInts(out);
    else
        out += QVector<int>(Fighter::IntCount, 0);
}

void World::getTrainingState(QVector<int> &out, int position) const
{
    if (const GymFighter *fighter = rosterAt(position))
        fighter->getTrainingState(out);
    else
        out += QVector<int>(GymFighter::StateCount, 0);
}

void World::getTrainingData(QVector<int> &state, QVector<int> &progress, QStringList &log, int position) const
{
    if (const GymFighter *fighter = rosterAt(position)) {
        fighter->getTrainingData(state, progress, log);
        return;
    }
    state += QVector<int>(GymFighter::StateCount, 0);
    progress += QVector<int>(GymFighter::ProgressCount, 0);
}

void World::getFighterStrings(QStringList &out, int position) const
{
    if (const GymFighter *fighter = rosterAt(position)) {
        fighter->getStrings(out);
        return;
    }
    for (int i = 0; i < Fighter::TextCount; ++i)
        out << Fighter::NobodyText;
}

void World::getFighterProfile(QStringList &texts, QVector<int> &ints, QDate &birthday,
                              QMultiMap<QDate, QString> &history, QStringList &titles, int position) const
{
    readProfile(rosterAt(position), texts, ints, birthday, history, titles);
}

void World::getStudentProfile(QStringList &texts, QVector<int> &ints, QDate &birthday,
                              QMultiMap<QDate, QString> &history, QStringList &titles, int position) const
{
    readProfile(entryAt(students, position), texts, ints, birthday, history, titles);
}

void World::getContractInfo(QString &organization, int &matches, int &purse, int position) const
{
    if (const GymFighter *fighter = rosterAt(position)) {
        fighter->getContract(organization, matches, purse);
        return;
    }
    organization = Fighter::NobodyText;
    matches = 0;
    purse = 0;
}

void World::getStudentPortrait(QStringList &colours, int &body, int &head, int &face, int position) const
{
    readPortrait(entryAt(students, position), colours, body, head, face);
}

void World::getFighterPortrait(QStringList &colours, int &body, int &head, int &face, int positionOrId) const
{
    if (positionOrId <= LastRosterPosition || roster.isEmpty()) {
        readPortrait(rosterAt(positionOrId), colours, body, head, face);
        return;
    }
    // An id that no fighter of the player has leaves everything as it was.
    if (const GymFighter *fighter = rosterFighter(positionOrId))
        readPortrait(fighter, colours, body, head, face);
}

void World::getRosterIds(QVector<int> &out) const
{
    for (const GymFighter &fighter : roster)
        out << fighter.getId();
}

void World::getRosterNames(QStringList &out) const
{
    for (const GymFighter &fighter : roster)
        out << fighter.getFullName();
}

void World::setFighterBio(const QString &bio, int position)
{
    if (GymFighter *fighter = rosterAt(position))
        fighter->setBio(bio);
}

void World::setTrainingPlan(int id, TrainingType::Type type)
{
    if (GymFighter *fighter = rosterFighter(id))
        fighter->setTrainingType(type);
}

void World::addFighterStanding(int id, int amount)
{
    if (GymFighter *fighter = rosterFighter(id))
        fighter->addStanding(amount);
}

GymFighter World::getFighterById(int id) const
{
    const GymFighter *fighter = rosterFighter(id);
    return fighter ? *fighter : GymFighter();
}

void World::trimTrainingLogs()
{
    for (GymFighter &fighter : roster)
        fighter.trimTrainingLog();
}

bool World::applyMatchResult(const QVector<int> &statistics, int id, const QString &result)
{
    GymFighter *fighter = rosterFighter(id);
    if (!fighter || !gym || !manager)
        return false;

    fighter->applyFightResult(statistics, result);
    QVector<int> trainingState;
    fighter->getTrainingState(trainingState);
    int purse = trainingState.value(GymFighter::ContractPurseIndex);

    const FightRecordLine line = FightRecordLine::parse(result);
    const bool knockout = line.isKnockout();
    bool reputationRose = false;
    if (line.isWin()) {
        purse *= 2;
        gym->updatePrestigeLabel(knockout);
        // A title win: the title at stake names this year or is a world title.
        const QString title = line.title();
        const bool titleWin = title.contains(QString::number(date.year()))
            || title.contains("World Championship");
        reputationRose = manager->updateReputation(titleWin);
    } else if (line.isLoss()) {
        gym->lowerPrestigeLabel(knockout);
    }
    gym->addIncome(purse, true);
    return reputationRose;
}

bool World::retireRosterFighter(int position)
{
    const GymFighter *fighter = rosterAt(position);
    if (!fighter)
        return true;

    QString organizationName;
    int matches = 0;
    int purse = 0;
    fighter->getContract(organizationName, matches, purse);
    // His organization withdraws him from its next event and vacates his
    // title, but not while it has an event on today.
    if (Organization *organization = findOrganization(organizationName)) {
        if (!organization->removeRetiredFighter(fighter->getFullName(), fighter->getId(), date.year() - 1, date))
            return false;
    }

    if (manager) {
        QVector<int> ints;
        fighter->getInts(ints);
        manager->removeActiveRecord(ints.at(Fighter::WinsIndex), ints.at(Fighter::LossesIndex));
        QStringList titles;
        fighter->getTitles(titles);
        for (const QString &title : titles) {
            if (title.contains("World Championship") && !title.contains("until")) {
                manager->addTitleUntil(date, title);
                break;
            }
        }
    }

    const int id = fighter->getId();
    removeOffer(id);
    for (int i = 0; i < bookings.size(); ++i) {
        if (bookings.at(i).getId() == id) {
            bookings.remove(i);
            break;
        }
    }
    roster.remove(position);
    return true;
}
