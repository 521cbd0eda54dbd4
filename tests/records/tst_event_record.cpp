#include <QtTest>

#include "records/Event.h"
#include "core/RecordChecks.h"

// The fight card: its queries, the placing and withdrawal of fighters, its
// name after the main event, the turn of the year and its stream form.
class TestEventRecord : public QObject
{
    Q_OBJECT

private:
    // A card written as "type/state" entries: state "full" (ids 100 + i and
    // 200 + i), "half" (side A only, id 500 + i) or "open".
    static QVector<Match> cardOf(const QStringList &entries)
    {
        QVector<Match> card;
        for (int i = 0; i < entries.size(); ++i) {
            const QStringList parts = entries.at(i).split('/');
            Match match;
            match.setType(parts.at(0));
            if (parts.at(1) == "full") {
                match.addFighter(100 + i, QString("A%1").arg(i), false);
                match.addFighter(200 + i, QString("B%1").arg(i), false);
            } else if (parts.at(1) == "half") {
                match.addFighter(500 + i, QString("H%1").arg(i), false);
            }
            card << match;
        }
        return card;
    }

    static Event eventOf(const QVector<Match> &card, bool playerOnCard = false,
                         const QString &name = "Apex Event", const QString &organization = "Apex")
    {
        Event event;
        event.setData({name, organization, "Hall", "Elite", "Single Event", "Apex 2011 Belt"},
                      QDate(2011, 6, 4), card, QStringList(), playerOnCard);
        return event;
    }

    static Event foughtEvent()
    {
        Event event = eventOf(cardOf({"Single Match/full", "Championship Match/full"}), true,
                              "Apex: B1 vs. A1");
        event.addResultLines({"A0 def. B0 - KO", "A1 def. B1 - Decision"});
        return event;
    }

private slots:
    void emptyEventStreamForm()
    {
        const QByteArray bytes = TestStream::bytesOf(Event());
        // Six null texts, a null date, no matches, no lines, the flag.
        QCOMPARE(bytes.size(), 4 + 6 * 4 + 4 + 4 + 4 + 1);
        QCOMPARE(bytes.left(8).toHex(), QByteArray("00000006" "ffffffff"));
        QCOMPARE(bytes.mid(28, 4).toHex(), QByteArray("00000000"));
    }

    void filledEventStreamForm()
    {
        const Event event = foughtEvent();
        const QByteArray bytes = TestStream::bytesOf(event);
        int textBytes = 4;
        QStringList texts;
        event.getTexts(texts);
        for (const QString &text : texts)
            textBytes += 4 + 2 * text.size();
        const int dateAt = textBytes;
        QCOMPARE(bytes.mid(dateAt, 4).toHex(), QByteArray("002578a5")); // 4 June 2011, day 2455717
        QCOMPARE(bytes.mid(dateAt + 4, 4).toHex(), QByteArray("00000002"));
        QCOMPARE(bytes.right(1).toHex(), QByteArray("01"));
        const int cardBytes = TestStream::bytesOf(event.getMatches()).size();
        const int lineBytes = TestStream::bytesOf(event.getResultLines()).size();
        QCOMPARE(bytes.size(), textBytes + 4 + cardBytes + lineBytes + 1);
    }

    void roundTrips()
    {
        QDataStream::Status status;
        QCOMPARE(RecordChecks::roundTrip(foughtEvent(), &status), foughtEvent());
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(RecordChecks::roundTrip(Event(), &status), Event());
        QCOMPARE(status, QDataStream::Ok);
        QVERIFY(RecordChecks::roundTrip(Event()).getDate().isNull());
    }

    void readingAppendsToHeldMatches()
    {
        Event holder = eventOf(cardOf({"Single Match/open"}));
        holder.addResultLines({"old line"});
        QCOMPARE(TestStream::readBytes(TestStream::bytesOf(foughtEvent()), holder), QDataStream::Ok);
        QCOMPARE(holder.getMatches().size(), 3);
        QCOMPARE(holder.getResultLines().size(), 3);
        QCOMPARE(holder.getResultLines().first(), QString("old line"));
        QCOMPARE(holder.getName(), foughtEvent().getName());
    }

