#include <QtTest>

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "ShellArtWriter.h"
#include "TestSupport.h"
#include "HelpScreenWriter.h"
#include "world/ResourcePaths.h"

using TestFiles::digestOfTree;

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// The look of the window as the generator writes it: the two style sheets
// and every picture they and the main menu name.
class TestShellArt : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_build;

    QString inBuild(const QString &relative) const { return QDir(m_build.path()).filePath(relative); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_build.isValid());
        QVERIFY(ShellArtWriter::write(m_build.path()));
    }

    void picturesOfTheWindow_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addRow("background") << "Resources/Backgrounds/MainBackground.jpg" << QSize(1100, 700);
        QTest::addRow("title") << "Resources/Backgrounds/MainMenuTitlePic.jpg" << QSize(760, 260);
    }

    void picturesOfTheWindow()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage picture(inBuild(path));
        QCOMPARE(picture.size(), size);
    }

    void everyScreenGetsTheBackground()
    {
        const QString sheet = readText(inBuild(ResourcePaths::screenStyleSheetFile()));
        const QString selectors = sheet.left(sheet.indexOf('{'));
        for (const char *screen : {"Module_MainMenu", "Module_NewGame", "Module_SaveLoad", "Module_Help",
                                   "Module_Profile", "Module_Training", "Module_Management", "Module_Events",
                                   "Module_NextDay", "Module_Database", "Module_Orgs", "Module_UserEvents",
                                   "Module_PostEvent"})
            QVERIFY2(selectors.contains(QLatin1String(screen)), screen);
        QVERIFY(sheet.contains("url(./Resources/Backgrounds/MainBackground.jpg)"));
    }

    void menuButtonsHaveAPictureForEachState_data()
    {
        QTest::addColumn<QString>("objectName");
        for (const char *name : {"profile_module_btn", "training_module_btn", "management_module_btn",
                                 "events_module_btn", "fighterdb_module_btn", "org_module_btn", "next_day_btn",
                                 "save_module_btn", "help_module_btn", "back_mainmenu_btn"})
            QTest::addRow("%s", name) << name;
    }

    void menuButtonsHaveAPictureForEachState()
    {
        QFETCH(QString, objectName);
        const QString sheet = readText(inBuild(ResourcePaths::menuStyleSheetFile()));
        QVector<QImage> pictures;
        for (const QString state : {"", ":hover", ":flat", ":pressed"}) {
            const QRegularExpression rule(QRegularExpression::escape("QPushButton#" + objectName + state + " {")
                                          + " border-image: url\\(([^)]+)\\); }");
            const QRegularExpressionMatch match = rule.match(sheet);
            QVERIFY2(match.hasMatch(), qPrintable(objectName + state));
            const QImage picture(inBuild(match.captured(1)));
            QCOMPARE(picture.size(), QSize(70, 70));
            pictures << picture;
        }
        // Raised, hovered, current and pressed look different.
        for (int i = 0; i < pictures.size(); ++i) {
            for (int j = i + 1; j < pictures.size(); ++j)
                QVERIFY(pictures[i] != pictures[j]);
        }
    }

    void controlsShowDrawnArrows_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<bool>("up");
        QTest::addRow("spin box up") << "QSpinBox::up-arrow" << true;
        QTest::addRow("spin box down") << "QSpinBox::down-arrow" << false;
        QTest::addRow("scroll bar up") << "QScrollBar::up-arrow:vertical" << true;
        QTest::addRow("scroll bar down") << "QScrollBar::down-arrow:vertical" << false;
    }

    void controlsShowDrawnArrows()
    {
        QFETCH(QString, selector);
        QFETCH(bool, up);
        const QString sheet = readText(inBuild(ResourcePaths::screenStyleSheetFile()));
        const QRegularExpression rule("\\n" + QRegularExpression::escape(selector) + " \\{ image: url\\(\\./([^)]+)\\);");
        const QRegularExpressionMatch match = rule.match(sheet);
        QVERIFY2(match.hasMatch(), qPrintable(selector));
        const QImage arrow(inBuild(match.captured(1)));
        QVERIFY(!arrow.isNull());
        // Solid near its tip, clear beside it: the tip is at the top for up.
        const int tipRow = up ? 1 : arrow.height() - 2;
        const int baseRow = up ? arrow.height() - 2 : 1;
        QVERIFY(qAlpha(arrow.pixel(arrow.width() / 2, tipRow)) > 128);
        QCOMPARE(qAlpha(arrow.pixel(0, tipRow)), 0);
        QVERIFY(qAlpha(arrow.pixel(1, baseRow)) > 0);
    }

    void aFocusedButtonLooksHoveredWithoutAnOutline()
    {
        const QString sheet = readText(inBuild(ResourcePaths::screenStyleSheetFile()));
        QVERIFY(sheet.contains("QPushButton:hover, QPushButton:focus {"));
        const int buttonRule = sheet.indexOf("QPushButton {");
        QVERIFY(sheet.mid(buttonRule, sheet.indexOf('}', buttonRule) - buttonRule).contains("outline: none;"));
        // Pressed still wins over focused.
        QVERIFY(sheet.indexOf("QPushButton:pressed {") > sheet.indexOf("QPushButton:hover, QPushButton:focus {"));

        const QString menu = readText(inBuild(ResourcePaths::menuStyleSheetFile()));
        QVERIFY(menu.contains("QPushButton { border: none; background: transparent; outline: none; }"));
        const QRegularExpression focus("QPushButton#next_day_btn:focus \\{ border-image: url\\(([^)]+)\\); }");
        const QRegularExpression hover("QPushButton#next_day_btn:hover \\{ border-image: url\\(([^)]+)\\); }");
        QCOMPARE(focus.match(menu).captured(1), hover.match(menu).captured(1));
        QVERIFY(menu.indexOf("next_day_btn:flat") > menu.indexOf("next_day_btn:focus"));
    }

    void writingAgainGivesTheSameBytes()
    {
        QTemporaryDir again;
        QVERIFY(ShellArtWriter::write(again.path()));
        QCOMPARE(digestOfTree(again.path()), digestOfTree(m_build.path()));
    }

private slots:
    // The help pictures are sketches of the screens: every caption line fits
    // inside its box, so no word is cut off at a box's edge.
    void captionsFitTheirBoxes()
    {
        QCOMPARE(HelpScreenWriter::captionsTooWide(), QStringList());
        QCOMPARE(HelpScreenWriter::captionsTooTall(), QStringList());
    }

};

QTEST_MAIN(TestShellArt)
#include "tst_shell_art.moc"
