#ifndef DAYRUNNER_H
#define DAYRUNNER_H

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>

class World;

// The results block of one of today's events.
struct EventResults
{
    QString eventName;
    QStringList lines;
};

// A day's news, by the sections the next-day screen prints them under.
struct DayNews
{
    // The day that was finished (the date before the advance).
    QDate day;
    QStringList gymInfo;
    // Empty when no student joined today.
    QString newStudent;
    QVector<EventResults> events;
    QStringList fighterNews;
    QStringList freeAgentNews;
    QStringList contractNews;
    QStringList bookingNews;
};

// The world's side of one next day, in its fixed order: the gym's day, a
// new student, today's events, the date, aging, signings, contracts,
// expired offers, bookings, offers, then the monthly and yearly steps. The
// next-day screen, the tests and the benchmark share it; today's events are
// plugged in, as the screen fights them with the match engine.
class DayRunner
{
public:
    using TodaysEvents = std::function<QVector<EventResults>(World &)>;
    enum Step {
        GymDayStep, NewStudentStep, TodaysEventsStep, AdvanceDateStep, AgingStep,
        ContractsStep, BookingsStep, OffersStep, CalendarStep,
        StepCount
    };

    DayRunner(World &world, TodaysEvents todaysEvents);

    DayNews runDay();

    // Nanoseconds each step took in the last day run.
    const std::array<qint64, StepCount> &stepNanos() const { return nanos; }
    static QString stepName(Step step);

private:
    void runCalendarSteps();

    World &world;
    TodaysEvents todaysEvents;
    std::array<qint64, StepCount> nanos{};
};

#endif // DAYRUNNER_H
