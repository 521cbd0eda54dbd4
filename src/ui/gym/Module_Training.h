#ifndef MODULE_TRAINING_H
#define MODULE_TRAINING_H

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
    QLabel *gymNameLabel = nullptr;
    QLabel *gymStyleLabel = nullptr;
    QLabel *gymPrestigeLabel = nullptr;
    QLabel *moneyLabel = nullptr;
    QLineEdit *gymNameEdit = nullptr;
    QLineEdit *gymStyleEdit = nullptr;
    QLineEdit *gymPrestigeEdit = nullptr;
    QLineEdit *moneyEdit = nullptr;
    QLabel *gymLevelLabel = nullptr;
    QPushButton *upgradeGymButton = nullptr;
    QLabel *studentSlotsLabel = nullptr;
    QLabel *fighterSlotsLabel = nullptr;
    QLabel *gymColoursLabel = nullptr;
    QLabel *currentFightersLabel = nullptr;
    QListWidget *rosterList = nullptr;
    QPushButton *toTrainingPlansButton = nullptr;
    QWidget *equipmentPanel;
    QGridLayout *equipmentLayout;
    std::array<QLabel *, Gym::EquipmentCount> equipmentLabels{};
    std::array<QLabel *, Gym::EquipmentCount> equipmentIcons{};
    std::array<QPushButton *, Gym::EquipmentCount> equipmentButtons{};
    QButtonGroup *equipmentGroup = nullptr;

    QWidget *trainingInfoPage;
    QGridLayout *trainingInfoLayout;
    QWidget *fighterDetailsPanel;
    QGridLayout *fighterDetailsLayout;
    QLabel *fighterNameLabel = nullptr;
    QLabel *fightingStyleLabel = nullptr;
    QLabel *learningSpeedLabel = nullptr;
    QLabel *fatigueLevelLabel = nullptr;
    QLineEdit *fighterNameEdit = nullptr;
    QLineEdit *fightingStyleEdit = nullptr;
    QLineEdit *learningSpeedEdit = nullptr;
    QLineEdit *fatigueLevelEdit = nullptr;
    QWidget *fighterChooserPanel;
    QGridLayout *fighterChooserLayout;
    QComboBox *fighterCombo = nullptr;
    QLabel *portraitLabel = nullptr;
    QWidget *trainingLogPanel;
    QVBoxLayout *trainingLogLayout;
    QLabel *trainingLogLabel = nullptr;
    QTextEdit *trainingLogText = nullptr;
    QPushButton *backToGymInfoButton = nullptr;
    QWidget *planPanel;
    QGridLayout *planLayout;
    QLabel *todaysPlanLabel = nullptr;
    std::array<QPushButton *, PlanCount> planButtons{};
    QButtonGroup *planGroup = nullptr;
    int shownFighterId = 0;

    std::unique_ptr<GameDialog> messageDialog;
};

#endif // MODULE_TRAINING_H
