#ifndef MODULE_MANAGEMENT_H
#define MODULE_MANAGEMENT_H

#include <QMap>
#include <QPointer>
#include <QString>
#include <QVector>

#include <array>
#include <memory>

#include "ui/shell/ScreenFrame.h"
#include "ui/shell/VisitWidgets.h"

class GameDialog;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTextEdit;
class QVBoxLayout;
class RatingsGrid;

// The management screen. Its main page shows this and last month's revenue,
// the bookings, a fighter's contract, the organizations, the negotiation and
// the pending offers; its students page shows one student at a time with his
// ratings and the manager's scouting report, and promotes him to a fighter.
// Each page is built anew on entry and its widgets deleted on leaving.
class Module_Management : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_Management(QWidget *parent = nullptr);
    ~Module_Management() override;

    // "$" and the amount in plain decimal ("$-2200").
    static QString moneyText(int amount);
    // Income minus costs of the month whose four figures (training costs,
    // upgrade costs, student fees, fighter purses) start at `first`.
    static int monthTotal(const QVector<int> &figures, int first);
    // One line of the bookings list.
    static QString bookingLine(const QString &fighterName, const QString &description);
    // The students page names two ratings its own way.
    static QMap<int, QString> growthCaptions();

public slots:
    void switchFighterShown(int index);
    void switchOrgShown();
    void switchStudentShown(int index);
    void trainCurrentStudent();
    void switchToStudentsScreen();
    void switchToMainScreen();
    void negotiateContract();
    void enableOfferButtons();
    void acceptOffer();
    void rejectOffer();

private:
    // Main page.
    void buildMainScreen();
    void createMainScreenWidgets();
    void createRevenueTables(const QVector<int> &finances);
    void createContractWidgets();
    void createNegotiateDialog();
    void layOutRevenuePanel();
    void layOutContractPanel();
    void layOutMainPage();
    void connectMainScreen();
    void fillBookingsList();
    void refillOffersList();
    void clearMainScreen();
    bool confirmOnMainPage(const QString &question, const QString &acceptText);
    void tellOnMainPage(const QString &notice);

    // Students page.
    void buildStudentsScreen();
    void createStudentsScreenWidgets();
    void refillStudentCombo();
    void layOutStudentDetails();
    void layOutStudentsPage();
    void clearStudentsScreen();
    void drawPortrait();
    void tellOnStudentsPage(const QString &message);

    // Containers for the screen's life.
    QVBoxLayout *mainLayout;
    QWidget *mainPage;
    QGridLayout *mainPageLayout;
    QWidget *revenuePanel;
    QGridLayout *revenueLayout;
    QWidget *contractPanel;
    QGridLayout *contractLayout;
    QWidget *studentsPage;
    QGridLayout *studentsLayout;
    QWidget *studentDetailsPanel;
    QGridLayout *studentDetailsLayout;
    QWidget *growthPanel;
    QGridLayout *growthLayout;

    // Main page widgets.
    VisitWidgets mainPageWidgets;
    QPointer<QLabel> thisMonthTitle;
    std::array<QPointer<QLabel>, 4> thisMonthCaptions;
    QPointer<QLabel> thisMonthTotalLabel;
    std::array<QPointer<QLineEdit>, 4> thisMonthFigures;
    QPointer<QLabel> lastMonthTitle;
    std::array<QPointer<QLabel>, 4> lastMonthCaptions;
    QPointer<QLabel> lastMonthTotalLabel;
    std::array<QPointer<QLineEdit>, 4> lastMonthFigures;
    QPointer<QListWidget> bookingsList;
    QPointer<QComboBox> fighterCombo;
    QPointer<QLabel> currentContractLabel;
    QPointer<QLabel> perMatchLabel;
    QPointer<QLabel> remainingMatchesLabel;
    QPointer<QComboBox> orgCombo;
    QPointer<QTextEdit> orgBioText;
    QPointer<QLabel> prestigeLabel;
    QPointer<QLabel> orgLogoLabel;
    QPointer<QLabel> purseCaption;
    QPointer<QLabel> contractLengthCaption;
    QPointer<QLabel> offersCaption;
    QPointer<QLineEdit> purseEdit;
    QPointer<QSpinBox> contractLengthSpin;
    QPointer<QListWidget> offersList;
    QPointer<QPushButton> acceptOfferButton;
    QPointer<QPushButton> rejectOfferButton;
    QPointer<QPushButton> negotiateButton;
    QPointer<QPushButton> viewStudentsButton;
    std::unique_ptr<GameDialog> mainDialog;

    // Students page widgets.
    VisitWidgets studentsPageWidgets;
    std::array<QPointer<QLabel>, 6> studentCaptions;
    std::array<QPointer<QLineEdit>, 6> studentValues;
    QPointer<QLabel> portraitLabel;
    QPointer<QTextEdit> studentBioText;
    QPointer<QComboBox> studentCombo;
    QPointer<QLabel> projectedGrowthLabel;
    QPointer<QListWidget> scoutingList;
    std::unique_ptr<RatingsGrid> growthGroups;
    QPointer<QPushButton> trainStudentButton;
    QPointer<QPushButton> backToManagementButton;
    std::unique_ptr<GameDialog> studentDialog;
};

#endif // MODULE_MANAGEMENT_H
