// Times simulated years of the headless day, today's bouts fought unseen
// on the match engine: total, worst day, each step's share and the time
// per bout; then the first year's busiest day (most bouts), run again
// `runs` times from the state saved before it: median and worst.
//
//   bench_year [years] [default|small] [runs] [seeded]   (defaults: 3, default, 20)
//
// "default" is the new game's world from the resource generator, from
// 2011; "small" the soak tests' world, from 2020. Runs in a temporary
// folder, where it writes the resource files it needs. A `runs` of 0
// skips the busiest day.
//
// "seeded" fixes the generator's seed and the clock readings the game
// reseeds from, so that every run of the same build fights the same years;
// it prints the hash of the world saved at the last year's end, which two
// builds must share before their instruction counts are compared:
//
//   valgrind --tool=callgrind bench_year 1 default 0 seeded

#include <QCoreApplication>
#include <QCryptographicHash>
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
#include "records/GameRandom.h"
#include "core/SoakWorld.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

namespace {

QByteArray savedWorldHash(const World &world)
{
    QByteArray bytes;
    GameDataStream out(&bytes, QIODevice::WriteOnly);
    world.save(out);
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool seeded = args.removeAll("seeded") > 0;
    const int years = args.size() > 1 ? args.at(1).toInt() : 3;
    const bool defaultWorld = args.size() <= 2 || args.at(2) != "small";
    const int runs = args.size() > 3 ? qMax(0, args.at(3).toInt()) : 20;

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
    }
    // After the resource writer, which fixes and then restores the readings.
    if (seeded) {
        GameRandom::setDeterministic(true, 250);
        GameRandom::seed(3);
    }
    if (defaultWorld) {
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

    if (seeded)
        std::printf("saved world at the end: sha1 %s\n", savedWorldHash(world).constData());

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
