#ifndef MODULE_PROFILE_H
#define MODULE_PROFILE_H

#include <QDate>
#include <QMultiMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <memory>

#include "ui/shell/ScreenFrame.h"
#include "ui/shell/VisitWidgets.h"

class Fighter;
class GameDialog;
class ImportChooser;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QSaveFile;
class QTextEdit;
class QVBoxLayout;
class RatingsGrid;

// The in-game home screen: the manager's page, and the page of one of the
// player's fighters (ratings, record, bio, retirement, export and the
// fantasy match). Each page is built anew from the world when entered.
class Module_Profile : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_Profile(QWidget *parent = nullptr);
    ~Module_Profile() override;

    // "./Resources/Exports/" + the fighter's name made safe + ".dat".
    static QString exportPath(const QString &fighterName);
    // The chooser's entries: the names ending in ".dat" (that case only),
    // sorted, with that ending removed.
    static QStringList exportNames(QStringList fileNames);
    // Oldest first, "Sat Jan 1 2011 - " + result; one day's results in the
    // order they were fought.
    static QStringList historyLines(const QMultiMap<QDate, QString> &history);
    // The background, with the fight style after a "/" at Intuition 10.
    static QString backgroundText(const QString &background, const QString &style, int intuition);
    // "3 - 1".
    static QString recordText(int wins, int losses);

public slots:
    void importIntoDatabase();
    void exportFighter();
    void importFantasyMatch();
    void changeToFighterScreen();
    void changeToManagerScreen();
    void switchFighterShown(int index);
    void retireFighter();
    void updateFighterBio();

private:
    // Manager page.
    void buildManagerScreen();
    void createManagerScreenWidgets();
    void addSkillGroup(QGridLayout *grid, QWidget *box, const QStringList &captions,
                       const QVector<int> &numbers, int firstNumber);
    void showFlag();
    void clearManagerScreen();

    // Fighter page.
    void buildFighterScreen();
    void createFighterScreenWidgets();
    void layOutFighterScreen();
    void refillFighterCombo();
    void drawPortrait(const Fighter &fighter, bool rosterFighter);
    void clearFighterScreen();

    // Export and import.
    void refreshExportList();
    void writeExport(QSaveFile &file, const QString &path);
    // Runs the chooser and gives the chosen name and its file's path; false
    // when it was not accepted or (said so) no file was listed.
    bool chooseExportFile(QString &name, QString &path);

    // A caption in column 0 and a read-only value named after it beside it,
    // both kept among the page's widgets.
    QLineEdit *addValue(VisitWidgets &pageWidgets, QWidget *box, QGridLayout *grid,
                        const QString &caption, const QString &text, int row, int valueColumnSpan = 1);
    // The shown fighter's name and roster index ("" and -1 off his page).
    QString shownFighterName() const;
    int shownFighterIndex() const;

    QVBoxLayout *mainLayout;
    QWidget *managerPage;
    QGridLayout *managerPageLayout;
    QWidget *managerNamesBox;
    QGridLayout *managerNamesLayout;
    QWidget *managerRecordBox;
    QGridLayout *managerRecordLayout;
    QWidget *offenseDefenseBox;
    QGridLayout *offenseDefenseLayout;
    QWidget *physicalMentalBox;
    QGridLayout *physicalMentalLayout;
    QWidget *abilitiesBox;
    QGridLayout *abilitiesLayout;
    QWidget *titlesBox;
    QVBoxLayout *titlesLayout;
    VisitWidgets managerPageWidgets;
    QPointer<QLineEdit> nationalityValue;
    QPointer<QLabel> flagLabel;

    QWidget *fighterPage;
    QGridLayout *fighterPageLayout;
    QWidget *personalBox;
    QGridLayout *personalLayout;
    QWidget *fighterRecordBox;
    QGridLayout *fighterRecordLayout;
    QWidget *attributesBox;
    QGridLayout *attributesLayout;
    VisitWidgets fighterPageWidgets;
    QPointer<QComboBox> fighterCombo;
    // Name, nationality, region, background, reputation, birthday, age.
    std::array<QPointer<QLineEdit>, 7> personalValues;
    QPointer<QLabel> portraitLabel;
    QPointer<QTextEdit> bioEdit;
    // Wins, losses, knockouts.
    std::array<QPointer<QLineEdit>, 3> recordValues;
    QPointer<QListWidget> historyList;
    QPointer<QListWidget> fighterTitlesList;
    std::unique_ptr<RatingsGrid> ratings;

    // The fighter page's questions and messages.
    std::unique_ptr<GameDialog> messageDialog;

    // The import chooser, also the message box of both imports.
    std::unique_ptr<ImportChooser> importDialog;
};

#endif // MODULE_PROFILE_H
