#include <QtTest>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/shell/Module_Help.h"
#include "ui/shell/Module_MainMenu.h"

// The screen tests' finders: a missing widget, cell or screen fails the
// case, not the whole test program.
class TestShellWidgetFinder : public QObject
{
    Q_OBJECT

private slots:
    void findsTheNamedChild()
    {
        QWidget page;
        auto *title = new QLabel(&page);
        title->setObjectName("title_label");
        QCOMPARE(ShellTest::widget<QLabel>(&page, "title_label"), title);
    }

    // The expected failure is the finder's; the case then goes on with a
    // blank stand-in, and a second look still misses.
    void missingChildFailsTheCase()
    {
        QWidget page;
        QEXPECT_FAIL("", "the finder fails the case for a missing widget", Continue);
        QVERIFY(ShellTest::widget<QLabel>(&page, "title_label")->text().isEmpty());
        QVERIFY(!page.findChild<QLabel *>("title_label"));
    }

    void cellHoldsAWidgetOfItsClass_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("found");
        QTest::addRow("the title's cell") << 0 << 0 << true;
        QTest::addRow("a cell of another class") << 0 << 1 << false;
        QTest::addRow("an empty cell") << 1 << 1 << false;
        QTest::addRow("outside the grid") << 5 << 0 << false;
    }
    // Any other cell fails the case, which goes on with a blank stand-in
    // that the grid's widget owns.
    void cellHoldsAWidgetOfItsClass()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, found);
        QWidget page;
        auto *grid = new QGridLayout(&page);
        auto *title = new QLabel("Title");
        grid->addWidget(title, 0, 0);
        grid->addWidget(new QLineEdit, 0, 1);
        grid->addWidget(new QLabel("Below"), 1, 0);
        if (!found)
            QEXPECT_FAIL("", "the finder fails the case for a cell without a label", Continue);
        const QLabel *label = ShellTest::cell<QLabel>(grid, row, column);
        QCOMPARE(label == title, found);
        QCOMPARE(label->text(), QString(found ? "Title" : ""));
        QCOMPARE(label->parentWidget(), &page);
    }

    void buttonReadsItsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hiddenToo");
        QTest::addColumn<QString>("found");
        QTest::addRow("a shown button") << "Save" << false << "save_button";
        QTest::addRow("a hidden one, skipped") << "Back" << false << "";
        QTest::addRow("a hidden one, included") << "Back" << true << "back_button";
        QTest::addRow("no button of that text") << "Load" << true << "";
    }
    // A button not found fails the case, which goes on with a blank stand-in
    // on the parent.
    void buttonReadsItsText()
    {
        QFETCH(QString, text);
        QFETCH(bool, hiddenToo);
        QFETCH(QString, found);
        QWidget page;
        (new QPushButton("Save", &page))->setObjectName("save_button");
        auto *back = new QPushButton("Back", &page);
        back->setObjectName("back_button");
        back->hide();
        if (found.isEmpty())
            QEXPECT_FAIL("", "the finder fails the case for a button not found", Continue);
        const auto hidden = hiddenToo ? ShellTest::HiddenButtons::Included : ShellTest::HiddenButtons::Skipped;
        const QPushButton *button = ShellTest::button(&page, text, hidden);
        QCOMPARE(button->objectName(), found);
        QCOMPARE(button->text(), QString(found.isEmpty() ? "" : text));
        QCOMPARE(button->parentWidget(), &page);
    }

    // Another screen, or none, fails the case and gives no screen: none
    // can stand in.
    void screenIsTheCurrentOneOfItsClass()
    {
        ShellTest::startGame();
        QCOMPARE(ShellTest::screen<Module_MainMenu>(), ModuleManager::Instance()->currentScreen());
        QEXPECT_FAIL("", "the finder fails the case for another screen", Continue);
        const Module_Help *help = ShellTest::screen<Module_Help>();
        ShellTest::stopGame();
        QVERIFY(!help);
        QEXPECT_FAIL("", "the finder fails the case when no screen is shown", Continue);
        QVERIFY(!ShellTest::screen<Module_MainMenu>());
    }
};

QTEST_MAIN(TestShellWidgetFinder)
#include "tst_shell_widgetfinder.moc"
