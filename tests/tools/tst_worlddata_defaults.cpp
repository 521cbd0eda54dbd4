#include <QtTest>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "CareerRecordDraw.h"
#include "DefaultNamesWriter.h"
#include "DefaultWorldWriter.h"
#include "TestSupport.h"
#include "core/FighterFields.h"
#include "core/WorldTestAccess.h"
#include "data/NationTable.h"
#include "records/GameDataStream.h"
#include "records/ReputationLadder.h"
#include "world/World.h"
#include "EventSchedule.h"
#include "data/OrganizationTable.h"
#include "data/WorldPlan.h"

using FighterFields::titlesOf;
using FighterFields::wholeNumber;

namespace {

// The organizations a new game knows, in the order it reads them.
const QStringList organizationNames = {
    "G-1", "Genesis", "King's Stadium", "GKO", "EPIC", "Ironheart FC", "Red Storm Global",
    "Albion FC", "Dubai FC", "Santa Maria FC", "Valhalla", "Tie Long", "Pomwaree Stadium",
    "Kings Of Rio", "Daichi Senshu", "Centurion", "North Star", "Ivory Throne"};
const QStringList organizationKeys = {
    "G1", "Genesis", "KingsStadium", "GKO", "EPIC", "Ironheart", "RedStorm", "Albion", "Dubai",
    "SantaMaria", "Valhalla", "TieLong", "PomwareeStadium", "KingsOfRio", "DaichiSenshu",
    "Centurion", "NorthStar", "IvoryThrone"};
const QStringList tiers = {"Elite", "World Class", "International", "National", "Regional"};
const int LastDefaultId = 1058;
const QDate FirstDay(2011, 1, 1);

QStringList textsOf(const Fighter &fighter)
{
    QStringList texts;
    fighter.getStrings(texts);
    return texts;
}

// His age on a day from his birthday alone.
int ageOn(const QDate &birthday, const QDate &day)
{
    int age = day.year() - birthday.year();
    if (QDate(day.year(), birthday.month(), birthday.day()) > day)
        --age;
    return age;
}

QStringList matchTypes(const Event &event)
{
    QStringList types;
    for (const Match &match : event.getMatches())
        types << match.getType();
    return types;
}

QStringList repeated(const QString &type, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << type;
    return list;
}

QMap<QString, QByteArray> defaultFilesIn(const QString &resourcesFolder)
{
    QMap<QString, QByteArray> contents;
    const QDir dir(resourcesFolder + "/Defaults");
    for (const QString &name : dir.entryList({"default_orgs_*", "default_list_*"}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            contents.insert(name, file.readAll());
    }
    return contents;
}

// The label a fresh roll from his standing gives him.
QString rolledLabel(const Fighter &fighter)
{
    Fighter rolled = fighter;
    rolled.rollReputationLabel();
    return textsOf(rolled).at(Fighter::ReputationText);
}

// A pool file's fighters; empty when it does not hold exactly one map.
QMultiMap<int, Fighter> poolFile(const QString &prefix, int number)
{
    QMultiMap<int, Fighter> pool;
    QFile file(QString("Resources/Defaults/default_list_%1%2.dat").arg(prefix).arg(number));
    if (!file.open(QIODevice::ReadOnly))
        return pool;
    GameDataStream in(&file);
    if (!StreamRead::readMultiMap(in, pool) || !in.atEnd())
        pool.clear();
    return pool;
}

CareerRecordDraw::Career careerOf(const Fighter &fighter)
{
    CareerRecordDraw::Career career;
    career.wins = wholeNumber(fighter, Fighter::WinsIndex);
    career.losses = wholeNumber(fighter, Fighter::LossesIndex);
    career.knockouts = wholeNumber(fighter, Fighter::KnockoutsIndex);
    return career;
}

bool writeResources(const QString &resourcesFolder)
{
    return DefaultNamesWriter::writeAll(resourcesFolder) && DefaultWorldWriter::writeAll(resourcesFolder);
}

} // namespace

// The default world a new game loads: written by the generator into the
// test's working folder and read by the game's own loader.
class TestWorldDataDefaults : public QObject
{
    Q_OBJECT

private:
    QVector<Organization> organizations;
    QVector<Fighter> freeAgents;
    QVector<Fighter> amateurs;

