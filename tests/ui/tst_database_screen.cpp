#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "core/FighterBuilder.h"
#include "core/WorldTestAccess.h"
#include "records/Manager.h"
#include "records/SkillTable.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/browser/Module_Database.h"
#include "world/World.h"

namespace {

// A fighter of the test world with region, background, style, birthday and
// history set.
Fighter browsed(int id, const QString &first, const QString &last, int standing, const QString &region,
                const QString &organization = "G-1")
{
    return FighterBuilder(WorldFixtures::fighter(id, first, last, standing, organization))
        .text(Fighter::RegionText, region)
        .text(Fighter::BackgroundText, "Muay Thai")
        .style("Clincher")
        .born(QDate(1990, 3, 5))
        .build();
}

void setScouting(int scouting)
{
    QVector<int> numbers(Manager::IntCount, 0);
    numbers[13] = scouting;
    World::Instance().setupManager({"Sam", "Cole", "Europe", "England", "Unknown"}, numbers, QStringList());
}

} // namespace

// The fighter database: filters, ranking, summary and the scouted sheet.
class TestDatabaseScreen : public QObject
{
    Q_OBJECT

private:
    Module_Database *screen = nullptr;

    template <typename W>
    W *widget(const QString &name) const { return ShellTest::widget<W>(screen, name); }
    QListWidget *list() const { return widget<QListWidget>("fighter_list"); }
    QString summary(int field) const
    {
        return widget<QLineEdit>(QStringLiteral("summary_field_") + QString::number(field))->text();
    }
    void pick(const QString &text)
    {
        const QList<QListWidgetItem *> items = list()->findItems(text, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(text));
        list()->setCurrentItem(items.first());
    }
    void openSheet(const QString &entry)
    {
        pick(entry);
        widget<QPushButton>("detailed_info_btn")->click();
    }
    int shownRatings() const
    {
        int shown = 0;
        for (int skill = 0; skill < SkillTable::SkillCount; ++skill)
            shown += widget<QLineEdit>(QStringLiteral("rating_value_") + QString::number(skill))->text() != "?";
        return shown;
    }

private slots:
    void init()
    {
        ShellTest::startGame();
        WorldTestAccess::freshWorld();
        // One tournament day: quarterfinal, semifinal, final recorded in that order.
        const Fighter veteran = FighterBuilder(browsed(3, "Ken", "Sato", 200, "East Asia"))
                                    .result(QDate(2011, 1, 1), "Win: quarterfinal")
                                    .result(QDate(2011, 1, 1), "Win: semifinal")
                                    .result(QDate(2011, 1, 1), "Win: final")
                                    .result(QDate(2010, 6, 4), "Loss: debut")
                                    .titles({"G-1 World Championship"})
                                    .build();
        WorldTestAccess::addOrganization(WorldFixtures::organization(
            "G-1", "Elite", {},
            {browsed(1, "Zed", "Abe", 100, "Oceania"), browsed(2, "Al", "Moon", 150, "Oceania"), veteran,
             browsed(4, "Al", "Moon", 300, "Africa")}));
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100, "Pat", "Lee", 150, "G-1"));
        WorldTestAccess::addFreeAgent(browsed(50, "Free", "Man", 10, "Africa", "Free Agent"));
        setScouting(0);
        ModuleManager::Instance()->changeScreen(new Module_Database);
        screen = ShellTest::currentScreenAs<Module_Database>();
        QVERIFY(screen);
    }

    void cleanup() { ShellTest::stopGame(); }

    void opensOnTheRankingOfTheFirstOrganization()
    {
        QCOMPARE(widget<QComboBox>("name_display_combo")->currentText(), QString("First Name Last Name"));
        QCOMPARE(widget<QComboBox>("region_combo")->currentText(), QString("Ranking"));
        auto *orgs = widget<QComboBox>("org_combo");
        QCOMPARE(orgs->currentText(), QString("G-1"));
        QCOMPARE(orgs->count(), 19);
        QCOMPARE(orgs->itemText(18), QString("Free Agent"));
        // The player's fighter stands before the organization's fighter of equal standing.
        QCOMPARE(ShellTest::listTexts(list()), QStringList({"1. Zed Abe", "2. Pat Lee", "3. Al Moon", "4. Ken Sato",
                                                 "5. Al Moon"}));
        QCOMPARE(widget<QLabel>("world_map_label")->size(), QSize(420, 225));
    }

    void lastNameFirstChangesOnlyTheNames()
    {
        widget<QComboBox>("name_display_combo")->setCurrentIndex(1);
        QCOMPARE(ShellTest::listTexts(list()).first(), QString("1. Abe, Zed"));
        QCOMPARE(list()->count(), 5);
    }

    void regionViews_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QStringList>("entries");
        QTest::addRow("alphabetical, no numbers") << "Oceania" << QStringList{"Al Moon", "Zed Abe"};
        QTest::addRow("nobody from there") << "North America" << QStringList{};
    }

    void regionViews()
    {
        QFETCH(QString, region);
        QFETCH(QStringList, entries);
        widget<QComboBox>("region_combo")->setCurrentText(region);
        QCOMPARE(ShellTest::listTexts(list()), entries);
    }

    void summaryOfAPickedFighter()
    {
        pick("4. Ken Sato");
        QCOMPARE(summary(0), QString("Ken Sato"));
        QCOMPARE(summary(1), QString("Japan"));
        QCOMPARE(summary(2), QString("Muay Thai"));
        QCOMPARE(summary(3), QString("G-1"));
        QCOMPARE(screen->pickedFighterId(), 3);

        // The same fighter from a region view, whatever the display.
        widget<QComboBox>("region_combo")->setCurrentText("East Asia");
        widget<QComboBox>("name_display_combo")->setCurrentIndex(1);
        pick("Sato, Ken");
        QCOMPARE(summary(0), QString("Ken Sato"));
        QCOMPARE(screen->pickedFighterId(), 3);
    }

    void namesakesAndNobody()
    {
        pick("5. Al Moon");
        QCOMPARE(screen->pickedFighterId(), 2); // the first Al Moon of the list
        screen->showSelectedFighterSummary("Nobody Here");
        QCOMPARE(summary(0), QString());
        QCOMPARE(screen->pickedFighterId(), 0);
    }

    void freeAgentsShowTheirContract()
    {
        widget<QComboBox>("org_combo")->setCurrentText("Free Agent");
        QCOMPARE(ShellTest::listTexts(list()), QStringList{"1. Free Man"});
        pick("1. Free Man");
        QCOMPARE(summary(3), QString("Free Agent"));
    }

    void scoutingGatesTheRatings_data()
    {
        QTest::addColumn<int>("scouting");
        QTest::addColumn<int>("shown");
        const int counts[] = {4, 8, 12, 17, 22, 24, 26, 35, 39, 43, 48};
        for (int scouting = 0; scouting <= 10; ++scouting)
            QTest::addRow("scouting %d", scouting) << scouting << counts[scouting];
    }

    void scoutingGatesTheRatings()
    {
        QFETCH(int, scouting);
        QFETCH(int, shown);
        setScouting(scouting);
        openSheet("4. Ken Sato");
        QCOMPARE(shownRatings(), shown);
        const QString background = widget<QLineEdit>("personal_value_3")->text();
        QCOMPARE(background, scouting == 10 ? QString("Muay Thai/Clincher") : QString("Muay Thai"));
        if (scouting == 0) {
            for (int skill : {SkillTable::HeadMovement, SkillTable::Strength, SkillTable::AttackSpeed,
                              SkillTable::Combinations})
                QVERIFY(widget<QLineEdit>(QStringLiteral("rating_value_") + QString::number(skill))->text() != "?");
        }
    }

    void theSheetShowsTheRecord()
    {
        openSheet("4. Ken Sato");
        QCOMPARE(widget<QLineEdit>("personal_value_0")->text(), QString("Ken Sato"));
        QCOMPARE(widget<QLineEdit>("personal_value_5")->text(), QString("05-03-1990"));
        QCOMPARE(ShellTest::listTexts(widget<QListWidget>("history_list")),
                 QStringList({"Loss: debut - Fri Jun 4 2010", "Win: quarterfinal - Sat Jan 1 2011",
                              "Win: semifinal - Sat Jan 1 2011", "Win: final - Sat Jan 1 2011"}));
        QCOMPARE(ShellTest::listTexts(widget<QListWidget>("titles_list")), QStringList{"G-1 World Championship"});
    }

    void closeComesBackToTheSameChoices()
    {
        widget<QComboBox>("region_combo")->setCurrentText("Oceania");
        widget<QComboBox>("name_display_combo")->setCurrentIndex(1);
        const int widgetsBefore = screen->findChildren<QWidget *>().size();
        for (int visit = 0; visit < 3; ++visit) {
            openSheet("Abe, Zed");
            QVERIFY(screen->findChild<QPushButton *>("close_btn"));
            QVERIFY(!screen->findChild<QComboBox *>("region_combo"));
            widget<QPushButton>("close_btn")->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(widget<QComboBox>("region_combo")->currentText(), QString("Oceania"));
        QCOMPARE(widget<QComboBox>("name_display_combo")->currentText(), QString("Last Name, First Name"));
        QCOMPARE(ShellTest::listTexts(list()), QStringList({"Abe, Zed", "Moon, Al"}));
        QCOMPARE(summary(0), QString());
        QCOMPARE(screen->pickedFighterId(), 1);
        QVERIFY(!screen->findChild<QPushButton *>("close_btn"));
        QCOMPARE(screen->findChildren<QWidget *>().size(), widgetsBefore);
    }

    void detailedInfoWithoutAPickDoesNothing()
    {
        widget<QPushButton>("detailed_info_btn")->click();
        QVERIFY(!screen->findChild<QPushButton *>("close_btn"));
        // The list replaced since the pick: nobody to show either.
        pick("1. Zed Abe");
        widget<QComboBox>("org_combo")->setCurrentText("Free Agent");
        widget<QPushButton>("detailed_info_btn")->click();
        QVERIFY(!screen->findChild<QPushButton *>("close_btn"));
    }
};

QTEST_MAIN(TestDatabaseScreen)
#include "tst_database_screen.moc"
