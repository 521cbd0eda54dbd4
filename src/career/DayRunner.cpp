#include "DayRunner.h"

#include "records/GameRandom.h"
#include "world/World.h"

#include <QElapsedTimer>

namespace {

// The day's flow reseeds once from the clock before anything else.
const int DayReseedOffset = 17;

const char *const stepNames[DayRunner::StepCount] = {
    "gym day", "new student", "today's events", "advance date", "aging",
    "signings and contracts", "bookings", "offers", "monthly and yearly",
};

} // namespace

DayRunner::DayRunner(World &world, TodaysEvents todaysEvents, Progress progress)
    : world(world), todaysEvents(std::move(todaysEvents)), progress(std::move(progress))
{
}

void DayRunner::report(int stretch) const
{
    if (progress)
        progress(stretch);
}

QString DayRunner::stepName(Step step)
{
    return stepNames[step];
}

DayNews DayRunner::runDay()
{
    DayNews news;
    QElapsedTimer timer;
    const auto timed = [&](Step step, const std::function<void()> &run) {
        timer.start();
        run();
        nanos[step] = timer.nsecsElapsed();
    };

    GameRandom::reseed(DayReseedOffset);
    news.day = world.getDate();
    timed(GymDayStep, [&] { news.gymInfo = world.runGymDay(); });
    timed(NewStudentStep, [&] {
        QString name;
        if (GameRandom::draw() % 2 == 0 && world.generateFighter(name, true))
            news.newStudent = name + " has begun to take lessons at your gym.";
    });
    report(1);
    timed(TodaysEventsStep, [&] {
        if (todaysEvents)
            news.events = todaysEvents(world);
    });
    report(2);
    timed(AdvanceDateStep, [&] { world.advanceDay(); });
    timed(AgingStep, [&] {
        world.ageWorldFighters(news.fighterNews);
        world.ageGymFighters(news.fighterNews);
    });
    report(3);
    timed(ContractsStep, [&] {
        world.signFreeAgents(news.freeAgentNews);
        world.processContractExpiries(news.contractNews);
        world.removeExpiredOffers();
    });
    report(4);
    timed(BookingsStep, [&] { news.bookingNews = world.bookEvents(); });
    report(5);
    timed(OffersStep, [&] { world.generateOffers(); });
    report(ProgressSteps);
    timed(CalendarStep, [&] { runCalendarSteps(); });
    return news;
}

// On the new date: the month closes on the 1st (1 January runs it before
// the year's step), training logs are cut on the 2nd.
void DayRunner::runCalendarSteps()
{
    const QDate today = world.getDate();
    if (today.day() == 1) {
        world.closeGymMonth();
        world.collectStudentFees();
    }
    if (today.day() == 2)
        world.trimTrainingLogs();
    if (today.dayOfYear() == 1) {
        world.dropOldOrgTitles();
        world.orgsNewYear();
    }
}