    QVector<Fighter> rosterOf(const Organization &organization) const
    {
        Organization::Roster roster;
        organization.getRoster(roster);
        return roster.values().toVector();
    }

    QVector<Event> eventsOf(const Organization &organization) const
    {
        QVector<Event> events;
        organization.getEvents(events);
        return events;
    }

    QVector<Fighter> everyFighter() const
    {
        QVector<Fighter> all = freeAgents + amateurs;
        for (const Organization &organization : organizations)
            all += rosterOf(organization);
        return all;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(writeResources(QDir::current().absoluteFilePath("Resources")));
        World &world = World::Instance();
        world.reset();
        world.init();
        world.loadDefaultData();
        QStringList names;
        world.getOrgNames(names);
        for (const QString &name : names)
            organizations.append(WorldTestAccess::organization(name));
        freeAgents = world.getFightersOf("Free Agent");
        amateurs = world.getFightersOf("Amateur");
    }

    void organizationsInTheGamesOrder()
    {
        QStringList names;
        for (const Organization &organization : organizations)
            names << organization.getName();
        QCOMPARE(names, organizationNames);
        for (const QString &key : organizationKeys)
            QVERIFY2(QFile::exists("Resources/Defaults/default_orgs_" + key + ".dat"), qPrintable(key));
    }

    void organizationTexts()
    {
        QSet<QString> tiersUsed;
        QSet<QString> bios;
        for (const Organization &organization : organizations) {
            QStringList texts;
            organization.getInfo(texts);
            QCOMPARE(texts.size(), int(Organization::TextCount));
            for (const QString &text : texts)
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(organization.getName()));
            QVERIFY2(tiers.contains(texts.at(Organization::TierText)), qPrintable(texts.at(Organization::TierText)));
            QCOMPARE(texts.at(Organization::WillingnessText), QString("Willing"));
            bool knownNation = false;
            for (int region = 0; region < NationTable::regionNames().size(); ++region)
                knownNation = knownNation || NationTable::nationsOf(region).contains(texts.at(Organization::NationText));
            QVERIFY2(knownNation, qPrintable(texts.at(Organization::NationText)));
            tiersUsed.insert(texts.at(Organization::TierText));
            bios.insert(texts.at(Organization::BioText));
        }
        QCOMPARE(tiersUsed.size(), tiers.size());
        QCOMPARE(bios.size(), organizations.size());
    }

    void rosters()
    {
        DeterministicRandom random(17, 5);
        for (const Organization &organization : organizations) {
            const QString name = organization.getName();
            Organization::Roster roster;
            organization.getRoster(roster);
            QVERIFY2(roster.size() >= 20 && roster.size() <= 45, qPrintable(name));
            QCOMPARE(roster.uniqueKeys().size(), roster.size());
            for (auto it = roster.constBegin(); it != roster.constEnd(); ++it) {
                const Fighter &fighter = it.value();
                QCOMPARE(it.key(), fighter.getStanding());
                QCOMPARE(textsOf(fighter).at(Fighter::OrganizationText), name);
                const int contract = wholeNumber(fighter, Fighter::ContractMatchesIndex);
                QVERIFY2(contract >= 1 && contract <= 6, qPrintable(fighter.getFullName()));
                QVERIFY(wholeNumber(fighter, Fighter::AgeIndex) >= 18);
                // The label is the one his standing always rolls.
                QCOMPARE(textsOf(fighter).at(Fighter::ReputationText), rolledLabel(fighter));
            }
        }
    }

