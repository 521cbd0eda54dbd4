#ifndef IMPORTCHOOSER_H
#define IMPORTCHOOSER_H

#include "ui/shell/GameDialog.h"

class QListWidget;

// The profile screen's chooser of export files: a game dialog with the
// list of files between its sentence and its buttons, the first button
// reading "Import". With the list hidden it is also the message box of the
// imports.
class ImportChooser : public GameDialog
{
    Q_OBJECT

public:
    explicit ImportChooser(QWidget *parent = nullptr);

    // Shows the sentence, the list if asked, the first button under
    // acceptText (hidden when empty) and Cancel if asked; true when the
    // first button closed it.
    bool run(const QString &sentence, bool showList, const QString &acceptText, bool showCancel);

    QListWidget *list() const { return m_list; }

private:
    QListWidget *m_list;
};

#endif // IMPORTCHOOSER_H
