#include <QtTest>

#include <QLayout>
#include <QPointer>
#include <QPushButton>

#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/business/Module_NextDay.h"
#include "ui/gym/Module_Profile.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_MainMenu.h"
#include "ui/shell/TopMenuBar.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

// The game window: start-up, screen changes, the screens' style sheet and
// the way the program closes.
class TestShellWindow : public QObject
{
    Q_OBJECT

private:
    ModuleManager *manager() const { return ModuleManager::Instance(); }
    static void writeSheet(const QByteArray &css) { ShellTest::writeFile(ResourcePaths::screenStyleSheetFile(), css); }

private slots:
    void init()
    {
        writeSheet(QByteArray());
        ShellTest::startGame();
    }

    void cleanup()
    {
        ShellTest::stopGame();
        QCOMPARE(ShellTest::liveScreens().size(), 0);
    }

    void startsOnTheMainMenuWithTheBarHidden()
    {
        QWidget *window = manager()->window();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Ringwright - by Vellamy"));
        QCOMPARE(window->size(), QSize(1100, 700));
        QCOMPARE(window->minimumSize(), QSize(1100, 700));
        QCOMPARE(window->maximumSize(), QSize(1100, 700));
        QVERIFY(window->isVisible());
        QVERIFY(ShellTest::currentScreenAs<Module_MainMenu>());
        QVERIFY(manager()->topMenu());
        QVERIFY(!manager()->isTopMenuVisible());

        QLayout *layout = window->layout();
        QVERIFY(layout);
        QCOMPARE(layout->spacing(), 0);
        QCOMPARE(layout->count(), 2);
        QCOMPARE(layout->itemAt(0)->widget(), manager()->topMenu());
        QCOMPARE(layout->itemAt(1)->widget(), manager()->currentScreen());
    }

    void secondInitKeepsTheWindow()
    {
        QWidget *window = manager()->window();
        QWidget *screen = manager()->currentScreen();
        manager()->init();
        QCOMPARE(manager()->window(), window);
        QCOMPARE(manager()->currentScreen(), screen);
    }

    void styleSheetOfTheScreen_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        QTest::addRow("present") << QByteArray("Module_Profile { background-color: #123456; }")
                                 << "Module_Profile { background-color: #123456; }";
        QTest::addRow("empty file") << QByteArray("") << "";
        QTest::addRow("missing file") << QByteArray() << "";
        QTest::addRow("read up to a zero byte") << QByteArray("QLabel { color: red; }\0junk", 27)
                                                << "QLabel { color: red; }";
    }

    void styleSheetOfTheScreen()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        writeSheet(file);
        manager()->changeScreen(new Module_Profile);
        QCOMPARE(manager()->currentScreen()->styleSheet(), expected);
    }

    void styleSheetIsReadAnewOnEveryChange()
    {
        writeSheet("QLabel { color: red; }");
        manager()->changeScreen(new Module_Profile);
        writeSheet("QLabel { color: blue; }");
        manager()->changeScreen(new Module_Profile);
        QCOMPARE(manager()->currentScreen()->styleSheet(), QString("QLabel { color: blue; }"));
    }

    void screenBackgroundIsPaintedFromTheStyleSheet()
    {
        writeSheet("Module_Profile { background-color: rgb(10, 200, 30); }");
        manager()->changeScreen(new Module_Profile);
        // A widget added to a shown window is shown from the event loop.
        QCoreApplication::processEvents();
        QVERIFY(manager()->currentScreen()->isVisible());
        const QImage shot = manager()->window()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(5, 690)), QColor(10, 200, 30));
    }

    void oneScreenAfterManySwitches()
    {
        manager()->showTopMenu();
        TopMenuBar *bar = manager()->topMenu();
        for (int round = 0; round < 5; ++round) {
            for (int id : {0, 1, 2, 3, 4, 5, 7, 8})
                bar->button(ButtonID(id))->click();
            bar->changeScreenNextDay();
            manager()->reloadCurrentScreen();
        }
        ShellTest::flushDeletions();
        const QList<QWidget *> screens = ShellTest::liveScreens();
        QCOMPARE(screens.size(), 1);
        QCOMPARE(screens.first(), manager()->currentScreen());
        QLayout *layout = manager()->window()->layout();
        QVERIFY(layout);
        QCOMPARE(layout->count(), 2);
        QCOMPARE(layout->itemAt(1)->widget(), manager()->currentScreen());
        QCOMPARE(manager()->currentScreen()->parentWidget(), manager()->window());
    }

    void screenReplacedFromItsOwnButtonGoesAway()
    {
        QPointer<QWidget> menu = manager()->currentScreen();
        QPushButton *newGame = nullptr;
        for (QPushButton *button : menu->findChildren<QPushButton *>()) {
            if (button->text() == "New Game")
                newGame = button;
        }
        QVERIFY(newGame);
        // No nations file here: the new-game screen warns about it first.
        ModalAnswer warning(QStringLiteral("OK"));
        newGame->click();
        QVERIFY(menu);
        QVERIFY(!menu->isVisible());
        QVERIFY(menu->parentWidget() != manager()->window());
        QVERIFY(manager()->currentScreen() != menu);
        ShellTest::flushDeletions();
        QVERIFY(!menu);
    }

    void closeAllEndsTheEventLoop()
    {
        QTimer::singleShot(0, [] { ModuleManager::Instance()->closeAll(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!manager()->window());
        QVERIFY(!manager()->topMenu());
        QVERIFY(!manager()->currentScreen());
        QVERIFY(!manager()->isTopMenuVisible());
        ShellTest::flushDeletions();
        QCOMPARE(ShellTest::liveScreens().size(), 0);
    }

    void closingTheWindowFromItsFrameEndsTheLoop()
    {
        // The frame's close button asks the quit question first.
        ModalAnswer quit("Accept");
        QTimer::singleShot(0, [] { ModuleManager::Instance()->window()->close(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(quit.text(), QString("Are you sure you want to quit the game?"));
        // main() then tears the window down.
        manager()->closeAll();
        QVERIFY(!manager()->window());
    }
};

QTEST_MAIN(TestShellWindow)
#include "tst_shell_window.moc"
