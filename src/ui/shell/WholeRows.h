#ifndef WHOLEROWS_H
#define WHOLEROWS_H

#include <QObject>

class QListWidget;
class QWidget;

// Keeps a list as high as its first rows as they are drawn, so that the
// visible area ends where a row ends: a wrapped row is two lines high, so
// the height is measured on the rows themselves, again whenever they change
// or the width they wrap at does.
//
// Like `ListElider`, it belongs to the list's viewport and tells its events
// apart by the pointer it keeps, never by asking the list, whose last events
// arrive after the list's own destructor has run.
class WholeRows : public QObject
{
    Q_OBJECT

public:
    // Fits `list` to `rows` rows from now on. A list with fewer keeps the
    // room of the missing ones, each as high as its last, so that a page
    // does not move as the number of rows changes.
    static void keep(QListWidget *list, int rows);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WholeRows(QListWidget *list, int rows);
    void fit();

    QListWidget *const list;
    QWidget *const viewport;
    const int rows;
};

#endif // WHOLEROWS_H
