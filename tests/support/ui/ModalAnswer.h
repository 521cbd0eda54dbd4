#ifndef MODALANSWER_H
#define MODALANSWER_H

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

// Answers the next modal dialog (a game dialog or a QMessageBox) that opens
// while the object lives, so a widget test never blocks in exec(). Arm it
// before the call that asks, then check what the dialog said.
class ModalAnswer : public QObject
{
    Q_OBJECT

public:
    enum class Way { Click, Escape, CloseWindow };

    // Clicks the visible button with this text.
    explicit ModalAnswer(const QString &buttonText);
    // Presses Escape, closes the dialog's window, or clicks the button.
    explicit ModalAnswer(Way way, const QString &buttonText = QString());

    // A dialog was seen and answered as asked. A dialog without the wanted
    // button is rejected instead (so the test goes on) and counts as not
    // answered.
    bool answered() const { return m_answered; }
    bool dialogSeen() const { return m_seen; }
    QString text() const { return m_text; }
    // The sentence was shown as plain text, exactly as written.
    bool plainText() const { return m_plainText; }
    // The texts of the dialog's visible buttons, top to bottom.
    QStringList buttons() const { return m_buttons; }
    QString styleSheet() const { return m_styleSheet; }
    // Called with the dialog while it is shown, before it is answered (to
    // take its picture, say).
    void lookFirst(std::function<void(QWidget *)> look) { m_look = std::move(look); }
    // Where the dialog stood on the screen, and its window title.
    QRect geometry() const { return m_geometry; }
    QString windowTitle() const { return m_windowTitle; }

private:
    void poll();
    void answer(QWidget *dialog);

    Way m_way;
    QString m_buttonText;
    QTimer m_timer;
    int m_triesLeft;
    bool m_seen = false;
    bool m_answered = false;
    QString m_text;
    bool m_plainText = false;
    QStringList m_buttons;
    QString m_styleSheet;
    std::function<void(QWidget *)> m_look;
    QRect m_geometry;
    QString m_windowTitle;
};

#endif // MODALANSWER_H
