#include <QtTest>

#include "TestSupport.h"
#include "career/BookingChoice.h"
#include "core/LeagueFixtures.h"
#include "core/WorldTestAccess.h"

using namespace LeagueFixtures;
using namespace WorldFixtures;

// The candidate of one card-filling attempt: who, in what bout, and whether
// the attempt is made.
class TestBookingChoice : public QObject
{
    Q_OBJECT

private:
    typedef Organization::Roster Roster;
    static const int Draws = 200;

    static Organization::Roster rosterOfSize(int size)
    {
        Organization::Roster roster;
        for (const Fighter &member : members(size, 3000, "O1"))
            roster.insert(member.getStanding(), member);
        return roster;
    }

    static Event cardEvent(const QVector<Match> &card)
    {
        return LeagueFixtures::event("O1 Event", "O1", QDate(2011, 3, 20), card);
    }

    static Match filled(int idA, int idB, const QString &type = MatchType::Single)
    {
        return match(type, "A" + QString::number(idA), idA, "B" + QString::number(idB), idB);
    }

    static QVector<BookingCandidate> organizationDraws(const Event &event, const Organization::Roster &roster,
                                                       const Organization::Titles &titles = {})
    {
        QVector<BookingCandidate> draws;
        DeterministicRandom random(5, 3);
        const BookingChoice choice(event, roster, titles, 17);
        for (int i = 0; i < Draws; ++i) {
            BookingCandidate candidate;
            if (choice.chooseOrganizationFighter({}, candidate))
                draws << candidate;
        }
        return draws;
    }

private slots:
    // The undercard keeps the five best out; the main event, once it is the
    // only open bout, goes to the ten best, the five best included.
    void organizationSingleMatches_data()
    {
        QTest::addColumn<bool>("complete");
        QTest::addRow("card not complete") << false;
        QTest::addRow("only the main event open") << true;
    }

    void organizationSingleMatches()
    {
        QFETCH(bool, complete);
        const Roster roster = rosterOfSize(30);
        const QVector<Match> card = complete ? QVector<Match>{filled(1, 2), filled(3, 4), match(MatchType::Single)}
                                             : open(MatchType::Single, 3);
        const QVector<BookingCandidate> draws = organizationDraws(cardEvent(card), roster);
        QCOMPARE(draws.size(), Draws);
        QSet<int> positions;
        for (const BookingCandidate &candidate : draws) {
            QCOMPARE(candidate.matchType, QString(MatchType::Single));
            QVERIFY(candidate.position >= 0 && candidate.position < roster.size());
            const Fighter &atPosition = *std::next(roster.constBegin(), candidate.position);
            QCOMPARE(candidate.id, atPosition.getId());
            QCOMPARE(candidate.fullName, atPosition.getFullName());
            if (complete) {
                QVERIFY(candidate.position < 10);
                QVERIFY(candidate.goesAhead);
            } else {
                QCOMPARE(candidate.goesAhead, candidate.position > 4);
            }
            positions << candidate.position;
        }
        // Both kinds of position come up.
        QVERIFY(std::any_of(positions.cbegin(), positions.cend(), [](int p) { return p <= 4; }));
        QVERIFY(complete || std::any_of(positions.cbegin(), positions.cend(), [](int p) { return p > 4; }));
    }

