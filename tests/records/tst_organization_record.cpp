#include <QtTest>

#include "records/GameRandom.h"
#include "records/Organization.h"
#include "core/BoutBuilder.h"
#include "core/EventBuilder.h"
#include "core/FighterBuilder.h"
#include "core/RecordChecks.h"

// The organization: roster order, titles, the walks over its events,
// renewals, the negotiation verdict and the stream form.
class TestOrganizationRecord : public QObject
{
    Q_OBJECT

private:
    static Fighter fighter(int id, int standing, const QString &lastName, int attributes = 50,
                           int contractMatches = 4, const QString &organization = "Apex",
                           const QDate &birthday = QDate(1985, 2, 3))
    {
        return FighterBuilder()
            .texts(QVector<QString>(Fighter::TextCount, "x").toList())
            .name("Ray", lastName)
            .text(Fighter::OrganizationText, organization)
            .numbers(QVector<int>(Fighter::IntCount, attributes))
            .numbers({{Fighter::ContractMatchesIndex, contractMatches}, {Fighter::IdIndex, id},
                      {Fighter::StandingIndex, standing}})
            .born(birthday)
            .result(QDate(2010, 5, 1), "Win - KO")
            .result(QDate(2010, 5, 1), "Loss - Decision")
            .build();
    }

    static Organization organization(const QString &tier = "Regional", const QString &willingness = "Willing",
                                     const QVector<Fighter> &fighters = QVector<Fighter>(),
                                     const QVector<Event> &events = QVector<Event>(),
                                     const Organization::Titles &titles = Organization::Titles())
    {
        Organization::Roster roster;
        for (int i = fighters.size() - 1; i >= 0; --i)
            roster.insert(fighters.at(i).getStanding(), fighters.at(i));
        Organization result;
        result.setData({"Apex", "Lee Park", "Japan", "Tokyo", tier, "Bio", willingness},
                       events, QVector<Event>(), roster, titles);
        return result;
    }

    // An event whose card holds fighter `id` on side B of its first match.
    static Event eventOn(const QDate &date, int id, const QString &name = "Apex Event")
    {
        return EventBuilder(name, "Apex", date)
            .text(Event::PlaceText, "Hall")
            .text(Event::TierText, "Regional")
            .card({BoutBuilder().sideA("Other", 99).sideB("Ray Cole", id).forPlayer().build()})
            .withPlayerFighter()
            .build();
    }

    static QVector<int> rosterIds(const Organization &org)
    {
        QVector<int> ids;
        for (const Fighter &f : RecordChecks::packed(org, &Organization::getRoster))
            ids << f.getId();
        return ids;
    }

    static QVector<int> intsOf(const Fighter &f)
    {
        return RecordChecks::packed(f, &Fighter::getInts);
    }

    static QString willingness(const Organization &org)
    {
        return RecordChecks::packed(org, &Organization::getInfo).at(Organization::WillingnessText);
    }

    static QStringList fighterTexts(const QString &reputation)
    {
        QStringList texts;
        for (int i = 0; i < Fighter::TextCount; ++i)
            texts << QString();
        texts[Fighter::ReputationText] = reputation;
        return texts;
    }

    static QVector<int> fighterInts(int attributes)
    {
        return QVector<int>(Fighter::IntCount, attributes);
    }

    static QVector<int> training(int charisma, int reputationPoints = 0)
    {
        QVector<int> state(7, 0);
        state[Organization::CharismaTraining] = charisma;
        state[Organization::ReputationPointsTraining] = reputationPoints;
        return state;
    }

    // The deterministic readings of the seam always sum to an even seed, and
    // the first draw after an even seed is always even; an extra reading on
    // odd starts makes the seeds alternate so both signs of mood occur.
    class Seam
    {
    public:
        explicit Seam(int start) : seam(start)
        {
            if (start % 2)
                GameRandom::milliseconds();
        }

    private:
        DeterministicRandom seam;
    };

