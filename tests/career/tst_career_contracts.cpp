#include <QtTest>

#include "world/World.h"
#include "TestSupport.h"
#include "core/FighterBuilder.h"
#include "core/FighterFields.h"
#include "core/WorldTestAccess.h"

using namespace WorldFixtures;
using FighterFields::text;
using FighterFields::wholeNumber;

// The daily contract expiries: renewals of all organizations, then the
// releases into the free-agent pool.
class TestCareerContracts : public QObject
{
    Q_OBJECT

private:
    static Fighter member(int id, const QString &first, const QString &last, int standing,
                          const QString &organization, int matches)
    {
        Fighter made = fighter(id, first, last, standing, organization);
        made.setContract(organization, matches);
        return made;
    }

    static Fighter rosterFighter(const QString &organization, const QString &fullName)
    {
        for (const Fighter &each : World::Instance().getFightersOf(organization)) {
            if (each.getFullName() == fullName)
                return each;
        }
        return Fighter();
    }

    static QStringList namesAt(const QString &pool, int standing)
    {
        QStringList names;
        for (const Fighter &each : World::Instance().getFightersOf(pool)) {
            if (each.getStanding() == standing)
                names << each.getFullName();
        }
        return names;
    }

    // A full organization (50 fighters) turns every renewal down.
    static void addFullOrganization()
    {
        QVector<Fighter> members;
        for (int i = 0; i < 47; ++i)
            members << member(2000 + i, "Filler", QString::number(i), 100 + i, "Big League", 5);
        members << member(1300, "Low", "Deal", 30, "Big League", 2);
        members << member(1301, "Rel", "One", 20, "Free Agent", 0);
        members << member(1302, "Rel", "Two", 20, "Free Agent", 0);
        members << FighterBuilder(member(1303, "Old", "Champ", 25, "Free Agent", 0))
                       .titles({"Big League World Championship - from Sat Jan 1 2011"})
                       .build();
        WorldTestAccess::addOrganization(organization(
            "Big League", "National", {}, members,
            {{"Big League World Championship", "Old Champ"}, {"Big League Regional Title", "Old Champ"},
             {"Big League Youth Title", "Rel One"}}));
    }

private slots:
    void renewalsComeBeforeReleases()
    {
        DeterministicRandom random;
        World &world = WorldTestAccess::freshWorld();
        addFullOrganization();
        WorldTestAccess::addOrganization(organization(
            "Small Circuit", "Regional", {},
            {member(1400, "New", "Deal", 3, "Small Circuit", 1),
             member(1401, "Back", "Again", 4, "Free Agent", 0),
             member(1402, "Long", "Deal", 5, "Small Circuit", 5)}));
        WorldTestAccess::addOrganization(organization(
            "Quiet Org", "Regional", {}, {member(1500, "Calm", "Man", 7, "Quiet Org", 6)}));
        WorldTestAccess::addFreeAgent(fighter(1600, "Pool", "Guy", 20));

        QStringList news{"Earlier line"};
        world.processContractExpiries(news);

        // Equal standings: the fighter filed later walks first.
        QCOMPARE(news, QStringList({
            "Earlier line",
            "New Deal has renewed his contract with Small Circuit",
            "Back Again has renewed his contract with Small Circuit",
            "Rel Two has left Big League and is now a free agent.",
            "Rel One has left Big League and is now a free agent.",
            "Old Champ has left Big League and is now a free agent.",
        }));

        for (const char *name : {"New Deal", "Back Again"}) {
            const Fighter renewed = rosterFighter("Small Circuit", name);
            QCOMPARE(text(renewed, Fighter::OrganizationText), QString("Small Circuit"));
            QVERIFY(wholeNumber(renewed, Fighter::ContractMatchesIndex) >= 3);
            QVERIFY(wholeNumber(renewed, Fighter::ContractMatchesIndex) <= 7);
        }
        QCOMPARE(wholeNumber(rosterFighter("Big League", "Low Deal"), Fighter::ContractMatchesIndex), 2);
        QCOMPARE(world.getFightersOf("Big League").size(), 47 + 1);
    }

    void releasedFightersJoinThePoolBesideEqualStandings()
    {
        DeterministicRandom random;
        World &world = WorldTestAccess::freshWorld();
        addFullOrganization();
        WorldTestAccess::addFreeAgent(fighter(1600, "Pool", "Guy", 20));

        QStringList news;
        world.processContractExpiries(news);

        QCOMPARE(namesAt("Free Agent", 20), QStringList({"Rel One", "Rel Two", "Pool Guy"}));
        const Fighter released = rosterFighter("Free Agent", "Old Champ");
        QCOMPARE(released.getId(), 1303);
        QCOMPARE(text(released, Fighter::OrganizationText), QString("Free Agent"));
        QCOMPARE(wholeNumber(released, Fighter::ContractMatchesIndex), 0);
        QStringList titles;
        released.getTitles(titles);
        QCOMPARE(titles, QStringList{"Big League World Championship - from Sat Jan 1 2011"});
    }

    void onlyTheWorldTitleIsVacated()
    {
        DeterministicRandom random;
        World &world = WorldTestAccess::freshWorld();
        addFullOrganization();
        QStringList news;
        world.processContractExpiries(news);

        QCOMPARE(WorldTestAccess::titleHolder("Big League", "Big League World Championship"), QString("Vacant"));
        QCOMPARE(WorldTestAccess::titleHolder("Big League", "Big League Regional Title"), QString("Old Champ"));
        QCOMPARE(WorldTestAccess::titleHolder("Big League", "Big League Youth Title"), QString("Rel One"));
    }

    void nothingRunningLowAddsNoLine()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addOrganization(organization(
            "Quiet Org", "Regional", {}, {member(1500, "Calm", "Man", 7, "Quiet Org", 3)}));
        WorldTestAccess::addOrganization(organization("Empty Org"));
        QStringList news;
        world.processContractExpiries(news);
        QVERIFY(news.isEmpty());
        QVERIFY(world.getFightersOf("Free Agent").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCareerContracts)
#include "tst_career_contracts.moc"
