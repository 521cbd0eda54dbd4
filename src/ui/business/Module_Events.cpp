#include "Module_Events.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/Fighter.h"
#include "records/Match.h"
#include "records/TextDate.h"
#include "ui/shell/GameDialog.h"
#include "ui/shell/NameFields.h"
#include "ui/shell/ObjectNames.h"
#include "ui/shell/WrappedLines.h"
#include "world/ResourcePaths.h"
#include "world/World.h"

using ObjectNames::named;

namespace {

// The card's six rows, in the order of the event's texts.
struct InfoRow
{
    const char *label;
    const char *field;
};

const InfoRow infoRows[] = {
    {"Event Name:", "event_name_edit"},
    {"Organization:", "organization_edit"},
    {"Event City:", "event_city_edit"},
    {"Prestige Level:", "prestige_level_edit"},
    {"Event Type:", "event_type_edit"},
    {"Title (if any):", "title_edit"},
};

const int eventNameField = 0;
const int organizationField = 1;

const char *const alreadySignedMessage = "This fighter is already signed to a contract.";
const char *const notAvailableMessage =
    "The event is not available. \nKeep in mind the organization is not going to want to sign a 1 match "
    "contract for the main event.";

} // namespace

Module_Events::Module_Events(QWidget *parent)
    : ScreenFrame(parent)
    , outerLayout(new QGridLayout)
    , leftColumn(new QWidget)
    , leftLayout(new QVBoxLayout)
    , infoBlock(new QWidget)
    , infoLayout(new QGridLayout)
    , cardBlock(new QWidget)
    , cardLayout(new QVBoxLayout)
    , negotiationBlock(new QWidget)
    , negotiationLayout(new QVBoxLayout)
{
    buildLayout();
    setLayout(outerLayout);
}

Module_Events::~Module_Events() = default;

int Module_Events::purseOf(const QString &text)
{
    bool isNumber = false;
    const int purse = text.toInt(&isNumber);
    return isNumber ? purse : 0;
}

void Module_Events::createWidgets()
{
    const QDate today = World::Instance().getDate();
    dateLabel = named(new QLabel(QStringLiteral("Today's Date: ") + TextDate::longText(today)),
                      QStringLiteral("date_label"));
    calendar = named(new QCalendarWidget, QStringLiteral("events_calendar"));
    calendar->setSelectedDate(today);
    calendar->setNavigationBarVisible(false);
    calendar->setGridVisible(true);
    dayHeaderLabel = named(new QLabel, QStringLiteral("day_header_label"));
    dayEventsList = named(new QListWidget, QStringLiteral("day_events_list"));

    for (const InfoRow &row : infoRows)
        infoFields.append(ObjectNames::readOnlyField(nullptr, QString::fromLatin1(row.field)));
    matchList = named(new QListWidget, QStringLiteral("match_list"));
    // A bout's line holds both fighters' names.
    WrappedLines::apply(matchList);
    logoLabel = named(new QLabel, QStringLiteral("logo_label"));
    logoLabel->setFixedSize(250, 250);
    logoLabel->setScaledContents(true);

    purseEdit = named(new QLineEdit(QStringLiteral("0")), QStringLiteral("purse_edit"));
    fighterCombo = named(new QComboBox, QStringLiteral("fighter_combo"));
    NameFields::keepNarrow(fighterCombo);
    QStringList names;
    World::Instance().getRosterNames(names);
    fighterCombo->addItems(names);
    negotiateButton = named(new QPushButton(QStringLiteral("Negotiate Appearance")),
                            QStringLiteral("negotiate_appearance_btn"));

    dialog.reset(new GameDialog(DialogStyle::A));
    getEvents(today);
}

void Module_Events::buildLayout()
{
    createWidgets();

    leftLayout->setSpacing(0);
    leftLayout->addWidget(dateLabel);
    leftLayout->addWidget(calendar);
    leftLayout->addWidget(dayHeaderLabel);
    leftLayout->addWidget(dayEventsList);
    leftColumn->setLayout(leftLayout);
    // Wide enough for the calendar's day names and the longer event names.
    leftColumn->setMinimumWidth(380);

    infoLayout->setSpacing(0);
    infoLayout->addWidget(new QLabel(QStringLiteral("Event Info:")), 0, 0, 1, 2);
    for (int row = 0; row < infoFields.size(); ++row) {
        infoLayout->addWidget(new QLabel(QString::fromLatin1(infoRows[row].label)), row + 1, 0);
        infoLayout->addWidget(infoFields.at(row), row + 1, 1);
    }
    infoBlock->setLayout(infoLayout);

    cardLayout->setSpacing(0);
    cardLayout->addWidget(infoBlock);
    cardLayout->addWidget(new QLabel(QStringLiteral("This Event's Matches:")));
    cardLayout->addWidget(matchList);
    cardBlock->setLayout(cardLayout);
    cardBlock->setMinimumWidth(400);

    negotiationLayout->setSpacing(0);
    negotiationLayout->addWidget(new QLabel(QStringLiteral("Single Match Purse:")));
    negotiationLayout->addWidget(purseEdit);
    negotiationLayout->addWidget(fighterCombo);
    negotiationLayout->addWidget(negotiateButton);
    negotiationBlock->setLayout(negotiationLayout);

    outerLayout->addWidget(leftColumn, 1, 1, 7, 2);
    outerLayout->addWidget(logoLabel, 2, 3, 3, 1);
    outerLayout->addWidget(negotiationBlock, 5, 3);
    outerLayout->addWidget(cardBlock, 1, 4, 5, 1);
    outerLayout->setRowStretch(0, 1);
    outerLayout->setRowStretch(9, 1);
    outerLayout->setColumnStretch(0, 1);
    outerLayout->setColumnStretch(6, 1);

    connect(calendar, &QCalendarWidget::clicked, this, &Module_Events::getEvents);
    connect(dayEventsList, &QListWidget::currentRowChanged, this, &Module_Events::showSelectedEventInfo);
    connect(negotiateButton, &QPushButton::clicked, this, &Module_Events::checkNegotiate);
}