    void shortOrDamagedStreams()
    {
        const Event before = eventOf(cardOf({"Single Match/half"}));
        const QByteArray bytes = TestStream::bytesOf(foughtEvent());
        QCOMPARE(RecordChecks::firstPrefixReadThatMisbehaves(bytes, before), -1);

        // A card count far beyond the bytes left.
        QByteArray damaged = bytes;
        const int countAt = damaged.indexOf(QByteArray::fromHex("002578a5")) + 4;
        damaged.replace(countAt, 4, QByteArray::fromHex("7fffffff"));
        Event target = before;
        QCOMPARE(TestStream::readBytes(damaged, target), QDataStream::ReadCorruptData);
        QCOMPARE(target, before);

        // Five texts where six are needed.
        QByteArray fiveTexts;
        {
            GameDataStream out(&fiveTexts, QIODevice::WriteOnly);
            out << QStringList({"a", "b", "c", "d", "e"}) << QDate(2011, 1, 1)
                << QVector<Match>() << QStringList() << false;
        }
        target = before;
        QCOMPARE(TestStream::readBytes(fiveTexts, target), QDataStream::ReadCorruptData);
        QCOMPARE(target, before);
    }

    void cardQueries_data()
    {
        QTest::addColumn<QStringList>("card");
        // qualifier, championship, round, singles filled, championships
        // filled, entries filled, complete, filled
        QTest::addColumn<QVector<bool>>("expected");
        QTest::addRow("empty card") << QStringList()
            << QVector<bool>{false, false, false, true, true, true, true, true};
        QTest::addRow("only the main event open") << QStringList({"Single Match/full", "Championship Match/half"})
            << QVector<bool>{false, true, false, true, false, true, true, false};
        QTest::addRow("an open undercard single") << QStringList({"Single Match/open", "Single Match/full"})
            << QVector<bool>{false, false, false, false, true, true, false, false};
        QTest::addRow("open semifinal is no entry") << QStringList({"Tournament Quarterfinal/full", "Tournament Semifinal/open"})
            << QVector<bool>{false, false, true, true, true, true, true, false};
        QTest::addRow("open qualifier") << QStringList({"Tournament Qualifier/half", "Single Match/full"})
            << QVector<bool>{true, false, false, true, true, false, false, false};
        QTest::addRow("open quarterfinal") << QStringList({"Tournament Quarterfinal/open"})
            << QVector<bool>{false, false, true, true, true, false, true, false};
        QTest::addRow("all filled") << QStringList({"Single Match/full", "Championship Match/full"})
            << QVector<bool>{false, true, false, true, true, true, true, true};
        QTest::addRow("type texts are exact") << QStringList({"single match/open", "Tournament final/open"})
            << QVector<bool>{false, false, false, true, true, true, false, false};
    }

    void cardQueries()
    {
        QFETCH(QStringList, card);
        QFETCH(QVector<bool>, expected);
        const Event event = eventOf(cardOf(card));
        const QVector<bool> actual{
            event.hasTournamentQualifier(), event.hasChampionshipMatch(), event.hasTournamentRound(),
            event.singleMatchesFilled(), event.championshipMatchesFilled(), event.tournamentEntriesFilled(),
            event.isCardComplete(), event.isCardFilled()};
        QCOMPARE(actual, expected);
    }

    void placeFighter_data()
    {
        QTest::addColumn<QStringList>("card");
        QTest::addColumn<bool>("playerOnCard");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("playerFlag");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<bool>("flagAfter");
        const QStringList singles{"Single Match/half", "Single Match/open"};
        const QStringList bracket{"Tournament Quarterfinal/full", "Tournament Semifinal/open"};
        QTest::addRow("world fighter") << singles << false << 1 << "Single Match" << false << true << false;
        QTest::addRow("player's fighter") << singles << false << 1 << "Single Match" << true << true << true;
        QTest::addRow("second of the player's") << singles << true << 1 << "Single Match" << true << false << true;
        QTest::addRow("world fighter beside the player's") << singles << true << 1 << "Single Match" << false << true << true;
        QTest::addRow("already on the card") << singles << false << 500 << "Single Match" << false << false << false;
        QTest::addRow("no match of that type") << singles << false << 1 << "Championship Match" << false << false << false;
        QTest::addRow("matches of that type full") << QStringList({"Single Match/full"}) << false << 1 << "Single Match" << false << false << false;
        QTest::addRow("winner moving up") << bracket << true << 100 << "Tournament Semifinal" << true << true << true;
        QTest::addRow("winner into a final") << QStringList({"Tournament Semifinal/full", "Tournament Final/half"})
            << false << 100 << "Tournament Final" << true << true << true;
        QTest::addRow("quarterfinal is no exception") << QStringList({"Tournament Quarterfinal/full", "Tournament Quarterfinal/open"})
            << true << 100 << "Tournament Quarterfinal" << true << false << true;
        QTest::addRow("qualifier entrant twice") << QStringList({"Tournament Qualifier/half", "Tournament Qualifier/open"})
            << false << 500 << "Tournament Qualifier" << false << false << false;
    }

