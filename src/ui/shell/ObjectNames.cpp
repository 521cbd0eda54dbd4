#include "ObjectNames.h"

#include <QLineEdit>

QLineEdit *ObjectNames::readOnlyField(QWidget *parent, const QString &objectName, const QString &text)
{
    auto *field = named(new QLineEdit(text, parent), objectName);
    field->setReadOnly(true);
    return field;
}
