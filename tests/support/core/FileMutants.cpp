#include "FileMutants.h"

#include <QRandomGenerator>

namespace {

const quint32 NullText = 0xFFFFFFFF;
// Counts, text lengths, numbers and dates (a day number near 2,450,000)
// lie below this; most UTF-16 letter pairs lie above it.
const quint32 FieldLimit = 0x00400000;

// What a damaged or hand-edited field may hold: huge, negative, odd, just
// past a limit.
const quint32 FieldValues[] = {0xFFFFFFFF, 0xFFFFFFFE, 0x80000000, 0x80000001, 0x7FFFFFFF, 0x7FFFFFFE,
                               0x40000000, 0x00FFFFFF, 0x00010001, 0xFFFF0000, 1, 3, 0};

const char *const KindNames[] = {"flipped bits", "changed field", "trailing bytes", "cut short",
                                 "block left out", "block twice"};

quint32 numberAt(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

void setNumberAt(QByteArray &bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (24 - 8 * i)) & 0xFF);
}

} // namespace

FileMutants::FileMutants(const QByteArray &original)
    : original(original)
{
    for (int offset = 0; offset + 4 <= original.size(); ++offset) {
        const quint32 value = numberAt(original, offset);
        if (value < FieldLimit || value == NullText)
            fieldOffsets << offset;
    }
}

QString FileMutants::label(int n)
{
    return QString("mutant %1 (%2)").arg(n).arg(KindNames[n % KindCount]);
}

QByteArray FileMutants::mutant(int n) const
{
    QRandomGenerator random(quint32(n) * 2654435761u + 1);
    QByteArray bytes = original;
    const int size = bytes.size();
    // A block of up to a twentieth of the file, at least one byte.
    const int blockSize = 1 + int(random.bounded(quint32(qMax(1, size / 20))));
    const int blockStart = int(random.bounded(quint32(qMax(1, size - blockSize))));
    switch (Kind(n % KindCount)) {
    case FlippedBits:
        for (int flips = 1 + int(random.bounded(3)); flips > 0; --flips) {
            const int at = int(random.bounded(quint32(size)));
            bytes[at] = char(bytes.at(at) ^ (1 << random.bounded(8)));
        }
        break;
    case ChangedField: {
        const int offset = fieldOffsets.at(int(random.bounded(quint32(fieldOffsets.size()))));
        const int choices = int(sizeof FieldValues / sizeof *FieldValues);
        setNumberAt(bytes, offset, FieldValues[random.bounded(choices)]);
        break;
    }
    case TrailingBytes:
        for (int extra = 1 + int(random.bounded(8)); extra > 0; --extra)
            bytes.append(char(random.bounded(256)));
        break;
    case CutShort:
        bytes.truncate(int(random.bounded(quint32(size))));
        break;
    case BlockLeftOut:
        bytes.remove(blockStart, blockSize);
        break;
    case BlockTwice:
        bytes.insert(blockStart + blockSize, original.mid(blockStart, blockSize));
        break;
    case KindCount:
        break;
    }
    return bytes;
}
