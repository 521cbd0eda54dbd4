#include "Module_Orgs.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "records/Event.h"
#include "records/TextDate.h"
#include "world/ResourcePaths.h"
#include "world/World.h"
#include "ui/shell/NameFields.h"
#include "ui/shell/ObjectNames.h"
#include "ui/shell/WrappedLines.h"

using ObjectNames::named;
using ObjectNames::readOnlyField;

namespace {

const QLatin1Char entrySeparator('|');

QWidget *titledListBox(QWidget *parent, const QString &title, QListWidget *list, const QSize &size)
{
    auto *box = new QWidget(parent);
    auto *layout = new QVBoxLayout(box);
    layout->setSpacing(0);
    layout->addWidget(new QLabel(title, box));
    list->setParent(box);
    layout->addWidget(list);
    box->setFixedSize(size);
    return box;
}

// What the world tells of one organization.
struct OrgRecords
{
    QStringList texts;
    QVector<Event> events;
    QVector<Event> lastYearEvents;
    QMultiMap<int, Fighter> roster;
    QMap<QString, QString> titles;

    explicit OrgRecords(const QString &name)
    {
        World::Instance().getOrgEventResults(name, texts, events, lastYearEvents, roster, titles);
    }
};

} // namespace

Module_Orgs::Module_Orgs(QWidget *parent)
    : ScreenFrame(parent)
    , mainGrid(new QGridLayout)
    , logoLabel(named(new QLabel(this), QStringLiteral("logo_label")))
    , infoBox(new QWidget(this))
{
    buildLayout();
    setLayout(mainGrid);
}

QString Module_Orgs::recentEventEntry(const Event &event)
{
    return TextDate::shortText(event.getDate()) + entrySeparator + event.getName();
}

void Module_Orgs::createWidgets()
{
    orgList = named(new QListWidget, QStringLiteral("org_list"));
    QStringList names;
    World::Instance().getOrgNames(names);
    orgList->addItems(names);
    orgList->setCurrentRow(0);

    nameField = readOnlyField(infoBox, QStringLiteral("org_name_field"));
    ceoField = readOnlyField(infoBox, QStringLiteral("org_ceo_field"));
    nationField = readOnlyField(infoBox, QStringLiteral("org_nation_field"));
    prestigeField = readOnlyField(infoBox, QStringLiteral("org_prestige_field"));
    bioBox = named(new QTextEdit(infoBox), QStringLiteral("org_bio_box"));
    bioBox->setReadOnly(true);

    recentEventsList = named(new QListWidget, QStringLiteral("recent_events_list"));
    rankingsList = named(new QListWidget, QStringLiteral("rankings_list"));
    championsList = named(new QListWidget, QStringLiteral("champions_list"));
    resultsList = named(new QListWidget, QStringLiteral("results_list"));
    // Their lines name fighters.
    for (QListWidget *list : {rankingsList, championsList, resultsList})
        WrappedLines::apply(list);
    rankingsHeading = new QLabel;
    championsHeading = new QLabel;
}

