#include <QtTest>

#include "TestSupport.h"
#include "core/FighterBuilder.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"
#include "records/Manager.h"
#include "world/World.h"

using namespace LeagueFixtures;
using namespace WorldFixtures;

// Fought bouts reach the records, and tournament winners the next round.
class TestOrgResults : public QObject
{
    Q_OBJECT

private:
    static QDate today() { return QDate(2011, 3, 1); }
    static QString title() { return "O1 World Championship"; }

    static QString winLine(const QString &method, bool titled)
    {
        return "Win: Ken Sato - " + method + " - Rd. 1(1:00) - O1: O1 Event" + (titled ? "|" + title() : "");
    }

    static QString lossLine(bool titled)
    {
        return "Loss: Ken Sato - KO(Jab) - Rd. 1(1:00) - O1: O1 Event" + (titled ? "|" + title() : "");
    }

    static QVector<int> managerNumbers()
    {
        QVector<int> numbers;
        World::Instance().getManagerStats(numbers);
        return numbers;
    }

    static QStringList managerTitles()
    {
        QStringList texts, titles;
        QVector<int> numbers;
        World::Instance().getManagerData(texts, numbers, titles);
        return titles;
    }

    // Tournament cards of O1 (ids 3000 on): today's "Cup Day" holds four
    // filled quarterfinals, two semifinals and the final, with the sides
    // of the later rounds given by `semis` and `final`.
    static World &buildCupWorld(const QVector<Match> &semis, const Match &final,
                                const QVector<Event> &later = {})
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        QVector<Match> card;
        for (int i = 0; i < 4; ++i)
            card << match(MatchType::Quarterfinal, "F" + QString::number(3000 + 2 * i), 3000 + 2 * i,
                          "F" + QString::number(3001 + 2 * i), 3001 + 2 * i);
        card << semis << final;
        QVector<Event> events{LeagueFixtures::event("Cup Day", "O1", today(), card, "O1 Grand Prix")};
        events << later;
        WorldTestAccess::addOrganization(organization("O1", "National", events, members(12, 3000, "O1")));
        return world;
    }

    static QString sidesOf(const QString &eventName)
    {
        for (const Organization &organization : WorldTestAccess::organizations()) {
            QVector<Event> events;
            organization.getEvents(events);
            for (const Event &event : events) {
                if (event.getName() == eventName)
                    return sideNames(event).join(",");
            }
        }
        return QString();
    }

