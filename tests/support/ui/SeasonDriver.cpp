#include "SeasonDriver.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "ModalAnswer.h"
#include "ScreenGallery.h"
#include "ShellTestSupport.h"
#include "records/TextDate.h"
#include "ui/shell/TopMenuBar.h"
#include "world/World.h"

namespace {

// Screens one next day may pass through: each of the day's live events
// with its summary, then the day itself.
const int ScreensPerDay = 24;
// Presses of a live event's buttons, tale of the tape to the last verdict
// of every bout (a bout is fought step by step only when it is his).
const int PressesPerLiveEvent = 20000;
// Steps of his bout before the combat page's picture.
const int CommentarySteps = 12;
// Wall clock for one bout simulated to its end by the step timer.
const int SimToEndTimeoutMs = 20000;

bool isShown(const QWidget *widget)
{
    return widget && widget->isVisibleTo(ModuleManager::Instance()->window());
}

int pointsLeft(const QLabel *label)
{
    // "Skill Points: 7", "Trainer Points: 3".
    return label ? label->text().section(QLatin1Char(' '), -1).toInt() : 0;
}

// Activates the first row of a list as a player does, with Enter.
bool activateFirstRow(QListWidget *list)
{
    if (!isShown(list) || list->count() == 0)
        return false;
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    return true;
}

} // namespace

SeasonDriver::SeasonDriver(ScreenGallery &gallery, qint64 deadlineMs)
    : m_gallery(gallery)
    , m_deadlineMs(deadlineMs)
{
    m_clock.start();
}

QString SeasonDriver::where() const
{
    QWidget *shown = screen();
    return QStringLiteral("step \"%1\", %2, screen %3")
        .arg(m_step, TextDate::shortText(World::Instance().getDate()),
             shown ? QString::fromLatin1(shown->metaObject()->className()) : QStringLiteral("none"));
}

bool SeasonDriver::fail(const QString &message)
{
    if (m_failure.isEmpty())
        m_failure = message + QStringLiteral(" (") + where() + QLatin1Char(')');
    return false;
}

QWidget *SeasonDriver::screen() const
{
    return ModuleManager::Instance()->currentScreen();
}

QPushButton *SeasonDriver::buttonWithText(const QString &text) const
{
    QWidget *shown = screen();
    if (!shown)
        return nullptr;
    const auto buttons = shown->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->text() == text && isShown(button))
            return button;
    }
    return nullptr;
}

QStringList SeasonDriver::listsCutSideways() const
{
    return ShellTest::listsCutSideways(screen());
}

void SeasonDriver::settle()
{
    ShellTest::flushDeletions();
    QCoreApplication::sendPostedEvents();
}

bool SeasonDriver::click(const QString &objectName)
{
    auto *button = find<QAbstractButton>(objectName);
    if (!button)
        return fail(QStringLiteral("no button ") + objectName);
    if (!button->isEnabled())
        return fail(QStringLiteral("button ") + objectName + QStringLiteral(" is disabled"));
    button->click();
    settle();
    return true;
}

bool SeasonDriver::clickText(const QString &text)
{
    QPushButton *button = buttonWithText(text);
    if (!button)
        return fail(QStringLiteral("no button \"") + text + QLatin1Char('"'));
    button->click();
    settle();
    return true;
}

bool SeasonDriver::setText(const QString &objectName, const QString &text)
{
    auto *edit = need<QLineEdit>(objectName);
    if (!edit)
        return false;
    edit->setText(text);
    return true;
}

bool SeasonDriver::openMenu(const QString &objectName, const char *screenClass)
{
    if (!ModuleManager::Instance()->isTopMenuVisible())
        return fail(QStringLiteral("the top menu is hidden before ") + objectName);
    if (!click(objectName))
        return false;
    if (ShellTest::currentScreenClass() != QLatin1String(screenClass))
        return fail(objectName + QStringLiteral(" did not open ") + QLatin1String(screenClass));
    return true;
}

bool SeasonDriver::passDay()
{
    if (pastDeadline())
        return fail(QStringLiteral("past the wall-clock deadline"));
    const QDate today = World::Instance().getDate();
    if (!click(QStringLiteral("next_day_btn")))
        return false;
    for (int shown = 0; shown < ScreensPerDay; ++shown) {
        const QString screenClass = ShellTest::currentScreenClass();
        bool ok = false;
        if (screenClass == QLatin1String("Module_NextDay"))
            return finishNextDay() && (World::Instance().getDate() == today.addDays(1)
                                       || fail(QStringLiteral("the day did not move on by one")));
        if (screenClass == QLatin1String("Module_UserEvents"))
            ok = playLiveEvent();
        else if (screenClass == QLatin1String("Module_PostEvent"))
            ok = finishPostEvent();
        else
            return fail(QStringLiteral("Next Day led to an unexpected screen"));
        if (!ok)
            return false;
    }
    return fail(QStringLiteral("the day never reached the next-day screen"));
}

