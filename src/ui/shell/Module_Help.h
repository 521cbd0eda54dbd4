#ifndef MODULE_HELP_H
#define MODULE_HELP_H

#include <QMap>
#include <QString>
#include <QVector>

#include "ScreenFrame.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class ReadingView;

// The "How To Play" screen: ten help screens, each with topics read from
// "./Resources/Defaults/help_screen_data.dat". The player picks a help
// screen and a topic and reads its text beside a picture of that screen.
// Opened from the main menu it has its own way back there; opened from the
// menu bar it has none.
class Module_Help : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_Help(QWidget *parent = nullptr);

    // The file of the picture shown (for the tests and nothing else).
    QString shownPicture() const { return pictureFile; }

    // The help data file as the screen reads it: ten topic -> text maps.
    // A map that cannot be read whole stays empty, and so do the maps after
    // it; a missing file leaves all ten empty.
    static QVector<QMap<QString, QString>> readHelpData(const QString &fileName);

public slots:
    void changeModule(int index);
    void changeTopic(const QString &topic);
    void backToMainMenu();

private:
    void loadHelpData();
    void createWidgets();
    void buildLayout();
    void showHelpPicture();

    int screenIndex = 0;
    int topicIndex = -1;
    QVector<QMap<QString, QString>> helpTexts;
    QString pictureFile;

    QGridLayout *mainLayout;
    QWidget *headerBox;
    QGridLayout *headerLayout;
    QWidget *screenBox;
    QGridLayout *screenBoxLayout;
    QWidget *topicBox;
    QGridLayout *topicBoxLayout;
    QLabel *screenLabel = nullptr;
    QComboBox *screenChooser = nullptr;
    QLabel *iconLabel = nullptr;
    QLabel *topicLabel = nullptr;
    QComboBox *topicChooser = nullptr;
    QLabel *pictureLabel = nullptr;
    ReadingView *helpText = nullptr;
    QPushButton *backButton = nullptr;
};

#endif // MODULE_HELP_H