    // The mood a negotiation draws under the seam started at `start`:
    // one reseed from the processor clock and the milliseconds, then a sign
    // draw and a size draw.
    static int moodUnder(int start)
    {
        Seam seam(start);
        GameRandom::reseedWithClock();
        const int sign = GameRandom::roll(2) == 0 ? 1 : -1;
        return sign * (GameRandom::roll(15) + 1);
    }

private slots:
    void streamForm()
    {
        const QByteArray empty = TestStream::bytesOf(Organization());
        QCOMPARE(empty.size(), (4 + 7 * 4) + 4 + 4 + 4 + 4);
        QCOMPARE(empty.left(8).toHex(), QByteArray("00000007" "ffffffff"));
        QCOMPARE(empty.right(16).toHex(), QByteArray(32, '0'));

        const Organization org = organization("Elite", "Willing",
            {fighter(1, 2000, "Ames"), fighter(2, 1000, "Bell"), fighter(3, 2000, "Cole"), fighter(4, 2000, "Dunn")});
        const QByteArray bytes = TestStream::bytesOf(org);
        // The roster goes from the largest standing down: after the two
        // empty event vectors its count, then key 2000 of the last of the
        // three who share it.
        QStringList info;
        org.getInfo(info);
        const int rosterAt = TestStream::bytesOf(info).size() + 4 + 4;
        QCOMPARE(bytes.mid(rosterAt, 8).toHex(), QByteArray("00000004" "000007d0"));
        QCOMPARE(bytes.mid(rosterAt + 8, 4).toHex(), QByteArray("0000000c"));
    }

    void rosterRoundTripKeepsOrderAndDates()
    {
        Organization::Titles titles;
        titles.insert("Apex World Championship", "Ray Cole");
        titles.insert("Apex 2011 Grand Prix", "Vacant");
        const Organization org = organization("National", "Tentative",
            {fighter(1, 2000, "Ames"), fighter(2, 1000, "Bell"), fighter(3, 2000, "Cole", 50, 4, "Apex", QDate()),
             fighter(4, 2000, "Dunn")},
            {eventOn(QDate(2011, 4, 2), 3), eventOn(QDate(), 2, "Undated")}, titles);
        QCOMPARE(rosterIds(org), QVector<int>({2, 1, 3, 4}));

        QDataStream::Status status;
        const Organization back = RecordChecks::roundTrip(org, &status);
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(back, org);
        QCOMPARE(rosterIds(back), QVector<int>({2, 1, 3, 4}));
        Organization::Roster roster;
        back.getRoster(roster);
        QMultiMap<QDate, QString> history;
        roster.first().getHistory(history);
        QCOMPARE(history.size(), 2);
        QVector<Event> events;
        back.getEvents(events);
        QVERIFY(events.at(1).getDate().isNull());

        // A second trip keeps the order too (no reversal per save).
        QCOMPARE(rosterIds(RecordChecks::roundTrip(back)), QVector<int>({2, 1, 3, 4}));
    }

    void shortOrDamagedStreams()
    {
        const Organization before = organization("Elite", "Willing", {fighter(9, 10, "Zed")});
        const Organization org = organization("National", "Willing",
            {fighter(1, 2000, "Ames"), fighter(2, 2000, "Bell")}, {eventOn(QDate(2011, 4, 2), 1)});
        const QByteArray bytes = TestStream::bytesOf(org);
        QCOMPARE(RecordChecks::firstPrefixReadThatMisbehaves(bytes, before), -1);

        // A roster count far beyond the bytes left.
        QByteArray damaged = TestStream::bytesOf(organization());
        damaged.replace(damaged.size() - 8, 4, QByteArray::fromHex("00ffffff"));
        Organization target = before;
        QCOMPARE(TestStream::readBytes(damaged, target), QDataStream::ReadCorruptData);
        QCOMPARE(target, before);

        // Six texts where seven are needed.
        QByteArray sixTexts;
        {
            GameDataStream out(&sixTexts, QIODevice::WriteOnly);
            out << QStringList({"a", "b", "c", "d", "e", "f"}) << QVector<Event>() << QVector<Event>()
                << Organization::Roster() << Organization::Titles();
        }
        target = before;
        QCOMPARE(TestStream::readBytes(sixTexts, target), QDataStream::ReadCorruptData);
        QCOMPARE(target, before);
    }

