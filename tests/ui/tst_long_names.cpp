#include <QtTest>

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <iterator>

#include "TestSupport.h"
#include "core/EventBuilder.h"
#include "core/FighterBuilder.h"
#include "core/WorldTestAccess.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "ui/ScreenShots.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/browser/Module_Database.h"
#include "ui/browser/Module_Orgs.h"
#include "ui/business/Module_Events.h"
#include "ui/business/Module_Management.h"
#include "ui/gym/Module_Profile.h"
#include "ui/gym/Module_Training.h"
#include "ui/match/Module_PostEvent.h"
#include "ui/match/Module_UserEvents.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/NameFields.h"
#include "world/World.h"

namespace {

// 150 and 149 letters without a blank, as an imported fighter may carry:
// nothing to wrap at.
const QString longFirst = QStringLiteral("Alexandros").repeated(15);
const QString longLast = QStringLiteral("Montgomery").repeated(15).left(149);
const QString longName = longFirst + QLatin1Char(' ') + longLast;
// The manager's and the gym's names, as long, and told apart from the
// fighter's; the gym's ends in what a field showing its end would show.
const QString managerFirst = QStringLiteral("Bartholomew").repeated(14);
const QString managerLast = QStringLiteral("Fitzwilliam").repeated(14).left(149);
const QString managerName = managerFirst + QLatin1Char(' ') + managerLast;
const QString longGymName = QStringLiteral("Ironworks").repeated(31) + QStringLiteral(" </b> %s \\ Iron Temple");
const QString longNames[] = {longFirst, longLast, managerFirst, managerLast, longGymName};
const QString league = QStringLiteral("Centurion");
const int playerId = 1102;

QWidget *window() { return ModuleManager::Instance()->window(); }
QWidget *screen() { return ModuleManager::Instance()->currentScreen(); }

void show(QWidget *newScreen)
{
    ModuleManager::Instance()->changeScreen(newScreen);
}

template <typename W>
W *child(const char *objectName)
{
    return ShellTest::widget<W>(screen(), QLatin1String(objectName));
}

// A long name everywhere a name shows: the manager, the gym, the player's
// fighter (with a result and a title naming him), a student, a free agent,
// an opponent on today's card, a champion, an offer.
void installWorld()
{
    World &world = WorldTestAccess::freshWorld(250000);
    world.setupManager({managerFirst, managerLast, "Europe", "England", "Unknown"},
                       QVector<int>(Manager::IntCount, 10), QStringList());
    QStringList gymTexts;
    QVector<int> gymNumbers, monthFigures;
    world.getGymData(gymTexts, gymNumbers, monthFigures);
    gymTexts[Gym::NameText] = longGymName;
    world.setupGym(gymTexts, gymNumbers, monthFigures);
    GymFighter mine = WorldFixtures::gymFighter(playerId, longFirst, longLast, 250, league);
    FighterBuilder(mine)
        .titles({league + " World Championship - from " + longName})
        .result(QDate(2010, 12, 1), "Win: " + longName + " - KO(Hook) - Rd. 2(1:05) - Centurion 3")
        .into(mine);
    WorldTestAccess::addRosterFighter(mine);
    WorldTestAccess::addStudent(WorldFixtures::fighter(1300, longFirst, longLast, 900));
    WorldTestAccess::addFreeAgent(WorldFixtures::fighter(1301, longFirst, longLast, 50));

    const QString opponentName = longLast + QLatin1Char(' ') + longFirst;
    const QVector<Match> card{
        WorldFixtures::match(MatchType::Single, "Cy Orr", 1203, "Di Poe", 1204),
        WorldFixtures::match(MatchType::Championship, longName, playerId, opponentName, 1205, true)};
    const Event event = EventBuilder("Centurion: Fight Night", league, world.getDate())
                            .card(card)
                            .withPlayerFighter()
                            .title("Centurion World Championship")
                            .build();
    WorldTestAccess::addOrganization(WorldFixtures::organization(
        league, "Elite", {event},
        {WorldFixtures::fighter(1205, longLast, longFirst, 100, league),
         WorldFixtures::fighter(1203, "Cy", "Orr", 200, league), WorldFixtures::fighter(1204, "Di", "Poe", 300, league)},
        {{"Centurion World Championship", longName}}));
    WorldTestAccess::addOffer(
        WorldFixtures::offer(playerId, longName, "Centurion: Fight Night", league, world.getDate().addDays(9)));
}

// Plays the card's first bout out and brings the player's bout on.
void openLiveTaleOfTheTape()
{
    DeterministicRandom dice(9000);
    ModuleManager::Instance()->showTopMenu();
    show(new Module_UserEvents(World::Instance().getTodaysPlayerEvents().first()));
    auto *live = ShellTest::screen<Module_UserEvents>();
    if (!live)
        return;
    auto *nextStep = child<QPushButton>("next_step_btn");
    for (int i = 0; i < 20000 && live->getMatchCount() < 2; ++i)
        nextStep->click();
    nextStep->click();
}

void openLiveBout()
{
    openLiveTaleOfTheTape();
    for (int i = 0; i < 20; ++i)
        child<QPushButton>("next_step_btn")->click();
}

struct Page {
    const char *name;
    void (*open)();
    // The long name the page shows, if any.
    const QString *shownName;
};

// Every page that shows a fighter's, the manager's or the gym's name, and
// the post-event summary of the long-named fighter.
const Page pages[] = {
    {"profile manager page", [] { show(new Module_Profile); }, &managerName},
    {"profile fighter page",
     [] {
         show(new Module_Profile);
         if (auto *profile = ShellTest::screen<Module_Profile>())
             profile->changeToFighterScreen();
     },
     &longName},
    {"training gym page", [] { show(new Module_Training); }, &longGymName},
    {"training plans page",
     [] {
         show(new Module_Training);
         if (auto *training = ShellTest::screen<Module_Training>())
             training->switchToTrainingInfoScreen();
     },
     &longName},
    {"management main page", [] { show(new Module_Management); }, &longName},
    {"management students page",
     [] {
         show(new Module_Management);
         child<QPushButton>("view_students_btn")->click();
     },
     &longName},
    {"events",
     [] {
         show(new Module_Events);
         child<QListWidget>("day_events_list")->setCurrentRow(0);
     },
     &longName},
    {"database main page",
     [] {
         show(new Module_Database);
         child<QComboBox>("org_combo")->setCurrentText("Free Agent");
         child<QListWidget>("fighter_list")->setCurrentRow(0);
     },
     &longName},
    {"database fighter page",
     [] {
         show(new Module_Database);
         child<QComboBox>("org_combo")->setCurrentText("Free Agent");
         child<QListWidget>("fighter_list")->setCurrentRow(0);
         child<QPushButton>("detailed_info_btn")->click();
     },
     &longName},
    {"organizations", [] { show(new Module_Orgs); }, &longName},
    {"live event tale of the tape", openLiveTaleOfTheTape, &longName},
    {"live event bout", openLiveBout, &longName},
    {"post-event summary",
     [] {
         show(new Module_PostEvent(QVector<int>(44, 0), playerId,
                                   "Win: " + longName + " - KO(Jab) - Rd. 1(0:30) - Centurion: Fight Night"));
     },
     nullptr},
};

QRect placeOf(const QWidget *widget)
{
    return QRect(widget->mapTo(window(), QPoint(0, 0)), widget->size());
}

template <typename W>
QList<W *> visible()
{
    QList<W *> found;
    const QList<W *> all = screen()->findChildren<W *>();
    for (W *widget : all) {
        if (widget->isVisibleTo(window()))
            found << widget;
    }
    return found;
}

// What shows a text or a list of them.
QList<QWidget *> visibleFields()
{
    QList<QWidget *> fields;
    for (QWidget *widget : visible<QWidget>()) {
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)
            || qobject_cast<QListWidget *>(widget) || qobject_cast<QTextEdit *>(widget)
            || qobject_cast<QLabel *>(widget))
            fields << widget;
    }
    return fields;
}

