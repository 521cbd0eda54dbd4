#include <QtTest>

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTextEdit>
#include <QTimer>

#include <memory>

#include "core/FighterBuilder.h"
#include "core/FileSizeLimit.h"
#include "core/WorldTestAccess.h"
#include "records/GameDataStream.h"
#include "records/Manager.h"
#include "records/SkillTable.h"
#include "ui/AnswerSequence.h"
#include "ui/ModalAnswer.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/gym/Module_Profile.h"
#include "ui/gym/RatingsGrid.h"
#include "ui/match/Module_UserEvents.h"
#include "ui/shell/ModuleManager.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

using namespace WorldFixtures;

namespace {

const QString exportsFolder = QStringLiteral("./Resources/Exports/");
const QString noFighterToRetire =
    "You have no fighters to retire.\nTo get a fighter, you need to pick one of your students to train.";
const QStringList acceptAndCancel{"Accept", "Cancel"};
const QStringList cancelOnly{"Cancel"};

// Ann Lee: Muay Thai, Clincher, born 5 March 1990, three results on two days.
GymFighter ann()
{
    GymFighter fighter = gymFighter(1101, "Ann", "Lee", 100, "Free Agent");
    FighterBuilder(fighter)
        .text(Fighter::BackgroundText, "Muay Thai")
        .style("Clincher")
        .attributes({{0, 90}}) // Jab
        .result(QDate(2011, 2, 5), "Win: first of the night")
        .result(QDate(2011, 2, 5), "Loss: final")
        .result(QDate(2011, 1, 1), "Win: debut")
        .born(QDate(1990, 3, 5))
        .titles({"Belt A", "Belt B"})
        .into(fighter);
    return fighter;
}

// Sam Cole of England, record 3 - 1, skill n worth 10 + n, Intuition as given.
void buildWorld(int rosterSize = 3, int intuition = 5)
{
    World &world = WorldTestAccess::freshWorld();
    WorldTestAccess::setDate(QDate(2011, 3, 1));
    QVector<int> numbers(Manager::IntCount, 0);
    for (int n = Manager::FirstSkillIndex; n <= Manager::IntuitionIndex; ++n)
        numbers[n] = 10 + n;
    numbers[Manager::IntuitionIndex] = intuition;
    numbers[Manager::WinsIndex] = 3;
    numbers[Manager::LossesIndex] = 1;
    world.setupManager({"Sam", "Cole", "Europe", "England", "Unknown"}, numbers, {"Manager of the Year"});
    const GymFighter roster[] = {ann(), gymFighter(1102, "Bo", "Kim", 200, "G1"), gymFighter(1103, "Cy", "Roe", 300)};
    for (int i = 0; i < rosterSize; ++i)
        WorldTestAccess::addRosterFighter(roster[i]);
}

template <typename W = QLineEdit>
W *find(QWidget *screen, const QString &name) { return ShellTest::widget<W>(screen, name); }

QString value(QWidget *screen, const QString &name) { return find(screen, name)->text(); }

QStringList items(QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void click(QWidget *screen, const QString &name)
{
    find<QPushButton>(screen, name)->click();
}

std::unique_ptr<Module_Profile> fighterPage()
{
    auto screen = std::make_unique<Module_Profile>();
    screen->changeToFighterScreen();
    return screen;
}

void writeExport(const QString &name, const QByteArray &bytes)
{
    QFile file(exportsFolder + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray exportBytes(const QString &fileName)
{
    QFile file(exportsFolder + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray fighterBytes(const Fighter &fighter)
{
    QByteArray bytes;
    GameDataStream out(&bytes, QIODevice::WriteOnly);
    out << fighter;
    return bytes;
}

int agentsNamed(const QString &fullName)
{
    int count = 0;
    const QMultiMap<int, Fighter> agents = WorldTestAccess::freeAgents();
    for (const Fighter &agent : agents)
        count += agent.getFullName() == fullName ? 1 : 0;
    return count;
}

} // namespace

// The profile screen: the manager page, the fighter page and the fighter
// actions, seen through the widgets' names and the dialogs' sentences.
class TestGymProfile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ShellTest::startGame(); }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void init()
    {
        QDir(exportsFolder).removeRecursively();
        QVERIFY(QDir().mkpath(exportsFolder));
        QVERIFY(QDir().mkpath("./Resources/Flags"));
        QPixmap flag(30, 20);
        flag.fill(Qt::red);
        QVERIFY(flag.save(ResourcePaths::flag("England")));
    }

    void managerPage()
    {
        buildWorld();
        Module_Profile screen;
        QCOMPARE(value(&screen, "first_name_value"), QString("Sam"));
        QCOMPARE(value(&screen, "last_name_value"), QString("Cole"));
        QCOMPARE(value(&screen, "nationality_value"), QString("England"));
        QCOMPARE(value(&screen, "reputation_value"), QString("Unknown"));
        QCOMPARE(value(&screen, "overall_record_value"), QString("3 - 1"));
        QCOMPARE(value(&screen, "active_record_value"), QString("0 - 0"));
        const QStringList skills{"punch", "kick", "clinch_off", "movement", "guard", "clinch_def",
                                 "power", "speed", "conditioning", "timing", "intelligence", "discipline",
                                 "scouting", "motivating", "cornering", "negotiating", "charisma", "intuition"};
        for (int i = 0; i < skills.size(); ++i)
            QCOMPARE(value(&screen, skills.at(i) + "_value"), QString::number(i == 17 ? 5 : 11 + i));
        QCOMPARE(items(find<QListWidget>(&screen, "titles_list")), QStringList{"Manager of the Year"});

        // The abilities group's fifth row is an empty caption.
        auto *abilities = find(&screen, "scouting_value")->parentWidget();
        auto *grid = qobject_cast<QGridLayout *>(abilities->layout());
        QVERIFY(grid);
        QVERIFY(ShellTest::cell<QLabel>(grid, 4, 0)->text().isEmpty());

        QLabel *flag = find<QLabel>(&screen, "flag_label");
        QCOMPARE(flag->size(), QSize(144, 90));
        QVERIFY(!flag->pixmap(Qt::ReturnByValue).isNull());

        // Leaving and coming back rebuilds the page from the world; a nation
        // without a flag shows none, and no message.
        screen.changeToFighterScreen();
        QVERIFY(!screen.findChild<QLineEdit *>("first_name_value"));
        World::Instance().setupManager({"Max", "Cole", "Europe", "Atlantis", "Known"},
                                       QVector<int>(Manager::IntCount, 0), {});
        ModalAnswer noMessage("Cancel");
        screen.changeToManagerScreen();
        QCOMPARE(value(&screen, "first_name_value"), QString("Max"));
        QVERIFY(items(find<QListWidget>(&screen, "titles_list")).isEmpty());
        QVERIFY(find<QLabel>(&screen, "flag_label")->pixmap(Qt::ReturnByValue).isNull());
        QTest::qWait(20);
        QVERIFY(!noMessage.dialogSeen());
    }

    void background_data()
    {
        QTest::addColumn<int>("intuition");
        QTest::addColumn<QString>("shown");
        QTest::addRow("intuition 10") << 10 << "Muay Thai/Clincher";
        QTest::addRow("intuition 9") << 9 << "Muay Thai";
    }

    void background()
    {
        QFETCH(int, intuition);
        QFETCH(QString, shown);
        buildWorld(3, intuition);
        auto screen = fighterPage();
        QCOMPARE(value(screen.get(), "fighting_background_value"), shown);
    }

    void fighterPageShowsTheChosenFighter()
    {
        buildWorld();
        auto screen = fighterPage();
        auto *combo = find<QComboBox>(screen.get(), "fighter_combo");
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QString("Ann Lee"));
        QCOMPARE(combo->itemText(2), QString("Cy Roe"));
        QCOMPARE(value(screen.get(), "name_value"), QString("Ann Lee"));
        QCOMPARE(value(screen.get(), "birthday_value"), QString("05-03-1990"));
        QCOMPARE(value(screen.get(), "age_value"), QString("24"));
        QCOMPARE(items(find<QListWidget>(screen.get(), "history_list")),
                 QStringList({"Sat Jan 1 2011 - Win: debut", "Sat Feb 5 2011 - Win: first of the night",
                              "Sat Feb 5 2011 - Loss: final"}));
        QCOMPARE(items(find<QListWidget>(screen.get(), "fighter_titles_list")), QStringList({"Belt A", "Belt B"}));
        const GymFighter shown = ann();
        for (int skill = 0; skill < SkillTable::SkillCount; ++skill)
            QCOMPARE(value(screen.get(), RatingsGrid::captionObjectName(SkillTable::name(skill))),
                     QString::number(shown.getSkill(skill)));
        QCOMPARE(value(screen.get(), "jab_value"), QString("52")); // (90 + 3 x 40) / 4

        combo->setCurrentIndex(1);
        QCOMPARE(value(screen.get(), "name_value"), QString("Bo Kim"));
        QCOMPARE(value(screen.get(), "fighting_background_value"), QString("Kickboxing"));
        QCOMPARE(value(screen.get(), "jab_value"), QString("40"));
        QVERIFY(items(find<QListWidget>(screen.get(), "history_list")).isEmpty());
        QVERIFY(items(find<QListWidget>(screen.get(), "fighter_titles_list")).isEmpty());

        // Back and forth: the page starts again at the first fighter.
        screen->changeToManagerScreen();
        QVERIFY(!screen->findChild<QComboBox *>("fighter_combo"));
        screen->changeToFighterScreen();
        QCOMPARE(value(screen.get(), "name_value"), QString("Ann Lee"));
    }

    void emptyRosterShowsTheDefaults()
    {
        buildWorld(0, 10);
        ModalAnswer noMessage("Cancel");
        auto screen = fighterPage();
        QCOMPARE(find<QComboBox>(screen.get(), "fighter_combo")->currentIndex(), -1);
        QCOMPARE(value(screen.get(), "name_value"), QString("N/A N/A"));
        QCOMPARE(value(screen.get(), "fighting_background_value"), QString("N/A/N/A"));
        QCOMPARE(value(screen.get(), "birthday_value"), QString("01-01-2000"));
        QCOMPARE(value(screen.get(), "kos_value"), QString("0"));
        QCOMPARE(value(screen.get(), "perseverance_value"), QString("0"));
        QTest::qWait(20);
        QVERIFY(!noMessage.dialogSeen());
    }

    void retirement_data()
    {
        QTest::addColumn<int>("rosterSize");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("sentences");
        QTest::addColumn<QStringList>("leftInRoster");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<bool>("eventToday");
        QTest::addRow("second of three") << 3 << 1 << QStringList{"Accept"}
                                         << QStringList{"Are you sure you want Bo Kim to retire?"}
                                         << QStringList{"Ann Lee", "Cy Roe"} << "Ann Lee" << false;
        QTest::addRow("not confirmed") << 3 << 2 << QStringList{"Cancel"}
                                       << QStringList{"Are you sure you want Cy Roe to retire?"}
                                       << QStringList{"Ann Lee", "Bo Kim", "Cy Roe"} << "Cy Roe" << false;
        QTest::addRow("the last one, then none") << 1 << 0 << QStringList{"Accept", "Cancel"}
                                                 << QStringList{"Are you sure you want Ann Lee to retire?",
                                                                noFighterToRetire}
                                                 << QStringList{} << "N/A N/A" << false;
        QTest::addRow("his promotion fights today")
            << 2 << 1 << QStringList{"Accept", "Cancel"}
            << QStringList{"Are you sure you want Bo Kim to retire?",
                           "The promotion your fighter is signed to has an event today.\nPlease wait until after "
                           "the event to make any retirement decisions."}
            << QStringList{"Ann Lee", "Bo Kim"} << "Bo Kim" << true;
    }

    void retirement()
    {
        QFETCH(int, rosterSize);
        QFETCH(int, shownIndex);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, sentences);
        QFETCH(QStringList, leftInRoster);
        QFETCH(QString, shownAfter);
        QFETCH(bool, eventToday);
        buildWorld(rosterSize);
        const QDate eventDay = eventToday ? QDate(2011, 3, 1) : QDate(2011, 3, 8);
        WorldTestAccess::addOrganization(organization("G1", "Elite", {eventOn("G1 Event", "G1", eventDay)}));
        auto screen = fighterPage();
        find<QComboBox>(screen.get(), "fighter_combo")->setCurrentIndex(shownIndex);
        AnswerSequence replies(answers);
        click(screen.get(), "retire_button");
        if (answers.size() > 1 && leftInRoster.isEmpty())
            click(screen.get(), "retire_button");
        QCOMPARE(replies.texts(), sentences);
        QCOMPARE(replies.buttons().first(), acceptAndCancel);
        if (sentences.size() > 1)
            QCOMPARE(replies.buttons().last(), cancelOnly);
        QStringList roster;
        World::Instance().getRosterNames(roster);
        QCOMPARE(roster, leftInRoster);
        QCOMPARE(value(screen.get(), "name_value"), shownAfter);
        QCOMPARE(find<QComboBox>(screen.get(), "fighter_combo")->count(), leftInRoster.size());
    }

    void bio_data()
    {
        QTest::addColumn<int>("rosterSize");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("stored");
        const QString question = "Are you sure you want to update this fighter's bio?";
        QTest::addRow("accepted") << 1 << "Two lines\nof bio" << "Accept" << question << acceptAndCancel
                                  << "Two lines\nof bio";
        QTest::addRow("refused") << 1 << "Not kept" << "Cancel" << question << acceptAndCancel << "";
        QTest::addRow("emptied") << 1 << "" << "Accept" << question << acceptAndCancel << "";
        QTest::addRow("empty roster") << 0 << "Typed" << "Cancel" << "You have no fighters selected." << cancelOnly
                                      << "N/A";
    }

    void bio()
    {
        QFETCH(int, rosterSize);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, sentence);
        QFETCH(QStringList, buttons);
        QFETCH(QString, stored);
        buildWorld(rosterSize);
        World::Instance().setFighterBio("Old bio", 0);
        if (rosterSize > 0 && answer == "Cancel")
            stored = "Old bio";
        auto screen = fighterPage();
        find<QTextEdit>(screen.get(), "bio_edit")->setPlainText(typed);
        ModalAnswer reply(answer);
        click(screen.get(), "update_bio_button");
        QVERIFY(reply.answered());
        QCOMPARE(reply.text(), sentence);
        QCOMPARE(reply.buttons(), buttons);
        QVERIFY(reply.styleSheet().contains("min-width: 50px;"));
        QStringList texts, titles;
        QVector<int> ints;
        QDate birthday;
        QMultiMap<QDate, QString> history;
        World::Instance().getFighterProfile(texts, ints, birthday, history, titles, 0);
        QCOMPARE(texts.value(Fighter::BioText), stored);
    }

