#ifndef HELPTEXTS_H
#define HELPTEXTS_H

#include <QString>
#include <QVector>

// The texts of the ten help screens, in the order of the help screen's
// chooser. The help screen lists a screen's topics sorted by their keys, so
// every key starts with its place ("1. ", "2. ", ...) and reads in order.
namespace HelpTexts {

struct Topic
{
    QString key;
    QString text;
};

struct HelpScreen
{
    QString name; // as the help screen's chooser shows it
    QVector<Topic> topics;
};

const QVector<HelpScreen> &screens();

} // namespace HelpTexts

#endif // HELPTEXTS_H
