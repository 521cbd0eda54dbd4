#include "MatchView.h"

#include "TextEditCommentary.h"
#include "match/MatchEngine.h"

namespace MatchView {

void setupMatch(const Fighter &a, const Fighter &b, QTextEdit *view)
{
    std::unique_ptr<CommentarySink> sink;
    if (view)
        sink.reset(new TextEditCommentary(view));
    MatchEngine::Instance().setupMatch(a, b, std::move(sink));
}

} // namespace MatchView
