#ifndef MODULE_SAVELOAD_H
#define MODULE_SAVELOAD_H

#include <QString>

#include <memory>

#include "ScreenFrame.h"

class GameDialog;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSaveFile;

// Lists the saved games of "./Resources/Saves/" and loads and deletes them;
// during a game (menu bar shown) it also saves. Every question and message
// goes through the screen's one dialog.
class Module_SaveLoad : public ScreenFrame
{
    Q_OBJECT

public:
    explicit Module_SaveLoad(QWidget *parent = nullptr);
    ~Module_SaveLoad() override;

    // "./Resources/Saves/" + name + ".dat".
    static QString savePath(const QString &name);
    // A typed name must stay a plain file name inside the saves folder.
    static bool isSafeSaveName(const QString &name);
    // Only blanks and characters that draw nothing (a zero-width space,
    // say): the save would list as an empty row.
    static bool isBlankSaveName(const QString &name);

public slots:
    void saveData();
    void loadData();
    void deleteData();
    void showChosenSave(const QListWidgetItem *item);
    void backToMainMenu();

private:
    void buildLayout();
    void refreshSaveList();
    void reloadSaveList();
    QString chosenSave() const;
    // Writes the world into the opened file and reports how it went.
    void writeSave(QSaveFile &file, const QString &path);

    QGridLayout *mainLayout;
    QLineEdit *fileNameEdit;
    QPushButton *saveButton;
    QListWidget *saveList;
    QPushButton *loadButton;
    QPushButton *deleteButton;
    QPushButton *backButton;
    std::unique_ptr<GameDialog> dialog;
};

#endif // MODULE_SAVELOAD_H
