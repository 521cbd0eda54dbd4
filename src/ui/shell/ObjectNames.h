#ifndef OBJECTNAMES_H
#define OBJECTNAMES_H

#include <QString>

class QLineEdit;
class QWidget;

// Object names are how the tests, and a few style sheet rules, find a
// screen's widgets. These make a widget and name it in one step.
namespace ObjectNames {

template <typename W>
W *named(W *made, const QString &objectName)
{
    made->setObjectName(objectName);
    return made;
}

// A read-only line edit.
QLineEdit *readOnlyField(QWidget *parent, const QString &objectName, const QString &text = QString());

} // namespace ObjectNames

#endif // OBJECTNAMES_H
