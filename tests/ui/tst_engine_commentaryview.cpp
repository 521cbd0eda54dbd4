#include <QtTest>
#include <QTextBlock>
#include <QTextEdit>

#include "core/FighterBuilder.h"
#include "match/Entity_MatchFighter.h"
#include "match/MatchEngine.h"
#include "records/Fighter.h"
#include "ui/match/TextEditCommentary.h"

namespace {
Fighter named(const QString &last, int id)
{
    const QVector<int> ints(Fighter::IntCount, 50);
    return FighterBuilder().numbers(ints).id(id).name("Al", last).style("Tactician").born(QDate(1990, 1, 1)).build();
}
}

// The screens' commentary view: one paragraph per text, and a view that is
// gone (or none at all) never brings the bout down.
class TestEngineCommentaryView : public QObject
{
    Q_OBJECT

private slots:
    void paragraphsGoToTheView()
    {
        QTextEdit view;
        MatchEngine::Instance().setupMatch(named("Lee", 1), named("Kim", 2),
                                           std::make_unique<TextEditCommentary>(&view));
        MatchEngine &engine = MatchEngine::Instance();
        engine.startRound();
        engine.addCommentary(nullptr, "Round one!");
        engine.getAttacker()->appendCommentary("Lee steps in.");
        engine.getAttacker()->setState(nullptr);
        engine.step();
        QCOMPARE(view.document()->blockCount(), 3);
        QCOMPARE(view.document()->findBlockByNumber(0).text(), QString("Round one!"));
        QCOMPARE(view.document()->findBlockByNumber(1).text(), QString("Lee steps in."));
        QCOMPARE(view.document()->findBlockByNumber(2).text(), QString());
    }

    void aDeletedOrMissingViewIsHarmless()
    {
        auto *view = new QTextEdit;
        MatchEngine::Instance().setupMatch(named("Lee", 1), named("Kim", 2),
                                           std::make_unique<TextEditCommentary>(view));
        MatchEngine &engine = MatchEngine::Instance();
        engine.startRound();
        delete view;
        engine.addCommentary(nullptr, "Nobody is watching.");
        engine.getRoundEndCommentary();
        engine.step();

        MatchEngine::Instance().setupMatch(named("Lee", 1), named("Kim", 2), nullptr);
        engine.startRound();
        engine.addCommentary(nullptr, "Still nobody.");
        QVERIFY(!engine.isMatchOver());
    }
};

QTEST_MAIN(TestEngineCommentaryView)
#include "tst_engine_commentaryview.moc"