    void signingAndStandings()
    {
        Organization org = organization("Regional", "Willing", {fighter(1, 1000, "Ames")});
        Fighter second = fighter(2, 2000, "Bell", 50, 0, "Free Agent");
        Fighter third = fighter(3, 2000, "Cole", 50, 0, "Free Agent");
        org.addFighter(second);
        org.addFighter(third);
        // The caller's record is signed too.
        QStringList texts;
        third.getStrings(texts);
        QCOMPARE(texts.at(Fighter::OrganizationText), QString("Apex"));
        QCOMPARE(intsOf(third).at(Fighter::ContractMatchesIndex), 4);
        QCOMPARE(rosterIds(org), QVector<int>({1, 3, 2}));

        org.addFighterStanding(1, 1000);
        QCOMPARE(rosterIds(org), QVector<int>({1, 3, 2}));
        org.addFighterStanding(2, -1500);
        QCOMPARE(rosterIds(org), QVector<int>({2, 1, 3}));
        Organization::Roster roster;
        org.getRoster(roster);
        QCOMPARE(roster.firstKey(), 500);
        QCOMPARE(roster.first().getStanding(), 500);

        const Organization before = org;
        org.addFighterStanding(77, 5);
        QCOMPARE(org, before);
    }

    void careerChangesReachTheRosterFighter()
    {
        Organization org = organization("Regional", "Willing",
            {fighter(1, 20000, "Ames", 40, 4), fighter(2, 20000, "Bell", 40, 4)});
        const Organization before = org;
        org.recordFightResult(QDate(2011, 2, 2), 9, "Win - KO", "Single Match");
        org.ageFighter(9);
        QCOMPARE(org, before);

        org.recordFightResult(QDate(2011, 2, 2), 2, "Win - KO", "Single Match");
        {
            DeterministicRandom seam(5);
            org.ageFighter(2);
            org.rollReputationLabels();
        }
        Organization::Roster roster;
        org.getRoster(roster);
        const QVector<int> first = intsOf(roster.values().at(0));
        const QVector<int> second = intsOf(roster.values().at(1));
        QCOMPARE(first.at(Fighter::WinsIndex), 40);
        QCOMPARE(second.at(Fighter::WinsIndex), 41);
        QCOMPARE(second.at(Fighter::ContractMatchesIndex), 3);
        QCOMPARE(first.at(Fighter::AgeIndex), 40);
        QCOMPARE(second.at(Fighter::AgeIndex), 41);
        for (const Fighter &f : roster) {
            QStringList texts;
            f.getStrings(texts);
            QCOMPARE(texts.at(Fighter::ReputationText), QString("Unknown"));
        }
    }

    void appearance()
    {
        const Organization org = organization("Regional", "Willing", {fighter(1, 1000, "Ames")});
        QStringList colours;
        int body = -1, head = -1, face = -1;
        org.getFighterAppearance(colours, body, head, face, 2);
        QVERIFY(colours.isEmpty());
        QCOMPARE(body, -1);
        org.getFighterAppearance(colours, body, head, face, 1);
        QCOMPARE(colours, QStringList({"x", "x", "x"}));
        QCOMPARE(body, 50);
    }

    void renewalOnASmallRoster()
    {
        Organization org = organization("Elite", "Willing",
            {fighter(1, 100, "Ames", 5, 2), fighter(2, 200, "Bell", 5, 3), fighter(3, 300, "Cole", 5, 0),
             fighter(4, 300, "Dunn", 5, 1)});
        QCOMPARE(rosterIds(org), QVector<int>({1, 2, 3, 4}));

        // Each fighter due for renewal: a reseed and a draw for his matches,
        // then the fitting test's reseed and its one draw.
        const int start = 40;
        QVector<int> expectedMatches;
        {
            DeterministicRandom seam(start);
            for (int i = 0; i < 3; ++i) {
                GameRandom::reseedWithClock();
                expectedMatches << GameRandom::draw() % 5 + 3;
                GameRandom::seed(unsigned(GameRandom::milliseconds() / 10));
                GameRandom::draw();
            }
        }

        QStringList lines;
        {
            DeterministicRandom seam(start);
            org.renewContracts(lines);
        }
        // Skill 5 suits no tier, yet a roster of 30 or fewer renews them all,
        // in roster order; a contract of 3 matches is not due.
        QCOMPARE(lines, QStringList({"Ray Ames has renewed his contract with Apex",
                                     "Ray Cole has renewed his contract with Apex",
                                     "Ray Dunn has renewed his contract with Apex"}));
        Organization::Roster roster;
        org.getRoster(roster);
        QVector<int> matches;
        for (const Fighter &f : roster)
            matches << intsOf(f).at(Fighter::ContractMatchesIndex);
        QCOMPARE(matches, QVector<int>({expectedMatches.at(0), 3, expectedMatches.at(1), expectedMatches.at(2)}));
        for (int m : expectedMatches)
            QVERIFY(m >= 3 && m <= 7);
    }