void Module_Events::getEvents(const QDate &day)
{
    shownDay = day;
    dayHeaderLabel->setText(QStringLiteral("Events for ") + TextDate::longText(day));
    events = World::Instance().getEventsOn(day);
    // Clearing a list with a current row clears the card through its signal.
    dayEventsList->clear();
    for (const Event &event : qAsConst(events))
        dayEventsList->addItem(event.getName());
    dayEventsList->setCurrentRow(-1);
}

void Module_Events::showSelectedEventInfo(int row)
{
    matchList->clear();
    if (row < 0 || row >= events.size()) {
        for (QLineEdit *field : qAsConst(infoFields))
            field->clear();
        showOrgLogo();
        return;
    }
    QStringList texts;
    QDate date;
    QVector<Match> card;
    QStringList resultLines;
    bool playerFighterOnCard = false;
    events.at(row).getData(texts, date, card, resultLines, playerFighterOnCard);
    for (int field = 0; field < infoFields.size(); ++field) {
        infoFields.at(field)->setText(texts.value(field));
        // A long name shows its beginning.
        infoFields.at(field)->setCursorPosition(0);
    }
    for (const Match &match : qAsConst(card)) {
        QStringList sides;
        match.getTexts(sides);
        matchList->addItem(sides.value(Match::TypeText));
        matchList->addItem(sides.value(Match::FighterAText) + QStringLiteral(" vs. ")
                           + sides.value(Match::FighterBText) + QLatin1Char('\n'));
    }
    showOrgLogo();
}

void Module_Events::showOrgLogo()
{
    // A missing picture is a null one: the label shows nothing.
    logoLabel->setPixmap(QPixmap(ResourcePaths::orgLogo(infoFields.at(organizationField)->text())));
}

void Module_Events::tell(const QString &message)
{
    dialog->acceptButton()->setText(QStringLiteral("OK"));
    dialog->tell(message, DialogButton::Accept);
}

bool Module_Events::ask(const QString &question)
{
    dialog->acceptButton()->setText(QStringLiteral("Accept"));
    return dialog->ask(question);
}

void Module_Events::checkNegotiate()
{
    if (dayEventsList->currentRow() < 0) {
        tell(QStringLiteral("Please select an event."));
        return;
    }
    negotiateOneOff();
}

void Module_Events::negotiateOneOff()
{
    const int row = dayEventsList->currentRow();
    if (row < 0 || row >= events.size())
        return;
    const int purse = purseOf(purseEdit->text());
    const int position = fighterCombo->currentIndex();
    // The chosen event's own day: the calendar's selection may have moved by
    // key since the list was filled.
    const QDate eventDate = events.at(row).getDate();

    World &world = World::Instance();
    const QString organization = infoFields.at(organizationField)->text();
    const World::DealStanding standing = world.dealStanding(position, organization);
    if (standing == World::DealStanding::NoFighter) {
        tell(QStringLiteral("You have no fighters."));
        return;
    }
    if (standing != World::DealStanding::FreeAgent) {
        tell(QString::fromLatin1(alreadySignedMessage));
        return;
    }
    if (!ask(QStringLiteral("Are you sure you want to negotiate an appearance for this event?")))
        return;

    QString refusal;
    const World::Deal deal = world.negotiateAppearance(position, organization,
                                                       infoFields.at(eventNameField)->text(), eventDate, purse,
                                                       refusal);
    if (deal == World::Deal::TurnedDown) {
        tell(organization + QStringLiteral(" has turned down your offer. ") + refusal);
        return;
    }
    if (deal == World::Deal::NotBooked) {
        tell(QString::fromLatin1(notAvailableMessage));
        return;
    }
    // The world asks the standing again itself; asked above, it agrees.
    if (deal == World::Deal::RuledOut) {
        tell(QString::fromLatin1(alreadySignedMessage));
        return;
    }
    getEvents(shownDay);
    tell(QStringLiteral("The contract has been signed."));
}
