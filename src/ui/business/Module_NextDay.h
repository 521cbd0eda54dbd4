#ifndef MODULE_NEXTDAY_H
#define MODULE_NEXTDAY_H

#include "ui/shell/ScreenFrame.h"

class QGridLayout;
class QProgressBar;
class QPushButton;
class ReadingView;
class QTimer;
class QVBoxLayout;
struct DayNews;

// The next day: shortly after it is shown, the screen runs the world's day
// once (training, a new student, today's events, the date, aging,
// signings, contracts, bookings, offers, the monthly and yearly steps) and
// prints the news, section by section. "Proceed to next day" leads back
// to the game's screens.
class Module_NextDay : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_NextDay(QWidget *parent = nullptr);
    ~Module_NextDay() override;

    // The delay before the day runs, so that it starts from the event loop
    // once the screen is installed.
    static const int StartDelayMs = 100;

public slots:
    void startNextDayFlow();
    void backToProfile();

private:
    void nextDayFlow();
    void printNews(const DayNews &news);
    void printSection(const QString &header, const QStringList &lines);
    void finish();

    QGridLayout *m_grid;
    QWidget *m_content;
    QVBoxLayout *m_box;
    QProgressBar *m_progress;
    QPushButton *m_button;
    ReadingView *m_news;
    QTimer *m_startTimer;
};

#endif // MODULE_NEXTDAY_H
