#include "ModalAnswer.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "ShellTestSupport.h"

namespace {
const int pollInterval = 5;
// About ten seconds: long enough for any dialog, short enough that a test
// waiting for a dialog that never comes fails instead of hanging.
const int pollTries = 2000;

// The label that shows the dialog's sentence, if any.
QLabel *sentenceLabel(QWidget *dialog)
{
    if (qobject_cast<QMessageBox *>(dialog))
        return dialog->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    const auto labels = dialog->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->text().isEmpty())
            return label;
    }
    return nullptr;
}

QString sentenceOf(QWidget *dialog)
{
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        return box->text();
    const QLabel *label = sentenceLabel(dialog);
    // The game dialog lets long words break with zero width spaces.
    return label ? label->text().remove(QChar(0x200B)) : QString();
}
} // namespace

ModalAnswer::ModalAnswer(const QString &buttonText)
    : ModalAnswer(Way::Click, buttonText)
{
}

ModalAnswer::ModalAnswer(Way way, const QString &buttonText)
    : m_way(way)
    , m_buttonText(buttonText)
    , m_triesLeft(pollTries)
{
    m_timer.setInterval(pollInterval);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::poll);
    m_timer.start();
}

void ModalAnswer::poll()
{
    QWidget *dialog = QApplication::activeModalWidget();
    if (dialog && dialog->isVisible()) {
        m_timer.stop();
        answer(dialog);
    } else if (--m_triesLeft <= 0) {
        m_timer.stop();
    }
}

void ModalAnswer::answer(QWidget *dialog)
{
    m_seen = true;
    if (m_look)
        m_look(dialog);
    m_text = sentenceOf(dialog);
    const QLabel *label = sentenceLabel(dialog);
    m_plainText = label && ShellTest::showsPlainText(label, m_text);
    m_styleSheet = dialog->styleSheet();
    m_geometry = dialog->geometry();
    m_windowTitle = dialog->windowTitle();
    QPushButton *wanted = nullptr;
    const auto pushButtons = dialog->findChildren<QPushButton *>();
    for (QPushButton *button : pushButtons) {
        if (!button->isVisibleTo(dialog))
            continue;
        const QString text = button->text().remove(QLatin1Char('&'));
        m_buttons << text;
        if (text == m_buttonText && !wanted)
            wanted = button;
    }

    switch (m_way) {
    case Way::Escape:
        QTest::keyClick(dialog, Qt::Key_Escape);
        m_answered = true;
        break;
    case Way::CloseWindow:
        dialog->close();
        m_answered = true;
        break;
    case Way::Click:
        if (wanted) {
            wanted->click();
            m_answered = true;
        } else if (auto *asDialog = qobject_cast<QDialog *>(dialog)) {
            asDialog->reject();
        } else {
            dialog->close();
        }
        break;
    }
}
