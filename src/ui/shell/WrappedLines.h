#ifndef WRAPPEDLINES_H
#define WRAPPEDLINES_H

class QListWidget;

// Lists whose lines are sentences (a fight record, a booking, an event's
// results) in columns narrower than their longest line.
namespace WrappedLines {

// Long lines wrap at the list's width instead of running past it behind a
// sideways scroll bar.
void apply(QListWidget *list);

} // namespace WrappedLines

#endif // WRAPPEDLINES_H
