#ifndef MODULE_NEWGAME_H
#define MODULE_NEWGAME_H

#include <QStringList>
#include <QVector>

#include <memory>

#include "ScreenFrame.h"
#include "SkillPointPool.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// The new-game wizard. The manager page takes the manager's names, region,
// nationality (with its flag) and 18 skills bought from a pool of 60
// points; the gym page takes the gym's name, style and two colours (shown
// as a pair of shorts). "Advance to Game" hands both to the world, loads
// the default world and opens the profile screen with the menu bar.
class Module_NewGame : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_NewGame(QWidget *parent = nullptr);
    ~Module_NewGame() override;

    static const int skillPool = 60;

    // The gym styles, in the order the style chooser offers them.
    static const QStringList &gymStyles();

    int skillPointsLeft() const { return skillPoints; }
    // The picture files on show (for the tests).
    QString shownFlag() const { return flagFile; }

public slots:
    void changeRegion(int index);
    void changeFlagDisplay();
    void calculateSkill();
    void changeColourDisplay();
    void backToMainMenu();
    void aheadToGymInfo();
    void backToManagerInfo();
    void aheadToGame();

private:
    void loadNations();
    void buildManagerInfo();
    void buildSkillBoxes();
    void buildGymInfo();
    void createManager();
    void createGym();
    void loadWorldDefaults();
    void showPage(QWidget *page);

    QVector<QStringList> nations;
    int skillPoints = skillPool;
    QString flagFile;

    QPushButton *backToMenuButton;
    QPushButton *toGymButton;
    QPushButton *toManagerButton;
    QPushButton *toGameButton;
    QVBoxLayout *screenLayout;
    QWidget *managerPage;
    QGridLayout *managerPageLayout;
    QWidget *gymPage;
    QGridLayout *gymPageLayout;

    QWidget *nameBox;
    QGridLayout *nameBoxLayout;
    QLabel *managerTitle;
    QLineEdit *firstNameEdit;
    QLineEdit *lastNameEdit;
    QComboBox *regionCombo;
    QComboBox *nationalityCombo;
    QLabel *skillPointsLabel;
    QLabel *flagLabel;
    QVector<QWidget *> skillBoxes;
    // In skill order, Punch to Intuition.
    QVector<QSpinBox *> skillSpins;
    std::unique_ptr<SkillPointPool> pointPool;

    QWidget *gymBox;
    QGridLayout *gymBoxLayout;
    QLabel *gymTitle;
    QLineEdit *gymNameEdit;
    QComboBox *styleCombo;
    QComboBox *primaryCombo;
    QComboBox *secondaryCombo;
    QLabel *colourLabel;
};

#endif // MODULE_NEWGAME_H