void Module_Orgs::buildLayout()
{
    createWidgets();
    changeOrgShown(orgList->currentItem() ? orgList->currentItem()->text() : QString());
    connect(orgList, &QListWidget::currentTextChanged, this, &Module_Orgs::changeOrgShown);
    connect(recentEventsList, &QListWidget::currentTextChanged, this, &Module_Orgs::showEventResults);

    auto *infoGrid = new QGridLayout(infoBox);
    const char *const captions[] = {"Name:", "CEO:", "Nation:", "Prestige:"};
    QLineEdit *const fields[] = {nameField, ceoField, nationField, prestigeField};
    for (int row = 0; row < 4; ++row) {
        infoGrid->addWidget(new QLabel(QLatin1String(captions[row]), infoBox), row, 0);
        infoGrid->addWidget(fields[row], row, 1);
    }
    infoGrid->addWidget(new QLabel(QStringLiteral("Bio:"), infoBox), 4, 0, 1, 2);
    infoGrid->addWidget(bioBox, 5, 0, 1, 2);
    infoGrid->setSpacing(0);
    infoBox->setFixedSize(250, 350);
    mainGrid->addWidget(infoBox, 1, 3, 4, 2);

    recentEventsBox = titledListBox(this, QStringLiteral("Recent Events"), recentEventsList, QSize(500, 200));
    mainGrid->addWidget(recentEventsBox, 5, 1, 5, 4);

    rankingsBox = new QWidget(this);
    auto *rankingsGrid = new QGridLayout(rankingsBox);
    rankingsGrid->addWidget(rankingsHeading, 0, 0);
    rankingsGrid->addWidget(rankingsList, 1, 0, 8, 1);
    rankingsGrid->addWidget(championsHeading, 0, 1);
    rankingsGrid->addWidget(championsList, 1, 1, 3, 1);
    rankingsGrid->addWidget(orgList, 4, 1, 5, 1);
    rankingsGrid->setRowStretch(1, 1);
    rankingsGrid->setVerticalSpacing(0);
    // A little wider than the classic 400, so that full names fit.
    rankingsBox->setFixedSize(460, 350);
    mainGrid->addWidget(rankingsBox, 1, 5, 4, 4);

    resultsBox = titledListBox(this, QStringLiteral("Results of Selected Event"), resultsList, QSize(460, 200));
    mainGrid->addWidget(resultsBox, 5, 5, 5, 4);

    mainGrid->setRowStretch(0, 1);
    mainGrid->setRowStretch(10, 1);
    mainGrid->setColumnStretch(0, 1);
    mainGrid->setColumnStretch(9, 1);
}

void Module_Orgs::showLogo(const QString &name)
{
    mainGrid->removeWidget(logoLabel);
    logoLabel->setPixmap(QPixmap(ResourcePaths::orgLogo(name)));
    logoLabel->setScaledContents(true);
    logoLabel->setFixedSize(250, 250);
    mainGrid->addWidget(logoLabel, 1, 1, 4, 2);
}

void Module_Orgs::changeOrgShown(const QString &name)
{
    resultsList->clear();
    showLogo(name);

    // The list's current entry names the organization shown.
    const QString shown = orgList->currentItem() ? orgList->currentItem()->text() : name;
    const OrgRecords org(shown);
    const QStringList &texts = org.texts;
    const QPair<QLineEdit *, int> fields[] = {{nameField, 0}, {ceoField, 1}, {nationField, 2}, {prestigeField, 4}};
    for (const auto &field : fields)
        NameFields::show(field.first, texts.value(field.second));
    bioBox->setPlainText(texts.value(5));

    recentEventsList->clear();
    for (const Event &event : org.lastYearEvents)
        recentEventsList->addItem(recentEventEntry(event));
    for (const Event &event : org.events)
        recentEventsList->addItem(recentEventEntry(event));

    rankingsHeading->setText(QStringLiteral("Rankings:"));
    championsHeading->setText(QStringLiteral("Current Champion(s):"));
    fillRankings(shown);

    championsList->clear();
    for (auto title = org.titles.cbegin(); title != org.titles.cend(); ++title)
        championsList->addItem(title.key() + QStringLiteral("\n") + title.value() + QStringLiteral("\n\n"));
}

void Module_Orgs::fillRankings(const QString &name)
{
    rankingsList->clear();
    rankingsList->setSortingEnabled(false);
    // The world adds to the map it is given: always hand it a fresh one.
    QMultiMap<int, QString> ranking;
    World::Instance().collectRankedFighters(name, ranking);
    int rank = 0;
    for (auto fighter = ranking.cbegin(); fighter != ranking.cend(); ++fighter)
        rankingsList->addItem(QString::number(++rank) + QStringLiteral(". ") + fighter.value());
}

void Module_Orgs::showEventResults(const QString &entry)
{
    resultsList->clear();
    const int separator = entry.indexOf(entrySeparator);
    if (separator < 0)
        return;
    const QString dateText = entry.left(separator);
    const QString eventName = entry.mid(separator + 1).section(entrySeparator, 0, 0);

    const OrgRecords org(orgList->currentItem() ? orgList->currentItem()->text() : QString());
    for (const QVector<Event> *group : {&org.lastYearEvents, &org.events}) {
        for (const Event &event : *group) {
            if (event.getName() == eventName && TextDate::shortText(event.getDate()) == dateText) {
                resultsList->addItems(event.getResultLines());
                return;
            }
        }
    }
}
