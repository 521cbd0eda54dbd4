#ifndef LISTELIDER_H
#define LISTELIDER_H

#include <QObject>
#include <QString>
#include <QStringList>

class QListWidget;
class QListWidgetItem;
class QWidget;

// Keeps a list's entries cut with "…" to the list's width, cut anew
// whenever that width or the font changes, so that no entry runs past the
// list's edge into a sideways scroll. Each entry keeps its whole text, and
// shows it as its tool tip while it is cut.
//
// The elider belongs to the list's viewport, so it goes with the viewport,
// and it tells its events apart by the pointers it keeps: the list's last
// events arrive after the list's own destructor has run, when no call into
// it is safe.
class ListElider : public QObject
{
    Q_OBJECT

public:
    // Adds entries with these whole texts, with an elider attached to the
    // list the first time.
    static void addItems(QListWidget *list, const QStringList &texts);
    // The whole text of an entry added here.
    static QString wholeText(const QListWidgetItem *item);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ListElider(QListWidget *list);
    void fit();

    QListWidget *const list;
    QWidget *const viewport;
};

#endif // LISTELIDER_H
