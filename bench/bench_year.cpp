// Times simulated years of the headless day, today's bouts fought unseen
// on the match engine: total, worst day, each step's share and the time
// per bout; then the first year's busiest day (most bouts), run again
// `runs` times from the state saved before it: median and worst.
//
//   bench_year [years] [default|small] [runs]   (defaults: 3, default, 20)
//
// "default" is the new game's world from the resource generator, from
// 2011; "small" the soak tests' world, from 2020. Runs in a temporary
// folder, where it writes the resource files it needs.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>

#include "DefaultNamesWriter.h"
#include "DefaultWorldWriter.h"
#include "career/DayRunner.h"
#include "career/UnseenBouts.h"
#include "records/GameDataStream.h"
#include "core/SoakWorld.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int years = args.size() > 1 ? args.at(1).toInt() : 3;
    const bool defaultWorld = args.size() <= 2 || args.at(2) != "small";
    const int runs = args.size() > 3 ? qMax(1, args.at(3).toInt()) : 20;

    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }

    World *chosen = nullptr;
    if (defaultWorld) {
        const QString resources = QDir::current().absoluteFilePath("Resources");
        if (!DefaultNamesWriter::writeAll(resources) || !DefaultWorldWriter::writeAll(resources)) {
            std::fprintf(stderr, "could not write the default world\n");
            return 1;
        }
        chosen = &WorldTestAccess::freshWorld(50000);
        chosen->loadDefaultData();
    } else {
        chosen = &SoakWorld::build(2020, 7);
    }
    World &world = *chosen;
    UnseenBouts::Counts counts;
    const auto fightToday = [&counts](World &w) { return UnseenBouts::decideCounting(w, counts); };
    DayRunner runner(world, fightToday);
    std::printf("year   days  total ms  worst day ms  bouts  ms/bout  per step ms (");
    for (int step = 0; step < DayRunner::StepCount; ++step)
        std::printf("%s%s", step ? ", " : "", qPrintable(DayRunner::stepName(DayRunner::Step(step))));
    std::printf(")\n");

    // The first year's busiest day: the state before it and its bouts.
    QByteArray busiestState;
    QDate busiestDay;
    int busiestBouts = -1;
    for (int year = 0; year < years; ++year) {
        const QDate end = world.getDate().addYears(1);
        const int label = world.getDate().year();
        std::array<qint64, DayRunner::StepCount> stepTotals{};
        qint64 worstDay = 0;
        qint64 yearNanos = 0;
        int days = 0;
        const int boutsBefore = counts.fought;
        while (world.getDate() < end) {
            QByteArray state;
            if (year == 0) {
                GameDataStream out(&state, QIODevice::WriteOnly);
                world.save(out);
            }
            const int dayBouts = counts.fought;
            const QDate day = world.getDate();
            QElapsedTimer dayClock;
            dayClock.start();
            runner.runDay();
            const qint64 nanos = dayClock.nsecsElapsed();
            yearNanos += nanos;
            worstDay = std::max(worstDay, nanos);
            for (int step = 0; step < DayRunner::StepCount; ++step)
                stepTotals[step] += runner.stepNanos()[step];
            if (year == 0 && counts.fought - dayBouts > busiestBouts) {
                busiestBouts = counts.fought - dayBouts;
                busiestDay = day;
                busiestState = state;
            }
            ++days;
        }
        const int bouts = counts.fought - boutsBefore;
        std::printf("%d  %4d  %8.1f  %12.2f  %5d  %7.3f  ", label, days, yearNanos / 1e6, worstDay / 1e6, bouts,
                    bouts ? stepTotals[DayRunner::TodaysEventsStep] / 1e6 / bouts : 0.0);
        for (int step = 0; step < DayRunner::StepCount; ++step)
            std::printf("%s%.1f", step ? " " : "", stepTotals[step] / 1e6);
        std::printf("\n");
    }

    // The busiest day again and again from its saved state.
    QVector<double> dayMs;
    for (int run = 0; run < runs && !busiestState.isEmpty(); ++run) {
        GameDataStream in(&busiestState, QIODevice::ReadOnly);
        if (!world.load(in)) {
            std::fprintf(stderr, "the saved state did not load\n");
            return 1;
        }
        QElapsedTimer dayClock;
        dayClock.start();
        runner.runDay();
        dayMs << dayClock.nsecsElapsed() / 1e6;
    }
    if (!dayMs.isEmpty()) {
        std::sort(dayMs.begin(), dayMs.end());
        std::printf("busiest day %s (%d bouts), %d runs: median %.2f ms, worst %.2f ms\n",
                    qPrintable(busiestDay.toString(Qt::ISODate)), busiestBouts, dayMs.size(),
                    dayMs.at(dayMs.size() / 2), dayMs.last());
    }
    return 0;
}