    void placeFighter()
    {
        QFETCH(QStringList, card);
        QFETCH(bool, playerOnCard);
        QFETCH(int, id);
        QFETCH(QString, type);
        QFETCH(bool, playerFlag);
        QFETCH(bool, placed);
        QFETCH(bool, flagAfter);
        Event event = eventOf(cardOf(card), playerOnCard);
        const QVector<Match> before = event.getMatches();
        QCOMPARE(event.placeFighter(id, "New Man", type, playerFlag), placed);
        QCOMPARE(event.hasPlayerFighter(), flagAfter);
        if (!placed)
            QCOMPARE(event.getMatches(), before);
    }

    void placeFighterTakesTheFirstOpenSide()
    {
        Event event = eventOf(cardOf({"Single Match/full", "Championship Match/open", "Single Match/half", "Single Match/open"}));
        QVERIFY(event.placeFighter(7, "Seven", "Single Match", true));
        const QVector<Match> card = event.getMatches();
        QCOMPARE(card.at(2).getIdB(), 7);
        QVERIFY(card.at(2).isPlayerMatch());
        QCOMPARE(card.at(3).getIdA(), 0);
    }

    void withdrawFighter_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("clearFlag");
        QTest::addColumn<int>("openedMatch");
        QTest::addColumn<bool>("flagAfter");
        QTest::addRow("world fighter") << 201 << false << 1 << true;
        QTest::addRow("player's fighter") << 100 << true << 0 << false;
        QTest::addRow("absent id keeps the flag") << 999 << true << -1 << true;
    }

    void withdrawFighter()
    {
        QFETCH(int, id);
        QFETCH(bool, clearFlag);
        QFETCH(int, openedMatch);
        QFETCH(bool, flagAfter);
        QVector<Match> card = cardOf({"Single Match/full", "Single Match/full"});
        // The same fighter on a later match too: only the first is touched.
        card[1].setData({"A0", "B1", "Single Match", "TBA"}, 100, 201, true);
        card[0].setData({"A0", "B0", "Single Match", "TBA"}, 100, 200, true);
        Event event = eventOf(card, true);
        event.withdrawFighter(id, clearFlag);
        const QVector<Match> after = event.getMatches();
        for (int i = 0; i < after.size(); ++i)
            QCOMPARE(after.at(i).isFilled(), i != openedMatch);
        if (openedMatch >= 0)
            QCOMPARE(after.at(openedMatch).isPlayerMatch(), !clearFlag);
        QCOMPARE(event.hasPlayerFighter(), flagAfter);
    }

    void nameAfterMainEvent_data()
    {
        QTest::addColumn<QString>("organization");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("lastType");
        QTest::addColumn<QString>("sideA");
        QTest::addColumn<QString>("sideB");
        QTest::addColumn<QString>("fighter");
        QTest::addColumn<QString>("expected");
        QTest::addRow("first side booked") << "Apex" << "Apex Event" << "Single Match"
            << "Ray Cole" << "TBA" << "Cole" << "Apex: Cole vs. TBA";
        QTest::addRow("second side fills TBA") << "Apex" << "Apex: Cole vs. TBA" << "Single Match"
            << "Ray Cole" << "Ian Bro" << "Bro" << "Apex: Cole vs. Bro";
        QTest::addRow("second side replaced") << "Apex" << "Apex: Cole vs. Smith" << "Championship Match"
            << "Ray Cole" << "Ian Bro" << "Bro" << "Apex: Cole vs. Bro";
        QTest::addRow("first side rebooked keeps opponent") << "Apex" << "Apex: Smith vs. Bro" << "Single Match"
            << "Ray Cole" << "Ian Bro" << "Cole" << "Apex: Cole vs. Bro";
        QTest::addRow("dot in the organization") << "Apex Inc." << "Apex Inc.: Cole vs. Smith" << "Single Match"
            << "Ray Cole" << "Ian Bro" << "Bro" << "Apex Inc.: Cole vs. Bro";
        QTest::addRow("dot in a fighter's name") << "Apex" << "Apex: J. Cole vs. K. Smith" << "Single Match"
            << "J. Cole" << "T. Bro" << "T. Bro" << "Apex: J. Cole vs. T. Bro";
        QTest::addRow("opponent name inside the organization") << "Smith Fights" << "Smith Fights: Cole vs. Smith"
            << "Single Match" << "Ray Cole" << "Ian Bro" << "Bro" << "Smith Fights: Cole vs. Bro";
        QTest::addRow("rolled-over name, second side") << "Apex" << "Apex Event" << "Single Match"
            << "Ray Cole" << "Ian Bro" << "Bro" << "Apex: Ray Cole vs. Bro";
        QTest::addRow("rolled-over name, second side, first open") << "Apex" << "Apex Event" << "Single Match"
            << "TBA" << "Ian Bro" << "Bro" << "Apex: TBA vs. Bro";
        QTest::addRow("rolled-over name, first side") << "Apex" << "Apex Championship Fight" << "Championship Match"
            << "Ray Cole" << "Ian Bro" << "Cole" << "Apex: Cole vs. Ian Bro";
        QTest::addRow("fighter on neither side") << "Apex" << "Apex Event" << "Single Match"
            << "Ray Cole" << "Ian Bro" << "Nobody" << "Apex Event";
        QTest::addRow("tournament final keeps its name") << "Apex" << "Apex Grand Prix 2011" << "Tournament Final"
            << "Ray Cole" << "TBA" << "Cole" << "Apex Grand Prix 2011";
        QTest::addRow("containment is case-sensitive") << "Apex" << "Apex Event" << "Single Match"
            << "Ray Cole" << "TBA" << "cole" << "Apex Event";
    }

    void nameAfterMainEvent()
    {
        QFETCH(QString, organization);
        QFETCH(QString, name);
        QFETCH(QString, lastType);
        QFETCH(QString, sideA);
        QFETCH(QString, sideB);
        QFETCH(QString, fighter);
        QFETCH(QString, expected);
        Match main;
        main.setData({sideA, sideB, lastType, "TBA"}, sideA == "TBA" ? 0 : 1, sideB == "TBA" ? 0 : 2, false);
        Event event = eventOf(cardOf({"Single Match/full"}) << main, false, name, organization);
        event.nameAfterMainEvent(fighter);
        QCOMPARE(event.getName(), expected);
    }

    void nameAfterMainEventOnAQualifierCardOrEmptyCard()
    {
        Event qualifiers = eventOf(cardOf({"Tournament Qualifier/half", "Single Match/half"}));
        qualifiers.nameAfterMainEvent("H1");
        QCOMPARE(qualifiers.getName(), QString("Apex Event"));
        Event empty = eventOf(QVector<Match>());
        empty.nameAfterMainEvent("Cole");
        QCOMPARE(empty.getName(), QString("Apex Event"));
    }

    void rollOverYear_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("card");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("newTitle");
        QTest::addRow("named after a title fight") << "Apex: Cole vs. Bro"
            << QStringList({"Single Match/full", "Championship Match/full"})
            << "Apex Championship Fight" << "Apex 2011 Belt";
        QTest::addRow("named after a single match") << "Apex: Cole vs. TBA"
            << QStringList({"Single Match/half"}) << "Apex Event" << "Apex 2011 Belt";
        QTest::addRow("tournament carries the year") << "Apex Grand Prix 2011"
            << QStringList({"Tournament Quarterfinal/full", "Tournament Final/open"})
            << "Apex Grand Prix 2012" << "Apex 2012 Belt";
        QTest::addRow("year in a plain name") << "Apex 2011 Gala"
            << QStringList({"Single Match/full"}) << "Apex 2012 Gala" << "Apex 2011 Belt";
    }

    void rollOverYear()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, card);
        QFETCH(QString, newName);
        QFETCH(QString, newTitle);
        Event event = eventOf(cardOf(card), true, name);
        event.addResultLines({"A0 def. B0"});
        event.rollOverYear();
        QCOMPARE(event.getName(), newName);
        QCOMPARE(event.getTitle(), newTitle);
        QCOMPARE(event.getDate(), QDate(2012, 6, 4));
        QVERIFY(event.getResultLines().isEmpty());
        QVERIFY(!event.hasPlayerFighter());
        const QVector<Match> after = event.getMatches();
        QCOMPARE(after.size(), card.size());
        for (int i = 0; i < after.size(); ++i) {
            Match open;
            open.setType(cardOf(card).at(i).getType());
            QCOMPARE(after.at(i), open);
        }
    }
};

QTEST_GUILESS_MAIN(TestEventRecord)
#include "tst_event_record.moc"