    // Special bouts draw their position anew from the top of the roster,
    // and always within it, however small it is.
    void specialBoutsDrawFromTheTop_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("rosterSize");
        QTest::addColumn<int>("range");
        QTest::addRow("title fight, big roster") << QString(MatchType::Championship) << 30 << 10;
        QTest::addRow("title fight, 3 fighters") << QString(MatchType::Championship) << 3 << 3;
        QTest::addRow("qualifier, big roster") << QString(MatchType::Qualifier) << 30 << 16;
        QTest::addRow("qualifier, 5 fighters") << QString(MatchType::Qualifier) << 5 << 5;
        QTest::addRow("quarterfinal, big roster") << QString(MatchType::Quarterfinal) << 30 << 8;
        QTest::addRow("quarterfinal, 1 fighter") << QString(MatchType::Quarterfinal) << 1 << 1;
    }

    void specialBoutsDrawFromTheTop()
    {
        QFETCH(QString, type);
        QFETCH(int, rosterSize);
        QFETCH(int, range);
        const Roster roster = rosterOfSize(rosterSize);
        const QVector<Match> card{match(type), match(MatchType::Semifinal), match(MatchType::Single)};
        for (const BookingCandidate &candidate : organizationDraws(cardEvent(card), roster)) {
            QCOMPARE(candidate.matchType, type);
            QVERIFY(candidate.goesAhead);
            QVERIFY2(candidate.position >= 0 && candidate.position < range, qPrintable(QString::number(candidate.position)));
        }
    }

    // A card with a title fight never gets tournament entrants; once the
    // title fight is full, every candidate is tried for a single match.
    void titleFightCardsGetNoTournamentEntrants()
    {
        const Roster roster = rosterOfSize(30);
        const QVector<Match> card{filled(1, 2, MatchType::Championship), match(MatchType::Qualifier),
                                  match(MatchType::Single)};
        for (const BookingCandidate &candidate : organizationDraws(cardEvent(card), roster))
            QCOMPARE(candidate.matchType, QString(MatchType::Single));
    }

    void emptyRosterHasNoCandidate()
    {
        DeterministicRandom random;
        const Roster roster;
        const Event card = cardEvent(open(MatchType::Single, 2));
        BookingCandidate candidate;
        QVERIFY(!BookingChoice(card, roster, {}, 3).chooseOrganizationFighter({}, candidate));
    }

    // A lone title (not a Grand Prix) keeps its holder out of single
    // matches; a Grand Prix title or a second title does not.
    void loneTitleHolder_data()
    {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("keptOut");
        QTest::addRow("one world title") << QStringList{"O1 World Championship"} << true;
        QTest::addRow("one Grand Prix title") << QStringList{"O1 Grand Prix 2011"} << false;
        QTest::addRow("two titles") << QStringList{"O1 World Championship", "O1 Asian Championship"} << false;
    }

    void loneTitleHolder()
    {
        QFETCH(QStringList, titles);
        QFETCH(bool, keptOut);
        const Roster roster = rosterOfSize(8);
        // Position 7, always past the five best: only the title rule stops him.
        const Fighter holder = *std::next(roster.constBegin(), 7);
        Organization::Titles titleMap;
        for (const QString &title : titles)
            titleMap.insert(title, holder.getFullName());
        const QVector<Match> card = open(MatchType::Single, 3);
        int holderDraws = 0;
        for (const BookingCandidate &candidate : organizationDraws(cardEvent(card), roster, titleMap)) {
            if (candidate.id != holder.getId())
                continue;
            ++holderDraws;
            QCOMPARE(candidate.goesAhead, !keptOut);
        }
        QVERIFY(holderDraws > 0);
    }

    // The player's fighter's place is one less than the number of roster
    // fighters ahead of him.
    void playerFighterRules_data()
    {
        QTest::addColumn<int>("standing");
        QTest::addColumn<QString>("card");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("goesAhead");
        // Roster standings 10, 20, ..., 300.
        QTest::addRow("ahead of all, title fight open") << 5 << "title" << -1 << MatchType::Championship << true;
        QTest::addRow("11th, title fight open") << 105 << "title" << 9 << MatchType::Championship << true;
        QTest::addRow("12th, title fight open") << 115 << "title" << 10 << MatchType::Single << true;
        QTest::addRow("16th, qualifier open") << 155 << "qualifier" << 14 << MatchType::Qualifier << true;
        QTest::addRow("18th, qualifier open") << 175 << "qualifier" << 16 << MatchType::Single << true;
        QTest::addRow("8th, quarterfinal open") << 75 << "quarterfinal" << 6 << MatchType::Quarterfinal << true;
        QTest::addRow("ahead of all, undercard") << 5 << "undercard" << -1 << MatchType::Single << false;
        QTest::addRow("ahead of all, main event") << 5 << "main event" << -1 << MatchType::Single << true;
        QTest::addRow("7th, undercard") << 65 << "undercard" << 5 << MatchType::Single << true;
        QTest::addRow("7th, main event") << 65 << "main event" << 5 << MatchType::Single << false;
    }

    void playerFighterRules()
    {
        QFETCH(int, standing);
        QFETCH(QString, card);
        QFETCH(int, position);
        QFETCH(QString, type);
        QFETCH(bool, goesAhead);

        QVector<Match> bouts;
        if (card == "title")
            bouts = {match(MatchType::Championship), match(MatchType::Single)};
        else if (card == "qualifier")
            bouts = {match(MatchType::Qualifier), match(MatchType::Single)};
        else if (card == "quarterfinal")
            bouts = {match(MatchType::Quarterfinal), match(MatchType::Semifinal)};
        else if (card == "main event")
            bouts = {filled(1, 2), match(MatchType::Single)};
        else
            bouts = open(MatchType::Single, 3);

        DeterministicRandom random;
        const Roster roster = rosterOfSize(30);
        const Event next = cardEvent(bouts);
        const BookingCandidate candidate = BookingChoice(next, roster, {}, 9)
                                               .choosePlayerFighter({pro(1101, "Park", standing, "O1")});
        QVERIFY(candidate.playerFighter);
        QCOMPARE(candidate.id, 1101);
        QCOMPARE(candidate.position, position);
        QCOMPARE(candidate.matchType, type);
        QCOMPARE(candidate.goesAhead, goesAhead);
    }
};

QTEST_GUILESS_MAIN(TestBookingChoice)
#include "tst_booking_choice.moc"