    void fitting_data()
    {
        QTest::addColumn<QString>("tier");
        QTest::addColumn<int>("attributes");
        QTest::addColumn<bool>("alwaysSuits");
        QTest::addRow("Elite, 69") << "Elite" << 69 << true;
        QTest::addRow("Elite, 59") << "Elite" << 59 << false;
        QTest::addRow("World Class, 55") << "World Class" << 55 << true;
        QTest::addRow("World Class, 45") << "World Class" << 45 << false;
        QTest::addRow("World Class, 77") << "World Class" << 77 << false;
        QTest::addRow("International, 40") << "International" << 40 << true;
        QTest::addRow("International, 62") << "International" << 62 << false;
        QTest::addRow("National, 25") << "National" << 25 << true;
        QTest::addRow("National, 47") << "National" << 47 << false;
        QTest::addRow("Regional, 9") << "Regional" << 9 << true;
        QTest::addRow("Regional, 32") << "Regional" << 32 << false;
        QTest::addRow("unknown tier") << "Street" << 20 << false;
    }

    void fitting()
    {
        QFETCH(QString, tier);
        QFETCH(int, attributes);
        QFETCH(bool, alwaysSuits);
        QVector<Fighter> fighters;
        for (int i = 0; i < 50; ++i)
            fighters << fighter(i + 1, 1000 + i, "F");
        const Organization small = organization(tier, "Willing", fighters.mid(0, 30));
        const Organization middle = organization(tier, "Willing", fighters.mid(0, 40));
        const Organization full = organization(tier, "Willing", fighters);
        const QVector<int> ints = fighterInts(attributes);
        int accepted = 0;
        for (int start = 0; start < 100; ++start) {
            // The middle roster: suited, and then a further draw % 4 not 0.
            bool expected = false;
            {
                DeterministicRandom seam(start);
                GameRandom::seed(unsigned(GameRandom::milliseconds() / 10));
                GameRandom::draw();
                expected = alwaysSuits && GameRandom::roll(4) != 0;
            }
            DeterministicRandom seam(start);
            QVERIFY(small.fitsFighter(ints, {}));
            GameRandom::setDeterministic(true, start);
            QCOMPARE(middle.fitsFighter(ints, {}), expected);
            QVERIFY(!full.fitsFighter(ints, {}));
            accepted += expected;
        }
        if (alwaysSuits)
            QVERIFY(accepted > 50 && accepted < 100);
    }

    void reputationGate_data()
    {
        QTest::addColumn<QString>("tier");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("matches");
        QTest::addColumn<bool>("refused");
        QTest::addRow("Elite contract, superstar") << "Elite" << "International Superstar" << 3 << false;
        QTest::addRow("Elite contract, world class") << "Elite" << "World Class" << 3 << true;
        QTest::addRow("Elite one match, world class") << "Elite" << "World Class" << 1 << false;
        QTest::addRow("Elite one match, caliber") << "Elite" << "Championship Caliber" << 1 << true;
        QTest::addRow("World Class contract, contender") << "World Class" << "Contender" << 5 << true;
        QTest::addRow("World Class one match, contender") << "World Class" << "Contender" << 1 << false;
        QTest::addRow("International contract, ranked") << "International" << "Nationally Ranked" << 2 << true;
        QTest::addRow("International one match, ranked") << "International" << "Nationally Ranked" << 1 << false;
        QTest::addRow("International one match, rising") << "International" << "Rising Star" << 1 << true;
        QTest::addRow("National contract, rising") << "National" << "Rising Star" << 4 << false;
        QTest::addRow("National contract, local") << "National" << "Local Fighter" << 4 << true;
        QTest::addRow("National one match, unknown") << "National" << "Unknown" << 1 << false;
        QTest::addRow("Regional contract, unknown") << "Regional" << "Unknown" << 4 << false;
        QTest::addRow("label off the ladder") << "Elite" << "Champion" << 4 << false;
    }

