#ifndef MODULE_EVENTS_H
#define MODULE_EVENTS_H

#include <QDate>
#include <QVector>

#include <memory>

#include "records/Event.h"
#include "ui/shell/ScreenFrame.h"

class GameDialog;
class QCalendarWidget;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

// The event calendar: every organization's events of the chosen day, the
// card of the event picked from them with its organization's logo, and a
// one-match appearance of a free-agent fighter of the player's on it.
// Every message goes through the screen's one dialog.
class Module_Events : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_Events(QWidget *parent = nullptr);
    ~Module_Events() override;

    // The purse typed: a whole number, else 0.
    static int purseOf(const QString &text);

public slots:
    void getEvents(const QDate &day);
    void showSelectedEventInfo(int row);
    void checkNegotiate();
    void negotiateOneOff();

private:
    void buildLayout();
    void createWidgets();
    void showOrgLogo();
    void tell(const QString &message);
    bool ask(const QString &question);

    // The day the list shows and its events, in the world's order.
    QDate shownDay;
    QVector<Event> events;

    QGridLayout *outerLayout;
    QWidget *leftColumn;
    QVBoxLayout *leftLayout;
    QWidget *infoBlock;
    QGridLayout *infoLayout;
    QWidget *cardBlock;
    QVBoxLayout *cardLayout;
    QWidget *negotiationBlock;
    QVBoxLayout *negotiationLayout;

    QLabel *dateLabel = nullptr;
    QCalendarWidget *calendar = nullptr;
    QLabel *dayHeaderLabel = nullptr;
    QListWidget *dayEventsList = nullptr;
    // In the order of the event's texts: name, organization, city, tier,
    // kind, title.
    QVector<QLineEdit *> infoFields;
    QListWidget *matchList = nullptr;
    QLabel *logoLabel = nullptr;
    QLineEdit *purseEdit = nullptr;
    QComboBox *fighterCombo = nullptr;
    QPushButton *negotiateButton = nullptr;
    std::unique_ptr<GameDialog> dialog;
};

#endif // MODULE_EVENTS_H
