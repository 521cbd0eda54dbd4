// Times simulated years of the headless day, today's bouts decided by a
// coin toss: total, worst day and each step's share.
//
//   bench_year [years] [default|small]     (defaults: 3 years, default)
//
// "default" is the new game's world from the resource generator, from
// 2011; "small" the soak tests' world, from 2020. Runs in a temporary
// folder, where it writes the resource files it needs.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <array>
#include <cstdio>

#include "DefaultNamesWriter.h"
#include "DefaultWorldWriter.h"
#include "career/CoinTossEvents.h"
#include "career/DayRunner.h"
#include "core/Career2SoakWorld.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int years = args.size() > 1 ? args.at(1).toInt() : 3;
    const bool defaultWorld = args.size() <= 2 || args.at(2) != "small";

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
        chosen = &Career2SoakWorld::build(2020, 7);
    }
    World &world = *chosen;
    DayRunner runner(world, &CoinTossEvents::decide);
    std::printf("year   days  total ms  worst day ms  per step ms (");
    for (int step = 0; step < DayRunner::StepCount; ++step)
        std::printf("%s%s", step ? ", " : "", qPrintable(DayRunner::stepName(DayRunner::Step(step))));
    std::printf(")\n");

    for (int year = 0; year < years; ++year) {
        const QDate end = world.getDate().addYears(1);
        const int label = world.getDate().year();
        std::array<qint64, DayRunner::StepCount> stepTotals{};
        qint64 worstDay = 0;
        int days = 0;
        QElapsedTimer yearClock;
        yearClock.start();
        while (world.getDate() < end) {
            QElapsedTimer dayClock;
            dayClock.start();
            runner.runDay();
            worstDay = std::max(worstDay, dayClock.nsecsElapsed());
            for (int step = 0; step < DayRunner::StepCount; ++step)
                stepTotals[step] += runner.stepNanos()[step];
            ++days;
        }
        std::printf("%d  %4d  %8.1f  %12.2f  ", label, days, yearClock.nsecsElapsed() / 1e6, worstDay / 1e6);
        for (int step = 0; step < DayRunner::StepCount; ++step)
            std::printf("%s%.1f", step ? " " : "", stepTotals[step] / 1e6);
        std::printf("\n");
    }
    return 0;
}
