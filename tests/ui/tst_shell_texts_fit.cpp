#include <QtTest>

#include <QLabel>
#include <QPushButton>

#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_Help.h"
#include "ui/shell/Module_MainMenu.h"
#include "ui/shell/Module_NewGame.h"
#include "ui/shell/Module_SaveLoad.h"

// The shell's screens under the game's own screen style sheet: every button
// and label shown is at least as wide as its text needs, so nothing is cut
// off by the style sheet's fonts and paddings in a fixed-size widget.
class TestShellTextsFit : public QObject
{
    Q_OBJECT

private:
    ModuleManager *manager() const { return ModuleManager::Instance(); }

    // The visible texts of the current screen that are cut short.
    static QStringList clippedTexts()
    {
        QWidget *screen = ModuleManager::Instance()->currentScreen();
        QCoreApplication::processEvents();
        QStringList clipped;
        for (QPushButton *button : screen->findChildren<QPushButton *>()) {
            if (button->isVisible() && button->width() < button->sizeHint().width())
                clipped << button->text();
        }
        for (QLabel *label : screen->findChildren<QLabel *>()) {
            if (label->isVisible() && !label->text().isEmpty() && label->width() < label->sizeHint().width())
                clipped << label->text();
        }
        return clipped;
    }

    static void clickButton(const QString &text)
    {
        QWidget *screen = ModuleManager::Instance()->currentScreen();
        for (QPushButton *button : screen->findChildren<QPushButton *>()) {
            if (button->text() == text && button->isVisible()) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("No visible button ") + text));
    }

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
    }

    void init() { ShellTest::startGame(); }
    void cleanup() { ShellTest::stopGame(); }

    void screensOutsideTheGame()
    {
        QCOMPARE(clippedTexts(), QStringList());
        manager()->changeScreen(new Module_Help);
        QCOMPARE(clippedTexts(), QStringList());
        manager()->changeScreen(new Module_SaveLoad);
        QCOMPARE(clippedTexts(), QStringList());
    }

    void newGamePages()
    {
        manager()->changeScreen(new Module_NewGame);
        QCOMPARE(clippedTexts(), QStringList());
        clickButton(QStringLiteral("Advance to Gym Creation"));
        QCOMPARE(clippedTexts(), QStringList());
    }

    void saveLoadInAGame()
    {
        manager()->showTopMenu();
        manager()->changeScreen(new Module_SaveLoad);
        QCOMPARE(clippedTexts(), QStringList());
    }
};

QTEST_MAIN(TestShellTextsFit)
#include "tst_shell_texts_fit.moc"