    void titles()
    {
        for (const Organization &organization : organizations) {
            const QString name = organization.getName();
            Organization::Titles titles;
            organization.getTitles(titles);
            QVERIFY2(!titles.isEmpty(), qPrintable(name));
            QCOMPARE(titles.firstKey(), name + " World Championship");
            QVERIFY(!titles.firstKey().contains(QRegularExpression("\\d{4}")));
            const QVector<Fighter> roster = rosterOf(organization);
            for (auto it = titles.constBegin(); it != titles.constEnd(); ++it) {
                if (it.key() != titles.firstKey()) {
                    QVERIFY2(it.key().contains("Grand Prix"), qPrintable(it.key()));
                    QVERIFY2(it.key().contains(QRegularExpression("\\d{4}")), qPrintable(it.key()));
                }
                if (it.value() == "Vacant")
                    continue;
                // The holder is on the roster and holds the title open.
                auto holder = std::find_if(roster.begin(), roster.end(), [&it](const Fighter &fighter) {
                    return fighter.getFullName() == it.value();
                });
                QVERIFY2(holder != roster.end(), qPrintable(it.value()));
                const QStringList lines = titlesOf(*holder);
                QVERIFY2(std::any_of(lines.begin(), lines.end(), [&it](const QString &line) {
                             return line.contains(it.key()) && !line.contains("until");
                         }),
                         qPrintable(it.key()));
            }
        }
    }

    void eventsOfTheYear()
    {
        for (const Organization &organization : organizations) {
            const QVector<Event> events = eventsOf(organization);
            QVERIFY(!events.isEmpty());
            QStringList info;
            organization.getInfo(info);
            QSet<QString> names;
            QDate previous = FirstDay;
            for (const Event &event : events) {
                QStringList texts;
                event.getTexts(texts);
                for (const QString &text : texts)
                    QVERIFY2(!text.isEmpty(), qPrintable(event.getName()));
                QCOMPARE(event.getOrganization(), organization.getName());
                QCOMPARE(texts.at(Event::TierText), info.at(Organization::TierText));
                // After the first day, in date order, one a day.
                QVERIFY2(event.getDate() > previous, qPrintable(event.getName()));
                QCOMPARE(event.getDate().year(), 2011);
                previous = event.getDate();
                names.insert(event.getName());
                QVERIFY(event.getResultLines().isEmpty());
                QVERIFY(!event.hasPlayerFighter());
                for (const Match &match : event.getMatches()) {
                    QStringList matchTexts;
                    match.getTexts(matchTexts);
                    QCOMPARE(matchTexts.at(Match::FighterAText), QString("TBA"));
                    QCOMPARE(matchTexts.at(Match::FighterBText), QString("TBA"));
                    QCOMPARE(match.getIdA() + match.getIdB(), 0);
                }
            }
            QCOMPARE(names.size(), events.size());
        }
    }

    void cardsAndTitlesAtStake()
    {
        const QStringList grandPrixRounds = repeated("Tournament Quarterfinal", 4)
            + repeated("Tournament Semifinal", 2) + QStringList{"Tournament Final"};
        int championships = 0;
        int grandPrix = 0;
        for (const Organization &organization : organizations) {
            Organization::Titles titles;
            organization.getTitles(titles);
            const QVector<Event> events = eventsOf(organization);
            for (int i = 0; i < events.size(); ++i) {
                const Event &event = events.at(i);
                const QStringList types = matchTypes(event);
                QVERIFY2(!types.isEmpty(), qPrintable(event.getName()));
                if (types.contains("Championship Match")) {
                    ++championships;
                    QCOMPARE(types.count("Championship Match"), 1);
                    QCOMPARE(types.constLast(), QString("Championship Match"));
                    QCOMPARE(types.count("Single Match"), types.size() - 1);
                    QCOMPARE(event.getTitle(), titles.firstKey());
                } else if (types.contains("Tournament Qualifier")) {
                    ++grandPrix;
                    QCOMPARE(types, repeated("Tournament Qualifier", 8));
                    QVERIFY2(i + 1 < events.size(), qPrintable(event.getName()));
                    const Event &finals = events.at(i + 1);
                    QCOMPARE(matchTypes(finals), grandPrixRounds);
                    const QString title = finals.getTitle();
                    QVERIFY(title.contains("Grand Prix") && title.contains("2011"));
                    QVERIFY(title.startsWith(organization.getName()));
                    QVERIFY(title > titles.firstKey());
                } else if (types.contains("Tournament Quarterfinal")) {
                    QVERIFY2(i > 0 && matchTypes(events.at(i - 1)).contains("Tournament Qualifier"),
                             qPrintable(event.getName()));
                } else {
                    QCOMPARE(types, repeated("Single Match", types.size()));
                    QCOMPARE(event.getTitle(), QString("No Title"));
                }
            }
        }
        QVERIFY(championships >= organizations.size());
        QVERIFY(grandPrix > 0);
    }

