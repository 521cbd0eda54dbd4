#include <QtTest>

#include "core/WorldTestAccess.h"
#include "world/World.h"
#include "records/TextDate.h"

using namespace WorldFixtures;

// Pending offers, bookings, contracts and one-match bookings.
class TestWorldOffers : public QObject
{
    Q_OBJECT

private:
    static QStringList offerKeys()
    {
        QStringList keys;
        for (const Offer &offer : WorldTestAccess::offers())
            keys << QString::number(offer.getId()) + ":" + offer.getEventName();
        return keys;
    }

    static void contractOf(int position, QString &organization, int &matches, int &purse)
    {
        World::Instance().getContractInfo(organization, matches, purse, position);
    }

    // Today is 1 March 2011; G1's next event is on 10 March, its main event
    // still open (and, unless `complete`, one more bout open before it).
    static World &buildBookingWorld(bool complete = false)
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(QDate(2011, 3, 1));
        const Match undercard = complete ? match(MatchType::Single, "Ken Sato", 1200, "Lu Ming", 1201)
                                         : match(MatchType::Single);
        WorldTestAccess::addOrganization(organization("G1", "Elite", {
            eventOn("G1 Past", "G1", QDate(2011, 2, 1), {match(MatchType::Single)}),
            eventOn("G1 Event", "G1", QDate(2011, 3, 10), {undercard, match(MatchType::Single)}),
            eventOn("G1 Later", "G1", QDate(2011, 4, 10), {match(MatchType::Single), match(MatchType::Single)}),
        }));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100));
        return world;
    }

