#include <QtTest>

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>

#include "core/WorldTestAccess.h"
#include "ui/ShellTestSupport.h"
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
    QString shotFolder;

    void shoot(const QString &name)
    {
        QWidget *window = ModuleManager::Instance()->window();
        QCoreApplication::processEvents();
        const QPixmap shot = window->grab();
        QCOMPARE(shot.size(), QSize(1100, 700));
        QVERIFY(shot.save(shotFolder + name + QStringLiteral(".png")));
    }

private slots:
    void initTestCase()
    {
        const QString buildFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
        if (!QFileInfo::exists(buildFolder + QStringLiteral("/Resources/Defaults/default_orgs_G1.dat")))
            QSKIP("The resources have not been written into the build folder.");
        QVERIFY(QDir::setCurrent(buildFolder));
        shotFolder = QDir::tempPath() + QStringLiteral("/ringwright_shots/");
        QDir().mkpath(shotFolder);
        ShellTest::startGame();
        WorldTestAccess::freshWorld();
        World::Instance().loadDefaultData();
        ModuleManager::Instance()->showTopMenu();
    }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void databasePages()
    {
        ModuleManager::Instance()->changeScreen(new Module_Database);
        auto *screen = ShellTest::currentScreenAs<Module_Database>();
        auto *list = screen->findChild<QListWidget *>("fighter_list");
        QVERIFY(list->count() > 0);
        list->setCurrentRow(0);
        shoot(QStringLiteral("database_ranking"));
        screen->findChild<QComboBox *>("region_combo")->setCurrentText("East Asia");
        list->setCurrentRow(0);
        shoot(QStringLiteral("database_region"));
        screen->findChild<QPushButton *>("detailed_info_btn")->click();
        QVERIFY(screen->findChild<QPushButton *>("close_btn"));
        shoot(QStringLiteral("database_fighter"));
    }

    void organizationsScreen()
    {
        ModuleManager::Instance()->changeScreen(new Module_Orgs);
        auto *screen = ShellTest::currentScreenAs<Module_Orgs>();
        QVERIFY(screen->findChild<QListWidget *>("rankings_list")->count() > 0);
        shoot(QStringLiteral("organizations"));
    }
};

QTEST_MAIN(TestBrowserScreenshots)
#include "tst_browser_screenshots.moc"
