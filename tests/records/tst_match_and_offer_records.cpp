#include <QtTest>

#include "records/Match.h"
#include "records/Offer.h"
#include "core/RecordChecks.h"
#include "records/TextDate.h"

// The two small records of a card and a booking.
class TestMatchAndOfferRecords : public QObject
{
    Q_OBJECT

private:
    static Match filledMatch()
    {
        Match match;
        match.setData({"Ray Cole", "Ian Bro", "Championship Match", "Win - KO"}, 1100, 1200, true);
        return match;
    }

    static Offer bookedOffer()
    {
        Offer offer;
        offer.set(1101, {"Ray Cole", "Apex: Cole vs. TBA", "Apex"}, QDate(2011, 3, 8));
        return offer;
    }

private slots:
    void newMatchStreamForm()
    {
        const QByteArray bytes = TestStream::bytesOf(Match());
        QCOMPARE(bytes.size(), 71);
        // Four texts, the first "TBA" (three UTF-16 units).
        QCOMPARE(bytes.left(14).toHex(), QByteArray("00000004" "00000006" "005400420041"));
        // Two zero ids and the flag at the end.
        QCOMPARE(bytes.right(9).toHex(), QByteArray("00000000" "00000000" "00"));
    }

    void newOfferStreamForm()
    {
        const QByteArray bytes = TestStream::bytesOf(Offer());
        QCOMPARE(bytes.size(), 42);
        QCOMPARE(bytes.left(18).toHex(), QByteArray("00000000" "00000003" "00000006" "004e002f0041"));
        // 1 January 1999 as its Julian day, 2451180.
        QCOMPARE(bytes.right(4).toHex(), QByteArray("002566ec"));
    }

    void roundTrips()
    {
        QDataStream::Status status;
        QCOMPARE(RecordChecks::roundTrip(filledMatch(), &status), filledMatch());
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(RecordChecks::roundTrip(bookedOffer(), &status), bookedOffer());
        QCOMPARE(status, QDataStream::Ok);

        Offer undated = bookedOffer();
        undated.set(5, {"A", "B", "C"}, QDate());
        const Offer back = RecordChecks::roundTrip(undated, &status);
        QCOMPARE(status, QDataStream::Ok);
        QVERIFY(back.getDateText() == "N/A");
        int id = 0;
        QStringList texts;
        QDate date(2000, 1, 1);
        back.getData(id, texts, date);
        QVERIFY(date.isNull());
        QCOMPARE(texts, QStringList({"A", "B", "C"}));
    }

    void shortStreamsLeaveRecordsUnchanged()
    {
        QCOMPARE(RecordChecks::firstPrefixReadThatMisbehaves(TestStream::bytesOf(filledMatch()), Match()), -1);
        QCOMPARE(RecordChecks::firstPrefixReadThatMisbehaves(TestStream::bytesOf(bookedOffer()), Offer()), -1);
    }

    void shortTextListsAreRefused()
    {
        QByteArray bytes;
        {
            GameDataStream out(&bytes, QIODevice::WriteOnly);
            out << QStringList({"only", "two"}) << qint32(1) << qint32(2) << true;
        }
        Match match = filledMatch();
        QCOMPARE(TestStream::readBytes(bytes, match), QDataStream::ReadCorruptData);
        QCOMPARE(match, filledMatch());
        QVERIFY(!match.setData({"a", "b", "c"}, 1, 2, false));
        QCOMPARE(match, filledMatch());

        Offer offer = bookedOffer();
        QVERIFY(!offer.set(9, {"a", "b"}, QDate(2012, 1, 1)));
        QCOMPARE(offer, bookedOffer());
    }

    void addFighter_data()
    {
        QTest::addColumn<bool>("firstPlayer");
        QTest::addColumn<bool>("secondPlayer");
        QTest::addColumn<bool>("secondPlaced");
        QTest::addColumn<bool>("flagAfter");
        QTest::addRow("two world fighters") << false << false << true << false;
        QTest::addRow("player then world") << true << false << true << true;
        QTest::addRow("world then player") << false << true << true << true;
        QTest::addRow("two of the player's") << true << true << false << true;
    }

