#include "Module_NextDay.h"

#include <QGridLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "career/DayRunner.h"
#include "career/UnseenBouts.h"
#include "ui/shell/ModuleManager.h"
#include "ui/shell/PlainText.h"
#include "ui/shell/ReadingView.h"
#include "world/World.h"
#include "records/TextDate.h"

namespace {

// The progress bar counts the day's six stretches.
const int ProgressSteps = DayRunner::ProgressSteps;
// A paragraph holding one line break closes a section.
const QString SectionEnd = QStringLiteral("\n");

} // namespace

Module_NextDay::Module_NextDay(QWidget *parent)
    : ScreenFrame(parent)
    , m_grid(new QGridLayout(this))
    , m_content(new QWidget)
    , m_box(new QVBoxLayout(m_content))
    , m_progress(new QProgressBar)
    , m_button(new QPushButton(QStringLiteral("Proceed")))
    , m_news(new ReadingView)
    , m_startTimer(new QTimer(this))
{
    m_progress->setObjectName(QStringLiteral("next_day_progress"));
    m_progress->setRange(0, ProgressSteps);
    m_progress->setTextVisible(false);
    m_button->setObjectName(QStringLiteral("proceed_next_day_btn"));
    m_news->setObjectName(QStringLiteral("next_day_news"));

    m_box->addWidget(m_button);
    m_box->addWidget(m_progress);
    m_box->addWidget(m_news);
    m_content->setMinimumSize(935, 595);

    m_grid->addWidget(m_content, 1, 1, 2, 2);
    m_grid->setColumnStretch(0, 1);
    m_grid->setColumnStretch(3, 1);
    m_grid->setRowStretch(0, 1);
    m_grid->setRowStretch(3, 1);

    m_button->hide();
    connect(m_button, &QPushButton::clicked, this, &Module_NextDay::backToProfile);
    m_startTimer->setInterval(StartDelayMs);
    connect(m_startTimer, &QTimer::timeout, this, &Module_NextDay::startNextDayFlow);
    m_startTimer->start();
}

// The children go with the widget tree; the grid is the screen's layout.
Module_NextDay::~Module_NextDay() = default;

void Module_NextDay::startNextDayFlow()
{
    m_startTimer->stop();
    nextDayFlow();
}

void Module_NextDay::nextDayFlow()
{
    // The player's events are played on the event screen; the others are
    // fought here, unseen.
    DayRunner day(World::Instance(), &UnseenBouts::decide, [this](int stretch) { m_progress->setValue(stretch); });
    const DayNews news = day.runDay();
    printNews(news);
    finish();
}

void Module_NextDay::printNews(const DayNews &news)
{
    PlainText::append(m_news, QStringLiteral("News for ") + TextDate::shortText(news.day));

    // The gym's section is closed after the new student's line.
    PlainText::append(m_news, QStringLiteral("Gym Info: "));
    for (const QString &line : news.gymInfo)
        PlainText::append(m_news, line);
    if (!news.newStudent.isEmpty())
        PlainText::append(m_news, news.newStudent);
    PlainText::append(m_news, SectionEnd);

    for (const EventResults &event : news.events)
        printSection(event.eventName + QStringLiteral(" event results: "), event.lines);

    printSection(QStringLiteral("Fighter News: "), news.fighterNews);
    printSection(QStringLiteral("Free Agent News: "), news.freeAgentNews);
    printSection(QStringLiteral("Contract News: "), news.contractNews);
    printSection(QStringLiteral("Event booking news: "), news.bookingNews);
}

void Module_NextDay::printSection(const QString &header, const QStringList &lines)
{
    PlainText::append(m_news, header);
    for (const QString &line : lines)
        PlainText::append(m_news, line);
    PlainText::append(m_news, SectionEnd);
}

void Module_NextDay::finish()
{
    m_button->setText(QStringLiteral("Proceed to next day"));
    m_progress->hide();
    m_button->show();
    m_news->showFromStart();
}

void Module_NextDay::backToProfile()
{
    ModuleManager *manager = ModuleManager::Instance();
    manager->showTopMenu();
    manager->reloadCurrentScreen();
}
