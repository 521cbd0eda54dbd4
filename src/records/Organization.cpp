#include "Organization.h"

#include "GameDataStream.h"
#include "GameRandom.h"

#include <climits>

namespace {

const int NoLimit = INT_MAX;
const int NoMinimum = INT_MIN;

// What each tier asks of a fighter. Reputation limits are the worst
// position in the reputation ladder below that the tier still accepts.
struct TierRules
{
    const char *tier;
    int reputationLimitContract;
    int reputationLimitOneMatch;
    int skillMinimumContract;
    int skillMinimumOneMatch;
    int purseFactor;
    // The skill scores that suit the tier for a renewal or signing.
    int fitLow;
    int fitHigh;
};

const TierRules Tiers[] = {
    {"Elite", 1, 2, 76, 61, 10, 70, INT_MAX},
    {"World Class", 3, 4, 61, 46, 8, 56, 77},
    {"International", 5, 6, 46, 31, 6, 41, 62},
    {"National", 7, NoLimit, 31, 16, 4, 26, 47},
    {"Regional", NoLimit, NoLimit, 10, 0, 2, 10, 32},
};
// A tier word the game does not know: no gates, no purse, never a fit.
const TierRules UnknownTier = {"", NoLimit, NoLimit, NoMinimum, NoMinimum, 0, 1, 0};

const TierRules &rulesFor(const QString &tier)
{
    for (const TierRules &rules : Tiers) {
        if (tier == QLatin1String(rules.tier))
            return rules;
    }
    return UnknownTier;
}

// The reputation ladder as the organizations read it, best first. It is
// the order of the player's fighters' labels (by reputation points), where
// "International Superstar" ranks above "World Class"; a rolled world
// fighter's ladder puts them the other way round.
const QStringList &reputationLadder()
{
    static const QStringList ladder{
        "Legendary", "International Superstar", "World Class", "Championship Caliber", "Contender",
        "Respectable Opponent", "Nationally Ranked", "Rising Star", "Local Fighter", "Unknown"};
    return ladder;
}

// Willingness to deal with the player, one step down per refusal.
const char Willing[] = "Willing";
const char Tentative[] = "Tentative";
const char Unwilling[] = "Unwilling";

// The lowest mood that still finds a fighter of charisma 0, 1 or 2
// marketable; more charisma always passes.
const int MarketableMood[] = {-10, -13, -16};

const char UnwillingMessage[] = "This company is unwilling to negotiate with you for the time being.";
const char ReputationMessage[] = "Your fighter does not have a good enough reputation for this company.";
const char SkillMessage[] = "Your fighter is not at a high enough skill level to be competing in this company.";
const char MarketMessage[] = "Your fighter is not marketable enough for the company.\nHe may possess a lack of charisma.";
const char PurseMessage[] = "Your money demands are too high.";

const int SmallRosterSize = 30;
const int FullRosterSize = 50;
const int SigningMatches = 4;
const char VacantHolder[] = "Vacant";

// The mean of the 83 attributes, truncated; missing entries count as 0.
// The average of the 83 attributes, each read by `attribute(k)`.
template <class Attribute>
int averageOf(Attribute attribute)
{
    int sum = 0;
    for (int k = 0; k < Fighter::AttributeCount; ++k)
        sum += attribute(k);
    return sum / Fighter::AttributeCount;
}

int attributeAverage(const QVector<int> &ints)
{
    return averageOf([&ints](int k) { return ints.value(Fighter::attributeIndex(k)); });
}

int attributeAverage(const Fighter &fighter)
{
    return averageOf([&fighter](int k) { return fighter.getAttribute(k); });
}

} // namespace

Organization::Organization() = default;

void Organization::getInfo(QStringList &out) const
{
    out << name << ceo << nation << otherInfo << tier << bio << willingness;
}

void Organization::getData(QStringList &texts, QVector<Event> &eventsOut, QVector<Event> &lastYearOut,
                           Roster &rosterOut, Titles &titlesOut) const
{
    getInfo(texts);
    eventsOut << events;
    lastYearOut << lastYearEvents;
    rosterOut = roster;
    titlesOut = titleHolders;
}