    void reputationGate()
    {
        QFETCH(QString, tier);
        QFETCH(QString, label);
        QFETCH(int, matches);
        QFETCH(bool, refused);
        Organization org = organization(tier);
        QString message;
        DeterministicRandom seam(3);
        // Skill 99 and charisma 4 pass every later gate; no purse is asked.
        QCOMPARE(org.negotiate(fighterTexts(label), fighterInts(99), training(4), matches, 0, 0, message), !refused);
        QCOMPARE(message == "Your fighter does not have a good enough reputation for this company.", refused);
        QCOMPARE(willingness(org), QString(refused ? "Tentative" : "Willing"));
    }

    void moodGates_data()
    {
        QTest::addColumn<QString>("tier");
        QTest::addColumn<QString>("willingness");
        QTest::addColumn<int>("attributes");
        QTest::addColumn<int>("charisma");
        QTest::addColumn<int>("matches");
        QTest::addColumn<int>("skillFloor");
        QTest::addColumn<int>("moodFloor");
        QTest::addColumn<bool>("mixed");
        // A refusal on skill when attributes + mood < skillFloor, else on
        // marketability when mood < moodFloor; `mixed` rows see both
        // outcomes over the seeds tried.
        QTest::addRow("Elite contract skill") << "Elite" << "Willing" << 80 << 4 << 3 << 76 << -1000 << true;
        QTest::addRow("Elite one match skill") << "Elite" << "Willing" << 70 << 4 << 1 << 61 << -1000 << true;
        QTest::addRow("World Class contract skill") << "World Class" << "Willing" << 60 << 4 << 0 << 61 << -1000 << true;
        QTest::addRow("Regional one match, tentative") << "Regional" << "Tentative" << 10 << 4 << 1 << 0 << -1000 << true;
        QTest::addRow("charisma 0") << "Regional" << "Willing" << 50 << 0 << 0 << 10 << -10 << true;
        QTest::addRow("charisma 0, tentative") << "Regional" << "Tentative" << 50 << 0 << 0 << 10 << -10 << true;
        QTest::addRow("charisma 1") << "Regional" << "Tentative" << 50 << 1 << 0 << 10 << -13 << true;
        QTest::addRow("charisma 2") << "Regional" << "Tentative" << 50 << 2 << 0 << 10 << -16 << true;
        QTest::addRow("charisma 3") << "Regional" << "Tentative" << 50 << 3 << 0 << 10 << -1000 << false;
        QTest::addRow("unknown tier") << "Street" << "Tentative" << 0 << 4 << 0 << -1000 << -1000 << false;
    }

    void moodGates()
    {
        QFETCH(QString, tier);
        QFETCH(QString, willingness);
        QFETCH(int, attributes);
        QFETCH(int, charisma);
        QFETCH(int, matches);
        QFETCH(int, skillFloor);
        QFETCH(int, moodFloor);
        QFETCH(bool, mixed);
        int refusals = 0;
        for (int start = 0; start < 60; ++start) {
            int mood = moodUnder(start);
            QVERIFY(mood != 0 && mood >= -15 && mood <= 15);
            if (willingness == "Tentative")
                mood -= 10;
            const bool skillRefusal = attributes + mood < skillFloor;
            const bool marketRefusal = !skillRefusal && mood < moodFloor;

            Organization org = organization(tier, willingness);
            QString message;
            Seam seam(start);
            const bool accepted = org.negotiate(fighterTexts("Legendary"), fighterInts(attributes),
                                                training(charisma), matches, 0, 0, message);
            QCOMPARE(accepted, !skillRefusal && !marketRefusal);
            if (skillRefusal)
                QCOMPARE(message, QString("Your fighter is not at a high enough skill level to be competing in this company."));
            if (marketRefusal)
                QCOMPARE(message, QString("Your fighter is not marketable enough for the company.\nHe may possess a lack of charisma."));
            refusals += !accepted;
        }
        QCOMPARE(refusals > 0 && refusals < 60, mixed);
        if (!mixed)
            QCOMPARE(refusals, 0);
    }

