#include <QtTest>

#include "core/PersistTestAccess.h"
#include "core/WorldTestAccess.h"
#include "world/World.h"

using namespace WorldFixtures;
using Standing = World::DealStanding;
using Deal = World::Deal;
Q_DECLARE_METATYPE(World::DealStanding)
Q_DECLARE_METATYPE(World::Deal)

namespace {

// Jo Park on the player's roster under `contract`, with an offer of G2's
// and a card of G1's to appear on.
void dealWorld(const QString &contract)
{
    WorldTestAccess::freshWorld();
    const QDate day(2011, 3, 1);
    WorldTestAccess::setDate(day);
    WorldTestAccess::addOrganization(
        organization("G1", "National", {eventOn("G1 Fight Night", "G1", day.addDays(20), {match("Single Match")})}));
    WorldTestAccess::addOrganization(organization("G2"));
    WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100, contract));
    WorldTestAccess::addOffer(offer(1101, "Jo Park", "G2 Night", "G2", day.addDays(9)));
}

} // namespace

// Where the player's fighter stands for a deal with an organization, asked
// by the management and events screens before they offer one.
class TestDealStanding : public QObject
{
    Q_OBJECT

private slots:
    void standing_data()
    {
        QTest::addColumn<QString>("contract");
        QTest::addColumn<int>("position");
        QTest::addColumn<Standing>("standing");
        QTest::addRow("no fighter at the position") << "G1" << 1 << Standing::NoFighter;
        QTest::addRow("no fighter chosen") << "G1" << -1 << Standing::NoFighter;
        QTest::addRow("free agent") << "Free Agent" << 0 << Standing::FreeAgent;
        QTest::addRow("signed with the organization") << "G1" << 0 << Standing::SignedWithIt;
        QTest::addRow("signed elsewhere") << "G2" << 0 << Standing::SignedElsewhere;
    }

    void standing()
    {
        QFETCH(QString, contract);
        QFETCH(int, position);
        QFETCH(Standing, standing);
        WorldTestAccess::freshWorld();
        WorldTestAccess::addRosterFighter(gymFighter(1101, "Jo", "Park", 100, contract));
        QCOMPARE(World::Instance().dealStanding(position, "G1"), standing);
    }

    // The deals keep the screens' rule themselves: a contract for nobody or
    // for a fighter signed elsewhere, or an appearance for anyone but a free
    // agent, is ruled out before anything changes.
    void dealsKeepTheirRule_data()
    {
        QTest::addColumn<bool>("appearance");
        QTest::addColumn<QString>("contract");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("ruledOut");
        for (const bool appearance : {false, true}) {
            const QByteArray deal = appearance ? "appearance, " : "contract, ";
            QTest::addRow("%sno fighter", deal.constData()) << appearance << "G1" << 1 << true;
            QTest::addRow("%sno fighter chosen", deal.constData()) << appearance << "G1" << -1 << true;
            QTest::addRow("%ssigned elsewhere", deal.constData()) << appearance << "G2" << 0 << true;
            QTest::addRow("%ssigned with it", deal.constData()) << appearance << "G1" << 0 << appearance;
            QTest::addRow("%sfree agent", deal.constData()) << appearance << "Free Agent" << 0 << false;
        }
    }

    void dealsKeepTheirRule()
    {
        QFETCH(bool, appearance);
        QFETCH(QString, contract);
        QFETCH(int, position);
        QFETCH(bool, ruledOut);
        dealWorld(contract);
        World &world = World::Instance();
        const QByteArray before = PersistTestAccess::savedBytes();
        QString refusal;
        const Deal deal = appearance
            ? world.negotiateAppearance(position, "G1", "G1 Fight Night", QDate(2011, 3, 21), 0, refusal)
            : world.negotiateContract(position, "G1", 3, 0, refusal);
        if (ruledOut) {
            QCOMPARE(deal, Deal::RuledOut);
            QVERIFY2(PersistTestAccess::savedBytes() == before, "a deal ruled out changed the world");
        } else {
            QVERIFY(deal != Deal::RuledOut);
        }
    }
};

QTEST_GUILESS_MAIN(TestDealStanding)
#include "tst_deal_standing.moc"