    void exportFighter_data()
    {
        QTest::addColumn<QByteArray>("oldFile"); // empty: none yet
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("written");
        const QString newFile = "Are you sure you want to export Ann Lee?";
        const QString overwrite = "This fighter already exists. Overwrite?";
        QTest::addRow("new file, accepted") << QByteArray() << "Accept" << newFile << true;
        QTest::addRow("new file, refused") << QByteArray() << "Cancel" << newFile << false;
        QTest::addRow("overwrite, accepted") << QByteArray("old file") << "Accept" << overwrite << true;
        QTest::addRow("overwrite, refused") << QByteArray("old file") << "Cancel" << overwrite << false;
    }

    void exportFighter()
    {
        QFETCH(QByteArray, oldFile);
        QFETCH(QString, answer);
        QFETCH(QString, question);
        QFETCH(bool, written);
        buildWorld();
        if (!oldFile.isEmpty())
            writeExport("Ann Lee.dat", oldFile);
        auto screen = fighterPage();
        AnswerSequence replies({answer, "Accept"});
        click(screen.get(), "export_button");
        QCOMPARE(replies.texts().first(), question);
        QCOMPARE(replies.buttons().first(), acceptAndCancel);
        const QStringList folder = QDir(exportsFolder).entryList(QDir::Files | QDir::Hidden);
        if (!written) {
            QCOMPARE(replies.seen(), 1);
            QCOMPARE(exportBytes("Ann Lee.dat"), oldFile);
            QCOMPARE(folder.size(), oldFile.isEmpty() ? 0 : 1);
            return;
        }
        QCOMPARE(replies.texts().last(), QString("Fighter exported to ./Resources/Exports/Ann Lee.dat."));
        QCOMPARE(replies.buttons().last(), QStringList{"Accept"});
        QCOMPARE(folder, QStringList{"Ann Lee.dat"});
        // One fighter and nothing else, read back equal.
        GameDataStream in(exportBytes("Ann Lee.dat"));
        Fighter readBack;
        in >> readBack;
        QCOMPARE(in.status(), QDataStream::Ok);
        QVERIFY(in.atEnd());
        QVERIFY(readBack == static_cast<const Fighter &>(ann()));
    }

