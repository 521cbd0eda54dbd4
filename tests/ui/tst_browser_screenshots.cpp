#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "core/WorldTestAccess.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/browser/Module_Database.h"
#include "ui/browser/Module_Orgs.h"
#include "ui/shell/ModuleManager.h"
#include "world/World.h"

// Pictures of the fighter database and the organizations screen over the
// default world, with the resources the build wrote, saved to the temporary
// folder for a look.
class TestBrowserScreenshots : public QObject
{
    Q_OBJECT

private:
    void shoot(const QString &name) { SHOOT_WINDOW(name); }

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
        ShellTest::startGame();
        WorldTestAccess::freshWorld();
        World::Instance().loadDefaultData();
        ModuleManager::Instance()->showTopMenu();
    }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void databasePages()
    {
        ModuleManager::Instance()->changeScreen(new Module_Database);
        auto *screen = ShellTest::screen<Module_Database>();
        if (!screen)
            return;
        auto *list = ShellTest::widget<QListWidget>(screen, "fighter_list");
        QVERIFY(list->count() > 0);
        list->setCurrentRow(0);
        shoot(QStringLiteral("database_ranking"));
        ShellTest::widget<QComboBox>(screen, "region_combo")->setCurrentText("East Asia");
        list->setCurrentRow(0);
        shoot(QStringLiteral("database_region"));
        ShellTest::widget<QPushButton>(screen, "detailed_info_btn")->click();
        QVERIFY(screen->findChild<QPushButton *>("close_btn"));
        shoot(QStringLiteral("database_fighter"));
    }

    // A reigning champion's page shows the record he starts the game with,
    // and his title line ("... World Championship - from ..."), wider than
    // the record column, wraps instead of scrolling sideways.
    void databaseChampion()
    {
        ModuleManager::Instance()->changeScreen(new Module_Database);
        auto *screen = ShellTest::screen<Module_Database>();
        if (!screen)
            return;
        ShellTest::widget<QComboBox>(screen, "org_combo")->setCurrentText("Genesis");
        auto *list = ShellTest::widget<QListWidget>(screen, "fighter_list");
        list->setCurrentRow(0);
        ShellTest::widget<QPushButton>(screen, "detailed_info_btn")->click();
        auto *titles = ShellTest::widget<QListWidget>(screen, "titles_list");
        QVERIFY(ShellTest::listTexts(titles).value(0).contains("World Championship - from "));
        QVector<int> ints;
        World::Instance().getFightersOf("Genesis").constFirst().getInts(ints);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(ShellTest::widget<QLineEdit>(screen, "record_value_" + QString::number(row))->text(),
                     QString::number(ints.at(Fighter::WinsIndex + row)));
        QVERIFY(ints.at(Fighter::WinsIndex) > ints.at(Fighter::LossesIndex));
        shoot(QStringLiteral("database_champion"));
        QCOMPARE(titles->horizontalScrollBar()->maximum(), 0);
        const QRect line = titles->visualItemRect(titles->item(0));
        QVERIFY2(line.right() <= titles->viewport()->width(), qPrintable(QString::number(line.width())));
        QVERIFY(line.height() > titles->fontMetrics().height());
    }

    void organizationsScreen()
    {
        ModuleManager::Instance()->changeScreen(new Module_Orgs);
        auto *screen = ShellTest::screen<Module_Orgs>();
        if (!screen)
            return;
        QVERIFY(ShellTest::widget<QListWidget>(screen, "rankings_list")->count() > 0);
        shoot(QStringLiteral("organizations"));
    }
};

QTEST_MAIN(TestBrowserScreenshots)
#include "tst_browser_screenshots.moc"
