#include <QtTest>

#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <memory>
#include <vector>

#include "core/WorldTestAccess.h"
#include "records/GameDataStream.h"
#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/business/Module_Events.h"
#include "ui/gym/Module_Profile.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/Module_NewGame.h"
#include "ui/shell/Module_SaveLoad.h"
#include "ui/shell/TopMenuBar.h"

Q_DECLARE_METATYPE(DialogStyle)

namespace {

const QString exportsFolder = QStringLiteral("./Resources/Exports/");

QPushButton *buttonOf(const QString &objectNameOrText)
{
    QWidget *screen = ModuleManager::Instance()->currentScreen();
    const auto buttons = screen->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->objectName() == objectNameOrText || button->text() == objectNameOrText)
            return button;
    }
    return nullptr;
}

// Raises the dialogs of one place of the game: a screen and a button on it.
void raise(const QString &where)
{
    ModuleManager *manager = ModuleManager::Instance();
    if (where == "menu bar") {
        manager->topMenu()->button(MainMenuButton)->click();
    } else if (where == "new game") {
        // The nations file is missing: the toolkit's warning box.
        manager->changeScreen(new Module_NewGame);
    } else {
        const QStringList screenAndButton = where.split(": ");
        auto *profile = screenAndButton.first() == "profile" ? new Module_Profile : nullptr;
        if (profile)
            profile->changeToFighterScreen();
        QWidget *screen = profile;
        if (screenAndButton.first() == "save/load")
            screen = new Module_SaveLoad;
        else if (screenAndButton.first() == "events")
            screen = new Module_Events;
        manager->changeScreen(screen);
        QPushButton *button = buttonOf(screenAndButton.last());
        QVERIFY2(button, qPrintable(where));
        button->click();
    }
}

} // namespace

// The game's message and question dialog and its four looks.
class TestShellDialog : public QObject
{
    Q_OBJECT

private slots:
    void styles_data()
    {
        QTest::addColumn<DialogStyle>("style");
        QTest::addColumn<QString>("buttonStart");
        QTest::addColumn<int>("minimumWidths");
        QTest::addColumn<bool>("styledList");
        QTest::addRow("A") << DialogStyle::A << "stop: 0 #E0B687" << 0 << false;
        QTest::addRow("B") << DialogStyle::B << "stop: 0 #E0B698" << 0 << false;
        QTest::addRow("B-list") << DialogStyle::BList << "stop: 0 #E0B698" << 0 << true;
        QTest::addRow("A-wide") << DialogStyle::AWide << "stop: 0 #E0B687" << 2 << false;
    }

    void styles()
    {
        QFETCH(DialogStyle, style);
        QFETCH(QString, buttonStart);
        QFETCH(int, minimumWidths);
        QFETCH(bool, styledList);
        const QString sheet = dialogStyleSheet(style);
        QVERIFY(sheet.startsWith("QDialog {\tbackground: url(./Resources/Backgrounds/MainBackground.jpg);"));
        QVERIFY(sheet.contains(buttonStart + ", stop: 1 #704018)"));
        QCOMPARE(sheet.count("min-width: 50px;"), minimumWidths);
        QCOMPARE(sheet.contains("QListWidget, QScrollBar {"), styledList);
        QVERIFY(sheet.contains("QLabel {border: 3px groove #885038; \tbackground-color: #E0B687;"));
        QVERIFY(sheet.contains("QPushButton:pressed{ "));
        // Rules follow one another with nothing in between.
        QVERIFY(sheet.contains("}QPushButton{"));
        QVERIFY(sheet.contains("}QLabel {"));
        QVERIFY(!sheet.contains('\n'));

        GameDialog dialog(style);
        QCOMPARE(dialog.styleSheet(), sheet);
        QVERIFY(!dialog.parentWidget());
    }