bool SeasonDriver::finishNextDay()
{
    // The day starts from the screen's short start timer: run what it would.
    if (!find<QPushButton>(QStringLiteral("proceed_next_day_btn"))) {
        const auto timers = screen()->findChildren<QTimer *>();
        bool timerArmed = false;
        for (const QTimer *timer : timers)
            timerArmed = timerArmed || timer->isActive();
        if (!timerArmed)
            return fail(QStringLiteral("the next day's start timer is not running"));
        QMetaObject::invokeMethod(screen(), "startNextDayFlow");
    }

    if (!find<QPushButton>(QStringLiteral("proceed_next_day_btn")))
        return fail(QStringLiteral("the day ran without its \"Proceed to next day\" button"));
    auto *news = find<QTextEdit>(QStringLiteral("next_day_news"));
    m_lastNews = news ? news->toPlainText() : QString();
    if (m_lastNews.contains(QStringLiteral(" event results: ")))
        shootOnce(QStringLiteral("nextday_event_results"));
    if (!click(QStringLiteral("proceed_next_day_btn")))
        return false;
    if (!ModuleManager::Instance()->isTopMenuVisible())
        return fail(QStringLiteral("the top menu did not come back after the day"));
    return true;
}

bool SeasonDriver::playLiveEvent()
{
    ++m_liveEvents;
    // A stand-in for the live event lets the day go on by itself.

    bool instructionThisRound = false;
    int playerSteps = 0;
    for (int press = 0; press < PressesPerLiveEvent; ++press) {
        if (ShellTest::currentScreenClass() != QLatin1String("Module_UserEvents"))
            return true;
        if (pastDeadline())
            return fail(QStringLiteral("past the wall-clock deadline in a live event"));

        if (isShown(find<QWidget>(QStringLiteral("corner_page")))) {
            if (!tendCorner())
                return false;
            instructionThisRound = false;
            continue;
        }
        if (isShown(find<QWidget>(QStringLiteral("tale_of_tape_box"))))
            shootOnce(QStringLiteral("live_tale_of_tape"));

        auto *nextStep = find<QPushButton>(QStringLiteral("next_step_btn"));
        auto *simToEnd = find<QPushButton>(QStringLiteral("sim_to_end_btn"));
        auto *instructions = find<QListWidget>(QStringLiteral("instruction_list"));
        const bool playerBout = isShown(instructions);
        if (!nextStep) {
            // The step timer is running a bout to its end.
            QTest::qWait(1);
            continue;
        }
        if (simToEnd && !playerBout) {
            simToEnd->click();
            if (!waitForNextStep())
                return fail(QStringLiteral("\"Sim to End\" did not end the bout"));
            continue;
        }
        if (playerBout && !instructionThisRound && activateFirstRow(instructions))
            instructionThisRound = true;
        // His bout's picture once the commentary has filled the view.
        if (playerBout && ++playerSteps == CommentarySteps)
            shootOnce(QStringLiteral("live_combat"));
        nextStep->click();
        settle();
    }
    return fail(QStringLiteral("the live event did not end within its presses"));
}

void SeasonDriver::spendPoints(const QVector<QSpinBox *> &boxes, const QLabel *label)
{
    bool raised = true;
    while (pointsLeft(label) > 0 && raised) {
        raised = false;
        for (QSpinBox *box : boxes) {
            if (pointsLeft(label) <= 0)
                break;
            const int before = box->value();
            box->setValue(before + 1);
            raised = raised || box->value() > before;
        }
    }
}

bool SeasonDriver::waitForNextStep()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < SimToEndTimeoutMs) {
        if (ShellTest::currentScreenClass() != QLatin1String("Module_UserEvents")
            || find<QPushButton>(QStringLiteral("next_step_btn")))
            return true;
        QTest::qWait(1);
    }
    return false;
}

bool SeasonDriver::tendCorner()
{
    QVector<QSpinBox *> boxes;
    for (const char *name : {"heal_wounds_box", "provide_water_box", "motivate_box"}) {
        if (auto *box = find<QSpinBox>(QLatin1String(name)))
            boxes << box;
    }
    spendPoints(boxes, find<QLabel>(QStringLiteral("trainer_points_label")));
    activateFirstRow(find<QListWidget>(QStringLiteral("strategy_list")));
    shootOnce(QStringLiteral("live_corner"));
    return click(QStringLiteral("next_step_btn"));
}

bool SeasonDriver::finishPostEvent()
{
    if (!isShown(find<QWidget>(QStringLiteral("summary_page"))))
        return fail(QStringLiteral("the post-event screen shows no summary"));
    ++m_summaries;
    shootOnce(QStringLiteral("postevent_summary"));
    if (!click(QStringLiteral("proceed_btn")))
        return false;
    if (ShellTest::currentScreenClass() == QLatin1String("Module_PostEvent"))
        return spendLevelUpPoints();
    return true;
}

bool SeasonDriver::spendLevelUpPoints()
{
    QWidget *page = find<QWidget>(QStringLiteral("level_up_page"));
    if (!isShown(page))
        return fail(QStringLiteral("the summary led nowhere"));
    ++m_levelUps;
    const auto spins = page->findChildren<QSpinBox *>();
    auto *points = find<QLabel>(QStringLiteral("level_up_skill_points"));
    spendPoints(spins.toVector(), points);
    if (pointsLeft(points) != 0)
        return fail(QStringLiteral("the level-up points could not all be spent"));
    shootOnce(QStringLiteral("postevent_levelup"));
    ModalAnswer sure(QStringLiteral("Accept"));
    if (!click(QStringLiteral("proceed_btn")))
        return false;
    if (sure.text() != QLatin1String("Are you sure you want to proceed?") || !sure.answered())
        return fail(QStringLiteral("the level-up asked \"") + sure.text() + QLatin1Char('"'));
    return true;
}

void SeasonDriver::shootOnce(const QString &name)
{
    if (!m_gallery.enabled() || m_shot.contains(name))
        return;
    m_shot << name;
    m_gallery.shootWindow(name);
}
