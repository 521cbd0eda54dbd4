#include "Module_Help.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <climits>

#include "ModuleManager.h"
#include "Module_MainMenu.h"
#include "ObjectNames.h"
#include "PlainText.h"
#include "ReadingView.h"
#include "records/GameDataStream.h"

using ObjectNames::named;

namespace {

const char *const helpDataFile = "./Resources/Defaults/help_screen_data.dat";
const int helpScreenCount = 10;

// One help screen: its name, its icon and its pictures, each picture shown
// for the topics up to `lastTopic`.
struct PictureRange
{
    int lastTopic;
    const char *file;
};

struct HelpScreenLook
{
    const char *name;
    const char *icon;
    QVector<PictureRange> pictures;
};

const QVector<HelpScreenLook> &helpScreens()
{
    static const QVector<HelpScreenLook> table = {
        {"New Game", "newgame", {{1, "newgame_1"}, {3, "newgame_2"}, {INT_MAX, "gettingstarted"}}},
        {"Profile", "profile", {{2, "profile_1"}, {INT_MAX, "profile_2"}}},
        {"Training", "training", {{2, "training_1"}, {INT_MAX, "training_2"}}},
        {"Management", "management", {{3, "management_1"}, {INT_MAX, "management_2"}}},
        {"Events", "events", {{INT_MAX, "events"}}},
        {"Database", "database", {{1, "database_1"}, {INT_MAX, "database_2"}}},
        {"Organizations", "org", {{INT_MAX, "organizations"}}},
        {"Next Day", "next", {{2, "nextday_1"}, {INT_MAX, "nextday_2"}}},
        {"Combat", "combat", {{3, "combat_1"}, {INT_MAX, "combat_2"}}},
        // The FAQ shares the Combat icon; its picture is the general one.
        {"FAQ", "combat", {{INT_MAX, "dummy_1"}}},
    };
    return table;
}

const HelpScreenLook &lookOf(int index)
{
    return helpScreens().at(index >= 0 && index < helpScreenCount ? index : 0);
}

QString iconFile(int index)
{
    return QStringLiteral("./Resources/TopMenu/top_%1_icon_up.png").arg(QLatin1String(lookOf(index).icon));
}

QString helpPictureFile(int screen, int topic)
{
    // The FAQ and anything unknown show the general picture.
    const char *file = "dummy_1";
    if (screen >= 0 && screen < helpScreenCount - 1) {
        for (const PictureRange &range : helpScreens().at(screen).pictures) {
            if (topic <= range.lastTopic) {
                file = range.file;
                break;
            }
        }
    }
    return QStringLiteral("./Resources/Backgrounds/helpscreen_%1.jpg").arg(QLatin1String(file));
}

} // namespace

Module_Help::Module_Help(QWidget *parent)
    : ScreenFrame(parent)
    , mainLayout(new QGridLayout)
    , headerBox(new QWidget)
    , headerLayout(new QGridLayout)
    , screenBox(new QWidget)
    , screenBoxLayout(new QGridLayout)
    , topicBox(new QWidget)
    , topicBoxLayout(new QGridLayout)
{
    loadHelpData();
    buildLayout();
    setLayout(mainLayout);
}

QVector<QMap<QString, QString>> Module_Help::readHelpData(const QString &fileName)
{
    QVector<QMap<QString, QString>> maps(helpScreenCount);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return maps;
    GameDataStream in(&file);
    for (QMap<QString, QString> &map : maps) {
        // A topic and its text are two texts of at least a length each.
        QMultiMap<QString, QString> read;
        if (!StreamRead::readMultiMap(in, read, 8))
            break;
        for (auto it = read.cbegin(); it != read.cend(); ++it)
            map.insert(it.key(), it.value());
    }
    return maps;
}

void Module_Help::loadHelpData()
{
    helpTexts = readHelpData(QString::fromLatin1(helpDataFile));
}

