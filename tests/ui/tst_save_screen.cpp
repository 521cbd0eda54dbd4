#include <QtTest>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/FileSizeLimit.h"
#include "ui/AnswerSequence.h"
#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "records/GameDataStream.h"
#include "ui/gym/Module_Profile.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_MainMenu.h"
#include "ui/shell/Module_SaveLoad.h"
#include "world/World.h"

namespace {

const QString savesFolder = QStringLiteral("./Resources/Saves/");

QByteArray worldBytes()
{
    QByteArray bytes;
    GameDataStream out(&bytes, QIODevice::WriteOnly);
    World::Instance().save(out);
    return bytes;
}

// A small running game, told apart by the manager's first name.
void setUpWorld(const QString &firstName)
{
    World &world = World::Instance();
    world.reset();
    world.setupManager({firstName, "Doe", "Western Europe", "France", "Unknown"},
                       QVector<int>(23, 1), QStringList());
    world.setupGym({"Iron Den", "Boxing", "Red", "Black", "Unknown"},
                   {0, 10000, 0, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                   QVector<int>(8, 0));
    world.advanceDay();
}

void writeSave(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(savesFolder);
    QFile file(savesFolder + name + QStringLiteral(".dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray savedBytes(const QString &name)
{
    QFile file(savesFolder + name + QStringLiteral(".dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList folderEntries()
{
    return QDir(savesFolder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QPushButton *shownButton(QWidget *screen, const QString &text)
{
    for (QPushButton *candidate : screen->findChildren<QPushButton *>()) {
        if (candidate->text() == text && !candidate->isHidden())
            return candidate;
    }
    return nullptr;
}

// Types one key per character, as a keyboard or an input method sends an
// emoji: both halves in one key event.
void typeInto(QLineEdit *field, const QString &typed)
{
    const QVector<uint> codePoints = typed.toUcs4();
    for (const uint codePoint : codePoints)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1), Qt::NoModifier);
}

// What the player reads of each entry: its text, or its tool tip where the
// text is cut.
QStringList listed(QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *entry = list->item(i);
        names << (entry->toolTip().isEmpty() ? entry->text() : entry->toolTip());
    }
    return names;
}

} // namespace

// The save and load screen: its two layouts, the list, every question and
// message, and what reaches the disk and the world.
class TestSaveScreen : public QObject
{
    Q_OBJECT

private:
    Module_SaveLoad *openInGame()
    {
        ModuleManager::Instance()->showTopMenu();
        ModuleManager::Instance()->changeScreen(new Module_SaveLoad);
        return ShellTest::screen<Module_SaveLoad>();
    }
    Module_SaveLoad *openFromMainMenu()
    {
        ModuleManager::Instance()->changeScreen(new Module_SaveLoad);
        return ShellTest::screen<Module_SaveLoad>();
    }
    static QLineEdit *nameField(QWidget *screen) { return ShellTest::widget<QLineEdit>(screen, "save_name_edit"); }
    static QListWidget *list(QWidget *screen) { return ShellTest::widget<QListWidget>(screen, "save_list"); }

    // Types a name and presses Save, answering the dialogs in turn.
    static AnswerSequence *save(Module_SaveLoad *screen, const QString &name, const QStringList &answers)
    {
        nameField(screen)->setText(name);
        auto *sequence = new AnswerSequence(answers);
        ShellTest::button(screen, "Save")->click();
        return sequence;
    }

private slots:
    void init()
    {
        QDir(QStringLiteral("./Resources")).removeRecursively();
        QDir().mkpath(savesFolder);
        ShellTest::startGame();
        setUpWorld(QStringLiteral("Ann"));
    }
    void cleanup() { ShellTest::stopGame(); }

    void fromTheMainMenuOnlyLoadsAndDeletes()
    {
        Module_SaveLoad *screen = openFromMainMenu();
        if (!screen)
            return;
        QVERIFY(nameField(screen)->isHidden());
        QVERIFY(!shownButton(screen, "Save"));
        QVERIFY(shownButton(screen, "Load") && shownButton(screen, "Delete"));
        ShellTest::button(screen, "Back to Main Menu")->click();
        QVERIFY(ShellTest::currentScreenAs<Module_MainMenu>());

        Module_SaveLoad *inGame = openInGame();
        if (!inGame)
            return;
        QVERIFY(!nameField(inGame)->isHidden());
        QVERIFY(shownButton(inGame, "Save"));
        QVERIFY(!shownButton(inGame, "Back to Main Menu"));
    }

    void listsSavesByCharacterCode()
    {
        for (const char *name : {"beta", "Zeta", "alpha", "Alpha"})
            writeSave(QString::fromLatin1(name), "x");
        writeSave(QStringLiteral("notes.DAT"), "x"); // ends in .DAT.dat: listed as notes.DAT
        QFile(savesFolder + "readme.txt").open(QIODevice::WriteOnly);
        QDir().mkpath(savesFolder + "folder.dat");
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        QCOMPARE(listed(list(screen)), QStringList({"Alpha", "Zeta", "alpha", "beta", "notes.DAT"}));
        QCOMPARE(list(screen)->currentRow(), 0);
        QVERIFY(nameField(screen)->text().isEmpty());
        list(screen)->setCurrentRow(2);
        QCOMPARE(nameField(screen)->text(), QStringLiteral("alpha"));
    }

    void pleaseSpecifyMessages_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        QTest::addRow("save") << "Save" << "Please specify a file name for your save.";
        QTest::addRow("load") << "Load" << "Please specify a file to load.";
        QTest::addRow("delete") << "Delete" << "Please specify a file to delete.";
    }

    void pleaseSpecifyMessages()
    {
        QFETCH(QString, action);
        QFETCH(QString, message);
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        QCOMPARE(list(screen)->count(), 0);
        const QByteArray before = worldBytes();
        AnswerSequence answers({"Cancel"});
        ShellTest::button(screen, action)->click();
        QCOMPARE(answers.texts(), QStringList({message}));
        QCOMPARE(answers.buttons().value(0), QStringList({"Cancel"}));
        QVERIFY(folderEntries().isEmpty());
        QCOMPARE(worldBytes(), before);
    }

    void refusesNamesLeavingTheSavesFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("climbs out") << "../Defaults/default_nations";
        QTest::addRow("slash") << "a/b";
        QTest::addRow("backslash") << "a\\b";
        QTest::addRow("leading dot") << ".hidden";
        QTest::addRow("dot dot") << "..";
        QTest::addRow("tab") << "tab\there";
        QTest::addRow("newline") << "two\nlines";
        QTest::addRow("delete character") << QString("del") + QChar(0x7f);
        QTest::addRow("half an emoji") << QString("half") + QChar(0xD83D);
    }

    void refusesNamesLeavingTheSavesFolder()
    {
        QFETCH(QString, name);
        QDir().mkpath("./Resources/Defaults");
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        std::unique_ptr<AnswerSequence> answers(save(screen, name, {"Cancel", "Accept"}));
        QCOMPARE(answers->texts(),
                 QStringList({"Please choose a save name without slashes, control characters or a leading dot."}));
        QCOMPARE(answers->buttons().value(0), QStringList({"Cancel"}));
        QVERIFY(folderEntries().isEmpty());
        QVERIFY(QDir("./Resources/Defaults").entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(!Module_SaveLoad::isSafeSaveName(name));
    }

    void plainNamesAreAccepted()
    {
        for (const char *name : {"Career 1", "o'Brien.final", "Zürich", "a.b..c"})
            QVERIFY2(Module_SaveLoad::isSafeSaveName(QString::fromUtf8(name)), name);
    }

    void typedNamesKeepWholeCharactersAndMustShow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("savedAs");
        const QString letters63(63, QLatin1Char('a'));
        const QString emoji = QString::fromUcs4(U"\U0001F600");
        QTest::addRow("63 letters and an emoji") << letters63 + emoji << false << letters63;
        QTest::addRow("63 letters and an emoji, pasted") << letters63 + emoji << true << letters63;
        QTest::addRow("62 letters and a flag") << letters63.left(62) + QString::fromUcs4(U"\U0001F1EB\U0001F1F7")
                                               << false << letters63.left(62);
        QTest::addRow("an emoji that fits") << letters63.left(62) + emoji << false << letters63.left(62) + emoji;
        const QString emojiFlag = emoji + QString::fromUcs4(U"\U0001F1EE\U0001F1EA");
        QTest::addRow("59 letters, an emoji and a flag") << letters63.left(59) + emojiFlag << false
                                                         << letters63.left(59) + emoji;
        QTest::addRow("59 letters, an emoji and a flag, pasted") << letters63.left(59) + emojiFlag << true
                                                                 << letters63.left(59) + emoji;
        const QString flagAfter = QString::fromUcs4(U"\U0001F1EB\U0001F1F7");
        QTest::addRow("57 letters, an emoji and two flags") << letters63.left(57) + emojiFlag + flagAfter << false
                                                            << letters63.left(57) + emojiFlag;
        QTest::addRow("right-to-left mark among letters") << QString::fromUcs4(U"Sara\u200Fh") << false
                                                          << QString::fromUcs4(U"Sara\u200Fh");
        const QString blank; // nothing may be saved
        QTest::addRow("zero-width spaces") << QString::fromUcs4(U"\u200B\u200B\u200B") << false << blank;
        QTest::addRow("joiners and a byte order mark") << QString::fromUcs4(U"\u200C\u200D\uFEFF") << true << blank;
        QTest::addRow("blanks, a word joiner and a right-to-left mark") << QString::fromUcs4(U" \u2060 \u200F")
                                                                        << false << blank;
    }

    void typedNamesKeepWholeCharactersAndMustShow()
    {
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, savedAs);
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        if (pasted)
            nameField(screen)->insert(typed);
        else
            typeInto(nameField(screen), typed);
        AnswerSequence answers({"Accept", "Accept"});
        ShellTest::button(screen, "Save")->click();
        if (savedAs.isEmpty()) {
            QCOMPARE(answers.texts(), QStringList({"Please choose a save name that is not blank."}));
            QVERIFY(folderEntries().isEmpty());
            QVERIFY(Module_SaveLoad::isBlankSaveName(typed));
            return;
        }
        QCOMPARE(answers.texts(), QStringList({"Save as \"" + savedAs + "\"?", "File saved successfully."}));
        QCOMPARE(folderEntries(), QStringList({savedAs + ".dat"}));
        QCOMPARE(listed(list(screen)), QStringList({savedAs}));
        QVERIFY(!Module_SaveLoad::isBlankSaveName(savedAs));
    }

    // Flags quoted whole, also where each follows an emoji: nine of them
    // make the longest run of the question, 57 units.
    void questionQuotesAFlagWhole_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("question");
        const QString flag = QString::fromUcs4(U"\U0001F1EE\U0001F1EA");
        const QString emojiFlags = QStringLiteral("ccc") + (QString::fromUcs4(U"\U0001F600") + flag).repeated(9);
        QTest::addRow("save, letters and a flag") << "Save" << QString(28, QLatin1Char('c')) + flag << "Save as \"%1\"?";
        QTest::addRow("save, emoji and flags") << "Save" << emojiFlags << "Save as \"%1\"?";
        QTest::addRow("load, emoji and flags") << "Load" << emojiFlags << "Load \"%1\"?";
        QTest::addRow("delete, emoji and flags") << "Delete" << emojiFlags << "Are you sure you want to delete \"%1\"?";
    }

    void questionQuotesAFlagWhole()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        QFETCH(QString, question);
        QVERIFY(Module_SaveLoad::isSafeSaveName(name));
        if (action != "Save")
            writeSave(name, worldBytes());
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        nameField(screen)->setText(name);
        QString shown;
        ModalAnswer asked("Cancel");
        asked.lookFirst([&shown](QWidget *dialog) { shown = ShellTest::widget<QLabel>(dialog, QString())->text(); });
        ShellTest::button(screen, action)->click();
        QVERIFY(asked.answered());
        QCOMPARE(QString(shown).remove(QChar(0x200B)), question.arg(name));
        QVERIFY(!shown.contains(QChar::ReplacementCharacter));
        QCOMPARE(ShellTest::breaksInsideCharacters(shown), QList<int>());
    }

    // A name that would pass for markup reads as typed in every question.
    void questionsQuoteTheNameAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &markup : ShellTest::markupNames()) {
            // A save name holds no slash.
            const QString name = QString(markup).remove(QLatin1Char('/'));
            QTest::addRow("%s", qPrintable(name)) << name;
        }
    }

    void questionsQuoteTheNameAsTyped()
    {
        QFETCH(QString, name);
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        std::unique_ptr<AnswerSequence> saving(save(screen, name, {"Accept", "Accept"}));
        QCOMPARE(saving->texts(), QStringList({"Save as \"" + name + "\"?", "File saved successfully."}));
        QVERIFY(saving->allPlainText());

        AnswerSequence loading({"Cancel"});
        ShellTest::button(screen, "Load")->click();
        QCOMPARE(loading.texts(), QStringList({"Load \"" + name + "\"?"}));
        QVERIFY(loading.allPlainText());

        AnswerSequence deleting({"Accept", "Accept"});
        ShellTest::button(screen, "Delete")->click();
        QCOMPARE(deleting.texts(),
                 QStringList({"Are you sure you want to delete \"" + name + "\"?", "File deleted successfully."}));
        QVERIFY(deleting.allPlainText());
    }

    void newNameAsksSaveAsAndCancelLeavesNothing()
    {
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        std::unique_ptr<AnswerSequence> answers(save(screen, "first", {"Cancel"}));
        QCOMPARE(answers->texts(), QStringList({"Save as \"first\"?"}));
        QCOMPARE(answers->buttons().value(0), QStringList({"Accept", "Cancel"}));
        QVERIFY(folderEntries().isEmpty());
        QCOMPARE(list(screen)->count(), 0);
    }

    void newNameSaves()
    {
        writeSave("zulu", "old");
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        std::unique_ptr<AnswerSequence> answers(save(screen, "first", {"Accept", "Accept"}));
        QCOMPARE(answers->texts(), QStringList({"Save as \"first\"?", "File saved successfully."}));
        QCOMPARE(answers->buttons().value(1), QStringList({"Accept"}));
        QCOMPARE(savedBytes("first"), worldBytes());
        QCOMPARE(folderEntries(), QStringList({"first.dat", "zulu.dat"}));
        QCOMPARE(listed(list(screen)), QStringList({"first", "zulu"}));
        QCOMPARE(list(screen)->currentRow(), 0);
        QVERIFY(nameField(screen)->text().isEmpty());
    }

    void existingNameAsksOnlyToOverwrite_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addRow("accept") << "Accept" << true;
        QTest::addRow("cancel") << "Cancel" << false;
    }

    void existingNameAsksOnlyToOverwrite()
    {
        QFETCH(QString, answer);
        QFETCH(bool, replaced);
        writeSave("slot", "old bytes");
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        std::unique_ptr<AnswerSequence> answers(save(screen, "slot", {answer, "Accept"}));
        QStringList expected = {"That file already exists. Overwrite?"};
        if (replaced)
            expected << "File saved successfully.";
        QCOMPARE(answers->texts(), expected);
        QCOMPARE(savedBytes("slot"), replaced ? worldBytes() : QByteArray("old bytes"));
        QCOMPARE(folderEntries(), QStringList({"slot.dat"}));
    }

    void missingSavesFolderCannotOpen()
    {
        QDir(savesFolder).removeRecursively();
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        QCOMPARE(list(screen)->count(), 0);
        std::unique_ptr<AnswerSequence> answers(save(screen, "lost", {"Cancel"}));
        QCOMPARE(answers->texts(), QStringList({"Error opening file ./Resources/Saves/lost.dat"}));
        QCOMPARE(answers->buttons().value(0), QStringList({"Cancel"}));
        QVERIFY(!QDir(savesFolder).exists());
    }

    void failedWriteKeepsTheOldFile()
    {
        const QByteArray old(64, 'o');
        writeSave("slot", old);
        QVERIFY(worldBytes().size() > 200);
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        std::unique_ptr<AnswerSequence> answers;
        {
            const FileSizeLimit diskFull(100);
            answers.reset(save(screen, "slot", {"Accept", "Cancel"}));
        }
        QCOMPARE(answers->texts(), QStringList({"That file already exists. Overwrite?",
                                                "Error saving file ./Resources/Saves/slot.dat"}));
        QCOMPARE(answers->buttons().value(1), QStringList({"Cancel"}));
        QCOMPARE(savedBytes("slot"), old);
        QCOMPARE(folderEntries(), QStringList({"slot.dat"}));
    }

    void failedWriteOfANewNameLeavesNoFile()
    {
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        std::unique_ptr<AnswerSequence> answers;
        {
            const FileSizeLimit diskFull(100);
            answers.reset(save(screen, "fresh", {"Accept", "Cancel"}));
        }
        QCOMPARE(answers->texts(), QStringList({"Save as \"fresh\"?", "Error saving file ./Resources/Saves/fresh.dat"}));
        QVERIFY(folderEntries().isEmpty());
    }

    void loadAsksAndStartsTheSavedGame()
    {
        const QByteArray saved = worldBytes();
        writeSave("game", saved);
        setUpWorld(QStringLiteral("Bob"));
        QVERIFY(worldBytes() != saved);

        Module_SaveLoad *screen = openFromMainMenu();
        if (!screen)
            return;
        ModuleManager::Instance()->hideTopMenu();
        nameField(screen)->setText("typed but not listed");
        AnswerSequence answers({"Accept", "Accept"});
        ShellTest::button(screen, "Load")->click();
        QCOMPARE(answers.texts(), QStringList({"Load \"game\"?", "File loaded successfully."}));
        QCOMPARE(answers.buttons().value(1), QStringList({"Accept"}));
        QCOMPARE(worldBytes(), saved);
        QVERIFY(ModuleManager::Instance()->isTopMenuVisible());
        QVERIFY(ShellTest::currentScreenAs<Module_Profile>());
    }

    void loadCancelledChangesNothing()
    {
        writeSave("game", worldBytes());
        setUpWorld(QStringLiteral("Bob"));
        const QByteArray running = worldBytes();
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        AnswerSequence answers({"Cancel"});
        ShellTest::button(screen, "Load")->click();
        QCOMPARE(answers.texts(), QStringList({"Load \"game\"?"}));
        QCOMPARE(worldBytes(), running);
        QCOMPARE(ShellTest::currentScreenAs<Module_SaveLoad>(), screen);
    }

    void loadOfAVanishedFileCannotOpen()
    {
        writeSave("gone", worldBytes());
        const QByteArray running = worldBytes();
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        QFile::remove(savesFolder + "gone.dat");
        AnswerSequence answers({"Cancel"});
        ShellTest::button(screen, "Load")->click();
        QCOMPARE(answers.texts(), QStringList({"Error opening file ./Resources/Saves/gone.dat"}));
        QCOMPARE(answers.buttons().value(0), QStringList({"Cancel"}));
        QCOMPARE(worldBytes(), running);
    }

    void damagedSaveKeepsTheRunningGame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray whole = worldBytes();
        QTest::addRow("empty file") << QByteArray();
        QTest::addRow("cut short") << whole.left(whole.size() / 2);
        QTest::addRow("one byte short") << whole.left(whole.size() - 1);
        QTest::addRow("trailing bytes") << whole + QByteArray("tail");
        QTest::addRow("foreign file") << QByteArray("This is a letter, not a saved game.\n").repeated(20);
    }

    void damagedSaveKeepsTheRunningGame()
    {
        QFETCH(QByteArray, bytes);
        writeSave("broken", bytes);
        setUpWorld(QStringLiteral("Cleo"));
        const QByteArray running = worldBytes();
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        AnswerSequence answers({"Accept", "Cancel"});
        ShellTest::button(screen, "Load")->click();
        QCOMPARE(answers.texts(), QStringList({"Load \"broken\"?",
                                               "Error reading file ./Resources/Saves/broken.dat. The file may be damaged."}));
        QCOMPARE(answers.buttons().value(1), QStringList({"Cancel"}));
        QCOMPARE(worldBytes(), running);
        QCOMPARE(ShellTest::currentScreenAs<Module_SaveLoad>(), screen);
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::addRow("accept") << "Accept" << true;
        QTest::addRow("cancel") << "Cancel" << false;
    }

    void deleteAsksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(bool, deleted);
        writeSave("a", "1");
        writeSave("b", "2");
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        list(screen)->setCurrentRow(1);
        AnswerSequence answers({answer, "Accept"});
        ShellTest::button(screen, "Delete")->click();
        QStringList expected = {"Are you sure you want to delete \"b\"?"};
        if (deleted)
            expected << "File deleted successfully.";
        QCOMPARE(answers.texts(), expected);
        QCOMPARE(folderEntries(), deleted ? QStringList({"a.dat"}) : QStringList({"a.dat", "b.dat"}));
        QCOMPARE(listed(list(screen)), deleted ? QStringList({"a"}) : QStringList({"a", "b"}));
    }

    void failedDeleteSaysSo()
    {
        writeSave("a", "1");
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        QFile::remove(savesFolder + "a.dat");
        AnswerSequence answers({"Accept", "Cancel"});
        ShellTest::button(screen, "Delete")->click();
        QCOMPARE(answers.texts(), QStringList({"Are you sure you want to delete \"a\"?",
                                               "Error deleting file ./Resources/Saves/a.dat"}));
        QCOMPARE(answers.buttons().value(1), QStringList({"Cancel"}));
        QCOMPARE(list(screen)->count(), 0);
    }

    // The longest name, with or without blanks, reads whole or cut with
    // "…" and whole in its tool tip, with no sideways scroll; it still
    // loads and deletes its own file.
    void longestNamesFitTheList_data()
    {
        QTest::addColumn<bool>("fromMainMenu");
        QTest::addColumn<QString>("name");
        const QString noBlank = QString(64, QLatin1Char('W'));
        const QString blanks = QStringLiteral("The long career of the Iron Den, from its first day to its title");
        QTest::addRow("in the game, no blank") << false << noBlank;
        QTest::addRow("in the game, blanks") << false << blanks;
        QTest::addRow("from the main menu, no blank") << true << noBlank;
        QTest::addRow("from the main menu, blanks") << true << blanks;
    }

    void longestNamesFitTheList()
    {
        QFETCH(bool, fromMainMenu);
        QFETCH(QString, name);
        QCOMPARE(name.size(), 64);
        const QByteArray saved = worldBytes();
        if (fromMainMenu)
            writeSave(name, saved);
        Module_SaveLoad *screen = fromMainMenu ? openFromMainMenu() : openInGame();
        if (!screen)
            return;
        if (!fromMainMenu)
            QCOMPARE(std::unique_ptr<AnswerSequence>(save(screen, name, {"Accept", "Accept"}))->seen(), 2);
        QCOMPARE(folderEntries(), QStringList({name + ".dat"}));
        ModuleManager::Instance()->window()->show();
        QCoreApplication::processEvents();
        QCOMPARE(ShellTest::listsCutSideways(screen), QStringList());
        const QListWidgetItem *entry = list(screen)->item(0);
        QVERIFY(entry);
        QVERIFY2(entry->text() == name || (entry->text().endsWith(QChar(0x2026)) && entry->toolTip() == name),
                 qPrintable(entry->text() + " / " + entry->toolTip()));

        list(screen)->setCurrentRow(-1);
        list(screen)->setCurrentRow(0);
        QCOMPARE(nameField(screen)->text(), name);

        setUpWorld(QStringLiteral("Bob"));
        AnswerSequence loading({"Accept", "Accept"});
        ShellTest::button(screen, "Load")->click();
        QCOMPARE(loading.texts(), QStringList({"Load \"" + name + "\"?", "File loaded successfully."}));
        QCOMPARE(worldBytes(), saved);

        if (fromMainMenu)
            ModuleManager::Instance()->hideTopMenu();
        screen = fromMainMenu ? openFromMainMenu() : openInGame();
        if (!screen)
            return;
        AnswerSequence deleting({"Accept", "Accept"});
        ShellTest::button(screen, "Delete")->click();
        QCOMPARE(deleting.texts().value(1), QStringLiteral("File deleted successfully."));
        QVERIFY(folderEntries().isEmpty());
    }

    void roundTripThroughTheScreen()
    {
        const QByteArray saved = worldBytes();
        Module_SaveLoad *screen = openInGame();
        if (!screen)
            return;
        std::unique_ptr<AnswerSequence> answers(save(screen, "round trip", {"Accept", "Accept"}));
        QCOMPARE(answers->seen(), 2);
        answers.reset();

        setUpWorld(QStringLiteral("Dora"));
        QVERIFY(worldBytes() != saved);
        AnswerSequence loading({"Accept", "Accept"});
        ShellTest::button(screen, "Load")->click();
        QCOMPARE(loading.texts().value(1), QStringLiteral("File loaded successfully."));
        QCOMPARE(worldBytes(), saved);
    }
};

QTEST_MAIN(TestSaveScreen)
#include "tst_save_screen.moc"
