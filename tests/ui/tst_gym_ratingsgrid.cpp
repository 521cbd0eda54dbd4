#include <QtTest>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QWidget>

#include <memory>

#include "records/SkillTable.h"
#include "ui/gym/RatingsGrid.h"

// The shared sheet of the 48 ratings: where each widget sits, what it is
// named and what it shows.
class TestGymRatingsGrid : public QObject
{
    Q_OBJECT

private slots:
    void places_data()
    {
        QTest::addColumn<int>("skill");
        QTest::addColumn<int>("titleRow");
        QTest::addColumn<int>("titleColumn");
        QTest::addColumn<int>("valueRow");
        QTest::addColumn<int>("valueColumn");
        QTest::addRow("Jab, first of the left half") << int(SkillTable::Jab) << 0 << 0 << 1 << 3;
        QTest::addRow("Clinch Footwork, last of the left half")
            << int(SkillTable::ClinchFootwork) << 25 << 0 << 29 << 3;
        QTest::addRow("Strength, first of the right half") << int(SkillTable::Strength) << 0 << 4 << 1 << 7;
        QTest::addRow("Perseverance, last of all") << int(SkillTable::Perseverance) << 25 << 4 << 29 << 7;
        QTest::addRow("Off. Awareness") << int(SkillTable::OffAwareness) << 20 << 4 << 21 << 7;
    }

    void places()
    {
        QFETCH(int, skill);
        QFETCH(int, titleRow);
        QFETCH(int, titleColumn);
        QFETCH(int, valueRow);
        QFETCH(int, valueColumn);
        QWidget panel;
        auto *grid = new QGridLayout(&panel);
        RatingsGrid sheet(&panel, grid, RatingsGrid::numbered("v_"));
        const int group = skill / SkillTable::SkillsPerGroup;
        QCOMPARE(cellOf(grid, sheet.title(group)), QRect(titleColumn, titleRow, 4, 1));
        QCOMPARE(cellOf(grid, sheet.caption(skill)), QRect(titleColumn, valueRow, 3, 1));
        QCOMPARE(cellOf(grid, sheet.value(skill)), QRect(valueColumn, valueRow, 1, 1));
        QCOMPARE(grid->count(), 12 + 48 + 48);
        QCOMPARE(grid->rowCount(), 30);
        QCOMPARE(panel.size(), QSize(370, 550));
        for (int column = 0; column < 8; ++column)
            QCOMPARE(grid->columnStretch(column), (column % 4 == 1 || column % 4 == 2) ? 1 : 0);
    }

    void captionNames_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::addRow("one word") << "Jab" << "jab_value";
        QTest::addRow("dot and blank") << "Off. Awareness" << "off_awareness_value";
        QTest::addRow("trailing dot") << "Dirty Box Def." << "dirty_box_def_value";
    }

    void captionNames()
    {
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QCOMPARE(RatingsGrid::captionObjectName(caption), name);
    }

    // Every namer gives 48 different names, so each value can be found.
    void namesAreDistinct_data()
    {
        QTest::addColumn<bool>("byCaption");
        QTest::addRow("by caption") << true;
        QTest::addRow("numbered") << false;
    }

    void namesAreDistinct()
    {
        QFETCH(bool, byCaption);
        QWidget panel;
        RatingsGrid sheet(&panel, new QGridLayout(&panel),
                          byCaption ? RatingsGrid::namedByCaption() : RatingsGrid::numbered("growth_value_"));
        QSet<QString> names;
        for (int skill = 0; skill < SkillTable::SkillCount; ++skill) {
            QVERIFY(sheet.value(skill)->isReadOnly());
            names.insert(sheet.value(skill)->objectName());
        }
        QCOMPARE(names.size(), int(SkillTable::SkillCount));
        QVERIFY(names.contains(byCaption ? "jab_value" : "growth_value_47"));
    }

    void captionOverride()
    {
        const QMap<int, QString> overrides{{SkillTable::DirtyBoxing, "Dirty Box"},
                                           {SkillTable::DirtyBoxDef, "Dirty Boxing"}};
        QWidget panel;
        RatingsGrid sheet(&panel, new QGridLayout(&panel), RatingsGrid::namedByCaption(overrides), overrides);
        QCOMPARE(sheet.caption(SkillTable::DirtyBoxing)->text(), QString("Dirty Box"));
        QCOMPARE(sheet.caption(SkillTable::DirtyBoxDef)->text(), QString("Dirty Boxing"));
        QCOMPARE(sheet.caption(SkillTable::BodyPunching)->text(), QString("Body Punching"));
        QCOMPARE(sheet.title(11)->text(), QString("Mental - Discipline"));
        QVERIFY(panel.findChild<QLineEdit *>("dirty_boxing_value") == sheet.value(SkillTable::DirtyBoxDef));
    }

    // Leaving a page deletes the sheet's widgets; a screen deleted first
    // takes them along and the sheet then has nothing left to delete.
    void lifetime()
    {
        QWidget panel;
        auto *grid = new QGridLayout(&panel);
        auto sheet = std::make_unique<RatingsGrid>(&panel, grid, RatingsGrid::namedByCaption());
        sheet.reset();
        QCOMPARE(panel.findChildren<QWidget *>().size(), 0);
        QCOMPARE(grid->count(), 0);

        auto *screen = new QWidget;
        sheet = std::make_unique<RatingsGrid>(screen, new QGridLayout(screen), RatingsGrid::namedByCaption());
        delete screen;
        QVERIFY(sheet->value(0) == nullptr);
        sheet.reset();
    }

private:
    static QRect cellOf(QGridLayout *grid, QWidget *widget)
    {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(widget), &row, &column, &rows, &columns);
        return QRect(column, row, columns, rows);
    }
};

QTEST_MAIN(TestGymRatingsGrid)
#include "tst_gym_ratingsgrid.moc"
