#ifndef GAMEDIALOG_H
#define GAMEDIALOG_H

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The four looks of the game's modal dialogs. They share the background
// picture and the label; they differ in the buttons' gradient (A against B),
// a minimum button width (A-wide) and a styled list (B-list).
enum class DialogStyle { A, B, BList, AWide };

// The inline style sheet of a dialog style. Dialogs are windows of their
// own, so the screens' style sheet never reaches them.
QString dialogStyleSheet(DialogStyle style);

// Which one of the two buttons a plain message shows.
enum class DialogButton { Accept, Cancel };

// Every dialog the game raises carries the game window's title and stands
// over the window's centre, also when it sizes itself as it shows (a
// QMessageBox does). Call it before exec().
void placeOverGameWindow(QDialog *dialog);

// The game's message and question dialog: a sentence over an "Accept" and a
// "Cancel" button, each on its own row. A screen with several messages keeps
// one and reuses it; a single question builds one with askOnce().
class GameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GameDialog(DialogStyle style, QWidget *parent = nullptr);

    // A question with both buttons; true when the player pressed "Accept".
    // Escape and the window's close control count as "Cancel".
    bool ask(const QString &sentence);
    // A message that shows only one of the buttons; true only when that
    // button was "Accept" and it was pressed.
    bool tell(const QString &sentence, DialogButton shown);

    // Builds a dialog for one question, asks it and throws the dialog away.
    static bool askOnce(const QString &sentence, DialogStyle style = DialogStyle::AWide);

    QLabel *label() const { return m_label; }
    QPushButton *acceptButton() const { return m_acceptButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

protected:
    // Shows the sentence with the buttons asked for; true when "Accept"
    // (under whatever text it carries) closed the dialog.
    bool run(const QString &sentence, bool showAccept, bool showCancel);
    // A row of its own between the sentence and the buttons.
    void insertBelowLabel(QWidget *widget);

private:
    // Never wider than the game window, the sentence on one line as long as
    // that fits.
    void fitToGameWindow();

    QVBoxLayout *m_layout;
    QLabel *m_label;
    QPushButton *m_acceptButton;
    QPushButton *m_cancelButton;
};

#endif // GAMEDIALOG_H
