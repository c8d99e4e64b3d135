// Measures the markup commands that read the whole document, on a 1 MB
// article of 20,000 short paragraphs: Paragraph over the whole text
// selected, Paragraph at a caret, the next anchor name and the next show/hide
// block number. Prints one line per figure: "<name>_ms <n>".
#include "authoring/hideblock.h"
#include "authoring/links.h"
#include "authoring/paragraph.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {
template <class F> void measure(const char* name, F&& f) {
    QElapsedTimer clock;
    clock.start();
    f();
    std::printf("%s_ms %lld\n", name, static_cast<long long>(clock.elapsed()));
}
} // namespace

int main() {
    QString article;
    for (int i = 0; i < 20000; ++i) {
        article +=
            QStringLiteral("The bidding went one club,   \r\n  one heart and two no trump \r\n");
        article += QStringLiteral("<A HREF=#B>see</A> hide%1IDx\r\n\r\n").arg(i % 50);
    }
    std::printf("article_chars %lld\n", static_cast<long long>(article.size()));
    measure("paragraph_whole_selection", [&] {
        const auto r = authoring::paragraphCommand(article, {0, int(article.size())});
        if (r.edits.isEmpty()) std::puts("no change");
    });
    measure("paragraph_at_caret_mid_text", [&] {
        const auto r = authoring::paragraphCommand(article, {int(article.size() / 2), 0});
        Q_UNUSED(r);
    });
    measure("next_anchor_name", [&] { (void)authoring::nextAnchorCounter(0, article); });
    measure("next_hide_block_number", [&] { (void)authoring::nextHideBlockNumber(0, article); });
    return 0;
}
