#include <QtTest>

#include "data/NationTable.h"
#include "world/GeneratorTables.h"

// The game's nations file and the generator's culture table must agree: the
// place of each nation in its region's list is what picks its name file.
class GeneratorNationsTest : public QObject
{
    Q_OBJECT

private slots:
    void shippedNationsGetTheirCulture()
    {
        QCOMPARE(NationTable::regionNames(), GeneratorTables::regions());
        const QVector<QVector<NationTable::Nation>> &regions = NationTable::regions();
        for (int region = 0; region < regions.size(); ++region) {
            for (int position = 0; position < regions.at(region).size(); ++position) {
                const NationTable::Nation &nation = regions.at(region).at(position);
                QVERIFY2(GeneratorTables::cultureFor(region, position) == nation.culture,
                         qPrintable(nation.name));
            }
        }
    }

    void builtInNationsAreShipped()
    {
        // A built-in nation missing from its region's list would lose its culture.
        for (int position = 0; position < GeneratorTables::builtInNations().size(); ++position) {
            const QString nation = GeneratorTables::builtInNations().at(position);
            QVERIFY2(NationTable::nationsOf(GeneratorTables::regionOfBuiltIn(position)).contains(nation),
                     qPrintable(nation));
        }
    }
};

QTEST_GUILESS_MAIN(GeneratorNationsTest)
#include "tst_generator_nations.moc"