    // A write that fails keeps the old file and says so.
    void exportWriteFails()
    {
        buildWorld();
        writeExport("Ann Lee.dat", "old file");
        auto screen = fighterPage();
        AnswerSequence replies({"Accept", "Cancel"});
        {
            FileSizeLimit fullDisk(16);
            click(screen.get(), "export_button");
        }
        QCOMPARE(replies.texts().last(), QString("Error writing file ./Resources/Exports/Ann Lee.dat"));
        QCOMPARE(replies.buttons().last(), cancelOnly);
        QCOMPARE(exportBytes("Ann Lee.dat"), QByteArray("old file"));
        QCOMPARE(QDir(exportsFolder).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void exportNameStaysInTheFolder()
    {
        buildWorld(0);
        WorldTestAccess::addRosterFighter(gymFighter(1104, "../../up", "Here", 100));
        auto screen = fighterPage();
        AnswerSequence replies({"Accept", "Accept"});
        click(screen.get(), "export_button");
        QCOMPARE(replies.texts().last(), QString("Fighter exported to ./Resources/Exports/_._.._up Here.dat."));
        QCOMPARE(QDir(exportsFolder).entryList(QDir::Files), QStringList{"_._.._up Here.dat"});
    }

    void exportEmptyRoster()
    {
        buildWorld(0);
        auto screen = fighterPage();
        ModalAnswer reply("Cancel");
        click(screen.get(), "export_button");
        QCOMPARE(reply.text(), QString("You have no fighters to export.\nTo get a fighter, you need to pick one "
                                       "of your students to train."));
        QCOMPARE(reply.buttons(), cancelOnly);
    }

    void exportNames()
    {
        QCOMPARE(Module_Profile::exportNames({"b.dat", "a.dat.dat", "X.DAT", "notes.txt", "A.dat", ".dat"}),
                 QStringList({"A", "a.dat", "b"}));
    }

    // The chooser lists the folder, first name preselected; the same file
    // imported twice gives two free agents with new ids.
    void importIntoDatabase()
    {
        buildWorld();
        writeExport("Zed.dat", fighterBytes(ann()));
        writeExport("Ann Lee.dat", fighterBytes(ann()));
        writeExport("shout.DAT", fighterBytes(ann()));
        Module_Profile screen;
        const int agentsBefore = WorldTestAccess::freeAgents().size();
        for (int round = 0; round < 2; ++round) {
            QStringList listed;
            QString preselected;
            QTimer::singleShot(0, [&] {
                auto *list = ShellTest::widget<QListWidget>(QApplication::activeModalWidget(), "import_list");
                listed = items(list);
                preselected = list->currentItem() ? list->currentItem()->text() : QString();
            });
            AnswerSequence replies({"Import", "Import", "Cancel"});
            click(&screen, "import_button");
            QCOMPARE(listed, QStringList({"Ann Lee", "Zed"}));
            QCOMPARE(preselected, QString("Ann Lee"));
            QCOMPARE(replies.texts(), QStringList({"Choose fighter to import:",
                                                   "Import Ann Lee? \nHe will appear as a Free Agent.",
                                                   "Imported Ann Lee into the Free Agents list."}));
            QCOMPARE(replies.buttons().last(), cancelOnly);
            QVERIFY(replies.buttons().first().contains("Import"));
        }
        const QMultiMap<int, Fighter> agents = WorldTestAccess::freeAgents();
        QCOMPARE(agents.size(), agentsBefore + 2);
        QSet<int> ids;
        for (const Fighter &agent : agents)
            ids.insert(agent.getId());
        QCOMPARE(ids.size(), agents.size());
        QVERIFY(!ids.contains(1101));
    }

    // A fighter whose name would pass for markup reads as written in the
    // questions and messages of his export and his import.
    void exportAndImportQuoteTheNameAsWritten_data()
    {
        ShellTest::addMarkupNameRows("lastName");
    }

    void exportAndImportQuoteTheNameAsWritten()
    {
        QFETCH(QString, lastName);
        const QString name = "Zed " + lastName;
        buildWorld(0);
        WorldTestAccess::addRosterFighter(gymFighter(1104, "Zed", lastName, 100));
        auto screen = fighterPage();
        AnswerSequence exporting({"Accept", "Accept"});
        click(screen.get(), "export_button");
        QCOMPARE(exporting.texts().first(), "Are you sure you want to export " + name + "?");
        QVERIFY(exporting.texts().last().startsWith("Fighter exported to ./Resources/Exports/Zed "));
        QVERIFY(exporting.allPlainText());

        // The import quotes the export's file name, which holds no slash.
        const QString fileName = QString(name).replace(QLatin1Char('/'), QLatin1Char('_'));
        Module_Profile managerPage;
        AnswerSequence importing({"Import", "Import", "Cancel"});
        click(&managerPage, "import_button");
        QCOMPARE(importing.texts(), QStringList({"Choose fighter to import:",
                                                 "Import " + fileName + "? \nHe will appear as a Free Agent.",
                                                 "Imported " + fileName + " into the Free Agents list."}));
        QVERIFY(importing.allPlainText());
    }

    // Both imports read the file alike: what one refuses the other refuses
    // with the same message, and neither adds anybody or uses an id.
    void importRefused_data()
    {
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QString damaged = "Error reading file ./Resources/Exports/Ann Lee.dat. The file may be damaged.";
        QTest::addRow("no file") << false << QByteArray() << "No import file selected.";
        QTest::addRow("truncated") << true << fighterBytes(ann()).left(40) << damaged;
        QTest::addRow("empty") << true << QByteArray() << damaged;
        QTest::addRow("trailing byte") << true << fighterBytes(ann()) + QByteArray(1, '\0') << damaged;
    }

    void importRefused()
    {
        QFETCH(bool, listed);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        buildWorld();
        if (listed)
            writeExport("Ann Lee.dat", content);
        const int lastId = WorldTestAccess::lastFighterId();
        const int agentsBefore = WorldTestAccess::freeAgents().size();
        for (const char *button : {"import_button", "fantasy_match_button"}) {
            ModuleManager::Instance()->changeScreen(new Module_Profile);
            auto *screen = ShellTest::screen<Module_Profile>();
            if (!screen)
                return;
            if (QString(button) == "fantasy_match_button")
                screen->changeToFighterScreen();
            AnswerSequence replies({"Import", "Import", "Cancel"});
            click(screen, button);
            QCOMPARE(replies.texts().last(), message);
            QCOMPARE(replies.buttons().last(), cancelOnly);
            QCOMPARE(ShellTest::currentScreenAs<Module_Profile>(), screen);
        }
        QCOMPARE(WorldTestAccess::freeAgents().size(), agentsBefore);
        QCOMPARE(WorldTestAccess::lastFighterId(), lastId);
        QVERIFY(WorldTestAccess::amateurs().isEmpty());
    }

    // A long file name, with or without blanks, reads whole or cut with
    // "…" and whole in its tool tip (on one line, blanks as written), with
    // no sideways scroll; chosen, it imports its own file, into either place.
    void longFileNamesFitTheImportList_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        const QString blanks = QStringLiteral("The long career of the Iron Den, from its first day to its title");
        const QString longer = blanks + QStringLiteral(" and the years of its champions after it");
        const QStringList names = {QString(64, QLatin1Char('W')), blanks, QString(120, QLatin1Char('W')), longer};
        for (const char *button : {"import_button", "fantasy_match_button"}) {
            for (const QString &name : names) {
                QTest::addRow("%s, %d characters, %s", button, name.size(), name.contains(' ') ? "blanks" : "no blank")
                    << button << name;
            }
        }
        QTest::addRow("markup, doubled blanks") << "import_button" << "The  <b>  " + longer;
        QTest::addRow("markup, leading blanks") << "import_button" << "  <b>" + longer;
        QTest::addRow("markup, trailing blanks") << "import_button" << "<b>" + longer + "  ";
        QTest::addRow("no markup, doubled, leading and trailing blanks")
            << "import_button" << "  The  long  " + longer + "  ";
    }

    void longFileNamesFitTheImportList()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        buildWorld();
        writeExport("Ann Lee.dat", fighterBytes(ann()));
        writeExport(name + ".dat", fighterBytes(gymFighter(1200, "Zed", "Ox", 5)));
        const int zedsBefore = agentsNamed("Zed Ox");
        ModuleManager::Instance()->changeScreen(new Module_Profile);
        auto *screen = ShellTest::screen<Module_Profile>();
        if (!screen)
            return;
        const bool fantasy = button == "fantasy_match_button";
        if (fantasy)
            screen->changeToFighterScreen();
        QStringList cutSideways;
        QString shown, toolTip;
        ModalAnswer chooser("Import");
        chooser.lookFirst([&](QWidget *dialog) {
            auto *list = ShellTest::widget<QListWidget>(dialog, "import_list");
            cutSideways = ShellTest::listsCutSideways(dialog);
            // The list is sorted: a leading blank or "<" comes before "A".
            list->setCurrentRow(name < QStringLiteral("Ann Lee") ? 0 : 1);
            shown = list->currentItem() ? list->currentItem()->text() : QString();
            toolTip = list->currentItem() ? list->currentItem()->toolTip() : QString();
        });
        AnswerSequence replies({"Import", fantasy ? "Go!" : "Cancel"});
        click(screen, button);
        QVERIFY(chooser.answered());
        QCOMPARE(cutSideways, QStringList());
        const QString toolTipShown = ShellTest::toolTipShown(toolTip);
        QVERIFY2(shown == name || (shown.endsWith(QChar(0x2026)) && toolTipShown == name),
                 qPrintable(shown + " / " + toolTipShown));
        if (fantasy) {
            QCOMPARE(replies.texts().value(1), "Imported " + name + " into a fantasy match.");
            auto *live = ShellTest::currentScreenAs<Module_UserEvents>();
            QCOMPARE(live ? live->getEvent().getName() : QString(), QString("Fantasy Match: Ann Lee vs. Zed Ox"));
            ShellTest::flushDeletions();
            return;
        }
        QCOMPARE(replies.texts().value(1), "Imported " + name + " into the Free Agents list.");
        QCOMPARE(agentsNamed("Zed Ox"), zedsBefore + 1);
    }

