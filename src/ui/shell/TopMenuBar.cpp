#include "TopMenuBar.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "ModuleManager.h"
#include "Module_Help.h"
#include "Module_MainMenu.h"
#include "Module_SaveLoad.h"
#include "StyleSheetFile.h"
#include "GameDialog.h"
#include "ui/browser/Module_Database.h"
#include "ui/browser/Module_Orgs.h"
#include "ui/business/Module_Events.h"
#include "ui/business/Module_Management.h"
#include "ui/business/Module_NextDay.h"
#include "ui/gym/Module_Profile.h"
#include "ui/gym/Module_Training.h"
#include "ui/match/Module_UserEvents.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

namespace {

const int buttonSide = 70;
const int buttonSpacing = 15;
const int sideStretch = 30;

// The buttons in ButtonID order. They carry no text: the words are their tool
// tips, and ResourcePaths::menuStyleSheetFile gives them their pictures by name.
struct MenuButton
{
    const char *toolTip;
    const char *objectName;
    void (TopMenuBar::*slot)();
};

const MenuButton menuButtons[TopMenuBar::buttonCount] = {
    {"Profile", "profile_module_btn", &TopMenuBar::changeScreenProfile},
    {"Training", "training_module_btn", &TopMenuBar::changeScreenTraining},
    {"Management", "management_module_btn", &TopMenuBar::changeScreenManagement},
    {"Events", "events_module_btn", &TopMenuBar::changeScreenEvents},
    {"Database", "fighterdb_module_btn", &TopMenuBar::changeScreenDatabase},
    {"Organizations", "org_module_btn", &TopMenuBar::changeScreenOrgs},
    {"Next Day", "next_day_btn", &TopMenuBar::changeScreenNextDay},
    {"Save/Load", "save_module_btn", &TopMenuBar::changeScreenSaveLoad},
    {"How To Play", "help_module_btn", &TopMenuBar::changeScreenHelp},
    {"Back To Main Menu", "back_mainmenu_btn", &TopMenuBar::changeScreenMainMenu},
};

bool isButtonId(int id)
{
    return id >= 0 && id < TopMenuBar::buttonCount;
}

} // namespace

TopMenuBar::TopMenuBar(QWidget *parent)
    : ScreenFrame(parent)
    , m_currentButton(ProfileButton)
    , m_barLayout(new QHBoxLayout)
{
    for (int id = 0; id < buttonCount; ++id) {
        m_buttons[id] = new QPushButton;
        m_buttons[id]->setToolTip(QString::fromLatin1(menuButtons[id].toolTip));
        m_buttons[id]->setObjectName(QString::fromLatin1(menuButtons[id].objectName));
        // The flat button alone marks the screen shown. Taking the keyboard
        // focus (the first in the window takes it whenever a screen or page
        // goes) would give another button the hover look beside it.
        m_buttons[id]->setFocusPolicy(Qt::NoFocus);
    }
    buildLayout();
}

TopMenuBar::~TopMenuBar()
{
    World::Instance().deleteGymAndManager();
}

QPushButton *TopMenuBar::button(ButtonID id) const
{
    return isButtonId(id) ? m_buttons[id] : nullptr;
}

void TopMenuBar::buildLayout()
{
    setDefaultStyleSheet();
    m_barLayout->setSpacing(buttonSpacing);
    m_barLayout->addStretch(sideStretch);
    for (int id = 0; id < buttonCount; ++id) {
        m_buttons[id]->setFixedSize(buttonSide, buttonSide);
        connect(m_buttons[id], &QPushButton::clicked, this, menuButtons[id].slot);
        m_barLayout->addWidget(m_buttons[id]);
    }
    m_barLayout->addStretch(sideStretch);
    setLayout(m_barLayout);
}

void TopMenuBar::setDefaultStyleSheet()
{
    StyleSheetFile::apply(ResourcePaths::menuStyleSheetFile(), this);
}

void TopMenuBar::unflattenButtons()
{
    for (QPushButton *button : m_buttons)
        button->setFlat(false);
}

void TopMenuBar::flattenButtons(ButtonID id)
{
    unflattenButtons();
    if (isButtonId(id))
        m_buttons[id]->setFlat(true);
}

QWidget *TopMenuBar::makeScreen(ButtonID id)
{
    switch (id) {
    case TrainingButton:
        return new Module_Training;
    case ManagementButton:
        return new Module_Management;
    case EventsButton:
        return new Module_Events;
    case DatabaseButton:
        return new Module_Database;
    case OrgsButton:
        return new Module_Orgs;
    case SaveLoadButton:
        return new Module_SaveLoad;
    case HelpButton:
        return new Module_Help;
    default:
        // Profile, and the two buttons that are never remembered.
        return new Module_Profile;
    }
}

void TopMenuBar::openScreenOf(ButtonID id)
{
    flattenButtons(id);
    m_currentButton = id;
    ModuleManager::Instance()->changeScreen(makeScreen(id));
}

void TopMenuBar::reloadCurrentScreen()
{
    ModuleManager::Instance()->changeScreen(makeScreen(m_currentButton));
}

void TopMenuBar::changeScreenProfile() { openScreenOf(ProfileButton); }
void TopMenuBar::changeScreenTraining() { openScreenOf(TrainingButton); }
void TopMenuBar::changeScreenManagement() { openScreenOf(ManagementButton); }
void TopMenuBar::changeScreenEvents() { openScreenOf(EventsButton); }
void TopMenuBar::changeScreenDatabase() { openScreenOf(DatabaseButton); }
void TopMenuBar::changeScreenOrgs() { openScreenOf(OrgsButton); }
void TopMenuBar::changeScreenSaveLoad() { openScreenOf(SaveLoadButton); }
void TopMenuBar::changeScreenHelp() { openScreenOf(HelpButton); }

void TopMenuBar::changeScreenNextDay()
{
    ModuleManager *manager = ModuleManager::Instance();
    manager->hideTopMenu();
    // The player's events of today are played before the day moves on; the
    // post-event screen comes back here until none is left.
    const QVector<Event> events = World::Instance().getTodaysPlayerEvents();
    if (!events.isEmpty())
        manager->changeScreen(new Module_UserEvents(events.first()));
    else
        manager->changeScreen(new Module_NextDay);
}

void TopMenuBar::changeScreenMainMenu()
{
    const bool accepted = GameDialog::askOnce(
        QStringLiteral("Are you sure you want to return to the main menu? \nAny unsaved progress will be lost."));
    if (!accepted)
        return;
    ModuleManager *manager = ModuleManager::Instance();
    manager->hideTopMenu();
    World::Instance().reset();
    manager->changeScreen(new Module_MainMenu);
}
