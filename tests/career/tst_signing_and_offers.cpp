#include <QtTest>

#include "TestSupport.h"
#include "core/FighterBuilder.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

using namespace LeagueFixtures;
using namespace WorldFixtures;

// The organizations sign free agents and offer single matches to the
// player's unsigned fighters.
class TestSigningAndOffers : public QObject
{
    Q_OBJECT

private:
    static const int Seeds = 40;

    static QStringList poolNames()
    {
        QStringList names;
        for (const Fighter &agent : WorldTestAccess::freeAgents())
            names << agent.getLastName();
        return names;
    }

    static QStringList offerTexts()
    {
        QStringList texts;
        for (const Offer &offer : WorldTestAccess::offers()) {
            QString fighter, event, organization;
            offer.getTexts(fighter, event, organization);
            texts << QString::number(offer.getId()) + "|" + fighter + "|" + event + "|" + organization + "|"
                         + offer.getDateText();
        }
        return texts;
    }

    // Today 1 March 2011. Org "O1" of the tier, its next event `daysAway`
    // days ahead with the card given; one player's fighter, a free agent
    // with the label.
    static void buildOfferWorld(const QString &tier, int daysAway, const QVector<Match> &card,
                                const QString &label, const QString &contract = "Free Agent")
    {
        WorldTestAccess::freshWorld();
        const QDate today(2011, 3, 1);
        WorldTestAccess::setDate(today);
        WorldTestAccess::addOrganization(organization("O1", tier, {
            eventOn("O1 Past", "O1", today.addDays(-3), open(MatchType::Single, 2)),
            eventOn("O1 Next", "O1", today.addDays(daysAway), card),
        }, members(3, 3000, "O1")));
        GymFighter mine = gymFighter(1101, "Jo", "Park", 500, contract);
        FighterBuilder(mine).text(Fighter::ReputationText, label).into(mine);
        WorldTestAccess::addRosterFighter(mine);
    }

    // Offers made over a run of seeds, each from a fresh copy of the world
    // the builder makes.
    template <typename Build>
    static QStringList offersOverSeeds(Build build)
    {
        QStringList seen;
        for (int seed = 0; seed < Seeds; ++seed) {
            build();
            DeterministicRandom random(seed * 13, unsigned(seed) + 1);
            World::Instance().generateOffers();
            seen << offerTexts();
        }
        return seen;
    }

    static QVector<Match> cardOf(const QString &kind)
    {
        const Match filled = match(MatchType::Single, "A B", 3000, "C D", 3001);
        if (kind == "open title fight only")
            return {filled, match(MatchType::Championship)};
        if (kind == "main event open only")
            return {filled, match(MatchType::Single)};
        return open(MatchType::Single, 2);
    }

private slots:
    void openRosterSignsTheBestUntilFull()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addOrganization(organization("O1", "Elite", {}, members(25, 3000, "O1")));
        for (int i = 0; i < 10; ++i)
            WorldTestAccess::addFreeAgent(pro(4000 + i, "A" + QString::number(i), 1000 - 100 * i));

        DeterministicRandom random;
        QStringList news;
        world.signFreeAgents(news);

