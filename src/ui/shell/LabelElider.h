#ifndef LABELELIDER_H
#define LABELELIDER_H

#include <QObject>
#include <QString>

class QLabel;

// Keeps a text on a label cut with "…" to the label's width and cuts it
// anew whenever that width or the font changes. The label takes the width
// its layout gives it instead of asking for the room of the whole text;
// while the text is cut, the whole of it is the label's tool tip.
class LabelElider : public QObject
{
    Q_OBJECT

public:
    // Shows `text` on `label`, with an elider attached the first time.
    static void show(QLabel *label, const QString &text);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LabelElider(QLabel *label);
    void fit();

    QLabel *label;
    QString text;
};

#endif // LABELELIDER_H
