#include "PendingScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PendingScreen::PendingScreen(const QString &name, QWidget *parent)
    : ScreenFrame(parent)
    , m_layout(new QVBoxLayout)
    , m_nameLabel(new QLabel(name))
    , m_noteLabel(new QLabel(QStringLiteral("This screen is still being built.")))
{
    m_nameLabel->setObjectName(QStringLiteral("pending_screen_name"));
    m_noteLabel->setObjectName(QStringLiteral("pending_screen_note"));
    m_nameLabel->setAlignment(Qt::AlignCenter);
    m_noteLabel->setAlignment(Qt::AlignCenter);
    m_layout->addStretch(1);
    m_layout->addWidget(m_nameLabel, 0, Qt::AlignHCenter);
    m_layout->addWidget(m_noteLabel, 0, Qt::AlignHCenter);
    m_layout->addStretch(1);
    setLayout(m_layout);
}

QPushButton *PendingScreen::addButton(const QString &text)
{
    auto *button = new QPushButton(text);
    button->setMinimumSize(220, 50);
    // Above the closing stretch.
    m_layout->insertWidget(m_layout->count() - 1, button, 0, Qt::AlignHCenter);
    return button;
}