        // The pool is walked from the best standing: A9 (100) to A4 (600).
        QCOMPARE(news.size(), 6);
        QCOMPARE(news.first(), QString("F4009 A9 has been signed by O1."));
        QCOMPARE(news.last(), QString("F4004 A4 has been signed by O1."));
        QCOMPARE(poolNames(), (QStringList{"A3", "A2", "A1", "A0"}));
        const Organization::Roster roster = rosterOf("O1");
        QCOMPARE(roster.size(), 31);
        const Fighter signedFighter = roster.value(100);
        QCOMPARE(FighterFields::text(signedFighter, Fighter::OrganizationText), QString("O1"));
        QCOMPARE(FighterFields::wholeNumber(signedFighter, Fighter::ContractMatchesIndex), 4);
    }

    void signedAgentIsGoneForTheNext()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addOrganization(organization("O1", "Regional", {}, members(30, 3000, "O1")));
        WorldTestAccess::addOrganization(organization("O2", "Regional", {}, members(30, 3100, "O2")));
        WorldTestAccess::addFreeAgent(pro(4000, "Best", 100));
        WorldTestAccess::addFreeAgent(pro(4001, "Next", 200));

        DeterministicRandom random;
        QStringList news;
        world.signFreeAgents(news);
        QCOMPARE(news, (QStringList{"F4000 Best has been signed by O1.", "F4001 Next has been signed by O2."}));
        QVERIFY(WorldTestAccess::freeAgents().isEmpty());
    }

    void emptyPoolSignsNobody()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addOrganization(organization("O1", "Regional", {}, members(5, 3000, "O1")));
        QStringList news;
        world.signFreeAgents(news);
        QVERIFY(news.isEmpty());
        QCOMPARE(rosterOf("O1").size(), 5);
    }

    // A full roster (31 to 49) looks only at the labels its tier cares
    // about, then the fit test decides (3 chances in 4 within its band).
    void fullRosterTierCaps_data()
    {
        QTest::addColumn<QString>("tier");
        QTest::addColumn<int>("rosterSize");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("attribute");
        QTest::addColumn<bool>("signs");
        QTest::addRow("Elite takes World Class") << "Elite" << 35 << "World Class" << 80 << true;
        QTest::addRow("Elite skips International Superstar")
            << "Elite" << 35 << "International Superstar" << 80 << false;
        QTest::addRow("World Class takes Championship Caliber")
            << "World Class" << 35 << "Championship Caliber" << 62 << true;
        QTest::addRow("World Class skips Contender") << "World Class" << 35 << "Contender" << 62 << false;
        QTest::addRow("International takes Respectable Opponent")
            << "International" << 35 << "Respectable Opponent" << 48 << true;
        QTest::addRow("International skips Nationally Ranked")
            << "International" << 35 << "Nationally Ranked" << 48 << false;
        QTest::addRow("National takes Rising Star") << "National" << 35 << "Rising Star" << 33 << true;
        QTest::addRow("National skips Local Fighter") << "National" << 35 << "Local Fighter" << 33 << false;
        QTest::addRow("Regional takes Unknown") << "Regional" << 35 << "Unknown" << 18 << true;
        QTest::addRow("label off the ladder passes the cap") << "Elite" << 35 << "Hopeful" << 80 << true;
        QTest::addRow("unknown tier takes nobody once full") << "Galactic" << 35 << "Legendary" << 80 << false;
        QTest::addRow("in band but skill too low") << "Elite" << 35 << "Legendary" << 40 << false;
        QTest::addRow("50 or more take nobody") << "Regional" << 50 << "Unknown" << 18 << false;
    }

    void fullRosterTierCaps()
    {
        QFETCH(QString, tier);
        QFETCH(int, rosterSize);
        QFETCH(QString, label);
        QFETCH(int, attribute);
        QFETCH(bool, signs);

        int signings = 0;
        for (int seed = 0; seed < Seeds; ++seed) {
            World &world = WorldTestAccess::freshWorld();
            WorldTestAccess::addOrganization(organization("O1", tier, {}, members(rosterSize, 3000, "O1")));
            WorldTestAccess::addFreeAgent(pro(4000, "Agent", 100, "Free Agent", label, attribute));
            WorldTestAccess::addFreeAgent(pro(4001, "Other", 200, "Free Agent", label, attribute));
            DeterministicRandom random(seed * 11, unsigned(seed) + 1);
            QStringList news;
            world.signFreeAgents(news);
            // A full roster signs at most one a day.
            QVERIFY(news.size() <= 1);
            signings += news.size();
        }
        QCOMPARE(signings > 0, signs);
    }

    void offerConditions_data()
    {
        QTest::addColumn<QString>("tier");
        QTest::addColumn<int>("daysAway");
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("contract");
        QTest::addColumn<bool>("offered");

        const QString twoOpen = "two open singles";
        QTest::addRow("Elite wants World Class") << "Elite" << 5 << twoOpen << "World Class" << "Free Agent" << true;
        QTest::addRow("World Class wants Contender") << "World Class" << 5 << twoOpen << "Contender" << "Free Agent"
                                                      << true;
        QTest::addRow("International wants Nationally Ranked")
            << "International" << 5 << twoOpen << "Nationally Ranked" << "Free Agent" << true;
        QTest::addRow("National wants Local Fighter") << "National" << 5 << twoOpen << "Local Fighter"
                                                      << "Free Agent" << true;
        QTest::addRow("Regional wants Unknown") << "Regional" << 3 << twoOpen << "Unknown" << "Free Agent" << true;
        QTest::addRow("a label the tier does not want") << "Elite" << 5 << twoOpen << "Contender" << "Free Agent"
                                                         << false;
        QTest::addRow("unknown tier wants nobody") << "Galactic" << 5 << twoOpen << "Unknown" << "Free Agent"
                                                   << false;
        QTest::addRow("event two days away") << "Regional" << 2 << twoOpen << "Unknown" << "Free Agent" << false;
        QTest::addRow("event today") << "Regional" << 0 << twoOpen << "Unknown" << "Free Agent" << false;
        QTest::addRow("no event ahead") << "Regional" << -1 << twoOpen << "Unknown" << "Free Agent" << false;
        QTest::addRow("no open single match")
            << "Regional" << 5 << "open title fight only" << "Unknown" << "Free Agent" << false;
        QTest::addRow("only the main event open")
            << "Regional" << 5 << "main event open only" << "Unknown" << "Free Agent" << false;
        QTest::addRow("fighter under contract") << "Regional" << 5 << twoOpen << "Unknown" << "O2" << false;
    }

    void offerConditions()
    {
        QFETCH(QString, tier);
        QFETCH(int, daysAway);
        QFETCH(QString, card);
        QFETCH(QString, label);
        QFETCH(QString, contract);
        QFETCH(bool, offered);

        const QStringList seen = offersOverSeeds([&] { buildOfferWorld(tier, daysAway, cardOf(card), label, contract); });
        QCOMPARE(!seen.isEmpty(), offered);
        if (offered) {
            const QString expected = "1101|Jo Park|O1 Next|O1|" + QDate(2011, 3, 1).addDays(daysAway).toString();
            QCOMPARE(seen.first(), expected);
            // One draw per organization and day: some days make no offer.
            QVERIFY(seen.size() < Seeds);
        }
    }

    void noOfferWhileBookedOrPending_data()
    {
        QTest::addColumn<bool>("booked");
        QTest::addRow("a player's fighter booked with the organization") << true;
        QTest::addRow("an offer from the organization pending") << false;
    }

    void noOfferWhileBookedOrPending()
    {
        QFETCH(bool, booked);
        const QStringList seen = offersOverSeeds([&] {
            buildOfferWorld("Regional", 5, open(MatchType::Single, 2), "Unknown");
            GymFighter other = gymFighter(1102, "Al", "Ross", 600, "O1");
            WorldTestAccess::addRosterFighter(other);
            const Offer earlier = offer(1102, "Al Ross", "O1 Next", "O1", QDate(2011, 3, 6));
            if (booked)
                World::Instance().updateBooking(earlier);
            else
                WorldTestAccess::addOffer(earlier);
        });
        // Only the offer put there by hand, never a new one.
        for (const QString &text : seen)
            QVERIFY2(text.startsWith("1102|"), qPrintable(text));
    }

    void twoOrganizationsOfferTheSameFighter()
    {
        bool both = false;
        for (int seed = 0; seed < 10 * Seeds && !both; ++seed) {
            buildOfferWorld("Regional", 5, open(MatchType::Single, 2), "Unknown");
            WorldTestAccess::addOrganization(organization("O2", "Regional", {
                eventOn("O2 Next", "O2", QDate(2011, 3, 9), open(MatchType::Single, 2)),
            }));
            DeterministicRandom random(seed * 7, unsigned(seed) + 1);
            World::Instance().generateOffers();
            both = offerTexts().size() == 2;
        }
        QVERIFY(both);
        QCOMPARE(offerTexts().last(), QString("1101|Jo Park|O2 Next|O2|") + QDate(2011, 3, 9).toString());
    }
};

QTEST_GUILESS_MAIN(TestSigningAndOffers)
#include "tst_signing_and_offers.moc"
