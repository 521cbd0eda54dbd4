#include <QtTest>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/Module_Help.h"
#include "ui/shell/Module_MainMenu.h"
#include "ui/shell/Module_NewGame.h"
#include "ui/shell/Module_SaveLoad.h"
#include "world/World.h"

namespace {

QPushButton *buttonNamed(QWidget *screen, const QString &text)
{
    for (QPushButton *button : screen->findChildren<QPushButton *>()) {
        if (button->text() == text && button->isVisibleTo(screen))
            return button;
    }
    return nullptr;
}

} // namespace

// The title screen: its four buttons, where they lead and the quit question.
class TestShellMainMenu : public QObject
{
    Q_OBJECT

private:
    ModuleManager *manager() const { return ModuleManager::Instance(); }

private slots:
    void init() { ShellTest::startGame(); }
    void cleanup() { ShellTest::stopGame(); }

    void fourButtonsInARowUnderTheTitle()
    {
        auto *menu = ShellTest::currentScreenAs<Module_MainMenu>();
        QVERIFY(menu);
        auto *grid = qobject_cast<QGridLayout *>(menu->layout());
        QVERIFY(grid);

        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        auto *title = ShellTest::cell<QLabel>(grid, 1, 1);
        grid->getItemPosition(grid->indexOf(title), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QVector<int>({row, column, rowSpan, columnSpan}), QVector<int>({1, 1, 1, 3}));
        // No title picture in the test's folder: the label stays empty.
        QVERIFY(title->pixmap(Qt::ReturnByValue).isNull());

        QWidget *buttonRow = ShellTest::cell<QWidget>(grid, 2, 1);
        grid->getItemPosition(grid->indexOf(buttonRow), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QVector<int>({row, column, rowSpan, columnSpan}), QVector<int>({2, 1, 1, 3}));
        for (int stretched : {0, 4})
            QCOMPARE(grid->columnStretch(stretched), 1);
        for (int stretched : {0, 3})
            QCOMPARE(grid->rowStretch(stretched), 1);

        QLayout *rowLayout = buttonRow->layout();
        QVERIFY(rowLayout);
        QStringList texts;
        for (int i = 0; i < rowLayout->count(); ++i) {
            auto *button = qobject_cast<QPushButton *>(rowLayout->itemAt(i)->widget());
            QVERIFY(button);
            QCOMPARE(button->minimumSize(), QSize(50, 110));
            texts << button->text();
        }
        QCOMPARE(texts, QStringList({"New Game", "Load Game", "How To Play", "Exit Game"}));
    }

    void quitQuestionKeepsTheMenu_data()
    {
        QTest::addColumn<int>("way");
        QTest::addRow("cancel") << int(ModalAnswer::Way::Click);
        QTest::addRow("escape") << int(ModalAnswer::Way::Escape);
        QTest::addRow("window closed") << int(ModalAnswer::Way::CloseWindow);
    }

    void quitQuestionKeepsTheMenu()
    {
        QFETCH(int, way);
        QPointer<QWidget> menu = manager()->currentScreen();
        ModalAnswer answer(ModalAnswer::Way(way), "Cancel");
        ShellTest::button(menu, "Exit Game")->click();
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(), QString("Are you sure you want to quit the game?"));
        QCOMPARE(answer.buttons(), QStringList({"Accept", "Cancel"}));
        QCOMPARE(answer.styleSheet(), dialogStyleSheet(DialogStyle::AWide));
        QVERIFY(manager()->window());
        QVERIFY(manager()->window()->isVisible());
        QCOMPARE(manager()->currentScreen(), menu.data());
        ShellTest::flushDeletions();
        QVERIFY(menu);
    }

    void acceptingTheQuitQuestionClosesTheWindow()
    {
        QPointer<QWidget> window = manager()->window();
        QPointer<QWidget> menu = manager()->currentScreen();
        ModalAnswer answer("Accept");
        ShellTest::button(menu, "Exit Game")->click();
        QVERIFY(answer.answered());
        QVERIFY(!window);
        QVERIFY(!manager()->window());
        ShellTest::flushDeletions();
        QVERIFY(!menu);
        QCOMPARE(ShellTest::liveScreens().size(), 0);
    }

    void buttonsOpenTheirScreensWithAWayBack_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screenClass");
        QTest::addRow("new game") << "New Game" << "Module_NewGame";
        QTest::addRow("load game") << "Load Game" << "Module_SaveLoad";
        QTest::addRow("how to play") << "How To Play" << "Module_Help";
    }

    void buttonsOpenTheirScreensWithAWayBack()
    {
        QFETCH(QString, button);
        QFETCH(QString, screenClass);
        World::Instance().advanceDay();
        const QDate dateBefore = World::Instance().getDate();

        // No nations file here: the new-game screen warns about it first.
        std::unique_ptr<ModalAnswer> warning;
        if (screenClass == "Module_NewGame")
            warning = std::make_unique<ModalAnswer>(QStringLiteral("OK"));
        ShellTest::button(manager()->currentScreen(), button)->click();
        QWidget *screen = manager()->currentScreen();
        QCOMPARE(QString(screen->metaObject()->className()), screenClass);
        QVERIFY(!manager()->isTopMenuVisible());

        QPushButton *back = buttonNamed(screen, "Back to Main Menu");
        QVERIFY(back);
        back->click();
        QVERIFY(ShellTest::currentScreenAs<Module_MainMenu>());
        QVERIFY(!manager()->isTopMenuVisible());
        // Coming back changes nothing of the game world.
        QCOMPARE(World::Instance().getDate(), dateBefore);
        ShellTest::flushDeletions();
        QCOMPARE(ShellTest::liveScreens().size(), 1);
    }
};

QTEST_MAIN(TestShellMainMenu)
#include "tst_shell_mainmenu.moc"
