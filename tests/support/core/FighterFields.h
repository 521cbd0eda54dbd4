#ifndef FIGHTERFIELDS_H
#define FIGHTERFIELDS_H

#include <QDate>
#include <QMap>
#include <QStringList>
#include <QVector>

#include "FighterBuilder.h"

// A fighter's fields: those of Ann Lee, the record tests' filled fighter,
// and the packed fields of any fighter read one at a time.
namespace FighterFields {

// Twelve distinct texts ("Ann", "Lee", ...).
QStringList fighterTexts();
// 95 whole numbers: age 25, wins 10, losses 2, knockouts 6, every
// attribute `attribute`, then durabilities 120/110, contract 4, pictures
// 1/2/3, id 1100, standing 900.
QVector<int> fighterInts(int attribute = 50);
// A builder holding the above, with no birthday.
FighterBuilder sample(int attribute = 50);
// Fills a fighter (or the fighter part of a GymFighter) with the above,
// born 29 Feb 1988, with the given history and titles.
void fill(Fighter &fighter, int attribute = 50,
          const QMultiMap<QDate, QString> &history = QMultiMap<QDate, QString>(),
          const QStringList &titles = QStringList());
// Attribute k, whole number i and text i as the packing gives them.
int attribute(const Fighter &fighter, int k);
int wholeNumber(const Fighter &fighter, int index);
QString text(const Fighter &fighter, int index);
QStringList titlesOf(const Fighter &fighter);
QStringList historyOf(const Fighter &fighter);

} // namespace FighterFields

#endif // FIGHTERFIELDS_H
