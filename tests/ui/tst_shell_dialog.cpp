#include <QtTest>

#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "ui/ModalAnswer.h"
#include "ui/shell/GameDialog.h"

Q_DECLARE_METATYPE(DialogStyle)

// The game's message and question dialog and its four looks.
class TestShellDialog : public QObject
{
    Q_OBJECT

private slots:
    void styles_data()
    {
        QTest::addColumn<DialogStyle>("style");
        QTest::addColumn<QString>("buttonStart");
        QTest::addColumn<int>("minimumWidths");
        QTest::addColumn<bool>("styledList");
        QTest::addRow("A") << DialogStyle::A << "stop: 0 #E0B687" << 0 << false;
        QTest::addRow("B") << DialogStyle::B << "stop: 0 #E0B698" << 0 << false;
        QTest::addRow("B-list") << DialogStyle::BList << "stop: 0 #E0B698" << 0 << true;
        QTest::addRow("A-wide") << DialogStyle::AWide << "stop: 0 #E0B687" << 2 << false;
    }

    void styles()
    {
        QFETCH(DialogStyle, style);
        QFETCH(QString, buttonStart);
        QFETCH(int, minimumWidths);
        QFETCH(bool, styledList);
        const QString sheet = dialogStyleSheet(style);
        QVERIFY(sheet.startsWith("QDialog {\tbackground: url(./Resources/Backgrounds/MainBackground.jpg);"));
        QVERIFY(sheet.contains(buttonStart + ", stop: 1 #704018)"));
        QCOMPARE(sheet.count("min-width: 50px;"), minimumWidths);
        QCOMPARE(sheet.contains("QListWidget, QScrollBar {"), styledList);
        QVERIFY(sheet.contains("QLabel {border: 3px groove #885038; \tbackground-color: #E0B687;"));
        QVERIFY(sheet.contains("QPushButton:pressed{ "));
        // Rules follow one another with nothing in between.
        QVERIFY(sheet.contains("}QPushButton{"));
        QVERIFY(sheet.contains("}QLabel {"));
        QVERIFY(!sheet.contains('\n'));

        GameDialog dialog(style);
        QCOMPARE(dialog.styleSheet(), sheet);
        QVERIFY(!dialog.parentWidget());
    }

    void labelIsPaintedInTheDialogColour()
    {
        GameDialog dialog(DialogStyle::B);
        dialog.label()->setText("Already at max level.");
        dialog.resize(300, 150);
        const QImage shot = dialog.label()->grab().toImage();
        QCOMPARE(QColor(shot.pixel(shot.width() / 2, 5)), QColor("#E0B687"));
    }

    void labelAboveAcceptAboveCancel()
    {
        GameDialog dialog(DialogStyle::A);
        QLayout *layout = dialog.layout();
        QCOMPARE(layout->count(), 3);
        QCOMPARE(layout->itemAt(0)->widget(), dialog.label());
        QCOMPARE(layout->itemAt(1)->widget(), dialog.acceptButton());
        QCOMPARE(layout->itemAt(2)->widget(), dialog.cancelButton());
        QCOMPARE(dialog.acceptButton()->text(), QString("Accept"));
        QCOMPARE(dialog.cancelButton()->text(), QString("Cancel"));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("agreed");
        const int click = int(ModalAnswer::Way::Click);
        QTest::addRow("question accepted") << "ask" << click << "Accept"
                                           << QStringList({"Accept", "Cancel"}) << true;
        QTest::addRow("question cancelled") << "ask" << click << "Cancel"
                                            << QStringList({"Accept", "Cancel"}) << false;
        QTest::addRow("question escaped") << "ask" << int(ModalAnswer::Way::Escape) << ""
                                          << QStringList({"Accept", "Cancel"}) << false;
        QTest::addRow("question closed") << "ask" << int(ModalAnswer::Way::CloseWindow) << ""
                                         << QStringList({"Accept", "Cancel"}) << false;
        QTest::addRow("message with accept") << "accept only" << click << "Accept"
                                             << QStringList({"Accept"}) << true;
        QTest::addRow("message with cancel") << "cancel only" << click << "Cancel"
                                             << QStringList({"Cancel"}) << false;
    }

    void answers()
    {
        QFETCH(QString, kind);
        QFETCH(int, way);
        QFETCH(QString, press);
        QFETCH(QStringList, shown);
        QFETCH(bool, agreed);
        const QString sentence = "You have no fighters to export.\nTo get a fighter, you need to pick one.";
        GameDialog dialog(DialogStyle::B);
        ModalAnswer answer(ModalAnswer::Way(way), press);
        bool result = false;
        if (kind == "ask")
            result = dialog.ask(sentence);
        else
            result = dialog.tell(sentence, kind == "accept only" ? DialogButton::Accept : DialogButton::Cancel);
        QVERIFY(answer.answered());
        QCOMPARE(answer.text(), sentence);
        QCOMPARE(answer.buttons(), shown);
        QCOMPARE(result, agreed);
    }

    void sharedDialogShowsEachMessageAnew()
    {
        GameDialog dialog(DialogStyle::B);
        {
            ModalAnswer answer("Cancel");
            dialog.tell("Please specify a file to load.", DialogButton::Cancel);
            QCOMPARE(answer.buttons(), QStringList({"Cancel"}));
        }
        ModalAnswer answer("Accept");
        QVERIFY(dialog.ask("Overwrite?"));
        QCOMPARE(answer.text(), QString("Overwrite?"));
        QCOMPARE(answer.buttons(), QStringList({"Accept", "Cancel"}));
    }

    void askOnceAsksWithTheWideLook()
    {
        ModalAnswer answer("Accept");
        QVERIFY(GameDialog::askOnce("Are you sure?"));
        QCOMPARE(answer.styleSheet(), dialogStyleSheet(DialogStyle::AWide));
    }
};

QTEST_MAIN(TestShellDialog)
#include "tst_shell_dialog.moc"
