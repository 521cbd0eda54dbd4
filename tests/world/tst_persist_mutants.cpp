#include <QtTest>

#include "TestSupport.h"
#include "career/DayRunner.h"
#include "core/CoinTossEvents.h"
#include "core/FileMutants.h"
#include "core/GeneratorTestFiles.h"
#include "core/PersistTestAccess.h"
#include "core/WorldTestAccess.h"
#include "match/UnseenBout.h"
#include "world/World.h"

#include <QElapsedTimer>

// Thousands of damaged copies of a saved game and of an export file, as
// players pass them around and edit them: each is refused and the running
// game stays as it was, or it is taken and the game plays on with it for a
// few days and a bout. Run under the sanitizers, a taken file that makes
// the arithmetic overflow shows up here.
class TestPersistMutants : public QObject
{
    Q_OBJECT

private:
    // A few thousand by default; RINGWRIGHT_MUTANTS asks for more.
    static int mutantsPerFile()
    {
        const int asked = qEnvironmentVariableIntValue("RINGWRIGHT_MUTANTS");
        return asked > 0 ? asked : 3000;
    }
    static const int DaysPlayed = 3;

    QByteArray save;
    QByteArray exportFile;
    // Mutants taken in the sweep under way.
    int taken = 0;

    static void playDays(int days)
    {
        DayRunner runner(World::Instance(), CoinTossEvents::decideWithUnseenBouts);
        for (int day = 0; day < days; ++day)
            runner.runDay();
    }

    // A bout goes the distance or ends early, with one of the two the winner.
    static bool fightsThrough(const Fighter &a, const Fighter &b)
    {
        const BoutResult bout = UnseenBout::fight(a, b);
        return bout.roundsFought >= 1 && (bout.winnerId == a.getId() || bout.winnerId == b.getId());
    }

    // The first and the last of the fighters the world holds, in a bout.
    static bool fightABout()
    {
        QVector<Fighter> fighters;
        for (const GymFighter &mine : WorldTestAccess::rosterFighters())
            fighters << mine;
        for (const Fighter &agent : WorldTestAccess::freeAgents())
            fighters << agent;
        for (const Organization &organization : WorldTestAccess::organizations())
            fighters << World::Instance().getFightersOf(organization.getName());
        return fighters.size() < 2 || fightsThrough(fighters.first(), fighters.last());
    }

    static QByteArray label(int n)
    {
        return FileMutants::label(n).toUtf8();
    }

    // Tries every mutant of the file, each with randomness of its own, and
    // says how many were taken and how long it took.
    using TryMutant = void (TestPersistMutants::*)(int n, const QByteArray &bytes);
    void sweep(const QByteArray &file, const char *what, TryMutant tryMutant)
    {
        const FileMutants mutants(file);
        QElapsedTimer clock;
        clock.start();
        taken = 0;
        const int count = mutantsPerFile();
        for (int n = 0; n < count && !QTest::currentTestFailed(); ++n) {
            DeterministicRandom random(0, unsigned(n) + 1);
            (this->*tryMutant)(n, mutants.mutant(n));
        }
        qInfo("%d mutants of a %d-byte %s, %d taken and played, %lld ms", count, int(file.size()), what, taken,
              clock.elapsed());
        QVERIFY(taken > 0);
        QVERIFY(taken < count);
    }

    void loadAndPlay(int n, const QByteArray &bytes)
    {
        QVERIFY(PersistTestAccess::loadBytes(save));
        if (!PersistTestAccess::loadBytes(bytes)) {
            QVERIFY2(PersistTestAccess::savedBytes() == save, label(n));
            return;
        }
        ++taken;
        // What was taken is a sound game: it saves to a file that loads back
        // as itself.
        const QByteArray again = PersistTestAccess::savedBytes();
        QVERIFY2(PersistTestAccess::loadBytes(again), label(n));
        QVERIFY2(PersistTestAccess::savedBytes() == again, label(n));
        playDays(DaysPlayed);
        QVERIFY2(fightABout(), label(n));
    }

    // The import, then the fantasy match on the same bytes.
    void importAndPlay(int n, const QByteArray &bytes)
    {
        QVERIFY(PersistTestAccess::loadBytes(save));
        const bool imported = PersistTestAccess::importBytes(bytes);
        if (!imported)
            QVERIFY2(PersistTestAccess::savedBytes() == save, label(n));
        else
            playDays(1);

        QVERIFY(PersistTestAccess::loadBytes(save));
        Event fantasy;
        const World::FantasyResult result = PersistTestAccess::fantasyBytes(bytes, 0, fantasy);
        QVERIFY2((result == World::FantasyResult::Created) == imported, label(n));
        if (!imported) {
            QVERIFY2(PersistTestAccess::savedBytes() == save, label(n));
            return;
        }
        ++taken;
        const World &world = World::Instance();
        QVERIFY2(fightsThrough(world.getAmateur(-116), world.getAmateur(-117)), label(n));
    }

private slots:
    void initTestCase()
    {
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        GeneratorTestFiles::writeAllNames(3);
        PersistFixtures::fillPlayingGame();
        save = PersistTestAccess::savedBytes();
        GameDataStream out(&exportFile, QIODevice::WriteOnly);
        World::Instance().exportFighter(out, 0);
        QVERIFY(!exportFile.isEmpty());
    }

    void cleanupTestCase()
    {
        GeneratorTestFiles::removeResources();
    }

    void damagedSavesAreRefusedOrPlayed()
    {
        sweep(save, "save", &TestPersistMutants::loadAndPlay);
    }

    // Both imports read the file the same way: what one refuses the other
    // refuses, and a refusal adds nobody and uses no id.
    void damagedExportsAreRefusedOrPlayed()
    {
        sweep(exportFile, "export file", &TestPersistMutants::importAndPlay);
    }
};

QTEST_GUILESS_MAIN(TestPersistMutants)
#include "tst_persist_mutants.moc"
