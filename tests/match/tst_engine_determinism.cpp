#include <QtTest>
#include <QCryptographicHash>

#include "EngineTestKit.h"
#include "TestSupport.h"
#include "core/BoutDriver.h"

// Whole seeded bouts give exactly the results they always gave: every
// style against every style and fighters at the ends of the scale (and
// past them, as the corner can raise them), with and without a commentary
// sink. Each set of bouts is reduced to one hash over everything a bout
// leaves behind (result texts, both fighters' statistics, the judges'
// cards, steps, the commentary where a sink listens, the next draw). The
// hashes were recorded from the engine before any speed work (the style
// pairs again when drawn bouts went on into extension rounds); a change
// that moves one of them changes the game.
class TestEngineDeterminism : public QObject
{
    Q_OBJECT

private:
    static QStringList styles()
    {
        // The seven styles and a text that is none of them.
        return {"Outfighter", "Infighter", "Clincher", "Puncher", "Kicker", "Brawler",
                "Tactician", "Wrestler"};
    }

    static QVector<int> ordinaryVector(int variant)
    {
        QVector<int> ints(Fighter::IntCount, 0);
        for (int i = 0; i < Fighter::IntCount; ++i)
            ints[i] = 35 + (i * 37 + variant * 11) % 40;
        ints[Fighter::AgeIndex] = 27;
        return ints;
    }

    // Attribute vectors at the ends of the scale.
    static QVector<QVector<int>> extremeVectors()
    {
        QVector<QVector<int>> vectors;
        for (int value : {0, 100, 130})
            vectors << QVector<int>(Fighter::IntCount, value);
        QVector<int> alternating(Fighter::IntCount, 0);
        for (int i = 0; i < Fighter::IntCount; i += 2)
            alternating[i] = 100;
        vectors << alternating;
        QVector<int> glassCannon(Fighter::IntCount, 100);
        glassCannon[Fighter::HeadDurabilityIndex] = 0;
        glassCannon[Fighter::BodyDurabilityIndex] = 0;
        for (int k : {52, 56, 73})
            glassCannon[Fighter::attributeIndex(k)] = 0;
        vectors << glassCannon;
        for (QVector<int> &ints : vectors)
            ints[Fighter::AgeIndex] = 25;
        return vectors;
    }

    struct Pairing {
        Fighter a;
        Fighter b;
    };

    static Fighter fighter(const QString &name, const QString &style, QVector<int> ints, int id)
    {
        ints[Fighter::IdIndex] = id;
        return BoutDriver::makeFighter(name, style, ints);
    }

    static QVector<Pairing> stylePairs()
    {
        QVector<Pairing> pairs;
        int id = 100;
        for (const QString &styleA : styles()) {
            for (const QString &styleB : styles()) {
                pairs.append({fighter("Ashby", styleA, ordinaryVector(1), ++id),
                              fighter("Birch", styleB, ordinaryVector(2), ++id)});
            }
        }
        return pairs;
    }

    static QVector<Pairing> extremePairs()
    {
        QVector<Pairing> pairs;
        const QVector<QVector<int>> vectors = extremeVectors();
        const QStringList names = styles();
        int id = 500;
        for (int i = 0; i < vectors.size(); ++i) {
            for (int j = 0; j < vectors.size(); ++j) {
                pairs.append({fighter("Cole", names.at((i + j) % names.size()), vectors[i], ++id),
                              fighter("Dunn", names.at((i + 2 * j + 3) % names.size()), vectors[j], ++id)});
            }
        }
        return pairs;
    }

    // What one bout leaves behind, apart from its commentary.
    static void writeOutcome(QDataStream &out, const Pairing &pairing, const BoutDriver::Result &result)
    {
        MatchEngine &engine = MatchEngine::Instance();
        int winnerId = 0, loserId = 0;
        QString winnerLine, loserLine;
        out << engine.getResultText(&winnerId, &winnerLine, &loserId, &loserLine)
            << winnerId << winnerLine << loserId << loserLine;
        out << engine.getFighterStatistics(pairing.a.getId())
            << engine.getFighterStatistics(pairing.b.getId());
        // The six card totals as one vector, A's three then B's three.
        QVector<int> cards;
        for (int total : result.cards.totalsA)
            cards << total;
        for (int total : result.cards.totalsB)
            cards << total;
        out << result.stoppage << result.roundsFought << result.steps << result.judges.forA
            << result.judges.forB << cards << engine.getRound() << engine.getClock();
        out << GameRandom::draw();
    }

    struct Hashes {
        QByteArray outcomes;
        QByteArray commentary;
    };

    // Fights every pairing from one seam start; a sink records the
    // commentary when asked for.
    static Hashes fightAll(const QVector<Pairing> &pairings, bool withSink, int start)
    {
        DeterministicRandom seam(start, 7);
        QByteArray outcomeBytes, commentaryBytes;
        GameDataStream outcomes(&outcomeBytes, QIODevice::WriteOnly);
        GameDataStream commentary(&commentaryBytes, QIODevice::WriteOnly);
        for (const Pairing &pairing : pairings) {
            QStringList paragraphs;
            std::unique_ptr<CommentarySink> sink;
            if (withSink)
                sink.reset(new EngineKit::RecordingSink(&paragraphs));
            const BoutDriver::Result result = BoutDriver::fight(pairing.a, pairing.b, std::move(sink));
            writeOutcome(outcomes, pairing, result);
            commentary << paragraphs;
        }
        return {QCryptographicHash::hash(outcomeBytes, QCryptographicHash::Sha1).toHex(),
                QCryptographicHash::hash(commentaryBytes, QCryptographicHash::Sha1).toHex()};
    }

private slots:
    void boutsGiveTheRecordedResults_data()
    {
        QTest::addColumn<bool>("extremes");
        QTest::addColumn<int>("start");
        QTest::addColumn<QByteArray>("outcomes");
        QTest::addColumn<QByteArray>("commentary");
        QTest::addRow("every style pair") << false << 0 << QByteArray("abff915a559746565efc8cc3ac8f05deb2c50d31")
                                 << QByteArray("d6e7ce1f6cbce6e91cfec69098dba70b7d82806a");
        QTest::addRow("every style pair, later clock") << false << 4321 << QByteArray("e238bb0212ae517fc09382114c555eb7c3b8db1f")
                                 << QByteArray("c2ec1c654afc487d32826f9ca943bf2a2389b000");
        QTest::addRow("extreme vectors") << true << 90 << QByteArray("afe1cc43c7322846714923085e0218b20d3bde21")
                                 << QByteArray("988fa24a4b717ebbd33dea6f91825fc4a27252f7");
    }

    // The same seeded bouts give the same draws, lines, statistics and
    // steps whether a sink listens or not; the commentary is the recorded one.
    void boutsGiveTheRecordedResults()
    {
        QFETCH(bool, extremes);
        QFETCH(int, start);
        QFETCH(QByteArray, outcomes);
        QFETCH(QByteArray, commentary);
        const QVector<Pairing> pairings = extremes ? extremePairs() : stylePairs();
        const Hashes headless = fightAll(pairings, false, start);
        const Hashes heard = fightAll(pairings, true, start);
        QCOMPARE(heard.outcomes, headless.outcomes);
        QCOMPARE(headless.outcomes, outcomes);
        QCOMPARE(heard.commentary, commentary);
    }
};

QTEST_GUILESS_MAIN(TestEngineDeterminism)
#include "tst_engine_determinism.moc"