QString describe(const QWidget *widget)
{
    const auto *button = qobject_cast<const QPushButton *>(widget);
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName()
        + (button ? QLatin1String(" \"") + button->text() + QLatin1Char('"') : QString());
}

QStringList overlapsWithButtons()
{
    QStringList overlaps;
    const QList<QPushButton *> buttons = visible<QPushButton>();
    for (QWidget *field : visibleFields()) {
        for (QPushButton *button : buttons) {
            if (field->isAncestorOf(button) || button->isAncestorOf(field))
                continue;
            if (placeOf(field).intersects(placeOf(button)))
                overlaps << describe(field) + QStringLiteral(" over ") + describe(button);
        }
    }
    return overlaps;
}

// The start of the name is somewhere in sight: in a field, a chooser, a
// list line or a label (cut, with the whole name as its tool tip).
bool showsTheLongName(const QString &name)
{
    const QString start = name.left(30);
    for (QWidget *field : visibleFields()) {
        const auto *edit = qobject_cast<QLineEdit *>(field);
        const auto *chooser = qobject_cast<QComboBox *>(field);
        const auto *label = qobject_cast<QLabel *>(field);
        const auto *list = qobject_cast<QListWidget *>(field);
        if ((edit && edit->text().startsWith(start)) || (chooser && chooser->currentText().startsWith(start))
            || (label && (label->text().startsWith(start) || label->toolTip() == name)))
            return true;
        for (int row = 0; list && row < list->count(); ++row) {
            if (list->item(row)->text().contains(start))
                return true;
        }
    }
    return false;
}

