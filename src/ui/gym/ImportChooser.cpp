#include "ImportChooser.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/shell/GameDialog.h"

ImportChooser::ImportChooser(QWidget *parent)
    : QDialog(parent)
    , m_label(new QLabel(QStringLiteral("Choose fighter to import:")))
    , m_list(new QListWidget)
    , m_acceptButton(new QPushButton(QStringLiteral("Import")))
    , m_cancelButton(new QPushButton(QStringLiteral("Cancel")))
{
    m_list->setObjectName(QStringLiteral("import_list"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_list);
    layout->addWidget(m_acceptButton);
    layout->addWidget(m_cancelButton);
    setStyleSheet(dialogStyleSheet(DialogStyle::BList));
    connect(m_acceptButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool ImportChooser::run(const QString &sentence, bool showList, const QString &acceptText, bool showCancel)
{
    m_label->setText(sentence);
    m_list->setVisible(showList);
    m_acceptButton->setText(acceptText);
    m_acceptButton->setVisible(!acceptText.isEmpty());
    m_cancelButton->setVisible(showCancel);
    exec();
    return result() == QDialog::Accepted;
}
