// Measures Make Table Of Contents on an article with 500 headings (50 H2,
// each with 9 H3 under it) and 100 words of text after each, and the edit
// that carries the result into the editor. Target: under 50 ms in all.
// Prints one line per figure: "<name> <n>".
#include "authoring/contents.h"
#include "authoring/edit.h"

#include <QElapsedTimer>
#include <cstdio>

int main() {
    QString paragraph;
    for (int w = 0; w < 100; ++w)
        paragraph += QStringLiteral("word ");
    QString article = QStringLiteral("<HTML><BODY>\r\n<H1>The Article</H1>\r\n");
    for (int h2 = 0; h2 < 50; ++h2) {
        article += QStringLiteral("<H2>Chapter %1</H2>\r\n<P>").arg(h2) + paragraph +
                   QStringLiteral("\r\n");
        for (int h3 = 0; h3 < 9; ++h3)
            article += QStringLiteral("<H3>Section %1.%2</H3>\r\n<P>").arg(h2).arg(h3) + paragraph +
                       QStringLiteral("\r\n");
    }
    article += QStringLiteral("</BODY></HTML>\r\n");
    std::printf("article_chars %lld\n", static_cast<long long>(article.size()));

    constexpr int kRuns = 20;
    qint64 best = -1;
    qint64 bestWithEdit = -1;
    int entries = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        const authoring::ContentsResult r = authoring::tableOfContents(article);
        const qint64 contents = clock.nsecsElapsed();
        const auto edits = authoring::differenceEdits(article, r.text);
        const qint64 withEdit = clock.nsecsElapsed();
        entries = r.entries;
        if (edits.isEmpty()) std::puts("no change");
        if (best < 0 || contents < best) best = contents;
        if (bestWithEdit < 0 || withEdit < bestWithEdit) bestWithEdit = withEdit;
    }
    std::printf("headings_listed %d\n", entries);
    std::printf("table_of_contents_ms %.3f\n", best / 1e6);
    std::printf("table_of_contents_with_edit_ms %.3f\n", bestWithEdit / 1e6);
    return 0;
}
