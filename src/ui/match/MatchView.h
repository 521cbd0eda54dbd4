#ifndef MATCHVIEW_H
#define MATCHVIEW_H

class Fighter;
class QTextEdit;

// The screens' way to start a match: the commentary goes into `view`
// (null: nowhere).
namespace MatchView {
void setupMatch(const Fighter &a, const Fighter &b, QTextEdit *view);
}

#endif // MATCHVIEW_H
