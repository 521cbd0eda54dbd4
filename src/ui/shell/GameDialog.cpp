#include "GameDialog.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ModuleManager.h"
#include "PlainText.h"
#include "WholeCharacters.h"

namespace {

// What sets each dialog style apart; everything else is shared.
struct DialogLook
{
    DialogStyle style;
    const char *buttonGradientStart;
    bool wideButtons;
    bool styledList;
};

const DialogLook dialogLooks[] = {
    {DialogStyle::A, "#E0B687", false, false},
    {DialogStyle::B, "#E0B698", false, false},
    {DialogStyle::BList, "#E0B698", false, true},
    {DialogStyle::AWide, "#E0B687", true, false},
};

const DialogLook &lookOf(DialogStyle style)
{
    for (const DialogLook &look : dialogLooks) {
        if (look.style == style)
            return look;
    }
    return dialogLooks[0];
}

// A word longer than this many characters (a long file name) may break
// anywhere, after every so many of them, so that it wraps inside the dialog
// like the rest. A character is what a reader counts as one: an emoji, a
// flag or a letter with its accents is never broken apart.
const int longestUnbrokenRun = 30;
const QChar breakOpportunity(0x200B); // zero width space

QString breakableAnywhere(const QString &sentence)
{
    const WholeCharacters characters(sentence);
    QString text;
    int run = 0;
    int start = 0;
    for (const int end : characters.ends()) {
        const QStringRef character = sentence.midRef(start, end - start);
        text += character;
        run = character.at(0).isSpace() ? 0 : run + 1;
        if (run == longestUnbrokenRun) {
            text += breakOpportunity;
            run = 0;
        }
        start = end;
    }
    return text;
}

const char *const centringName = "centred_over_game_window";

void centreOverGameWindow(QWidget *dialog)
{
    const QWidget *window = ModuleManager::Instance()->window();
    if (window)
        dialog->move(window->frameGeometry().center() - QPoint(dialog->width() / 2, dialog->height() / 2));
}

// Keeps a dialog over the game window's centre: when it shows and when it
// takes another size while shown.
class CentredOverGameWindow : public QObject
{
public:
    explicit CentredOverGameWindow(QDialog *dialog)
        : QObject(dialog)
    {
        setObjectName(QLatin1String(centringName));
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show || (event->type() == QEvent::Resize && dialog->isVisible()))
            centreOverGameWindow(dialog);
        return false;
    }
};

} // namespace

void placeOverGameWindow(QDialog *dialog)
{
    const QWidget *window = ModuleManager::Instance()->window();
    if (!window)
        return;
    dialog->setWindowTitle(window->windowTitle());
    if (!dialog->findChild<QObject *>(QLatin1String(centringName), Qt::FindDirectChildrenOnly))
        new CentredOverGameWindow(dialog);
    centreOverGameWindow(dialog);
}

QString dialogStyleSheet(DialogStyle style)
{
    const DialogLook &look = lookOf(style);
    const QString minWidth = look.wideButtons ? QStringLiteral("min-width: 50px;\t") : QString();
    QString sheet = QStringLiteral(
        "QDialog {\tbackground: url(./Resources/Backgrounds/MainBackground.jpg);\t\tbackground-repeat:no-repeat; }");
    sheet += QStringLiteral("QPushButton{ border: 3px outset #704018;     ") + minWidth
        + QStringLiteral("border-radius: 10px;     background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 ")
        + QLatin1String(look.buttonGradientStart)
        + QStringLiteral(", stop: 1 #704018);     font-weight:bold; color:Black;}");
    sheet += QStringLiteral(
        "QLabel {border: 3px groove #885038; \tbackground-color: #E0B687; \tfont-weight:bold; color:Black;}");
    sheet += QStringLiteral("QPushButton:pressed{ ") + minWidth
        + QStringLiteral("background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #986848, stop: 1 #F8D0A0); }");
    if (look.styledList) {
        sheet += QStringLiteral(
            "QListWidget, QScrollBar {\tborder: 1px groove #885038; \tbackground-color: #E0B687; "
            "\tfont-weight:bold; \tselection-background-color: #A0522D; color:Black;}");
    }
    return sheet;
}

GameDialog::GameDialog(DialogStyle style, QWidget *parent)
    : QDialog(parent)
    , m_layout(new QVBoxLayout)
    , m_label(new QLabel)
    , m_acceptButton(new QPushButton(QStringLiteral("Accept")))
    , m_cancelButton(new QPushButton(QStringLiteral("Cancel")))
{
    PlainText::install();
    setStyleSheet(dialogStyleSheet(style));
    // A long sentence (a long file name in it) wraps instead of widening the
    // dialog past the game window.
    m_label->setWordWrap(true);
    m_layout->addWidget(m_label);
    m_layout->addWidget(m_acceptButton);
    m_layout->addWidget(m_cancelButton);
    setLayout(m_layout);
    connect(m_acceptButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool GameDialog::ask(const QString &sentence)
{
    return run(sentence, true, true);
}

bool GameDialog::tell(const QString &sentence, DialogButton shown)
{
    return run(sentence, shown == DialogButton::Accept, shown == DialogButton::Cancel);
}

bool GameDialog::askOnce(const QString &sentence, DialogStyle style)
{
    GameDialog dialog(style);
    return dialog.ask(sentence);
}

bool GameDialog::run(const QString &sentence, bool showAccept, bool showCancel)
{
    m_label->setText(breakableAnywhere(sentence));
    m_acceptButton->setVisible(showAccept);
    m_cancelButton->setVisible(showCancel);
    fitToGameWindow();
    placeOverGameWindow(this);
    exec();
    return result() == QDialog::Accepted;
}

void GameDialog::insertBelowLabel(QWidget *widget)
{
    m_layout->insertWidget(m_layout->indexOf(m_label) + 1, widget);
}

void GameDialog::fitToGameWindow()
{
    const QWidget *window = ModuleManager::Instance()->window();
    if (!window)
        return;
    setMaximumWidth(window->width());
    // A wrapping label would break even a short sentence: it keeps its one
    // line as long as that fits in the window.
    m_label->ensurePolished();
    const QMargins margins = m_layout->contentsMargins() + m_label->contentsMargins();
    const int frame = 2 * m_label->frameWidth() + margins.left() + margins.right();
    const int widest = window->width() - frame;
    const int natural = m_label->fontMetrics()
                            .boundingRect(QRect(0, 0, widest, window->height()), Qt::TextWordWrap, m_label->text())
                            .width();
    m_label->setMinimumWidth(qMin(natural, widest) + 2 * m_label->frameWidth() + m_label->contentsMargins().left()
                             + m_label->contentsMargins().right());
    adjustSize();
}