private slots:
    void playerFighterResult_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("contract");
        QTest::addColumn<QStringList>("fighterTitles");
        QTest::addColumn<QStringList>("managerTitlesBefore");
        QTest::addColumn<QString>("historyEntry");
        QTest::addColumn<QStringList>("titlesAfter");
        QTest::addColumn<QStringList>("managerTitlesAfter");
        // wins, losses, knockouts; manager wins, losses
        QTest::addColumn<QVector<int>>("counts");
        QTest::addColumn<QString>("organization");

        const QString day = today().toString();
        const QString opened = title() + " - from " + day;
        const QString closed = opened + " until " + day;
        QTest::addRow("knockout win") << winLine("KO(Hook)", false) << QString(MatchType::Single) << 4
                                      << QStringList() << QStringList() << winLine("KO(Hook)", false)
                                      << QStringList() << QStringList() << QVector<int>{1, 0, 1, 1, 0} << "O1";
        QTest::addRow("decision win") << winLine("Split Decision", false) << QString(MatchType::Qualifier) << 4
                                      << QStringList() << QStringList() << winLine("Split Decision", false)
                                      << QStringList() << QStringList() << QVector<int>{1, 0, 0, 1, 0} << "O1";
        QTest::addRow("loss") << lossLine(false) << QString(MatchType::Single) << 4 << QStringList()
                              << QStringList() << lossLine(false) << QStringList() << QStringList()
                              << QVector<int>{0, 1, 0, 0, 1} << "O1";
        QTest::addRow("title won") << winLine("KO(Hook)", true) << QString(MatchType::Championship) << 4
                                   << QStringList() << QStringList()
                                   << winLine("KO(Hook)", false) + " - Won " + title() << QStringList{opened}
                                   << QStringList{opened} << QVector<int>{1, 0, 1, 1, 0} << "O1";
        QTest::addRow("title retained") << winLine("KO(Hook)", true) << QString(MatchType::Championship) << 4
                                        << QStringList{title() + " - from then"}
                                        << QStringList{title() + " - from then"}
                                        << winLine("KO(Hook)", false) + " - Retained " + title()
                                        << QStringList{title() + " - from then"}
                                        << QStringList{title() + " - from then"} << QVector<int>{1, 0, 1, 1, 0}
                                        << "O1";
        QTest::addRow("title lost") << lossLine(true) << QString(MatchType::Championship) << 4
                                    << QStringList{title() + " - from then"} << QStringList{title() + " - from then"}
                                    << lossLine(false) + " - Lost " + title()
                                    << QStringList{title() + " - from then until " + day}
                                    << QStringList{title() + " - from then until " + day}
                                    << QVector<int>{0, 1, 0, 0, 1} << "O1";
        QTest::addRow("title won as the contract runs out")
            << winLine("KO(Hook)", true) << QString(MatchType::Championship) << 1 << QStringList() << QStringList()
            << winLine("KO(Hook)", false) + " - Won " + title() << QStringList{closed} << QStringList{closed}
            << QVector<int>{1, 0, 1, 1, 0} << "Free Agent";
        QTest::addRow("title lost as the contract runs out")
            << lossLine(true) << QString(MatchType::Championship) << 1 << QStringList{title() + " - from then"}
            << QStringList{title() + " - from then"} << lossLine(false) + " - Lost " + title()
            << QStringList{title() + " - from then until " + day}
            << QStringList{title() + " - from then until " + day} << QVector<int>{0, 1, 0, 0, 1} << "Free Agent";
        QTest::addRow("a tournament win leaves the contract") << winLine("KO(Hook)", false)
                                                             << QString(MatchType::Semifinal) << 1 << QStringList()
                                                             << QStringList() << winLine("KO(Hook)", false)
                                                             << QStringList() << QStringList()
                                                             << QVector<int>{1, 0, 1, 1, 0} << "O1";
    }

    void playerFighterResult()
    {
        QFETCH(QString, result);
        QFETCH(QString, type);
        QFETCH(int, contract);
        QFETCH(QStringList, fighterTitles);
        QFETCH(QStringList, managerTitlesBefore);
        QFETCH(QString, historyEntry);
        QFETCH(QStringList, titlesAfter);
        QFETCH(QStringList, managerTitlesAfter);
        QFETCH(QVector<int>, counts);
        QFETCH(QString, organization);

        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        GymFighter mine = gymFighter(1101, "Jo", "Park", 500, "O1");
        FighterBuilder(mine).number(Fighter::ContractMatchesIndex, contract).titles(fighterTitles).into(mine);
        WorldTestAccess::addRosterFighter(mine);
        for (const QString &line : managerTitlesBefore)
            WorldTestAccess::addManagerTitle(line);

        world.recordMatchResult("ignored", 1101, result, type);

        const GymFighter after = world.getFighterById(1101);
        QMultiMap<QDate, QString> history;
        after.getHistory(history);
        QCOMPARE(history.values(today()), QStringList{historyEntry});
        QStringList titles;
        after.getTitles(titles);
        QCOMPARE(titles, titlesAfter);
        QCOMPARE(managerTitles(), managerTitlesAfter);
        QCOMPARE(FighterFields::wholeNumber(after, Fighter::WinsIndex), counts.at(0));
        QCOMPARE(FighterFields::wholeNumber(after, Fighter::LossesIndex), counts.at(1));
        QCOMPARE(FighterFields::wholeNumber(after, Fighter::KnockoutsIndex), counts.at(2));
        QCOMPARE(managerNumbers().at(Manager::WinsIndex), counts.at(3));
        QCOMPARE(managerNumbers().at(Manager::LossesIndex), counts.at(4));
        QCOMPARE(managerNumbers().at(Manager::ActiveWinsIndex), counts.at(3));
        QCOMPARE(FighterFields::text(after, Fighter::OrganizationText), organization);
    }

    void organizationFighterResult()
    {
        World &world = WorldTestAccess::freshWorld();
        WorldTestAccess::setDate(today());
        WorldTestAccess::addOrganization(organization("O1", "National", {}, members(3, 3000, "O1")));
        world.recordOrgFightResult("O1", 3001, winLine("KO(Hook)", false), MatchType::Single);
        world.recordOrgFightResult("O1", 3001, lossLine(true), MatchType::Quarterfinal);
        // Unknown organizations and ids change nothing.
        world.recordOrgFightResult("O9", 3002, winLine("KO(Hook)", false), MatchType::Single);
        world.recordOrgFightResult("O1", 4444, winLine("KO(Hook)", false), MatchType::Single);
        world.recordMatchResult("O1", 4444, winLine("KO(Hook)", false), MatchType::Single);

        const Organization::Roster roster = rosterOf("O1");
        const Fighter fighter = roster.value(20);
        QMultiMap<QDate, QString> history;
        fighter.getHistory(history);
        QCOMPARE(history.values(today()).size(), 2);
        QCOMPARE(FighterFields::wholeNumber(fighter, Fighter::WinsIndex), 1);
        QCOMPARE(FighterFields::wholeNumber(fighter, Fighter::LossesIndex), 1);
        QCOMPARE(FighterFields::wholeNumber(fighter, Fighter::ContractMatchesIndex), 2);
        QCOMPARE(FighterFields::wholeNumber(roster.value(30), Fighter::WinsIndex), 0);
        QCOMPARE(managerNumbers().at(Manager::WinsIndex), 0);
    }

    void tournamentSteps_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("winner");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("sides");

        QTest::addRow("quarterfinal won: first open semifinal side")
            << "open semis" << 3002 << "Booked F3002 L3002 for a Tournament Semifinal at Cup Day" << "Cup Day"
            << "F3002 L3002,TBA,TBA,TBA,TBA,TBA";
        QTest::addRow("second winner takes side B")
            << "one semi side taken" << 3004 << "Booked F3004 L3004 for a Tournament Semifinal at Cup Day"
            << "Cup Day" << "F3000,F3004 L3004,TBA,TBA,TBA,TBA";
        QTest::addRow("semifinals full: the final")
            << "semis full" << 3000 << "Booked F3000 L3000 for the Tournament Final at Cup Day" << "Cup Day"
            << "F3000,F3002,F3004,F3006,F3000 L3000,TBA";
        QTest::addRow("today's card full: tomorrow's quarterfinals")
            << "card full, later cup" << 3000 << "Booked F3000 L3000 for a Tournament Quarterfinal at Next Cup"
            << "Next Cup" << "F3000 L3000,TBA,TBA,TBA,TBA,TBA";
        QTest::addRow("later quarterfinals full: its semifinals")
            << "card full, later quarterfinals full" << 3000
            << "Booked F3000 L3000 for a Tournament Semifinal at Next Cup" << "Next Cup"
            << "F3008,F3009,F3000 L3000,TBA,TBA,TBA";
        // Placed nowhere: no line claims a booking.
        QTest::addRow("no further event") << "card full" << 3000 << ""
                                          << "Cup Day" << "F3000,F3002,F3004,F3006,F3001,F3003";
        QTest::addRow("nobody's id") << "open semis" << 4444 << "" << "Cup Day" << "TBA,TBA,TBA,TBA,TBA,TBA";
    }

    void tournamentSteps()
    {
        QFETCH(QString, scenario);
        QFETCH(int, winner);
        QFETCH(QString, line);
        QFETCH(QString, event);
        QFETCH(QString, sides);

        const Match openSemi = match(MatchType::Semifinal);
        QVector<Match> semis{openSemi, openSemi};
        Match final = match(MatchType::Final);
        QVector<Event> later;
        if (scenario == "one semi side taken")
            semis[0] = match(MatchType::Semifinal, "F3000", 3000);
        if (scenario.startsWith("semis full") || scenario.startsWith("card full")) {
            semis = {match(MatchType::Semifinal, "F3000", 3000, "F3002", 3002),
                     match(MatchType::Semifinal, "F3004", 3004, "F3006", 3006)};
        }
        if (scenario.startsWith("card full"))
            final = match(MatchType::Final, "F3001", 3001, "F3003", 3003);
        if (scenario.contains("later")) {
            const bool full = scenario.contains("quarterfinals full");
            later << LeagueFixtures::event("Next Cup", "O1", today().addDays(1), {
                full ? match(MatchType::Quarterfinal, "F3008", 3008, "F3009", 3009) : match(MatchType::Quarterfinal),
                match(MatchType::Semifinal), match(MatchType::Final)}, "O1 Grand Prix");
        }
        World &world = buildCupWorld(semis, final, later);
        QCOMPARE(world.advanceTournaments(winner, "O1"), line);
        // The later rounds of the event: (quarterfinals aside) semis and final.
        const QStringList all = sidesOf(event).split(",");
        QCOMPARE(all.mid(all.size() - 6).join(","), sides);
    }

    // The player's fighter's booking follows him only when he was placed.
    void playerTournamentWinner_data()
    {
        QTest::addColumn<bool>("room");
        QTest::addRow("placed") << true;
        QTest::addRow("no open side") << false;
    }

    void playerTournamentWinner()
    {
        QFETCH(bool, room);
        const Match fullSemi = match(MatchType::Semifinal, "F3000", 3000, "F3002", 3002);
        World &world = buildCupWorld(room ? QVector<Match>{match(MatchType::Semifinal), fullSemi}
                                          : QVector<Match>{fullSemi, fullSemi},
                                     match(MatchType::Final, "F3004", 3004, "F3006", 3006));
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 500, "O1"));
        world.updateBooking(offer(1101, "Jo Park", "Cup Day", "O1", today()));

        const QString line = world.advanceTournaments(1101, "O1");
        const Offer booking = WorldTestAccess::bookings().first();
        if (room) {
            QCOMPARE(line, QString("Booked Jo Park for a Tournament Semifinal at Cup Day"));
            QVERIFY(sidesOf("Cup Day").contains("Jo Park"));
            QCOMPARE(booking.getEventName(), QString("Cup Day"));
            QCOMPARE(booking.getOrganization(), QString("O1"));
            QCOMPARE(booking.getDateText(), today().toString());
        } else {
            // Today's card is full and no later event exists: no line, and
            // the booking is untouched.
            QVERIFY(line.isEmpty());
            QVERIFY(!sidesOf("Cup Day").contains("Jo Park"));
            QCOMPARE(booking, offer(1101, "Jo Park", "Cup Day", "O1", today()));
        }
    }
};

QTEST_GUILESS_MAIN(TestOrgResults)
#include "tst_org_results.moc"
