#ifndef SEASONDRIVER_H
#define SEASONDRIVER_H

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QVector>

class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;
class ScreenGallery;

// Plays the game through its window as a player would: buttons found by
// object name or text, the top menu, the next day with whatever screens it
// brings (the live event, the post-event summary, the level-up). Every
// helper returns false on a stall and leaves a message naming the step, the
// game date and the screen shown, so a test can stop there.
class SeasonDriver
{
public:
    // `deadlineMs` of wall clock for everything the driver does.
    SeasonDriver(ScreenGallery &gallery, qint64 deadlineMs);

    void setStep(const QString &step) { m_step = step; }
    QString failure() const { return m_failure; }
    // "step, game date, screen class".
    QString where() const;
    bool fail(const QString &message);
    bool pastDeadline() const { return m_clock.elapsed() > m_deadlineMs; }

    QWidget *screen() const;
    // A visible widget of the current screen (or the menu bar) by name.
    template <typename W>
    W *find(const QString &objectName) const;
    // The same for a widget the step cannot do without: a missing one fails
    // the step, naming it, and the caller stops on the null.
    template <typename W>
    W *need(const QString &objectName);
    // A visible button of the current screen by its text.
    QPushButton *buttonWithText(const QString &text) const;

    // Runs what a click left for the event loop (the new screen's show,
    // the old one's deletion) without firing any timer.
    static void settle();
    // Clicks a visible, enabled button (screen or menu bar); the screens
    // it replaced are deleted before it returns.
    bool click(const QString &objectName);
    bool clickText(const QString &text);
    // Fills a visible line edit; false, failing the step, without one.
    bool setText(const QString &objectName, const QString &text);
    // A top-menu button, and the screen it opens must be `screenClass`.
    bool openMenu(const QString &objectName, const char *screenClass);

    // Next Day from an in-game screen, through the live events and their
    // summaries, until the day has run and the menu is back.
    bool passDay();
    // The news the last day printed.
    QString lastNews() const { return m_lastNews; }
    int liveEventsPlayed() const { return m_liveEvents; }
    int summariesShown() const { return m_summaries; }
    int levelUps() const { return m_levelUps; }
    // Raises the boxes one point at a time, in turn, until the pool shown
    // by the label ("Skill Points: 7") is spent or no box takes more.
    static void spendPoints(const QVector<QSpinBox *> &boxes, const QLabel *pointsLabel);
    // The visible lists of the current screen whose lines run past their
    // width (a horizontal scroll bar shows): text the player cannot read.
    QStringList listsCutSideways() const;
    // A picture of the live event's pages and of the summary is taken the
    // first time each is shown.
    ScreenGallery &gallery() { return m_gallery; }

private:
    bool finishNextDay();
    bool playLiveEvent();
    bool waitForNextStep();
    bool tendCorner();
    bool finishPostEvent();
    bool spendLevelUpPoints();
    void shootOnce(const QString &name);

    ScreenGallery &m_gallery;
    QElapsedTimer m_clock;
    qint64 m_deadlineMs;
    QString m_step;
    QString m_failure;
    QString m_lastNews;
    QStringList m_shot;
    int m_liveEvents = 0;
    int m_summaries = 0;
    int m_levelUps = 0;
};

#include <QWidget>

#include "ui/shell/ModuleManager.h"

template <typename W>
W *SeasonDriver::find(const QString &objectName) const
{
    QWidget *window = ModuleManager::Instance()->window();
    const auto found = window->findChildren<W *>(objectName);
    for (W *widget : found) {
        if (widget->isVisibleTo(window))
            return widget;
    }
    return nullptr;
}

template <typename W>
W *SeasonDriver::need(const QString &objectName)
{
    W *found = find<W>(objectName);
    if (!found)
        fail(QStringLiteral("no %1 %2").arg(QLatin1String(W::staticMetaObject.className()), objectName));
    return found;
}

#endif // SEASONDRIVER_H