bool Organization::setData(const QStringList &texts, const QVector<Event> &eventsIn,
                           const QVector<Event> &lastYearIn, const Roster &rosterIn, const Titles &titlesIn)
{
    if (texts.size() < TextCount)
        return false;
    name = texts.at(NameText);
    ceo = texts.at(CeoText);
    nation = texts.at(NationText);
    otherInfo = texts.at(OtherInfoText);
    tier = texts.at(TierText);
    bio = texts.at(BioText);
    willingness = texts.at(WillingnessText);
    events << eventsIn;
    lastYearEvents << lastYearIn;
    for (auto it = titlesIn.constBegin(); it != titlesIn.constEnd(); ++it)
        titleHolders.insert(it.key(), it.value());
    // Each insertion goes before equal keys, so filing from the back keeps
    // fighters of equal standing in the order given.
    for (auto it = rosterIn.constEnd(); it != rosterIn.constBegin();) {
        --it;
        roster.insert(it.key(), it.value());
    }
    return true;
}

Organization::Roster::iterator Organization::findFighter(int id)
{
    for (auto it = roster.begin(); it != roster.end(); ++it) {
        if (it.value().getId() == id)
            return it;
    }
    return roster.end();
}

Organization::Roster::const_iterator Organization::findFighter(int id) const
{
    for (auto it = roster.constBegin(); it != roster.constEnd(); ++it) {
        if (it.value().getId() == id)
            return it;
    }
    return roster.constEnd();
}

void Organization::getFighterAppearance(QStringList &colours, int &body, int &head, int &face, int id) const
{
    const auto it = findFighter(id);
    if (it != roster.constEnd())
        colours = it.value().getAppearance(body, head, face);
}

void Organization::ageFighter(int id)
{
    const auto it = findFighter(id);
    if (it != roster.end())
        it.value().ageOneYear();
}

void Organization::rollReputationLabels()
{
    for (Fighter &fighter : roster)
        fighter.rollReputationLabel();
}

void Organization::recordFightResult(const QDate &date, int id, const QString &resultText,
                                     const QString &matchType)
{
    const auto it = findFighter(id);
    if (it != roster.end())
        it.value().recordFightResult(date, resultText, matchType);
}

void Organization::addFighter(Fighter &fighter)
{
    fighter.setContract(name, SigningMatches);
    roster.insert(fighter.getStanding(), fighter);
}

void Organization::addFighterStanding(int id, int amount)
{
    const auto it = findFighter(id);
    if (it == roster.end())
        return;
    Fighter fighter = it.value();
    roster.erase(it);
    fighter.addStanding(amount);
    roster.insert(fighter.getStanding(), fighter);
}

bool Organization::fitsFighter(const QVector<int> &ints, const QMultiMap<QDate, QString> &history) const
{
    // Recent form does not weigh in: only the attributes and a little luck.
    Q_UNUSED(history);
    return fitsAverage(attributeAverage(ints));
}

bool Organization::fitsAverage(int average) const
{
    GameRandom::seed(unsigned(GameRandom::milliseconds() / 10));
    const int luck = GameRandom::draw() % 10 + 1;
    const int score = average + luck;
    const TierRules &rules = rulesFor(tier);
    const bool suits = score >= rules.fitLow && score <= rules.fitHigh;

    if (roster.size() <= SmallRosterSize)
        return true;
    if (roster.size() >= FullRosterSize)
        return false;
    return suits && GameRandom::roll(4) != 0;
}

void Organization::renewContracts(QStringList &outLines)
{
    for (auto it = roster.begin(); it != roster.end(); ++it) {
        Fighter &fighter = it.value();
        if (fighter.getContractMatches() >= 3)
            continue;
        GameRandom::reseedWithClock();
        const int r = GameRandom::draw();
        if (!fitsAverage(attributeAverage(fighter)))
            continue;
        outLines << fighter.getFullName() + " has renewed his contract with " + name;
        fighter.setContract(name, r % 5 + 3);
    }
}

