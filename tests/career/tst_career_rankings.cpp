#include <QtTest>

#include "world/World.h"
#include "core/WorldTestAccess.h"

using namespace WorldFixtures;

// Organization rankings and finding a fighter by id.
class TestCareerRankings : public QObject
{
    Q_OBJECT

private:
    static QStringList inOrder(const QMultiMap<int, QString> &ranking)
    {
        QStringList lines;
        for (auto it = ranking.cbegin(); it != ranking.cend(); ++it)
            lines << QString::number(it.key()) + " " + it.value();
        return lines;
    }

    static void addLeagues()
    {
        WorldTestAccess::addOrganization(organization(
            "North League", "National", {},
            {fighter(2000, "Al", "North", 10, "North League"), fighter(2001, "Bo", "North", 30, "North League"),
             fighter(2002, "Cy", "North", 30, "North League"), fighter(2003, "Di", "North", 50, "North League"),
             fighter(2000, "Al", "Twin", 70, "North League")}));
        WorldTestAccess::addOrganization(organization(
            "South League", "National", {},
            {fighter(3000, "Ed", "South", 20, "South League"), fighter(3001, "Fu", "South", 40, "South League")}));
        WorldTestAccess::addRosterFighter(gymFighter(1100, "Our", "Champ", 30, "North League"));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Our", "Free", 5));
    }

    static bool isBlank(const Fighter &found)
    {
        QStringList texts;
        found.getStrings(texts);
        QVector<int> ints;
        found.getInts(ints);
        QStringList titles;
        found.getTitles(titles);
        return texts == QVector<QString>(Fighter::TextCount).toList() && ints == QVector<int>(Fighter::IntCount, 0)
            && titles.isEmpty();
    }

private slots:
    void rankingKeepsEqualStandings()
    {
        World &world = WorldTestAccess::freshWorld();
        addLeagues();
        QMultiMap<int, QString> ranking;
        world.collectRankedFighters("North League", ranking);
        // The player's fighter goes in beside the two at 30; every entry is
        // filed ahead of the equal standings filed before it.
        QCOMPARE(inOrder(ranking), QStringList({"10 Al North", "30 Bo North", "30 Cy North",
                                                "30 Our Champ", "50 Di North", "70 Al Twin"}));
    }

    void oneMapGathersTheWorldRanking()
    {
        World &world = WorldTestAccess::freshWorld();
        addLeagues();
        QMultiMap<int, QString> ranking;
        world.collectRankedFighters("North League", ranking);
        world.collectRankedFighters("South League", ranking);
        QCOMPARE(inOrder(ranking), QStringList({"10 Al North", "20 Ed South", "30 Bo North", "30 Cy North",
                                                "30 Our Champ", "40 Fu South", "50 Di North", "70 Al Twin"}));
    }

    void unknownOrganizationListsOnlyItsSignedPlayers()
    {
        World &world = WorldTestAccess::freshWorld();
        addLeagues();
        QMultiMap<int, QString> ranking{{1, "Kept"}};
        world.collectRankedFighters("Free Agent", ranking);
        QCOMPARE(inOrder(ranking), QStringList({"1 Kept", "5 Our Free"}));
        world.collectRankedFighters("Nowhere", ranking);
        QCOMPARE(ranking.size(), 2);
    }

    void orgFighterLookup_data()
    {
        QTest::addColumn<QString>("organizationName");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("found");

        QTest::addRow("first match by standing") << "North League" << 2000 << "Al North";
        QTest::addRow("other organization") << "South League" << 3001 << "Fu South";
        QTest::addRow("id of another organization") << "South League" << 2001 << QString();
        QTest::addRow("player's fighter") << "North League" << 1100 << QString();
        QTest::addRow("no such organization") << "Nowhere" << 2000 << QString();
    }

    void orgFighterLookup()
    {
        QFETCH(QString, organizationName);
        QFETCH(int, id);
        QFETCH(QString, found);

        World &world = WorldTestAccess::freshWorld();
        addLeagues();
        const Fighter result = world.getOrgFighter(organizationName, id);
        if (found.isEmpty()) {
            QVERIFY(isBlank(result));
        } else {
            QCOMPARE(result.getFullName(), found);
            QCOMPARE(result.getId(), id);
        }
    }

    void amateurLookup()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addAmateur(fighter(-116, "Copy", "Player", 40, "Amateur"));
        WorldTestAccess::addAmateur(fighter(-117, "Import", "Ed", 60, "Amateur"));
        WorldTestAccess::addAmateur(fighter(-117, "Second", "Ed", 80, "Amateur"));
        QCOMPARE(world.getAmateur(-117).getFullName(), QString("Import Ed"));
        QCOMPARE(world.getAmateur(-116).getStanding(), 40);
        QVERIFY(isBlank(world.getAmateur(1100)));
    }
};

QTEST_GUILESS_MAIN(TestCareerRankings)
#include "tst_career_rankings.moc"
