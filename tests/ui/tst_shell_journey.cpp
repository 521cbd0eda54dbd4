#include <QtTest>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ui/AnswerSequence.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "records/GameDataStream.h"
#include "ui/gym/Module_Profile.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_MainMenu.h"
#include "ui/shell/Module_NewGame.h"
#include "ui/shell/Module_SaveLoad.h"
#include "ui/shell/TopMenuBar.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

namespace {

QByteArray worldBytes()
{
    QByteArray bytes;
    GameDataStream out(&bytes, QIODevice::WriteOnly);
    World::Instance().save(out);
    return bytes;
}

QPushButton *buttonOf(QWidget *widget, const QString &text)
{
    for (QPushButton *button : widget->findChildren<QPushButton *>()) {
        if (button->text() == text && button->isVisibleTo(widget))
            return button;
    }
    return nullptr;
}

void press(QWidget *widget, const QString &text)
{
    QPushButton *button = buttonOf(widget, text);
    QVERIFY2(button, qPrintable(text));
    button->click();
    ShellTest::flushDeletions();
}

void pressMenu(const char *objectName)
{
    auto *button = ModuleManager::Instance()->topMenu()->findChild<QPushButton *>(objectName);
    QVERIFY2(button && button->isVisibleTo(ModuleManager::Instance()->window()), objectName);
    button->click();
    ShellTest::flushDeletions();
}

QWidget *current() { return ModuleManager::Instance()->currentScreen(); }

} // namespace

// A whole run from the window: a new game is started from the main menu,
// days pass, the game is saved, the player leaves for the main menu (which
// resets the world) and loads the game back.
class TestShellJourney : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir("./Resources").removeRecursively();
        QDir().mkpath("./Resources/Saves");
        QDir().mkpath("./Resources/Defaults");
        QFile nations(ResourcePaths::nationsFile());
        QVERIFY(nations.open(QIODevice::WriteOnly));
        GameDataStream out(&nations);
        out << QStringList({"Canada", "United States"});
        for (int region = 1; region < 8; ++region)
            out << QStringList({QStringLiteral("Nation %1").arg(region)});
        nations.close();
        ShellTest::startGame();
    }
    void cleanup() { ShellTest::stopGame(); }

    void newGameSaveResetLoad()
    {
        press(current(), "New Game");
        auto *newGame = ShellTest::currentScreenAs<Module_NewGame>();
        QVERIFY(newGame);
        ShellTest::widget<QLineEdit>(newGame, "manager_first_name")->setText("Ada");
        ShellTest::widget<QLineEdit>(newGame, "manager_last_name")->setText("Stone");
        ShellTest::widget<QComboBox>(newGame, "manager_nationality")->setCurrentIndex(1);
        ShellTest::widget<QSpinBox>(newGame, "skill_Punch")->setValue(10);
        ShellTest::widget<QSpinBox>(newGame, "skill_Cornering")->setValue(7);
        press(newGame, "Advance to Gym Creation");
        ShellTest::widget<QLineEdit>(newGame, "gym_name")->setText("Iron Den");
        press(newGame, "Advance to Game");
        QVERIFY(ShellTest::currentScreenAs<Module_Profile>());
        QVERIFY(ModuleManager::Instance()->isTopMenuVisible());

        for (int day = 0; day < 3; ++day) {
            pressMenu("next_day_btn");
            QTRY_VERIFY_WITH_TIMEOUT(buttonOf(current(), "Proceed to next day"), 5000);
            press(current(), "Proceed to next day");
            QVERIFY(ShellTest::currentScreenAs<Module_Profile>());
        }
        QCOMPARE(World::Instance().getDate(), QDate(2011, 1, 4));
        const QByteArray saved = worldBytes();

        pressMenu("save_module_btn");
        auto *saveLoad = ShellTest::currentScreenAs<Module_SaveLoad>();
        QVERIFY(saveLoad);
        ShellTest::widget<QLineEdit>(saveLoad, "save_name_edit")->setText("Ada's career");
        {
            AnswerSequence answers({"Accept", "Accept"});
            press(saveLoad, "Save");
            QCOMPARE(answers.texts(), QStringList({"Save as \"Ada's career\"?", "File saved successfully."}));
        }

        {
            AnswerSequence answers({"Accept"});
            pressMenu("back_mainmenu_btn");
            QCOMPARE(answers.seen(), 1);
        }
        QVERIFY(ShellTest::currentScreenAs<Module_MainMenu>());
        QVERIFY(worldBytes() != saved);
        QCOMPARE(World::Instance().getDate(), QDate(2011, 1, 1));

        press(current(), "Load Game");
        saveLoad = ShellTest::currentScreenAs<Module_SaveLoad>();
        QVERIFY(saveLoad);
        QVERIFY(!buttonOf(saveLoad, "Save"));
        {
            AnswerSequence answers({"Accept", "Accept"});
            press(saveLoad, "Load");
            QCOMPARE(answers.texts(), QStringList({"Load \"Ada's career\"?", "File loaded successfully."}));
        }
        QVERIFY(ShellTest::currentScreenAs<Module_Profile>());
        QVERIFY(ModuleManager::Instance()->isTopMenuVisible());
        QCOMPARE(worldBytes(), saved);

        QStringList texts, titles;
        QVector<int> numbers;
        World::Instance().getManagerData(texts, numbers, titles);
        QCOMPARE(texts.mid(0, 4), QStringList({"Ada", "Stone", "North America", "United States"}));
        QCOMPARE(numbers.value(1), 10);
        QCOMPARE(numbers.value(15), 7);
    }
};

QTEST_MAIN(TestShellJourney)
#include "tst_shell_journey.moc"