void Module_Help::createWidgets()
{
    screenLabel = new QLabel(QStringLiteral("Choose screen: "));
    screenChooser = named(new QComboBox, QStringLiteral("help_screen_chooser"));
    iconLabel = named(new QLabel, QStringLiteral("help_icon"));
    topicLabel = new QLabel(QStringLiteral("Choose topic: "));
    topicChooser = named(new QComboBox, QStringLiteral("help_topic_chooser"));
    pictureLabel = named(new QLabel, QStringLiteral("help_picture"));
    helpText = named(new ReadingView, QStringLiteral("help_text"));
    // Opened from the menu bar the screen leaves it out; it is still ours.
    backButton = new QPushButton(QStringLiteral("Back to Main Menu"), this);

    iconLabel->setFixedSize(75, 75);
    iconLabel->setScaledContents(true);
    pictureLabel->setFixedSize(605, 385);
    pictureLabel->setScaledContents(true);
    for (const HelpScreenLook &look : helpScreens())
        screenChooser->addItem(QString::fromLatin1(look.name));
}

void Module_Help::buildLayout()
{
    createWidgets();

    screenBoxLayout->setSpacing(0);
    screenBoxLayout->addWidget(iconLabel, 0, 0, 2, 1);
    screenBoxLayout->addWidget(screenLabel, 0, 1, 1, 2);
    screenBoxLayout->addWidget(screenChooser, 1, 1, 1, 2);
    screenBox->setLayout(screenBoxLayout);

    topicBoxLayout->setSpacing(0);
    topicBoxLayout->addWidget(topicLabel, 0, 0);
    topicBoxLayout->addWidget(topicChooser, 1, 0);
    topicBox->setLayout(topicBoxLayout);

    headerLayout->setSpacing(0);
    headerLayout->addWidget(screenBox, 0, 0);
    headerLayout->addWidget(topicBox, 0, 1);
    headerBox->setLayout(headerLayout);

    connect(screenChooser, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &Module_Help::changeModule);
    connect(topicChooser, &QComboBox::currentTextChanged, this, &Module_Help::changeTopic);
    connect(backButton, &QPushButton::clicked, this, &Module_Help::backToMainMenu);

    if (!ModuleManager::Instance()->isTopMenuVisible())
        mainLayout->addWidget(backButton, 7, 4, 1, 2);
    else
        backButton->hide();

    screenChooser->setCurrentIndex(0);
    topicChooser->setCurrentIndex(0);
    changeModule(0);
    changeTopic(topicChooser->currentText());

    mainLayout->setRowStretch(0, 1);
    mainLayout->setRowStretch(8, 1);
    mainLayout->setColumnStretch(0, 1);
    mainLayout->setColumnStretch(9, 1);
    mainLayout->addWidget(headerBox, 1, 1, 2, 8);
    mainLayout->addWidget(helpText, 3, 6, 4, 3);
    mainLayout->addWidget(pictureLabel, 3, 1, 4, 5);
}

void Module_Help::changeModule(int index)
{
    // Filling the chooser would announce each first topic on its own;
    // the topic is shown once below instead.
    const QSignalBlocker quiet(topicChooser);
    topicChooser->clear();
    screenIndex = index;
    iconLabel->setPixmap(QPixmap(iconFile(index)));
    const QMap<QString, QString> &topics = helpTexts.at(index >= 0 && index < helpScreenCount ? index : 0);
    topicChooser->addItems(topics.keys());
    topicChooser->setCurrentIndex(0);
    if (topics.isEmpty()) {
        helpText->clear();
        showHelpPicture();
    } else {
        changeTopic(topics.firstKey());
    }
}

void Module_Help::changeTopic(const QString &topic)
{
    helpText->clear();
    const QMap<QString, QString> &topics =
        helpTexts.at(screenIndex >= 0 && screenIndex < helpScreenCount ? screenIndex : 0);
    PlainText::append(helpText, topics.value(topic));
    helpText->showFromStart();
    showHelpPicture();
}

void Module_Help::showHelpPicture()
{
    topicIndex = topicChooser->currentIndex();
    pictureFile = helpPictureFile(screenIndex, topicIndex);
    pictureLabel->setPixmap(QPixmap(pictureFile));
}

void Module_Help::backToMainMenu()
{
    ModuleManager::Instance()->changeScreen(new Module_MainMenu);
}
