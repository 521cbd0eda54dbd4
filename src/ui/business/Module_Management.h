#ifndef MODULE_MANAGEMENT_H
#define MODULE_MANAGEMENT_H

#include <QMap>
#include <QString>
#include <QVector>

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
    enum class Page { Main, Students };

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
    Page shownPage = Page::Main;

    // Main page widgets.
    VisitWidgets mainPageWidgets;
    QLabel *thisMonthTitle = nullptr;
    QLabel *thisMonthCaptions[4] = {};
    QLabel *thisMonthTotalLabel = nullptr;
    QLineEdit *thisMonthFigures[4] = {};
    QLabel *lastMonthTitle = nullptr;
    QLabel *lastMonthCaptions[4] = {};
    QLabel *lastMonthTotalLabel = nullptr;
    QLineEdit *lastMonthFigures[4] = {};
    QListWidget *bookingsList = nullptr;
    QComboBox *fighterCombo = nullptr;
    QLabel *currentContractLabel = nullptr;
    QLabel *perMatchLabel = nullptr;
    QLabel *remainingMatchesLabel = nullptr;
    QComboBox *orgCombo = nullptr;
    QTextEdit *orgBioText = nullptr;
    QLabel *prestigeLabel = nullptr;
    QLabel *orgLogoLabel = nullptr;
    QLabel *purseCaption = nullptr;
    QLabel *contractLengthCaption = nullptr;
    QLabel *offersCaption = nullptr;
    QLineEdit *purseEdit = nullptr;
    QSpinBox *contractLengthSpin = nullptr;
    QListWidget *offersList = nullptr;
    QPushButton *acceptOfferButton = nullptr;
    QPushButton *rejectOfferButton = nullptr;
    QPushButton *negotiateButton = nullptr;
    QPushButton *viewStudentsButton = nullptr;
    std::unique_ptr<GameDialog> mainDialog;

    // Students page widgets.
    VisitWidgets studentsPageWidgets;
    QLabel *studentCaptions[6] = {};
    QLineEdit *studentValues[6] = {};
    QLabel *portraitLabel = nullptr;
    QTextEdit *studentBioText = nullptr;
    QComboBox *studentCombo = nullptr;
    QLabel *projectedGrowthLabel = nullptr;
    QListWidget *scoutingList = nullptr;
    std::unique_ptr<RatingsGrid> growthGroups;
    QPushButton *trainStudentButton = nullptr;
    QPushButton *backToManagementButton = nullptr;
    std::unique_ptr<GameDialog> studentDialog;
};

#endif // MODULE_MANAGEMENT_H