    void purseCheck_data()
    {
        QTest::addColumn<QString>("tier");
        QTest::addColumn<int>("reputationPoints");
        QTest::addColumn<int>("negotiating");
        QTest::addColumn<int>("mood");
        QTest::addColumn<int>("matches");
        QTest::addColumn<int>("ceiling");
        QTest::addRow("one match floor") << "Regional" << 0 << 0 << 0 << 1 << 1503;
        QTest::addRow("contract of 1000 floors to 2000") << "Regional" << 499 << 0 << 0 << 4 << 2000;
        QTest::addRow("contract of 1001 stays") << "Regional" << 476 << 0 << 6 << 4 << 1001;
        QTest::addRow("Elite contract") << "Elite" << 99 << 4 << 0 << 3 << 5000;
        QTest::addRow("Elite one match, sour mood") << "Elite" << 99 << 4 << -11 << 1 << 6750;
        QTest::addRow("World Class, mood -6") << "World Class" << 99 << 0 << -6 << 2 << 1760;
        QTest::addRow("International one match, good mood") << "International" << 199 << 1 << 6 << 1 << 3780;
        QTest::addRow("National, mood -5 no change") << "National" << 1000 << 0 << -5 << 2 << 4004;
        QTest::addRow("unknown tier contract") << "Street" << 500 << 9 << 0 << 2 << 1000;
        QTest::addRow("unknown tier one match") << "Street" << 500 << 9 << 0 << 1 << 1500;
    }

    void purseCheck()
    {
        QFETCH(QString, tier);
        QFETCH(int, reputationPoints);
        QFETCH(int, negotiating);
        QFETCH(int, mood);
        QFETCH(int, matches);
        QFETCH(int, ceiling);
        const Organization org = organization(tier);
        QString message;
        QVERIFY(org.checkPurse(training(0, reputationPoints), mood, matches, ceiling, negotiating, message));
        QVERIFY(message.isEmpty());
        QVERIFY(!org.checkPurse(training(0, reputationPoints), mood, matches, ceiling + 1, negotiating, message));
        QCOMPARE(message, QString("Your money demands are too high."));
    }

    void refusalsWearOutWillingness()
    {
        Organization org = organization("Elite");
        QString message;
        const QStringList texts = fighterTexts("Unknown");
        const QVector<int> ints = fighterInts(99);
        QVERIFY(!org.negotiate(texts, ints, training(4), 3, 0, 0, message));
        QCOMPARE(willingness(org), QString("Tentative"));
        QVERIFY(!org.negotiate(texts, ints, training(4), 3, 0, 0, message));
        QCOMPARE(willingness(org), QString("Unwilling"));
        // Even a fighter who would pass is now turned away at the door.
        QVERIFY(!org.negotiate(fighterTexts("Legendary"), ints, training(4), 3, 0, 0, message));
        QCOMPARE(message, QString("This company is unwilling to negotiate with you for the time being."));
        QCOMPARE(willingness(org), QString("Unwilling"));

        // Stored results bring it back, found event or not.
        org.storeEventResults({"line"}, "No Such Event", QDate(2011, 1, 1));
        QCOMPARE(willingness(org), QString("Willing"));
        DeterministicRandom seam(8);
        QVERIFY(org.negotiate(fighterTexts("Legendary"), ints, training(4), 3, 0, 0, message));
    }

    void demandGoesToThePurseCheck()
    {
        for (int start = 0; start < 20; ++start) {
            const int mood = moodUnder(start);
            Organization expectedCheck = organization("Regional");
            QString expectedMessage;
            const bool purseOk = expectedCheck.checkPurse(training(4, 10), mood, 1, 1600, 2, expectedMessage);

            Organization org = organization("Regional");
            QString message;
            Seam seam(start);
            QCOMPARE(org.negotiate(fighterTexts("Unknown"), fighterInts(60), training(4, 10), 1, 1600, 2, message), purseOk);
            QCOMPARE(message, expectedMessage);
            QCOMPARE(willingness(org), QString(purseOk ? "Willing" : "Tentative"));
        }
    }

    void withdrawalWalk_data()
    {
        QTest::addColumn<QVector<QDate>>("eventDates");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("withdrawnFrom");
        const QDate today(2011, 6, 1);
        QTest::addRow("every event after today") << QVector<QDate>{today.addDays(-3), today.addDays(5), today.addDays(9)}
                                                 << 7 << true << 1;
        QTest::addRow("event today stops it") << QVector<QDate>{today.addDays(-3), today, today.addDays(9)}
                                              << 7 << false << -1;
        QTest::addRow("only past events") << QVector<QDate>{today.addDays(-3), today.addDays(-1)} << 7 << true << -1;
        QTest::addRow("no events") << QVector<QDate>() << 7 << true << -1;
        QTest::addRow("not on the roster") << QVector<QDate>{today.addDays(5)} << 8 << false << -1;
    }

