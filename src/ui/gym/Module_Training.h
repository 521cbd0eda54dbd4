#ifndef MODULE_TRAINING_H
#define MODULE_TRAINING_H

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <memory>

#include "records/Gym.h"
#include "records/TrainingType.h"
#include "ui/shell/ScreenFrame.h"
#include "ui/shell/VisitWidgets.h"

class GameDialog;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;
class QVBoxLayout;

// The training screen. Its gym info page shows the gym and buys gym and
// equipment levels; its training plans page sets each fighter's daily plan.
// Each page is built from the world every time it is entered.
class Module_Training : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_Training(QWidget *parent = nullptr);
    ~Module_Training() override;

    // "Heavy Bag - Level 3\nImproves Cross, Body Punching and Jab".
    static QString equipmentLabelText(int equipment, int level);
    // What a plan button trains, "Rest - Reduces Fatigue Level" for plan 0.
    static QString planToolTip(int plan);
    // The confirmation of an upgrade of `what` ("this equipment").
    static QString upgradeQuestion(const QString &what, int price);
    // The plan a stored training type shows: one no button stands for rests.
    static int shownPlan(int storedType);

public slots:
    void upgradeSelectedEquipment(int equipment);
    void upgradeGym();
    void switchFighterShown(int position);
    void changeTrainingPlan(int plan);
    void setButtonDown(QAbstractButton *button);
    void switchToTrainingInfoScreen();
    void switchToGymInfoScreen();

private:
    static const int PlanCount = TrainingType::Count;

    void buildGymInfoScreen();
    void createGymInfoScreenWidgets();
    void createTrainingIconLabels();
    void drawGymColours(const QStringList &gymTexts);
    void refreshGymFigures(const QVector<int> &figures);
    void refreshGymInfo(const QVector<int> &figures);
    void clearGymInfoScreen();

    void buildTrainingInfoScreen();
    void createTrainingInfoScreenWidgets();
    void createTrainingPlanButtons();
    void drawPortrait();
    void clearTrainingInfoScreen();

    // Asks for one level more and buys it; true when it was bought.
    bool buyLevel(int currentLevel, const QString &what, int price, const std::function<bool()> &buy);

    // Names a widget (or button group) made for the page shown and keeps it
    // among the page's widgets, deleted when the page is cleared.
    template <typename Widget>
    Widget *named(Widget *widget, const QString &objectName);
    QLineEdit *readOnlyEdit(const QString &text, const QString &objectName, QWidget *parent);

    // The widgets of the page shown.
    VisitWidgets pageWidgets;
    QVBoxLayout *mainLayout;

    QWidget *gymInfoPage;
    QGridLayout *gymInfoLayout;
    QWidget *gymDetailsPanel;
    QGridLayout *gymDetailsLayout;
    QPointer<QLabel> gymNameLabel;
    QPointer<QLabel> gymStyleLabel;
    QPointer<QLabel> gymPrestigeLabel;
    QPointer<QLabel> moneyLabel;
    QPointer<QLineEdit> gymNameEdit;
    QPointer<QLineEdit> gymStyleEdit;
    QPointer<QLineEdit> gymPrestigeEdit;
    QPointer<QLineEdit> moneyEdit;
    QPointer<QLabel> gymLevelLabel;
    QPointer<QPushButton> upgradeGymButton;
    QPointer<QLabel> studentSlotsLabel;
    QPointer<QLabel> fighterSlotsLabel;
    QPointer<QLabel> gymColoursLabel;
    QPointer<QLabel> currentFightersLabel;
    QPointer<QListWidget> rosterList;
    QPointer<QPushButton> toTrainingPlansButton;
    QWidget *equipmentPanel;
    QGridLayout *equipmentLayout;
    std::array<QPointer<QLabel>, Gym::EquipmentCount> equipmentLabels;
    std::array<QPointer<QLabel>, Gym::EquipmentCount> equipmentIcons;
    std::array<QPointer<QPushButton>, Gym::EquipmentCount> equipmentButtons;
    QPointer<QButtonGroup> equipmentGroup;

    QWidget *trainingInfoPage;
    QGridLayout *trainingInfoLayout;
    QWidget *fighterDetailsPanel;
    QGridLayout *fighterDetailsLayout;
    QPointer<QLabel> fighterNameLabel;
    QPointer<QLabel> fightingStyleLabel;
    QPointer<QLabel> learningSpeedLabel;
    QPointer<QLabel> fatigueLevelLabel;
    QPointer<QLineEdit> fighterNameEdit;
    QPointer<QLineEdit> fightingStyleEdit;
    QPointer<QLineEdit> learningSpeedEdit;
    QPointer<QLineEdit> fatigueLevelEdit;
    QWidget *fighterChooserPanel;
    QGridLayout *fighterChooserLayout;
    QPointer<QComboBox> fighterCombo;
    QPointer<QLabel> portraitLabel;
    QWidget *trainingLogPanel;
    QVBoxLayout *trainingLogLayout;
    QPointer<QLabel> trainingLogLabel;
    QPointer<QTextEdit> trainingLogText;
    QPointer<QPushButton> backToGymInfoButton;
    QWidget *planPanel;
    QGridLayout *planLayout;
    QPointer<QLabel> todaysPlanLabel;
    std::array<QPointer<QPushButton>, PlanCount> planButtons;
    QPointer<QButtonGroup> planGroup;
    int shownFighterId = 0;

    std::unique_ptr<GameDialog> messageDialog;
};

#endif // MODULE_TRAINING_H