// A field holding a long name shows its start, not its end.
QStringList fieldsShowingTheEnd()
{
    QStringList found;
    for (QLineEdit *edit : visible<QLineEdit>()) {
        const bool holdsALongName = std::any_of(std::begin(longNames), std::end(longNames),
                                                [edit](const QString &name) { return edit->text().startsWith(name); });
        if (holdsALongName && edit->cursorPosition() != 0)
            found << describe(edit);
    }
    return found;
}

} // namespace

// A name of 300 characters on every screen that shows a fighter's, the
// manager's or the gym's name: the window keeps its size, no page asks for
// more room than the window has, and no field or list lies over a button.
// A picture of each page is saved for a look.
class TestLongNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ENTER_GAME_COPY();
        ShellTest::startGame();
    }
    void cleanupTestCase() { ShellTest::stopGame(); }

    void pagesKeepALongNameInItsField_data()
    {
        QTest::addColumn<int>("page");
        for (int i = 0; i < int(std::size(pages)); ++i)
            QTest::addRow("%s", pages[i].name) << i;
    }

    void pagesKeepALongNameInItsField()
    {
        QFETCH(int, page);
        installWorld();
        ModuleManager::Instance()->showTopMenu();
        pages[page].open();
        ShellTest::flushDeletions();
        QCoreApplication::processEvents();

        QCOMPARE(window()->size(), QSize(1100, 700));
        const QSize asked = window()->layout()->totalMinimumSize();
        QVERIFY2(asked.width() <= 1100 && asked.height() <= 700,
                 qPrintable(QStringLiteral("asks for %1 by %2").arg(asked.width()).arg(asked.height())));
        QCOMPARE(overlapsWithButtons(), QStringList());
        QCOMPARE(fieldsShowingTheEnd(), QStringList());
        QCOMPARE(ShellTest::listsCutSideways(screen()), QStringList());
        if (pages[page].shownName)
            QVERIFY(showsTheLongName(*pages[page].shownName));
        SHOOT_WINDOW(QStringLiteral("long_name_") + QString::fromLatin1(pages[page].name).replace(' ', '_'));
    }

    void anElidedLabelFollowsItsWidth()
    {
        QWidget holder;
        auto *label = new QLabel;
        (new QHBoxLayout(&holder))->addWidget(label);
        const QString name = longFirst.left(40);
        NameFields::showElided(label, name);
        holder.resize(200, 40);
        holder.show();
        QCoreApplication::processEvents();
        QVERIFY(holder.minimumSizeHint().width() < 200);
        QVERIFY(label->text().endsWith(QChar(0x2026)));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width());
        QCOMPARE(label->toolTip(), name);

        holder.resize(1000, 40);
        QCoreApplication::processEvents();
        QCOMPARE(label->text(), name);
        QVERIFY(label->toolTip().isEmpty());
        NameFields::showElided(label, QStringLiteral("Al Ray"));
        QCOMPARE(label->text(), QStringLiteral("Al Ray"));
    }
};

QTEST_MAIN(TestLongNames)
#include "tst_long_names.moc"
