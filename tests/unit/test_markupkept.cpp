// Whole-document commands never break markup: over the system's HTML
// documentation and built awkward pages, every element a real HTML parser
// finds before the command is found after it, attributes and order kept; the
// only new elements are the command's own.
#include "authoring/contents.h"
#include "authoring/paragraph.h"
#include "bridge/auctions.h"
#include "bridge/suitnotation.h"
#include "editor/findengine.h"
#include "editor/sourcefile.h"
#include "util/htmltokens.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <gumbo.h>

namespace {
const auto qs = [](const char* text) { return QString::fromUtf8(text); };

// The page's elements in document order, each as "name attr=value ..."
// (elements the parser supplies itself left out).
QStringList elements(const QString& html) {
    const QByteArray utf8 = html.toUtf8();
    GumboOutput* out =
        gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), size_t(utf8.size()));
    QStringList list;
    std::function<void(const GumboNode*)> walk = [&](const GumboNode* node) {
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE) return;
        const GumboElement& e = node->v.element;
        if (!(node->parse_flags & GUMBO_INSERTION_BY_PARSER)) {
            GumboStringPiece name = e.original_tag;
            gumbo_tag_from_original_text(&name);
            QString item = QString::fromUtf8(name.data, qsizetype(name.length)).toLower();
            for (unsigned i = 0; i < e.attributes.length; ++i) {
                const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[i]);
                item += QLatin1Char(' ') + QString::fromUtf8(a->name) + QLatin1Char('=') +
                        QString::fromUtf8(a->value);
            }
            list << item;
        }
        for (unsigned i = 0; i < e.children.length; ++i)
            walk(static_cast<const GumboNode*>(e.children.data[i]));
    };
    walk(out->root);
    gumbo_destroy_output(&kGumboDefaultOptions, out);
    return list;
}

// Empty when every element of `before` is in `after` in order and the rest
// of `after` is what the command may insert; else what went wrong.
QString compare(const QStringList& before, const QStringList& after,
                const QRegularExpression& inserted) {
    qsizetype b = 0;
    for (const QString& e : after) {
        if (b < before.size() && e == before[b])
            ++b;
        else if (!inserted.match(e).hasMatch())
            return qs("unexpected element: ") + e;
    }
    return b < before.size() ? qs("element lost or changed: ") + before[b] : QString();
}

// The page with every tag name in capitals, as the program's own commands
// and many bridge authors write them (the parser reads names in any case).
QString capitalTags(const QString& text) {
    QString out = text;
    util::html::Reader reader(text);
    util::html::Token t;
    while (reader.next(t))
        if (const QString upper = t.name.toString().toUpper();
            t.isTag() && upper.size() == t.name.size())
            out.replace(t.name.data() - text.constData(), t.name.size(), upper);
    return out;
}

struct Command {
    const char* name;
    std::function<QString(const QString&)> run;
    QRegularExpression inserted; // the elements the command writes
};

QList<Command> commands() {
    return {
        {"suits to symbols, bidding font",
         [](const QString& t) {
             return bridge::setAuctionsInBiddingFont(bridge::suitsToSymbols(t).text).text;
         },
         QRegularExpression(qs("^(img src=[CDHS][1-6]?\\.gif|font face=Courier New)$"))},
        {"table of contents",
         [](const QString& t) {
             const auto r = authoring::tableOfContents(capitalTags(t));
             return r.hasH1 ? r.text : t;
         },
         QRegularExpression(
             qs("^(h2|ul|br|p|hr|a name=[A-Z]{1,2}[0-9]*|a href=#[A-Z]{1,2}[0-9]*)$"))},
        {"paragraph, whole document",
         [](const QString& t) {
             return authoring::applied(t, authoring::paragraphCommand(t, {0, int(t.size())}));
         },
         QRegularExpression(qs("^p$"))},
        {"replace all, ignoring text in < >",
         [](const QString& t) { return editor::replaceAll(t, qs("a"), qs("b"), 0, {}).text; },
         QRegularExpression(qs("^$"))},
    };
}
} // namespace

class MarkupKept : public QObject {
    Q_OBJECT
  private slots:
    void commands_keepEveryElement() {
        QStringList pages = {
            qs("<HTML><HEAD><TITLE>1C</TITLE><STYLE>p.x1H{color:red}</STYLE></HEAD><BODY>\r\n"
               "<H1>Book</H1><P>Intro: 1C-(1D)-P-(1H), 1S.\r\n<IMG ALT=\"score > 1C\" "
               "SRC=\"a.png\"> 2D\r\n<!-- <H2>1C</H2> --><SCRIPT>var s = '<H2>2C</H2>';</SCRIPT>"
               "\r\n<H2>One 1NT</H2>\r\n<P>the <A HREF=\"#B\" TITLE=\"the a > b\">link</A>&nbsp;"
               "<B>3H</B>\r\n<H3><A NAME=\"A\"></A>Quiz</H3>\r\nline\r\nbreaks\r\n\r\n"
               "<PRE>keep\r\nthis</PRE></BODY></HTML>"),
            qs("<!DOCTYPE html><html><body><h1 class=\"t\">Bidding</h1><p>2S-P-4S</p>"
               "<a href=\"x.htm\">1C in a link</a><textarea>1D <b></textarea></body></html>")};
        QStringList names{qs("built 1"), qs("built 2")};
        QDirIterator it(qs("/usr/share/doc"), {qs("*.html"), qs("*.htm")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly)) continue;
            pages << editor::decodeSource(f.readAll()).text;
            names << f.fileName();
        }
        QStringList faults;
        for (const Command& c : commands()) {
            int changed = 0;
            for (int i = 0; i < pages.size(); ++i) {
                const QString after = c.run(pages[i]);
                changed += after != pages[i];
                const QString fault = compare(elements(pages[i]), elements(after), c.inserted);
                if (!fault.isEmpty()) faults << qs(c.name) + qs(", ") + names[i] + qs(": ") + fault;
            }
            if (changed == 0) faults << qs(c.name) + qs(": no page changed");
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 10).join(QLatin1Char('\n'))));
    }
};

QTEST_APPLESS_MAIN(MarkupKept)
#include "test_markupkept.moc"