QVector<Fighter> Organization::releaseExpiredFighters(const QDate &today)
{
    QVector<Fighter> leaving;
    for (auto it = roster.begin(); it != roster.end();) {
        if (!it.value().isFreeAgent()) {
            ++it;
            continue;
        }
        const QString fullName = it.value().getFullName();
        for (auto title = titleHolders.begin(); title != titleHolders.end(); ++title) {
            if (title.key().contains("World Championship") && title.value().contains(fullName)) {
                title.value() = VacantHolder;
                break;
            }
        }
        leaving << it.value();
        // His bouts on later cards open up for others.
        for (Event &event : events) {
            if (event.getDate() > today)
                event.withdrawFighter(it.value().getId(), false);
        }
        it = roster.erase(it);
    }
    return leaving;
}

// Takes the fighter off every card after today, so that the booking pass
// fills his sides again. An event held today stops it: he cannot leave a
// card on fight day.
bool Organization::withdrawFromLaterEvents(int id, const QDate &today, bool clearPlayer)
{
    for (const Event &event : qAsConst(events)) {
        if (event.getDate() == today)
            return false;
    }
    for (Event &event : events) {
        if (event.getDate() > today)
            event.withdrawFighter(id, clearPlayer);
    }
    return true;
}

void Organization::vacateFirstTitleHeldBy(const QString &fighterName, int year)
{
    const QString yearText = QString::number(year);
    for (auto title = titleHolders.begin(); title != titleHolders.end(); ++title) {
        if (title.value() == fighterName && !title.key().contains(yearText)) {
            title.value() = VacantHolder;
            return;
        }
    }
}

bool Organization::withdrawFighterFromEvents(int id, int year, const QDate &today)
{
    const auto it = findFighter(id);
    if (it == roster.end())
        return false;
    if (!withdrawFromLaterEvents(id, today, false))
        return false;
    vacateFirstTitleHeldBy(it.value().getFullName(), year);
    roster.erase(it);
    return true;
}

bool Organization::removeRetiredFighter(const QString &fighterName, int id, int year, const QDate &today)
{
    if (!withdrawFromLaterEvents(id, today, true))
        return false;
    vacateFirstTitleHeldBy(fighterName, year);
    return true;
}

void Organization::setTitleHolder(const QString &title, const QString &holder)
{
    titleHolders.insert(title, holder);
}

void Organization::vacateTitlesOf(const QString &fighterName)
{
    if (!titleHolders.isEmpty() && titleHolders.first().contains(fighterName))
        titleHolders.first() = VacantHolder;
}

void Organization::dropOldTitleEntries(const QDate &today)
{
    const QString oldYear = QString::number(today.year() - 2);
    for (auto title = titleHolders.begin(); title != titleHolders.end();) {
        if (title.key().contains(oldYear))
            title = titleHolders.erase(title);
        else
            ++title;
    }
}

Event Organization::getNextEvent(const QDate &today) const
{
    for (const Event &event : events) {
        if (event.getDate() >= today)
            return event;
    }
    return Event();
}

void Organization::storeEventResults(const QStringList &resultLines, const QString &eventName,
                                     const QDate &date)
{
    // Two of its events of one name on one day: the first still without
    // results takes them.
    Event *target = nullptr;
    for (Event &event : events) {
        if (event.getName() != eventName || event.getDate() != date)
            continue;
        if (!target)
            target = &event;
        if (event.getResultLines().isEmpty()) {
            target = &event;
            break;
        }
    }
    if (target)
        target->addResultLines(resultLines);
    willingness = Willing;
}

void Organization::nameEventAfterMainEvent(const QString &eventName, const QString &fighterName)
{
    for (Event &event : events) {
        if (event.getName() == eventName) {
            event.nameAfterMainEvent(fighterName);
            return;
        }
    }
}

bool Organization::updateNamedEvent(int id, const QString &fighterName, const QString &eventName,
                                    const QString &matchType, bool playerFlag, const QDate &today)
{
    for (Event &event : events) {
        if (event.getName() == eventName && event.getDate() >= today)
            return event.placeFighter(id, fighterName, matchType, playerFlag);
    }
    return false;
}

void Organization::newYear()
{
    lastYearEvents = events;
    for (Event &event : events)
        event.rollOverYear();
}

void Organization::lowerWillingness()
{
    if (willingness == Willing)
        willingness = Tentative;
    else if (willingness == Tentative)
        willingness = Unwilling;
}

bool Organization::negotiate(const QStringList &texts, const QVector<int> &ints, const QVector<int> &training,
                             int matches, int demand, int negotiating, QString &outMessage)
{
    const bool accepted = negotiationVerdict(texts, ints, training, matches, demand, negotiating, outMessage);
    if (!accepted)
        lowerWillingness();
    return accepted;
}