    void labelIsPaintedInTheDialogColour()
    {
        GameDialog dialog(DialogStyle::B);
        dialog.label()->setText("Already at max level.");
        dialog.resize(300, 150);
        const QImage shot = dialog.label()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(shot.width() / 2, 5)), QColor("#E0B687"));
    }

    void labelAboveAcceptAboveCancel()
    {
        GameDialog dialog(DialogStyle::A);
        QLayout *layout = dialog.layout();
        QVERIFY(layout);
        QCOMPARE(layout->count(), 3);
        QCOMPARE(layout->itemAt(0)->widget(), dialog.label());
        QCOMPARE(layout->itemAt(1)->widget(), dialog.acceptButton());
        QCOMPARE(layout->itemAt(2)->widget(), dialog.cancelButton());
        QCOMPARE(dialog.acceptButton()->text(), QString("Accept"));
        QCOMPARE(dialog.cancelButton()->text(), QString("Cancel"));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("agreed");
        const int click = int(ModalAnswer::Way::Click);
        QTest::addRow("question accepted") << "ask" << click << "Accept"
                                           << QStringList({"Accept", "Cancel"}) << true;
        QTest::addRow("question cancelled") << "ask" << click << "Cancel"
                                            << QStringList({"Accept", "Cancel"}) << false;
        QTest::addRow("question escaped") << "ask" << int(ModalAnswer::Way::Escape) << ""
                                          << QStringList({"Accept", "Cancel"}) << false;
        QTest::addRow("question closed") << "ask" << int(ModalAnswer::Way::CloseWindow) << ""
                                         << QStringList({"Accept", "Cancel"}) << false;
        QTest::addRow("message with accept") << "accept only" << click << "Accept"
                                             << QStringList({"Accept"}) << true;
        QTest::addRow("message with cancel") << "cancel only" << click << "Cancel"
                                             << QStringList({"Cancel"}) << false;
    }

    void answers()
    {
        QFETCH(QString, kind);
        QFETCH(int, way);
        QFETCH(QString, press);
        QFETCH(QStringList, shown);
        QFETCH(bool, agreed);
        const QString sentence = "You have no fighters to export.\nTo get a fighter, you need to pick one.";
        GameDialog dialog(DialogStyle::B);
        ModalAnswer answer(ModalAnswer::Way(way), press);
        bool result = false;
        if (kind == "ask")
            result = dialog.ask(sentence);
        else
            result = dialog.tell(sentence, kind == "accept only" ? DialogButton::Accept : DialogButton::Cancel);
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(), sentence);
        QCOMPARE(answer.buttons(), shown);
        QCOMPARE(result, agreed);
    }

    // A long word breaks every 30 characters; an emoji, a flag or an
    // accented letter standing there stays whole. A flag's letters pair
    // from the start of their run, also right after an emoji.
    void longWordsBreakOnlyBetweenWholeCharacters_data()
    {
        QTest::addColumn<QString>("word");
        const QList<QPair<const char *, QString>> characters = {
            {"emoji", QString::fromUcs4(U"\U0001F600")},
            {"flag", QString::fromUcs4(U"\U0001F1EE\U0001F1EA")},
            {"accented letter", QString::fromUcs4(U"e\u0301\u0323")},
            {"emoji and flag", QString::fromUcs4(U"\U0001F600\U0001F1EE\U0001F1EA")},
            {"flag after a flag", QString::fromUcs4(U"\U0001F1EE\U0001F1EA\U0001F1EB\U0001F1F7")},
            {"three flag letters", QString::fromUcs4(U"\U0001F1EE\U0001F1EA\U0001F1EB")},
        };
        for (const auto &character : characters) {
            for (int place = 25; place <= 35; ++place) {
                QTest::addRow("%s at %d", character.first, place)
                    << QString(place, QLatin1Char('c')) + character.second + QString(40, QLatin1Char('c'));
            }
        }
    }

    void longWordsBreakOnlyBetweenWholeCharacters()
    {
        QFETCH(QString, word);
        GameDialog dialog(DialogStyle::B);
        ModalAnswer answer("Accept");
        dialog.tell(word, DialogButton::Accept);
        const QString shown = dialog.label()->text();
        QCOMPARE(shown.count(QChar(0x200B)), 2);
        QCOMPARE(QString(shown).remove(QChar(0x200B)), word);
        QCOMPARE(ShellTest::breaksInsideCharacters(shown), QList<int>());
    }

    void sharedDialogShowsEachMessageAnew()
    {
        GameDialog dialog(DialogStyle::B);
        {
            ModalAnswer answer("Cancel");
            dialog.tell("Please specify a file to load.", DialogButton::Cancel);
            QCOMPARE(answer.buttons(), QStringList({"Cancel"}));
        }
        ModalAnswer answer("Accept");
        QVERIFY(dialog.ask("Overwrite?"));
        QCOMPARE(answer.text(), QString("Overwrite?"));
        QCOMPARE(answer.buttons(), QStringList({"Accept", "Cancel"}));
    }

    // Each kind of dialog the game raises, from where the game raises it:
    // the window's title, over the window's centre, never wider.
    void everyDialogStandsOverTheWindowWithItsTitle_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("answers");
        QTest::addRow("question built in place") << "menu bar" << QStringList({"Cancel"});
        QTest::addRow("shared, style A") << "events: negotiate_appearance_btn" << QStringList({"OK"});
        QTest::addRow("shared, style B") << "save/load: Load" << QStringList({"Cancel"});
        QTest::addRow("import chooser, question, message")
            << "profile: fantasy_match_button" << QStringList({"Import", "Import", "Go!"});
        QTest::addRow("toolkit warning") << "new game" << QStringList({"OK"});
    }

    void everyDialogStandsOverTheWindowWithItsTitle()
    {
        QFETCH(QString, where);
        QFETCH(QStringList, answers);
        ShellTest::startGame();
        ModuleManager::Instance()->showTopMenu();
        WorldTestAccess::addRosterFighter(WorldFixtures::gymFighter(1100, "Bo", "Kim", 1));
        QDir(exportsFolder).removeRecursively();
        QVERIFY(QDir().mkpath(exportsFolder));
        {
            QFile file(exportsFolder + "Zed.dat");
            QVERIFY(file.open(QIODevice::WriteOnly));
            GameDataStream out(&file);
            out << WorldFixtures::fighter(1200, "Zed", "Ox", 5);
        }

        std::vector<std::unique_ptr<ModalAnswer>> replies;
        for (const QString &answer : answers)
            replies.push_back(std::make_unique<ModalAnswer>(answer));
        raise(where);
        const QWidget *window = ModuleManager::Instance()->window();
        for (const auto &reply : replies) {
            QVERIFY2(reply->answered(), qPrintable(reply->text()));
            QCOMPARE(reply->windowTitle(), window->windowTitle());
            QVERIFY(reply->geometry().width() <= window->width());
            const QPoint offset = reply->geometry().center() - window->frameGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 4,
                     qPrintable(QString("%1: %2, %3").arg(reply->text()).arg(offset.x()).arg(offset.y())));
        }
        QDir("./Resources").removeRecursively();
        ShellTest::stopGame();
    }

    void askOnceAsksWithTheWideLook()
    {
        ModalAnswer answer("Accept");
        QVERIFY(GameDialog::askOnce("Are you sure?"));
        QCOMPARE(answer.styleSheet(), dialogStyleSheet(DialogStyle::AWide));
    }
};

QTEST_MAIN(TestShellDialog)
#include "tst_shell_dialog.moc"
