#ifndef IMPORTCHOOSER_H
#define IMPORTCHOOSER_H

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The profile screen's chooser of export files: a sentence over the list of
// files, an "Import" and a "Cancel" button. With the list hidden it is also
// the message box of the imports.
class ImportChooser : public QDialog
{
    Q_OBJECT

public:
    explicit ImportChooser(QWidget *parent = nullptr);

    // Shows the sentence, the list if asked, the first button under
    // acceptText (hidden when empty) and Cancel if asked; true when the
    // first button closed it.
    bool run(const QString &sentence, bool showList, const QString &acceptText, bool showCancel);

    QLabel *label() const { return m_label; }
    QListWidget *list() const { return m_list; }
    QPushButton *acceptButton() const { return m_acceptButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

private:
    QLabel *m_label;
    QListWidget *m_list;
    QPushButton *m_acceptButton;
    QPushButton *m_cancelButton;
};

#endif // IMPORTCHOOSER_H
