#ifndef FILEMUTANTS_H
#define FILEMUTANTS_H

#include <QByteArray>
#include <QString>
#include <QVector>

// Damaged copies of a data file for the mutation sweeps. Mutant n is a
// fixed function of the original and n, so a failing mutant can be named
// and made again: bits flipped, a 32-bit field (a count, a text length or
// a number) set to a huge, negative or odd value, bytes added at the end,
// the file cut short, or a block of it left out or written twice.
class FileMutants
{
public:
    enum Kind { FlippedBits, ChangedField, TrailingBytes, CutShort, BlockLeftOut, BlockTwice, KindCount };

    explicit FileMutants(const QByteArray &original);

    QByteArray mutant(int n) const;
    // "mutant 17 (changed field)", for failure messages.
    static QString label(int n);

private:
    QByteArray original;
    // Where a 32-bit field may start: a small value or FF FF FF FF there is
    // a count, a text length, a number or a date.
    QVector<int> fieldOffsets;
};

#endif // FILEMUTANTS_H
