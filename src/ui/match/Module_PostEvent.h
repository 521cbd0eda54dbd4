#ifndef MODULE_POSTEVENT_H
#define MODULE_POSTEVENT_H

#include <QPointer>
#include <QString>
#include <QVector>

#include <memory>

#include "ui/shell/ScreenFrame.h"
#include "ui/shell/VisitWidgets.h"

#include "ui/gym/FighterPortrait.h"

class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;
class SkillPointPool;

// After the player's event: the fighter's portrait and bout statistics,
// with the result handed to the world once while the summary is built.
// When the manager's reputation rose, "Proceed" leads to a level-up page
// where 10 skill points must be spent; then the game goes on (Next Day).
class Module_PostEvent : public ScreenFrame
{
    Q_OBJECT

public:
    static const int levelUpPoints = 10;

    Module_PostEvent(QVector<int> statistics, int fighterId, const QString &resultText,
                     QWidget *parent = nullptr);
    ~Module_PostEvent() override;

    bool levelledUp() const { return leveledUp; }
    int skillPointsLeft() const { return skillPoints; }
    // The appearance the portrait was drawn from (for the tests).
    FighterAppearance shownAppearance() const { return appearance; }

public slots:
    void backToGame();
    void calculateSkill();
    void completeLevelUp();
    void checkManagerLevel();
    void switchToLevelUp();

private:
    void buildMatchSummary();
    void createMatchSummaryWidgets();
    void buildLevelUp();
    void createLevelUpWidgets();
    void drawPortrait();

    QVector<int> statistics;
    int fighterId;
    QString resultText;
    bool leveledUp = false;
    int skillPoints = levelUpPoints;
    FighterAppearance appearance;
    // Where "Proceed" leads: the summary's way on, then the level-up's.
    void (Module_PostEvent::*proceedStage)() = &Module_PostEvent::checkManagerLevel;

    QVBoxLayout *screenLayout;
    QWidget *summaryPage;
    QGridLayout *summaryLayout;
    QWidget *portraitBox;
    QVBoxLayout *portraitLayout;
    QWidget *statisticsBox;
    QPushButton *proceedButton;
    QWidget *levelUpPage;
    QGridLayout *levelUpLayout;

    VisitWidgets summaryWidgets;
    QPointer<QLabel> summaryTitle;
    QPointer<QLabel> portraitLabel;

    QWidget *levelUpTitleBox = nullptr;
    QLabel *skillPointsLabel = nullptr;
    QVector<QWidget *> skillBoxes;
    // In skill order, Punch to Intuition.
    QVector<QSpinBox *> skillSpins;
    std::unique_ptr<SkillPointPool> pointPool;
};

#endif // MODULE_POSTEVENT_H