bool Organization::negotiationVerdict(const QStringList &texts, const QVector<int> &ints,
                                      const QVector<int> &training, int matches, int demand,
                                      int negotiating, QString &outMessage) const
{
    if (willingness == Unwilling) {
        outMessage = UnwillingMessage;
        return false;
    }

    const TierRules &rules = rulesFor(tier);
    const bool oneMatch = matches == 1;
    const int ladderPosition = reputationLadder().indexOf(texts.value(Fighter::ReputationText));
    const int reputationLimit = oneMatch ? rules.reputationLimitOneMatch : rules.reputationLimitContract;
    if (ladderPosition > reputationLimit) {
        outMessage = ReputationMessage;
        return false;
    }

    GameRandom::reseedWithClock();
    const int sign = GameRandom::roll(2) == 0 ? 1 : -1;
    int mood = sign * (GameRandom::roll(15) + 1);
    if (willingness == Tentative)
        mood -= 10;

    const int skillMinimum = oneMatch ? rules.skillMinimumOneMatch : rules.skillMinimumContract;
    if (attributeAverage(ints) + mood < skillMinimum) {
        outMessage = SkillMessage;
        return false;
    }

    const int charisma = training.value(CharismaTraining);
    if (charisma >= 0 && charisma < int(sizeof(MarketableMood) / sizeof(MarketableMood[0]))
        && mood < MarketableMood[charisma]) {
        outMessage = MarketMessage;
        return false;
    }

    if (matches == 0 && demand == 0)
        return true;
    return checkPurse(training, mood, matches, demand, negotiating, outMessage);
}

bool Organization::checkPurse(const QVector<int> &training, int mood, int matches, int demand,
                              int negotiating, QString &outMessage) const
{
    const int reputationPoints = training.value(ReputationPointsTraining);
    int ceiling = rulesFor(tier).purseFactor * (reputationPoints + 1) * (negotiating + 1);
    const bool oneMatch = matches == 1;
    if (oneMatch)
        ceiling += ceiling / 2;

    if (mood < -10)
        ceiling -= ceiling / 10;
    else if (mood < -5)
        ceiling -= ceiling / 20;
    else if (mood > 5)
        ceiling += ceiling / 20;

    if (oneMatch && ceiling <= 1500)
        ceiling += 1500;
    else if (ceiling <= 1000)
        ceiling += 1000;

    if (demand > ceiling) {
        outMessage = PurseMessage;
        return false;
    }
    return true;
}

bool Organization::operator==(const Organization &other) const
{
    QStringList texts, otherTexts;
    getInfo(texts);
    other.getInfo(otherTexts);
    return texts == otherTexts && events == other.events && lastYearEvents == other.lastYearEvents
        && roster == other.roster && titleHolders == other.titleHolders;
}

QDataStream &operator<<(QDataStream &out, const Organization &organization)
{
    QStringList texts;
    QVector<Event> events, lastYearEvents;
    Organization::Roster roster;
    Organization::Titles titles;
    organization.getData(texts, events, lastYearEvents, roster, titles);
    return out << texts << events << lastYearEvents << roster << titles;
}

QDataStream &operator>>(QDataStream &in, Organization &organization)
{
    // The least an event can take: three empty lists or vectors, a date and
    // the flag; a roster entry: its key and a fighter's five empty containers.
    const int smallestEventBytes = 4 + 4 + 4 + 4 + 1;
    const int smallestRosterEntryBytes = 4 + 5 * 4;
    QStringList texts;
    QVector<Event> events, lastYearEvents;
    Organization::Roster roster;
    QMultiMap<QString, QString> titles;
    StreamRead::readList(in, texts, 4);
    StreamRead::readVector(in, events, smallestEventBytes);
    StreamRead::readVector(in, lastYearEvents, smallestEventBytes);
    StreamRead::readMultiMap(in, roster, smallestRosterEntryBytes);
    StreamRead::readMultiMap(in, titles, 8);
    if (StreamRead::ok(in) && !organization.setData(texts, events, lastYearEvents, roster, titles))
        StreamRead::markCorrupt(in);
    return in;
}
