// Whole-document commands never break the markup they work on: run over the
// system's HTML documentation (a few hundred real pages) and over built
// awkward pages, every element a real HTML parser finds in the page before
// the command is found again after it, with the same attributes, in the same
// order; the only new elements are the command's own.
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
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// The elements of a page as the parser builds them, in document order, each
// as "name attr=value ..." (elements the parser supplies itself left out).
QStringList elements(const QString& html) {
    const QByteArray utf8 = html.toUtf8();
    GumboOutput* out =
        gumbo_parse_with_options(&kGumboDefaultOptions, utf8.constData(), size_t(utf8.size()));
    QStringList list;
    std::function<void(const GumboNode*)> walk = [&](const GumboNode* node) {
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE) return;
        const GumboElement& e = node->v.element;
        if (!(node->parse_flags & GUMBO_INSERTION_BY_PARSER)) {
            QString item;
            if (e.tag == GUMBO_TAG_UNKNOWN) {
                GumboStringPiece name = e.original_tag;
                gumbo_tag_from_original_text(&name);
                item = QString::fromUtf8(name.data, qsizetype(name.length)).toLower();
            } else {
                item = QString::fromUtf8(gumbo_normalized_tagname(e.tag));
            }
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
        if (b < before.size() && e == before[b]) {
            ++b;
            continue;
        }
        if (!inserted.match(e).hasMatch()) return qs("unexpected element: ") + e;
    }
    if (b < before.size()) return qs("element lost or changed: ") + before[b];
    return {};
}

// The page with every tag name in capitals, as the program's own commands
// and many bridge authors write them.
QString capitalTags(const QString& text) {
    QString out;
    qsizetype copied = 0;
    util::html::Reader reader(text);
    util::html::Token t;
    while (reader.next(t)) {
        if (!t.isTag()) continue;
        const qsizetype at = t.name.data() - text.constData();
        out += QStringView(text).mid(copied, at - copied);
        out += t.name.toString().toUpper();
        copied = at + t.name.size();
    }
    out += QStringView(text).mid(copied);
    return out;
}

struct Command {
    const char* name;
    std::function<QString(const QString&)> run;
    QRegularExpression inserted; // the elements the command writes
};

QList<Command> commands() {
    return {
        {"suits to symbols", [](const QString& t) { return bridge::suitsToSymbols(t).text; },
         QRegularExpression(qs("^img src=[CDHS][1-6]?\\.gif$"))},
        {"bidding font",
         [](const QString& t) {
             return bridge::setAuctionsInBiddingFont(bridge::suitsToSymbols(t).text).text;
         },
         QRegularExpression(qs("^(img src=[CDHS][1-6]?\\.gif|font face=Courier New)$"))},
        {"table of contents",
         [](const QString& t) {
             const auto r = authoring::tableOfContents(capitalTags(t));
             return r.hasH1 ? r.text : capitalTags(t);
         },
         QRegularExpression(
             qs("^(h2|ul|br|p|hr|a name=[A-Z]{1,2}[0-9]*|a href=#[A-Z]{1,2}[0-9]*)$"))},
        {"paragraph, whole document",
         [](const QString& t) {
             return authoring::applied(t, authoring::paragraphCommand(t, {0, int(t.size())}));
         },
         QRegularExpression(qs("^p$"))},
        {"replace all, ignoring text in < >",
         [](const QString& t) {
             editor::FindOptions o;
             o.ignoreHtml = true;
             QString out = editor::replaceAll(t, qs("the"), qs("zq"), 0, o).text;
             return editor::replaceAll(out, qs("a"), qs("b"), 0, o).text;
         },
         QRegularExpression(qs("^$"))},
    };
}

QStringList builtPages() {
    return {
        qs("<HTML><HEAD><TITLE>1C</TITLE><STYLE>p.x1H{color:red}</STYLE></HEAD><BODY>\r\n"
           "<H1>Book</H1><P>Intro: 1C-(1D)-P-(1H), 1S.\r\n<IMG ALT=\"score > 1C\" SRC=\"a.png\"> "
           "2D\r\n"
           "<!-- <H2>1C</H2> --><SCRIPT>var s = '<H2>2C</H2>';</SCRIPT>\r\n"
           "<H2>One 1NT</H2>\r\n<P>the <A HREF=\"#B\" TITLE=\"the a > "
           "b\">link</A>&nbsp;<B>3H</B>\r\n"
           "<H3><A "
           "NAME=\"A\"></A>Quiz</H3>\r\nline\r\nbreaks\r\n\r\n<PRE>keep\r\nthis</PRE></BODY></"
           "HTML>"),
        qs("<!DOCTYPE html><html><body><h1 class=\"t\">Bidding</h1><p>2S-P-4S</p>"
           "<a href=\"x.htm\">1C in a link</a><textarea>1D <b></textarea></body></html>"),
    };
}
} // namespace

class MarkupKept : public QObject {
    Q_OBJECT
  private slots:
    void commands_keepEveryElement_data();
    void commands_keepEveryElement();
};

void MarkupKept::commands_keepEveryElement_data() {
    QTest::addColumn<int>("command");
    const QList<Command> all = commands();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].name) << i;
}

void MarkupKept::commands_keepEveryElement() {
    QFETCH(int, command);
    const Command c = commands()[command];
    QStringList pages = builtPages();
    QStringList names{qs("built 1"), qs("built 2")};
    QDirIterator it(qs("/usr/share/doc"), {qs("*.html"), qs("*.htm")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly)) continue;
        pages << editor::decodeSource(f.readAll()).text;
        names << f.fileName();
    }
    int changed = 0;
    QStringList faults;
    for (int i = 0; i < pages.size(); ++i) {
        const QString before = QLatin1String(c.name) == QLatin1String("table of contents")
                                   ? capitalTags(pages[i])
                                   : pages[i];
        const QString after = c.run(pages[i]);
        if (after != before) ++changed;
        const QString fault = compare(elements(before), elements(after), c.inserted);
        if (!fault.isEmpty()) faults << names[i] + qs(": ") + fault;
    }
    qInfo("%s: %lld pages, %d changed", c.name, qlonglong(pages.size()), changed);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 10).join(QLatin1Char('\n'))));
    QVERIFY(changed > 0);
}

QTEST_APPLESS_MAIN(MarkupKept)
#include "test_markupkept.moc"