    void addFighter()
    {
        QFETCH(bool, firstPlayer);
        QFETCH(bool, secondPlayer);
        QFETCH(bool, secondPlaced);
        QFETCH(bool, flagAfter);
        Match match;
        QVERIFY(!match.isFilled());
        QVERIFY(match.addFighter(11, "First", firstPlayer));
        QVERIFY(!match.isFilled());
        QCOMPARE(match.addFighter(22, "Second", secondPlayer), secondPlaced);
        QCOMPARE(match.isFilled(), secondPlaced);
        QCOMPARE(match.isPlayerMatch(), flagAfter);
        QCOMPARE(match.getIdA(), 11);
        QCOMPARE(match.getIdB(), secondPlaced ? 22 : 0);
        // A full match takes nobody else; one refused for its player's mark
        // still takes a fighter of the world.
        QCOMPARE(match.addFighter(33, "Third", false), !secondPlaced);
    }

    void withdraw_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("clearPlayer");
        QTest::addColumn<QStringList>("namesAfter");
        QTest::addColumn<bool>("flagAfter");
        QTest::addRow("side A") << 1100 << false << QStringList({"TBA", "Ian Bro"}) << true;
        QTest::addRow("side B, clearing") << 1200 << true << QStringList({"Ray Cole", "TBA"}) << false;
        QTest::addRow("absent id, clearing") << 7 << true << QStringList({"Ray Cole", "Ian Bro"}) << false;
        QTest::addRow("absent id") << 7 << false << QStringList({"Ray Cole", "Ian Bro"}) << true;
    }

    void withdraw()
    {
        QFETCH(int, id);
        QFETCH(bool, clearPlayer);
        QFETCH(QStringList, namesAfter);
        QFETCH(bool, flagAfter);
        Match match = filledMatch();
        match.withdraw(id, clearPlayer);
        QStringList texts;
        match.getTexts(texts);
        QCOMPARE(texts.mid(0, 2), namesAfter);
        QCOMPARE(match.isPlayerMatch(), flagAfter);
        QCOMPARE(match.getIdA() == 0, namesAfter.at(0) == "TBA");
        QCOMPARE(match.getIdB() == 0, namesAfter.at(1) == "TBA");
    }

    void withdrawOpensOnlyTheFirstSide()
    {
        Match match;
        match.setData({"Same", "Same", "Single Match", "TBA"}, 5, 5, false);
        match.withdraw(5, false);
        QStringList texts;
        match.getTexts(texts);
        QCOMPARE(texts.mid(0, 2), QStringList({"TBA", "Same"}));
        QCOMPARE(match.getIdB(), 5);
    }

    void resetKeepsTheType()
    {
        Match match = filledMatch();
        match.setType("Tournament Final");
        match.reset();
        Match expected;
        expected.setType("Tournament Final");
        QCOMPARE(match, expected);
    }

    void offerWithinWeek_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("within");
        QTest::addRow("a week ahead") << QDate(2011, 3, 8) << true;
        QTest::addRow("eight days ahead") << QDate(2011, 3, 9) << false;
        QTest::addRow("in the past") << QDate(2011, 2, 1) << true;
        QTest::addRow("no date") << Offer::noDate() << true;
    }

    void offerWithinWeek()
    {
        QFETCH(QDate, date);
        QFETCH(bool, within);
        Offer offer;
        offer.set(1, {"a", "b", "c"}, date);
        QCOMPARE(offer.isWithinWeek(QDate(2011, 3, 1)), within);
    }

    void offerDateTextAndReset()
    {
        QCOMPARE(Offer().getDateText(), QString("N/A"));
        Offer offer = bookedOffer();
        QCOMPARE(offer.getDateText(), TextDate::shortText(QDate(2011, 3, 8)));
        offer.reset();
        QCOMPARE(offer.getId(), 1101);
        QCOMPARE(offer.getFighterName(), QString("Ray Cole"));
        QCOMPARE(offer.getEventName(), QString("N/A"));
        QCOMPARE(offer.getOrganization(), QString("N/A"));
        QCOMPARE(offer.getDateText(), QString("N/A"));
    }
};

QTEST_GUILESS_MAIN(TestMatchAndOfferRecords)
#include "tst_match_and_offer_records.moc"
