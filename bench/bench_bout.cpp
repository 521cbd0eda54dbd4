// Whole bouts between two ordinary fighters, fought as the unseen bouts
// are (extension rounds included): bouts per second with no commentary
// attached and with commentary into a text view, steps per bout, and the
// shares of knockouts and decisions.
//
//   bench_bout [bouts] [headless]   (default 20000 headless, a twentieth with a
//                                    view; "headless" skips the view, for profiling)
#include <QApplication>
#include <QElapsedTimer>
#include <QTextEdit>
#include <QTextStream>
#include <cstdio>
#include <ctime>
#include <memory>

#include "core/BoutDriver.h"
#include "ui/match/TextEditCommentary.h"

namespace {

QVector<int> ordinaryVector(int variant)
{
    QVector<int> ints(Fighter::IntCount, 0);
    for (int i = 0; i < Fighter::IntCount; ++i)
        ints[i] = 35 + (i * 37 + variant * 11) % 40;
    ints[Fighter::AgeIndex] = 27;
    ints[Fighter::IdIndex] = 4000 + variant;
    return ints;
}

struct Run {
    int bouts = 0;
    qint64 steps = 0;
    int stoppages = 0;
    double seconds = 0;    // wall clock
    double cpuSeconds = 0; // this thread's processor time: fair on a busy machine
};

double threadCpuSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

template <class MakeSink>
Run fightMany(int bouts, const Fighter &a, const Fighter &b, MakeSink makeSink)
{
    Run run;
    run.bouts = bouts;
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = threadCpuSeconds();
    for (int bout = 0; bout < bouts; ++bout) {
        const BoutDriver::Result result = BoutDriver::fight(a, b, makeSink());
        run.steps += result.steps;
        run.stoppages += result.stoppage;
    }
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.cpuSeconds = threadCpuSeconds() - cpuStart;
    return run;
}

void report(const char *label, const Run &run)
{
    std::printf("%-22s %7d bouts  %8.0f bouts/s  %7.4f ms/bout (cpu %7.4f)  %6.1f steps/bout  "
                "KO %5.1f%%  decision %5.1f%%\n",
                label, run.bouts, run.bouts / run.seconds, 1000.0 * run.seconds / run.bouts,
                1000.0 * run.cpuSeconds / run.bouts,
                double(run.steps) / run.bouts, 100.0 * run.stoppages / run.bouts,
                100.0 * (run.bouts - run.stoppages) / run.bouts);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int bouts = argc > 1 ? qMax(20, QString(argv[1]).toInt()) : 20000;

    const Fighter a = BoutDriver::makeFighter("Ashby", "Outfighter", ordinaryVector(1));
    const Fighter b = BoutDriver::makeFighter("Birch", "Brawler", ordinaryVector(2));

    report("headless", fightMany(bouts, a, b, [] { return std::unique_ptr<CommentarySink>(); }));
    if (argc > 2 && QString(argv[2]) == "headless")
        return 0;

    std::unique_ptr<QTextEdit> view;
    report("commentary in a view", fightMany(bouts / 20, a, b, [&view] {
        view.reset(new QTextEdit); // a fresh view per match, as the unseen simulation makes
        return std::unique_ptr<CommentarySink>(new TextEditCommentary(view.get()));
    }));
    return 0;
}