private slots:
    void removingOffers()
    {
        World &world = WorldTestAccess::freshWorld();
        const QDate day(2011, 6, 1);
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "E1", "G1", day));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "E2", "G1", day));
        WorldTestAccess::addOffer(offer(1102, "Al Ross", "E1", "G1", day));
        WorldTestAccess::addOffer(offer(1103, "Cy Moss", "E3", "G1", day));
        WorldTestAccess::addOffer(offer(1101, "Jo Park", "E3", "G1", day));

        // Only the first offer for the event goes.
        world.removeOffersForEvent("E1");
        QCOMPARE(offerKeys(), (QStringList{"1101:E2", "1102:E1", "1103:E3", "1101:E3"}));
        world.removeOffer(1101);
        QCOMPARE(offerKeys(), (QStringList{"1102:E1", "1103:E3"}));
        QCOMPARE(world.getOfferEventNames(), (QStringList{"E1", "E3"}));
        world.removeOffersForEvent("E9");
        world.removeOffer(9999);
        QCOMPARE(offerKeys().size(), 2);
    }

    void removeExpiredOffers()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(QDate(2011, 3, 1));
        WorldTestAccess::addOffer(offer(1, "A", "8 March", "G1", QDate(2011, 3, 8)));
        WorldTestAccess::addOffer(offer(2, "B", "9 March", "G1", QDate(2011, 3, 9)));
        WorldTestAccess::addOffer(offer(3, "C", "February", "G1", QDate(2011, 2, 10)));
        world.removeExpiredOffers();
        QCOMPARE(world.getOfferEventNames(), QStringList{"9 March"});
    }

    void getOfferByPosition_data()
    {
        QTest::addColumn<int>("offers");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("id");
        QTest::addRow("second of two") << 2 << 1 << 1102;
        QTest::addRow("no offers") << 0 << 0 << 0;
        QTest::addRow("past the end") << 2 << 2 << 0;
        QTest::addRow("minus one") << 2 << -1 << 0;
    }

    void getOfferByPosition()
    {
        QFETCH(int, offers);
        QFETCH(int, position);
        QFETCH(int, id);
        World &world = WorldTestAccess::freshWorld();
        for (int i = 1; i <= offers; ++i)
            WorldTestAccess::addOffer(offer(1100 + i, "F", "E", "G1", QDate(2011, 6, 1)));
        const Offer read = world.getOffer(position);
        QCOMPARE(read.getId(), id);
        if (id == 0) {
            QCOMPARE(read.getEventName(), QString("N/A"));
            QCOMPARE(read.getDateText(), QString("N/A"));
        }
    }

    void bookingsAreClearedAndUpdatedByFighterId()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100));
        WorldTestAccess::addRosterFighter(gymFighter(1102, "Al", "Ross", 100));
        QCOMPARE(world.getBookingDescriptions().value("Jo Park"), QString("N/A - N/A"));

        const Offer booking = offer(1101, "Jo Park", "G1 Event", "G1", QDate(2011, 3, 8));
        world.updateBooking(booking);
        QMap<QString, QString> descriptions = world.getBookingDescriptions();
        QCOMPARE(descriptions.value("Jo Park"), "G1 Event - " + TextDate::shortText(QDate(2011, 3, 8)));
        QCOMPARE(descriptions.value("Al Ross"), QString("N/A - N/A"));

        world.clearBooking(1101);
        const Offer cleared = WorldTestAccess::bookings().first();
        QCOMPARE(cleared.getId(), 1101);
        QCOMPARE(cleared.getFighterName(), QString("Jo Park"));
        QCOMPARE(cleared.getEventName(), QString("N/A"));

        world.updateBooking(booking);
        QCOMPARE(WorldTestAccess::bookings().first(), booking);
        world.updateBooking(offer(9999, "Nobody", "X", "G1", QDate(2011, 3, 8)));
        world.clearBooking(9999);
        QCOMPARE(WorldTestAccess::bookings().size(), 2);
    }

    void signContract_data()
    {
        QTest::addColumn<QString>("tier");
        QTest::addColumn<int>("charisma");
        QTest::addColumn<int>("reputationPoints");
        QTest::addColumn<int>("purseAsked");
        QTest::addColumn<int>("purse");
        QTest::addRow("purse given") << "Elite" << 2 << 300 << 2500 << 2500;
        QTest::addRow("purse 0 stays 0") << "Elite" << 2 << 300 << 0 << 0;
        QTest::addRow("Elite, nobody yet") << "Elite" << 0 << 0 << -1 << 5000;
        QTest::addRow("World Class") << "World Class" << 1 << 100 << -1 << 4800;
        QTest::addRow("International") << "International" << 0 << 500 << -7 << 4500;
        QTest::addRow("National") << "National" << 2 << 300 << -1 << 3800;
        QTest::addRow("Regional") << "Regional" << 4 << 200 << -1 << 2000;
        QTest::addRow("unknown tier pays as Regional") << "Galactic" << 4 << 200 << -1 << 2000;
    }

    void signContract()
    {
        QFETCH(QString, tier);
        QFETCH(int, charisma);
        QFETCH(int, reputationPoints);
        QFETCH(int, purseAsked);
        QFETCH(int, purse);
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addOrganization(organization("G1", tier));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100, "Free Agent", charisma,
                                                     reputationPoints));
        world.signContract(1101, "G1", 3, purseAsked);
        QString organizationName;
        int matches = 0, purseOut = 0;
        contractOf(0, organizationName, matches, purseOut);
        QCOMPARE(organizationName, QString("G1"));
        QCOMPARE(matches, 3);
        QCOMPARE(purseOut, purse);
    }

    void signContractWithUnknownOrganizationOrFighter()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::addOrganization(organization("G1", "Elite"));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100, "Free Agent", 0, 0, 700));
        world.signContract(1101, "G2", 3, -1);
        world.signContract(1101, "G2", 3, 900);
        world.signContract(1102, "G1", 3, 900);
        QString organizationName;
        int matches = 0, purse = 0;
        contractOf(0, organizationName, matches, purse);
        QCOMPARE(organizationName, QString("Free Agent"));
        QCOMPARE(matches, 4);
        QCOMPARE(purse, 700);
    }

    void bookFighter_data()
    {
        QTest::addColumn<QString>("organizationName");
        QTest::addColumn<QString>("eventName");
        QTest::addColumn<QDate>("eventDate");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<bool>("booked");
        QTest::addRow("next event") << "G1" << "G1 Event" << QDate(2011, 3, 10) << false << true;
        QTest::addRow("a year off still matches") << "G1" << "G1 Event" << QDate(2012, 3, 10) << false << true;
        QTest::addRow("another day") << "G1" << "G1 Event" << QDate(2011, 3, 11) << false << false;
        QTest::addRow("another month") << "G1" << "G1 Event" << QDate(2011, 4, 10) << false << false;
        QTest::addRow("not the next event") << "G1" << "G1 Later" << QDate(2011, 4, 10) << false << false;
        QTest::addRow("only the main event open") << "G1" << "G1 Event" << QDate(2011, 3, 10) << true << false;
        QTest::addRow("unknown organization") << "G2" << "G1 Event" << QDate(2011, 3, 10) << false << false;
    }

    void bookFighter()
    {
        QFETCH(QString, organizationName);
        QFETCH(QString, eventName);
        QFETCH(QDate, eventDate);
        QFETCH(bool, complete);
        QFETCH(bool, booked);
        World &world = buildBookingWorld(complete);

        QCOMPARE(world.bookFighter(1101, "Jo Park", organizationName, eventName, MatchType::Single, eventDate, true),
                 booked);

        const Event next = world.getEventsOn(QDate(2011, 3, 10)).first();
        QCOMPARE(next.hasPlayerFighter(), booked);
        QCOMPARE(next.getMatches().first().getIdA(), booked ? 1101 : (complete ? 1200 : 0));
    }

    void negotiationNeedsTheOrganization()
    {
        World &world = WorldTestAccess::freshWorld();
        QString message = "unchanged";
        QVERIFY(!world.negotiateWithOrg("G1", QStringList(), QVector<int>(95, 50), QVector<int>(7, 0), 1, 1000,
                                        message));
        QCOMPARE(message, QString("unchanged"));

        WorldTestAccess::addOrganization(organization("G1", "Regional", {}, {}, {}, "Unwilling"));
        QStringList fighterTexts;
        gymFighter(1101, "Jo", "Park", 100).getStrings(fighterTexts);
        QVERIFY(!world.negotiateWithOrg("G1", fighterTexts, QVector<int>(95, 50), QVector<int>(7, 0), 1, 1000,
                                        message));
        QCOMPARE(message, QString("This company is unwilling to negotiate with you for the time being."));
    }
};

QTEST_GUILESS_MAIN(TestWorldOffers)
#include "tst_world_offers.moc"
