#include <QtTest>

#include "records/Offer.h"
#include "records/NumberText.h"
#include "records/TextDate.h"

// Dates and numbers as the game writes them, whatever the machine's locale.
// The whole program runs under a German locale to prove the locale is never asked.
class TestTextFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // The machine's own formatting really is German here, so the rows below can fail.
        QCOMPARE(QLocale().toString(QDate(2011, 1, 1), QStringLiteral("ddd")), QStringLiteral("Sa."));
    }

    void dates_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("shortText");
        QTest::addColumn<QString>("longText");
        QTest::addRow("new year 2011") << QDate(2011, 1, 1) << "Sat Jan 1 2011" << "Saturday, January 1, 2011";
        QTest::addRow("two-digit day") << QDate(2011, 1, 15) << "Sat Jan 15 2011" << "Saturday, January 15, 2011";
        QTest::addRow("leap day") << QDate(2012, 2, 29) << "Wed Feb 29 2012" << "Wednesday, February 29, 2012";
        QTest::addRow("null date") << QDate() << "" << "";
    }

    void dates()
    {
        QFETCH(QDate, date);
        QFETCH(QString, shortText);
        QFETCH(QString, longText);
        QCOMPARE(TextDate::shortText(date), shortText);
        QCOMPARE(TextDate::longText(date), longText);
    }

    void offerDatesAreEnglish()
    {
        Offer offer;
        QVERIFY(offer.set(12, {QStringLiteral("A B"), QStringLiteral("K-1: A vs. B"), QStringLiteral("K-1")},
                          QDate(2011, 1, 15)));
        QCOMPARE(offer.getDateText(), QStringLiteral("Sat Jan 15 2011"));
    }

    void grouped_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << qint64(0) << "0";
        QTest::addRow("three digits") << qint64(999) << "999";
        QTest::addRow("four digits") << qint64(1000) << "1,000";
        QTest::addRow("seven digits") << qint64(2000000) << "2,000,000";
        QTest::addRow("negative") << qint64(-2200) << "-2,200";
        QTest::addRow("smallest") << std::numeric_limits<qint64>::min() << "-9,223,372,036,854,775,808";
    }

    void grouped()
    {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::grouped(value), text);
    }
};

QTEST_GUILESS_MAIN(TestTextFormats)
#include "tst_text_formats.moc"
