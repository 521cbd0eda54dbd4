#include <QtTest>

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
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

    void missingChildFailsTheCase_data()
    {
        QTest::addColumn<bool>("onThePage");
        QTest::addRow("a page without it") << true;
        QTest::addRow("no parent") << false;
    }
    // The expected failure is the finder's; the case then goes on with a
    // blank stand-in, and a second look still misses. With no parent to
    // own it, the stand-in outlives the deletions the event loop runs.
    void missingChildFailsTheCase()
    {
        QFETCH(bool, onThePage);
        QWidget page;
        QWidget *parent = onThePage ? &page : nullptr;
        QEXPECT_FAIL("", "the finder fails the case for a missing widget", Continue);
        const QPointer<QLabel> standIn = ShellTest::widget<QLabel>(parent, "title_label");
        QVERIFY(standIn->text().isEmpty());
        QVERIFY(!page.findChild<QLabel *>("title_label"));
        QCOMPARE(standIn->parentWidget(), parent);
        ShellTest::flushDeletions();
        QVERIFY(standIn);
    }

    void cellHoldsAWidgetOfItsClass_data()
    {
        QTest::addColumn<bool>("gridGiven");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("found");
        QTest::addRow("the title's cell") << true << 0 << 0 << true;
        QTest::addRow("a cell of another class") << true << 0 << 1 << false;
        QTest::addRow("an empty cell") << true << 1 << 1 << false;
        QTest::addRow("outside the grid") << true << 5 << 0 << false;
        QTest::addRow("no grid") << false << 0 << 0 << false;
    }
    // Any other cell fails the case, which goes on with a blank stand-in
    // that the grid's widget owns, or nothing without a grid.
    void cellHoldsAWidgetOfItsClass()
    {
        QFETCH(bool, gridGiven);
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
        const QLabel *label = ShellTest::cell<QLabel>(gridGiven ? grid : nullptr, row, column);
        QCOMPARE(label == title, found);
        QCOMPARE(label->text(), QString(found ? "Title" : ""));
        QCOMPARE(label->parentWidget(), gridGiven ? &page : nullptr);
    }

    void buttonReadsItsText_data()
    {
        QTest::addColumn<bool>("parentGiven");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hiddenToo");
        QTest::addColumn<QString>("found");
        QTest::addRow("a shown button") << true << "Save" << false << "save_button";
        QTest::addRow("a hidden one, skipped") << true << "Back" << false << "";
        QTest::addRow("a hidden one, included") << true << "Back" << true << "back_button";
        QTest::addRow("no button of that text") << true << "Load" << true << "";
        QTest::addRow("no parent") << false << "Save" << true << "";
    }
    // A button not found fails the case, which goes on with a blank stand-in
    // on the parent, or on none without a parent.
    void buttonReadsItsText()
    {
        QFETCH(bool, parentGiven);
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
        const QPushButton *button = ShellTest::button(parentGiven ? &page : nullptr, text, hidden);
        QCOMPARE(button->objectName(), found);
        QCOMPARE(button->text(), QString(found.isEmpty() ? "" : text));
        QCOMPARE(button->parentWidget(), parentGiven ? &page : nullptr);
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
