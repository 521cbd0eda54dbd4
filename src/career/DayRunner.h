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
// plugged in (the game fights them unseen on the match engine).
class DayRunner
{
public:
    using TodaysEvents = std::function<QVector<EventResults>(World &)>;
    // Told 1 to 6 as the day passes its six stretches (after the new
    // student, today's events, aging, contracts, bookings and offers).
    using Progress = std::function<void(int)>;
    static const int ProgressSteps = 6;
    enum Step {
        GymDayStep, NewStudentStep, TodaysEventsStep, AdvanceDateStep, AgingStep,
        ContractsStep, BookingsStep, OffersStep, CalendarStep,
        StepCount
    };

    DayRunner(World &world, TodaysEvents todaysEvents, Progress progress = Progress());

    DayNews runDay();

    // Nanoseconds each step took in the last day run.
    const std::array<qint64, StepCount> &stepNanos() const { return nanos; }
    static QString stepName(Step step);

private:
    void runCalendarSteps();
    void report(int stretch) const;

    World &world;
    TodaysEvents todaysEvents;
    Progress progress;
    std::array<qint64, StepCount> nanos{};
};

#endif // DAYRUNNER_H
