#ifndef MODULE_DATABASE_H
#define MODULE_DATABASE_H

#include <QMultiMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <memory>

#include "records/Fighter.h"
#include "ui/shell/ScreenFrame.h"
#include "ui/shell/VisitWidgets.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QTextEdit;
class QVBoxLayout;
class RatingsGrid;

// Browses the fighters of the world: an organization's or the free-agent
// pool's ranking or region view with a short summary, flag and world map,
// and a full sheet of the picked fighter whose ratings show as far as the
// manager's Scouting reaches. It only reads the world.
class Module_Database : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_Database(QWidget *parent = nullptr);
    ~Module_Database() override;

    int pickedFighterId() const { return pickedId; }

    // The Scouting from which rating `skill` shows its number (0: always).
    static int scoutingGate(int skill);
    // "First Name Last Name" or "Last Name, First Name".
    static QString displayedName(const Fighter &fighter, const QString &display);
    // Oldest day first; entries of one day in the order they were recorded.
    static QStringList historyLines(const QMultiMap<QDate, QString> &history);

public slots:
    void changeDisplayType(const QString &display);
    void refreshRegion(const QString &region);
    void refreshOrg(const QString &org);
    void showSelectedFighterSummary(const QString &text);
    void switchToFighterScreen();
    void switchToMainScreen();

private:
    void buildMainScreen();
    void createMainScreenWidgets();
    void clearMainScreen();
    void showFlag(const QString &nation);
    void drawWorldMap();
    void clearSummary();

    void buildFighterScreen();
    void createFighterScreenWidgets();
    void fillFighterScreen(const Fighter &fighter);
    void clearFighterScreen();
    void drawPortrait(const Fighter &fighter);
    const Fighter *pickedFighter() const;

    // Widgets made for one visit of a page, handed back when it is left.
    QLabel *visitLabel(QWidget *parent, const QString &text);

    int pickedId;
    QString nameDisplay;
    QString orgFilter;
    QString regionFilter;
    QVector<Fighter> fighters;

    QGridLayout *screenLayout;
    QWidget *mainPage;
    QGridLayout *mainGrid;
    QWidget *listBox;
    QWidget *summaryBox;
    QGridLayout *summaryGrid;
    QWidget *filterBox;
    QWidget *fighterPage;
    QGridLayout *fighterGrid;
    QWidget *personalPanel;
    QGridLayout *personalGrid;
    QWidget *recordPanel;
    QGridLayout *recordGrid;
    QWidget *attributesPanel;
    QGridLayout *attributesGrid;

    // Main page, per visit.
    QPointer<QComboBox> nameDisplayCombo;
    QPointer<QListWidget> fighterList;
    QPointer<QLabel> flagLabel;
    QVector<QPointer<QLineEdit>> summaryFields;
    QPointer<QLabel> worldMapLabel;
    QPointer<QComboBox> regionCombo;
    QPointer<QComboBox> orgCombo;

    // Fighter page, per visit.
    QPointer<QLabel> portraitLabel;
    QPointer<QTextEdit> bioBox;
    // Name, nationality, region, background, reputation, birthday, age.
    std::array<QPointer<QLineEdit>, 7> personalValues;
    // Wins, losses, knockouts.
    std::array<QPointer<QLineEdit>, 3> recordValues;
    QPointer<QListWidget> historyList;
    QPointer<QListWidget> titlesList;
    std::unique_ptr<RatingsGrid> ratings;

    VisitWidgets visitWidgets;
};

#endif // MODULE_DATABASE_H