    void withdrawalWalk()
    {
        QFETCH(QVector<QDate>, eventDates);
        QFETCH(int, id);
        QFETCH(bool, result);
        QFETCH(int, withdrawnFrom);
        const QDate today(2011, 6, 1);
        QVector<Event> events;
        for (const QDate &date : eventDates)
            events << eventOn(date, 7);
        Organization::Titles titles;
        titles.insert("Apex 2011 Grand Prix", "Ray Cole");
        titles.insert("Apex World Championship", "Ray Cole");
        titles.insert("Belt", "Ray Cole");
        titles.insert("Cup", "Ray Coleman");
        const Organization before = organization("Regional", "Willing",
            {fighter(7, 100, "Cole"), fighter(9, 200, "Dunn")}, events, titles);

        Organization org = before;
        QCOMPARE(org.withdrawFighterFromEvents(id, 2011, today), result);
        if (!result) {
            QCOMPARE(org, before);
            return;
        }
        QCOMPARE(rosterIds(org), QVector<int>({9}));
        Organization::Titles after;
        org.getTitles(after);
        // The first title he holds by exactly his name, not of this year.
        titles["Apex World Championship"] = "Vacant";
        QCOMPARE(after, titles);
        QVector<Event> eventsAfter;
        org.getEvents(eventsAfter);
        for (int i = 0; i < eventsAfter.size(); ++i) {
            const Match match = eventsAfter.at(i).getMatches().first();
            // Off every card from `withdrawnFrom` on.
            QCOMPARE(match.getIdB(), withdrawnFrom >= 0 && i >= withdrawnFrom ? 0 : 7);
            // A world fighter's withdrawal leaves the player's marks alone.
            QVERIFY(match.isPlayerMatch());
            QVERIFY(eventsAfter.at(i).hasPlayerFighter());
        }
    }

    void retiringAPlayersFighter()
    {
        const QDate today(2011, 6, 1);
        Organization::Titles titles;
        titles.insert("Apex World Championship", "Ray Cole");
        const Organization before = organization("Regional", "Willing", {fighter(9, 200, "Dunn")},
            {eventOn(today.addDays(-1), 7), eventOn(today.addDays(4), 7), eventOn(today.addDays(8), 7)}, titles);

        Organization org = before;
        QVERIFY(org.removeRetiredFighter("Ray Cole", 7, 2011, today));
        QCOMPARE(rosterIds(org), QVector<int>({9}));
        QVector<Event> events;
        org.getEvents(events);
        QCOMPARE(events.at(1).getMatches().first().getIdB(), 0);
        QVERIFY(!events.at(1).getMatches().first().isPlayerMatch());
        QVERIFY(!events.at(1).hasPlayerFighter());
        // Every later card, not only the next one.
        QCOMPARE(events.at(2).getMatches().first().getIdB(), 0);
        QCOMPARE(events.at(0), before.getNextEvent(today.addDays(-1)));
        Organization::Titles after;
        org.getTitles(after);
        QCOMPARE(after.value("Apex World Championship"), QString("Vacant"));

        Organization fightDay = before;
        QVERIFY(!fightDay.removeRetiredFighter("Ray Cole", 7, 2011, today.addDays(4)));
        QCOMPARE(fightDay, before);
    }

    void releaseOfExpiredContracts()
    {
        Organization::Titles titles;
        titles.insert("Apex World Championship 2010", "Ray Cole");
        titles.insert("Apex World Championship 2011", "Ray Cole");
        titles.insert("Apex Belt", "Ray Cole");
        Organization org = organization("Regional", "Willing",
            {fighter(1, 100, "Ames"), fighter(7, 200, "Cole", 50, 0, "Free Agent"), fighter(8, 300, "Dunn", 50, 0, "Free Agent")},
            {eventOn(QDate(2011, 6, 1), 7), eventOn(QDate(2011, 6, 8), 7)}, titles);
        const QVector<Fighter> leaving = org.releaseExpiredFighters(QDate(2011, 6, 1));
        QCOMPARE(leaving.size(), 2);
        QCOMPARE(leaving.at(0).getId(), 7);
        QCOMPARE(leaving.at(1).getId(), 8);
        QCOMPARE(rosterIds(org), QVector<int>({1}));
        Organization::Titles after;
        org.getTitles(after);
        titles["Apex World Championship 2010"] = "Vacant";
        QCOMPARE(after, titles);
        // Gone from the later card, his side open again; today's card stays.
        QVector<Event> events;
        org.getEvents(events);
        QCOMPARE(events.at(0).getMatches().first().getIdB(), 7);
        QCOMPARE(events.at(1).getMatches().first().getIdB(), 0);
    }

