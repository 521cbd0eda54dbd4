#include <QtTest>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "TestSupport.h"
#include "ui/ShellTestSupport.h"
#include "ui/WidgetFinder.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/Module_Help.h"
#include "ui/shell/Module_MainMenu.h"
#include "records/GameDataStream.h"

namespace {

const char *const helpFile = "./Resources/Defaults/help_screen_data.dat";
using TopicMap = QMap<QString, QString>;

// Writes ten maps; each map's pairs go out in the order given, which need
// not be the key order.
void writeHelpFile(const QVector<QVector<QPair<QString, QString>>> &screens)
{
    QDir().mkpath(QStringLiteral("./Resources/Defaults"));
    QFile file(QString::fromLatin1(helpFile));
    QVERIFY(file.open(QIODevice::WriteOnly));
    GameDataStream out(&file);
    for (const auto &pairs : screens) {
        out << quint32(pairs.size());
        for (const auto &pair : pairs)
            out << pair.first << pair.second;
    }
}

QVector<QVector<QPair<QString, QString>>> sampleScreens()
{
    QVector<QVector<QPair<QString, QString>>> screens(10);
    // Six New Game topics, written out of order; "B" sorts before "a".
    screens[0] = {{"c topic", "text c"}, {"B topic", "text B"}, {"a topic", "text a"},
                  {"Z topic", "text Z"}, {"d topic", "text d"}, {"1 first", "text 1"}};
    screens[4] = {{"Only", "events text"}};
    screens[5] = {{"x", "db x"}, {"y", "db y"}, {"z", "db z"}};
    screens[9] = {{"Q1", "faq 1"}, {"Q2", "faq 2"}};
    return screens;
}

void writePicture(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(8, 5, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QVERIFY(image.save(path));
}

QComboBox *screenChooser(Module_Help *help) { return ShellTest::widget<QComboBox>(help, "help_screen_chooser"); }
QComboBox *topicChooser(Module_Help *help) { return ShellTest::widget<QComboBox>(help, "help_topic_chooser"); }
QString shownText(Module_Help *help) { return ShellTest::widget<QTextEdit>(help, "help_text")->toPlainText(); }

QStringList itemsOf(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QString writeBytes(const QByteArray &bytes)
{
    const QString path = QStringLiteral("damaged_help.dat");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QString picture(const char *name)
{
    return QStringLiteral("./Resources/Backgrounds/helpscreen_%1.jpg").arg(QLatin1String(name));
}

QPushButton *visibleButton(QWidget *screen, const QString &text)
{
    for (QPushButton *button : screen->findChildren<QPushButton *>()) {
        if (button->text() == text && !button->isHidden())
            return button;
    }
    return nullptr;
}

} // namespace

// The help screen: its two choosers, the topics in key order, the text and
// the picture of each topic, and the way back.
class TestHelpScreen : public QObject
{
    Q_OBJECT

private:
    Module_Help *openHelp()
    {
        ModuleManager::Instance()->changeScreen(new Module_Help);
        return ShellTest::screen<Module_Help>();
    }

private slots:
    void init()
    {
        QDir(QStringLiteral("./Resources")).removeRecursively();
        writeHelpFile(sampleScreens());
        ShellTest::startGame();
    }
    void cleanup() { ShellTest::stopGame(); }

    void opensOnTheFirstTopicOfNewGame()
    {
        writePicture(picture("newgame_1"));
        writePicture(QStringLiteral("./Resources/TopMenu/top_newgame_icon_up.png"));
        Module_Help *help = openHelp();
        if (!help)
            return;
        QCOMPARE(itemsOf(screenChooser(help)),
                 QStringList({"New Game", "Profile", "Training", "Management", "Events", "Database",
                              "Organizations", "Next Day", "Combat", "FAQ"}));
        QCOMPARE(screenChooser(help)->currentIndex(), 0);
        QCOMPARE(topicChooser(help)->currentText(), QStringLiteral("1 first"));
        QCOMPARE(shownText(help), QStringLiteral("text 1"));
        QCOMPARE(help->shownPicture(), picture("newgame_1"));
        QVERIFY(!ShellTest::widget<QLabel>(help, "help_picture")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(!ShellTest::widget<QLabel>(help, "help_icon")->pixmap(Qt::ReturnByValue).isNull());
    }

    void aLongTopicOpensAtItsFirstLine_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addRow("the first topic, shown with the screen") << 0;
        QTest::addRow("a topic chosen later") << 1;
    }

    void aLongTopicOpensAtItsFirstLine()
    {
        QFETCH(int, topic);
        const QString longText = QStringLiteral("A paragraph of help.\n").repeated(80);
        QVector<QVector<QPair<QString, QString>>> screens = sampleScreens();
        screens[0] = {{"1 long", longText}, {"2 long", longText}};
        writeHelpFile(screens);
        ModuleManager::Instance()->window()->show();
        Module_Help *help = openHelp();
        if (!help)
            return;
        topicChooser(help)->setCurrentIndex(topic);
        QCoreApplication::processEvents();
        auto *text = ShellTest::widget<QTextEdit>(help, "help_text");
        QVERIFY(text->isReadOnly());
        QVERIFY(text->verticalScrollBar()->maximum() > 0);
        QCOMPARE(text->verticalScrollBar()->value(), 0);
    }

    void topicsFollowTheKeysCharacterCodes()
    {
        Module_Help *help = openHelp();
        if (!help)
            return;
        QCOMPARE(itemsOf(topicChooser(help)),
                 QStringList({"1 first", "B topic", "Z topic", "a topic", "c topic", "d topic"}));
        topicChooser(help)->setCurrentIndex(3);
        QCOMPARE(shownText(help), QStringLiteral("text a"));
    }

    void pictureFollowsScreenAndTopic_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("expected");
        const char *const newGame[] = {"newgame_1", "newgame_1", "newgame_2", "newgame_2",
                                       "gettingstarted", "gettingstarted"};
        for (int topic = 0; topic < 6; ++topic)
            QTest::addRow("new game topic %d", topic) << 0 << topic << picture(newGame[topic]);
        QTest::addRow("database topic 0") << 5 << 0 << picture("database_1");
        QTest::addRow("database topic 1") << 5 << 1 << picture("database_1");
        QTest::addRow("database topic 2") << 5 << 2 << picture("database_2");
        QTest::addRow("events") << 4 << 0 << picture("events");
        QTest::addRow("faq topic 0") << 9 << 0 << picture("dummy_1");
        QTest::addRow("faq topic 1") << 9 << 1 << picture("dummy_1");
        // No topics at all: the first picture of the help screen.
        QTest::addRow("empty profile") << 1 << -1 << picture("profile_1");
        QTest::addRow("empty combat") << 8 << -1 << picture("combat_1");
    }

    void pictureFollowsScreenAndTopic()
    {
        QFETCH(int, screen);
        QFETCH(int, topic);
        QFETCH(QString, expected);
        Module_Help *help = openHelp();
        if (!help)
            return;
        screenChooser(help)->setCurrentIndex(screen);
        if (topic >= 0)
            topicChooser(help)->setCurrentIndex(topic);
        QCOMPARE(topicChooser(help)->currentIndex(), topic);
        QCOMPARE(help->shownPicture(), expected);
    }

    void faqShowsTheCombatIcon()
    {
        writePicture(QStringLiteral("./Resources/TopMenu/top_combat_icon_up.png"));
        Module_Help *help = openHelp();
        if (!help)
            return;
        auto *icon = ShellTest::widget<QLabel>(help, "help_icon");
        QVERIFY(icon->pixmap(Qt::ReturnByValue).isNull()); // no New Game icon in this folder
        screenChooser(help)->setCurrentIndex(9);
        QVERIFY(!icon->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(shownText(help), QStringLiteral("faq 1"));
    }

    void changingScreenShowsItsFirstTopic()
    {
        Module_Help *help = openHelp();
        if (!help)
            return;
        topicChooser(help)->setCurrentIndex(4);
        screenChooser(help)->setCurrentIndex(5);
        QCOMPARE(itemsOf(topicChooser(help)), QStringList({"x", "y", "z"}));
        QCOMPARE(shownText(help), QStringLiteral("db x"));
        screenChooser(help)->setCurrentIndex(2);
        QCOMPARE(topicChooser(help)->count(), 0);
        QVERIFY(shownText(help).isEmpty());
    }

    void withoutTheFileEveryScreenIsEmpty()
    {
        QFile::remove(QString::fromLatin1(helpFile));
        Module_Help *help = openHelp();
        if (!help)
            return;
        for (int screen = 0; screen < 10; ++screen) {
            screenChooser(help)->setCurrentIndex(screen);
            QCOMPARE(topicChooser(help)->count(), 0);
            QVERIFY(shownText(help).isEmpty());
        }
    }

    void damagedFileKeepsWhatReadWhole_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<int>("wholeMaps");
        QTest::addRow("huge count") << QByteArray("\x7f\xff\xff\xff", 4) << 2;
        QTest::addRow("count past the end") << QByteArray("\x00\x00\x00\x05\x00\x00\x00\x02\x00\x41", 10) << 2;
        QTest::addRow("null byte count") << QByteArray("\xff\xff\xff\xff", 4) << 2;
        QTest::addRow("nothing more") << QByteArray() << 2;
    }

    void damagedFileKeepsWhatReadWhole()
    {
        QFETCH(QByteArray, tail);
        QFETCH(int, wholeMaps);
        QByteArray bytes;
        {
            GameDataStream out(&bytes, QIODevice::WriteOnly);
            out << TopicMap({{"one", "1"}}) << TopicMap({{"two", "2"}});
        }
        bytes += tail;
        const QVector<TopicMap> maps = Module_Help::readHelpData(writeBytes(bytes));
        QCOMPARE(maps.size(), 10);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(maps.at(i).isEmpty(), i >= wholeMaps);
    }

    void wayBackOnlyFromTheMainMenu()
    {
        Module_Help *fromMenu = openHelp();
        if (!fromMenu)
            return;
        QPushButton *back = visibleButton(fromMenu, QStringLiteral("Back to Main Menu"));
        QVERIFY(back);
        back->click();
        QVERIFY(ShellTest::currentScreenAs<Module_MainMenu>());

        ModuleManager::Instance()->showTopMenu();
        Module_Help *inGame = openHelp();
        if (!inGame)
            return;
        QVERIFY(!visibleButton(inGame, QStringLiteral("Back to Main Menu")));
    }
};

QTEST_MAIN(TestHelpScreen)
#include "tst_help_screen.moc"