    void fantasyMatchWithoutAFighter()
    {
        buildWorld(0);
        writeExport("Zed.dat", fighterBytes(ann()));
        auto screen = fighterPage();
        AnswerSequence replies({"Import", "Cancel"});
        click(screen.get(), "fantasy_match_button");
        QCOMPARE(replies.texts(), QStringList({"Choose fighter to import:", "No user fighter selected."}));
        QCOMPARE(replies.buttons().last(), cancelOnly);
    }

    void fantasyMatch()
    {
        buildWorld();
        writeExport("Zed.dat", fighterBytes(gymFighter(1200, "Zed", "Ox", 5)));
        ModuleManager::Instance()->changeScreen(new Module_Profile);
        auto *screen = ShellTest::screen<Module_Profile>();
        if (!screen)
            return;
        screen->changeToFighterScreen();
        find<QComboBox>(screen, "fighter_combo")->setCurrentIndex(1);
        AnswerSequence replies({"Import", "Import", "Go!"});
        click(screen, "fantasy_match_button");
        QCOMPARE(replies.texts(),
                 QStringList({"Choose fighter to import:",
                              "Import Zed? \nHe will immediately fight a fantasy match with Bo Kim.",
                              "Imported Zed into a fantasy match."}));
        QCOMPARE(replies.buttons().last(), QStringList{"Go!"});
        auto *live = ShellTest::currentScreenAs<Module_UserEvents>();
        QVERIFY(live);
        QCOMPARE(live->getEvent().getName(), QString("Fantasy Match: Bo Kim vs. Zed Ox"));
        const QMultiMap<int, Fighter> amateurs = WorldTestAccess::amateurs();
        QStringList names;
        for (const Fighter &amateur : amateurs)
            names << QString::number(amateur.getId()) + " " + amateur.getFullName();
        names.sort();
        QCOMPARE(names, QStringList({"-116 Bo Kim", "-117 Zed Ox"}));
        ShellTest::flushDeletions();
    }
};

QTEST_MAIN(TestGymProfile)
#include "tst_gym_profile.moc"
