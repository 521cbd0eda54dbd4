#include "ImportChooser.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

ImportChooser::ImportChooser(QWidget *parent)
    : GameDialog(DialogStyle::BList, parent)
    , m_list(new QListWidget)
{
    label()->setText(QStringLiteral("Choose fighter to import:"));
    acceptButton()->setText(QStringLiteral("Import"));
    m_list->setObjectName(QStringLiteral("import_list"));
    insertBelowLabel(m_list);
}

bool ImportChooser::run(const QString &sentence, bool showList, const QString &acceptText, bool showCancel)
{
    m_list->setVisible(showList);
    acceptButton()->setText(acceptText);
    return GameDialog::run(sentence, !acceptText.isEmpty(), showCancel);
}