    void eliteOrganizationsHoldMoreEvents()
    {
        int fewestElite = INT_MAX;
        int mostRegional = 0;
        QMap<QDate, int> perDay;
        for (const Organization &organization : organizations) {
            QStringList info;
            organization.getInfo(info);
            const int count = eventsOf(organization).size();
            if (info.at(Organization::TierText) == "Elite")
                fewestElite = qMin(fewestElite, count);
            if (info.at(Organization::TierText) == "Regional")
                mostRegional = qMax(mostRegional, count);
            for (const Event &event : eventsOf(organization))
                ++perDay[event.getDate()];
        }
        QVERIFY(fewestElite > mostRegional);
        // Most days of the year have something on, none has a crowd.
        QVERIFY(perDay.size() > 300);
        for (int count : perDay)
            QVERIFY(count <= 6);
    }

    void pools_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("youngest");
        QTest::addColumn<int>("oldest");
        QTest::addRow("free agents") << "FreeAgent" << 4 << 18 << 40;
        QTest::addRow("amateurs") << "Amateur" << 6 << 14 << 17;
    }

    void pools()
    {
        QFETCH(QString, prefix);
        QFETCH(int, files);
        QFETCH(int, youngest);
        QFETCH(int, oldest);
        DeterministicRandom random(3, 11);
        int total = 0;
        for (int n = 1; n <= files; ++n) {
            const QMultiMap<int, Fighter> pool = poolFile(prefix, n);
            QVERIFY2(pool.size() >= 20, qPrintable(QString::number(n)));
            total += pool.size();
            for (auto it = pool.constBegin(); it != pool.constEnd(); ++it) {
                const Fighter &fighter = it.value();
                QCOMPARE(it.key(), fighter.getStanding());
                QCOMPARE(textsOf(fighter).at(Fighter::OrganizationText), QString("Free Agent"));
                QCOMPARE(wholeNumber(fighter, Fighter::ContractMatchesIndex), 0);
                const int age = wholeNumber(fighter, Fighter::AgeIndex);
                QVERIFY2(age >= youngest && age <= oldest, qPrintable(fighter.getFullName()));
                QCOMPARE(textsOf(fighter).at(Fighter::ReputationText), rolledLabel(fighter));
            }
        }
        // The loader found them all.
        QCOMPARE(total, (prefix == "Amateur" ? amateurs : freeAgents).size());
    }

    void freeAgentsOfEveryLevel()
    {
        QSet<QString> labels;
        for (const Fighter &fighter : freeAgents)
            labels.insert(textsOf(fighter).at(Fighter::ReputationText));
        QVERIFY(labels.size() >= ReputationLadder::RankCount - 1);
    }

    void everyFighterOnce()
    {
        const QVector<Fighter> all = everyFighter();
        QSet<int> ids;
        QSet<QString> names;
        for (const Fighter &fighter : all) {
            ids.insert(fighter.getId());
            names.insert(fighter.getFullName());
        }
        QCOMPARE(all.size(), LastDefaultId);
        QCOMPARE(ids.size(), LastDefaultId);
        QCOMPARE(*std::min_element(ids.begin(), ids.end()), 1);
        QCOMPARE(*std::max_element(ids.begin(), ids.end()), LastDefaultId);
        QCOMPARE(WorldTestAccess::lastFighterId(), LastDefaultId);
        QCOMPARE(names.size(), all.size());
    }

    void originsAndBirthdays()
    {
        const QStringList regions = NationTable::regionNames();
        for (const Fighter &fighter : everyFighter()) {
            QStringList texts = textsOf(fighter);
            const int region = regions.indexOf(texts.at(Fighter::RegionText));
            QVERIFY2(region >= 0, qPrintable(texts.at(Fighter::RegionText)));
            QVERIFY2(NationTable::nationsOf(region).contains(texts.at(Fighter::NationalityText)),
                     qPrintable(texts.at(Fighter::NationalityText)));
            QStringList titles;
            QVector<int> ints;
            QDate birthday;
            QMultiMap<QDate, QString> history;
            texts.clear();
            fighter.getData(texts, ints, birthday, history, titles);
            QCOMPARE(ageOn(birthday, FirstDay), ints.at(Fighter::AgeIndex));
        }
    }

    // Nearly every professional has a record that adds up, the youngest
    // with few bouts; amateurs have none, and no history goes with a record.
    void recordsFitTheAges()
    {
        int professionals = 0, withBouts = 0;
        for (const Fighter &fighter : everyFighter()) {
            const CareerRecordDraw::Career career = careerOf(fighter);
            const int age = wholeNumber(fighter, Fighter::AgeIndex);
            QMultiMap<QDate, QString> history;
            fighter.getHistory(history);
            QVERIFY2(career.losses >= 0 && career.knockouts >= 0 && career.knockouts <= career.wins
                         && career.bouts() <= (age < 18 ? 0 : age < 20 ? 6 : 100) && history.isEmpty(),
                     qPrintable(fighter.getFullName()));
            professionals += age >= 18;
            withBouts += career.bouts() > 0;
        }
        QVERIFY2(withBouts * 10 >= professionals * 9, qPrintable(QString::number(withBouts)));
    }

    // Title holders and the top of each ranking (the free agents' too) win
    // clearly; the better half of a ranking wins a larger share than the rest.
    void recordsFollowTheRankings()
    {
        QVector<QVector<Fighter>> rankings = {freeAgents};
        QStringList holders;
        for (const Organization &organization : organizations) {
            rankings.append(rosterOf(organization));
            Organization::Titles titles;
            organization.getTitles(titles);
            holders += titles.values();
        }
        for (const QVector<Fighter> &ranking : rankings) {
            qint64 won[2] = {0, 0}, fought[2] = {0, 0};
            for (int place = 0; place < ranking.size(); ++place) {
                const CareerRecordDraw::Career career = careerOf(ranking.at(place));
                if (place < CareerRecordDraw::TopPlaces || holders.contains(ranking.at(place).getFullName()))
                    QVERIFY2(career.wins > 0 && career.wins >= 2 * career.losses,
                             qPrintable(ranking.at(place).getFullName()));
                won[2 * place / ranking.size()] += career.wins;
                fought[2 * place / ranking.size()] += career.bouts();
            }
            QVERIFY(won[0] * fought[1] > won[1] * fought[0]);
        }
    }

    void writingTwiceGivesTheSameFiles()
    {
        const QString again = QDir::current().absoluteFilePath("again/Resources");
        QVERIFY(writeResources(again));
        const QMap<QString, QByteArray> first = defaultFilesIn("Resources");
        QCOMPARE(first.size(), 18 + 4 + 6);
        QCOMPARE(defaultFilesIn(again), first);
    }

    void refusesAFolderTheGeneratorCannotRead()
    {
        const QString elsewhere = QDir::current().absoluteFilePath("Elsewhere");
        QVERIFY(DefaultNamesWriter::writeAll(elsewhere));
        QVERIFY(!DefaultWorldWriter::writeAll(elsewhere));
        QVERIFY(defaultFilesIn(elsewhere).isEmpty());
    }

private slots:
    // The calendar of the default world as the daily booking pass meets it.
    // Every card starts empty on 1 January (and again after each turn of the
    // year) and is filled by one booking pass a day: the first event of every
    // organization leaves a whole week of passes, the last is still in the
    // year, and the others follow in date order.
    void everyCardGetsAWeekOfBooking()
    {
        const QDate newYear(WorldPlan::Year, 1, 1);
        const QVector<OrganizationTable::Organization> &rows = OrganizationTable::organizations();
        for (int position = 0; position < rows.size(); ++position) {
            const QVector<Event> events = EventSchedule::eventsOf(rows.at(position), position);
            QVERIFY2(!events.isEmpty(), qPrintable(rows.at(position).name));
            QVERIFY2(newYear.daysTo(events.constFirst().getDate()) >= 7,
                     qPrintable(events.constFirst().getName() + " " + events.constFirst().getDate().toString()));
            QCOMPARE(events.constLast().getDate().year(), WorldPlan::Year);
            for (int i = 1; i < events.size(); ++i)
                QVERIFY(events.at(i - 1).getDate() < events.at(i).getDate());
        }
    }

};

QTEST_GUILESS_MAIN(TestWorldDataDefaults)
#include "tst_worlddata_defaults.moc"
