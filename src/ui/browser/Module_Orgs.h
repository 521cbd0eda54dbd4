#ifndef MODULE_ORGS_H
#define MODULE_ORGS_H

#include <QString>

#include "ui/shell/ScreenFrame.h"

class Event;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QTextEdit;

// Browses the fighting organizations: for the one picked, its logo, facts,
// ranking, champions and recent events, and the results of a picked event.
// It only reads the world, anew at every pick.
class Module_Orgs : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_Orgs(QWidget *parent = nullptr);

    // A recent event's entry: its date as text, "|", its name.
    static QString recentEventEntry(const Event &event);

public slots:
    void changeOrgShown(const QString &name);
    void showEventResults(const QString &entry);

private:
    void createWidgets();
    void buildLayout();
    void showLogo(const QString &name);
    void fillRankings(const QString &name);

    QGridLayout *mainGrid;
    QLabel *logoLabel;
    QWidget *infoBox;
    QLineEdit *nameField;
    QLineEdit *ceoField;
    QLineEdit *nationField;
    QLineEdit *prestigeField;
    QTextEdit *bioBox;
    QWidget *recentEventsBox;
    QListWidget *recentEventsList;
    QWidget *rankingsBox;
    QLabel *rankingsHeading;
    QLabel *championsHeading;
    QListWidget *rankingsList;
    QListWidget *championsList;
    QListWidget *orgList;
    QWidget *resultsBox;
    QListWidget *resultsList;
};

#endif // MODULE_ORGS_H
