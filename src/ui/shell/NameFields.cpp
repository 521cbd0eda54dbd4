#include "NameFields.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "LabelElider.h"

namespace {

// A chooser is as wide as its longest name within these bounds: the
// upper one holds any name a person goes by, the lower one enough of a name
// to tell the fighters apart where the page has no more room.
const int chooserMinimumWidth = 120;
const int chooserMaximumWidth = 360;

} // namespace

namespace NameFields {

void show(QLineEdit *field, const QString &name)
{
    field->setText(name);
    field->setCursorPosition(0);
}

void keepNarrow(QComboBox *chooser)
{
    chooser->setMinimumWidth(chooserMinimumWidth);
    chooser->setMaximumWidth(chooserMaximumWidth);
    chooser->view()->setTextElideMode(Qt::ElideRight);
}

void showElided(QLabel *label, const QString &name)
{
    LabelElider::show(label, name);
}

} // namespace NameFields
