#include <QtTest>

#include "core/WorldTestAccess.h"
#include "world/World.h"

using namespace WorldFixtures;
using Standing = World::DealStanding;
Q_DECLARE_METATYPE(World::DealStanding)

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
};

QTEST_GUILESS_MAIN(TestDealStanding)
#include "tst_deal_standing.moc"