    void titleOperations()
    {
        Organization org = organization();
        org.setTitleHolder("Apex 2009 Cup", "Ray Ames");
        org.setTitleHolder("Apex 2010 Cup", "Ray Bell");
        org.setTitleHolder("Apex World Championship", "Ray Cole");
        org.setTitleHolder("Apex World Championship", "Ray Dunn");
        org.vacateTitlesOf("Ray Bell");
        Organization::Titles titles;
        org.getTitles(titles);
        QCOMPARE(titles.value("Apex 2010 Cup"), QString("Ray Bell"));
        org.vacateTitlesOf("Ames");
        org.dropOldTitleEntries(QDate(2012, 1, 1));
        titles.clear();
        org.getTitles(titles);
        QCOMPARE(titles.keys(), QStringList({"Apex 2009 Cup", "Apex World Championship"}));
        QCOMPARE(titles.value("Apex 2009 Cup"), QString("Vacant"));
        QCOMPARE(titles.value("Apex World Championship"), QString("Ray Dunn"));
    }

    void eventOperations()
    {
        const QDate today(2011, 6, 1);
        Event open;
        open.setData({"Summer", "Apex", "Hall", "Regional", "Single Event", "No Title"}, today.addDays(30),
                     {Match()}, QStringList(), false);
        QVector<Event> events{eventOn(today.addDays(-10), 7, "Spring"), eventOn(today.addDays(3), 7, "Summer"), open};
        Organization org = organization("Regional", "Tentative", {}, events);
        QCOMPARE(org.getNextEvent(today).getDate(), today.addDays(3));
        QCOMPARE(org.getNextEvent(today.addDays(40)), Event());

        org.storeEventResults({"a", "b"}, "Summer", today.addDays(30));
        QVector<Event> after;
        org.getEvents(after);
        QVERIFY(after.at(1).getResultLines().isEmpty());
        QCOMPARE(after.at(2).getResultLines(), QStringList({"a", "b"}));

        // Two cards of one name on one day: each keeps its own lines.
        Organization twice = organization("Regional", "Tentative", {},
                                          {eventOn(today, 7, "Twin"), eventOn(today, 8, "Twin")});
        twice.storeEventResults({"first"}, "Twin", today);
        twice.storeEventResults({"second"}, "Twin", today);
        QVector<Event> twins;
        twice.getEvents(twins);
        QCOMPARE(twins.at(0).getResultLines(), QStringList({"first"}));
        QCOMPARE(twins.at(1).getResultLines(), QStringList({"second"}));

        // Booking goes to the first event of that name from today on.
        QVERIFY(!org.updateNamedEvent(5, "Ray Bell", "Spring", "Single Match", false, today));
        QVERIFY(org.updateNamedEvent(5, "Ray Bell", "Summer", "Single Match", false, today.addDays(4)));
        after.clear();
        org.getEvents(after);
        QCOMPARE(after.at(1), events.at(1));
        QCOMPARE(after.at(2).getMatches().first().getIdA(), 5);
        QVERIFY(!org.updateNamedEvent(5, "Ray Bell", "Summer", "Single Match", false, today.addDays(4)));

        org.nameEventAfterMainEvent("Summer", "Cole");
        after.clear();
        org.getEvents(after);
        QCOMPARE(after.at(1).getName(), QString("Apex: Other vs. Cole"));
        QCOMPARE(after.at(2).getName(), QString("Summer"));

        org.newYear();
        QVector<Event> thisYear, lastYear;
        org.getEvents(thisYear);
        org.getLastYearEvents(lastYear);
        QCOMPARE(lastYear, after);
        QCOMPARE(thisYear.at(1).getDate(), today.addDays(3).addYears(1));
        QCOMPARE(thisYear.at(1).getName(), QString("Apex Event"));
        QVERIFY(!thisYear.at(1).getMatches().first().isFilled());
    }
};

QTEST_GUILESS_MAIN(TestOrganizationRecord)
#include "tst_organization_record.moc"
