#include <QtTest>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/WidgetFinder.h"
#include "ui/match/StatisticsBox.h"
#include "ui/shell/VisitWidgets.h"

namespace {

// The engine's 44 statistics, zero but for the given positions.
QVector<int> statistics(const QMap<int, int> &values, int size = 44)
{
    QVector<int> out(size, 0);
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        out[it.key()] = it.value();
    return out;
}

} // namespace

// The 14 statistics rows of the corner and the summary: their sums, the
// knockdowns row, short vectors, and the box they are built into.
class TestPostEventStatistics : public QObject
{
    Q_OBJECT

private slots:
    void rowTexts_data()
    {
        QTest::addColumn<QVector<int>>("stats");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addRow("jabs") << statistics({{6, 12}, {7, 30}}) << 0 << "12/30";
        QTest::addRow("hooks with body punches") << statistics({{8, 3}, {9, 10}, {28, 2}, {29, 4}}) << 1 << "5/14";
        QTest::addRow("hooks, corner case") << statistics({{8, 5}, {9, 9}, {28, 2}, {29, 4}}) << 1 << "7/13";
        QTest::addRow("uppercuts with dirty boxing") << statistics({{12, 1}, {13, 2}, {26, 3}, {27, 5}}) << 3 << "4/7";
        QTest::addRow("elbows before the kicks") << statistics({{24, 2}, {25, 3}, {14, 9}}) << 4 << "2/3";
        QTest::addRow("low kicks") << statistics({{14, 9}, {15, 11}}) << 5 << "9/11";
        QTest::addRow("knees") << statistics({{22, 1}, {23, 6}}) << 9 << "1/6";
        QTest::addRow("blocks") << statistics({{30, 4}, {31, 5}, {32, 6}, {33, 7}}) << 10 << "10/12";
        QTest::addRow("dodges") << statistics({{34, 1}, {35, 2}, {36, 3}, {37, 4}}) << 11 << "4/6";
        QTest::addRow("counters") << statistics({{38, 2}, {39, 3}, {40, 1}, {41, 8}}) << 12 << "3/11";
        QTest::addRow("knockdowns scored, suffered not shown") << statistics({{42, 2}, {43, 5}}) << 13 << "2";
        QTest::addRow("mindset and health not shown") << statistics({{0, 7}, {1, 8}, {2, 9}, {5, 3}}) << 0 << "0/0";
        QTest::addRow("empty vector") << QVector<int>() << 1 << "0/0";
        QTest::addRow("empty vector, knockdowns") << QVector<int>() << 13 << "0";
        // Hooks landed are there, body punches thrown are not.
        QTest::addRow("cut short") << statistics({{8, 3}, {9, 4}}, 29) << 1 << "3/4";
    }
    void rowTexts()
    {
        QFETCH(QVector<int>, stats);
        QFETCH(int, row);
        QFETCH(QString, text);
        QCOMPARE(StatisticsBox::rowText(stats, row), text);
    }

    void theBoxHoldsTheTitleAndFourteenRowsInOrder()
    {
        QWidget box;
        VisitWidgets visit;
        StatisticsBox::build(visit, &box, statistics({{6, 12}, {7, 30}, {42, 1}}));
        auto *grid = qobject_cast<QGridLayout *>(box.layout());
        QVERIFY(grid);
        QCOMPARE(grid->spacing(), 0);
        auto *title = ShellTest::cell<QLabel>(grid, 0, 0);
        QCOMPARE(title->text(), QString("Fighter Statistics (Landed/Thrown)"));
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(title), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(columnSpan, 2);

        const QStringList labels = {"Jabs", "Hooks", "Crosses", "Uppercuts", "Elbows", "Low Kicks",
                                    "Mid Kicks", "High Kicks", "Front Kicks", "Knees", "Blocks",
                                    "Dodges", "Counters", "Knockdowns"};
        const QStringList fields = {"stat_jabs", "stat_hooks", "stat_crosses", "stat_uppercuts",
                                    "stat_elbows", "stat_low_kicks", "stat_mid_kicks", "stat_high_kicks",
                                    "stat_front_kicks", "stat_knees", "stat_blocks", "stat_dodges",
                                    "stat_counters", "stat_knockdowns"};
        for (int i = 0; i < StatisticsBox::rowCount; ++i) {
            auto *label = ShellTest::cell<QLabel>(grid, i + 1, 0);
            auto *field = ShellTest::cell<QLineEdit>(grid, i + 1, 1);
            QCOMPARE(label->text(), labels.at(i));
            QCOMPARE(field->objectName(), fields.at(i));
            QVERIFY(field->isReadOnly());
        }
        QCOMPARE(ShellTest::widget<QLineEdit>(&box, "stat_jabs")->text(), QString("12/30"));
        QCOMPARE(ShellTest::widget<QLineEdit>(&box, "stat_knockdowns")->text(), QString("1"));

        // The visit's widgets cleared, the box keeps its grid and can be
        // filled again.
        visit.clear();
        QCOMPARE(grid->count(), 0);
        QVERIFY(box.findChildren<QWidget *>().isEmpty());
        StatisticsBox::build(visit, &box, QVector<int>());
        QCOMPARE(box.layout(), grid);
        QCOMPARE(box.findChildren<QLineEdit *>().size(), StatisticsBox::rowCount);
        QCOMPARE(ShellTest::widget<QLineEdit>(&box, "stat_jabs")->text(), QString("0/0"));
    }
};

QTEST_MAIN(TestPostEventStatistics)
#include "tst_postevent_statistics.moc"
