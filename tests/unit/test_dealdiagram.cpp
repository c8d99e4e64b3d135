// The deal diagram and its double-dummy table as HTML: read back by a real
// parser (gumbo) without a parse error or an element the parser had to
// supply, the hands where the compass puts them, in the suit marks chosen.
#include "deal/diagram.h"

#include <QTest>
#include <functional>
#include <gumbo.h>

using namespace deal;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

const char* const kDeal = "N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T98";

// The page as the parser reads it: its parse errors, the elements it had
// to add or close itself, and the first table's cells row by row, each as
// its text with every image as "[name]".
struct Parsed {
    int errors = 0;
    QStringList supplied;
    QList<QStringList> rows;
};

QString cellText(const GumboNode* node) {
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE)
        return QString::fromUtf8(node->v.text.text);
    if (node->type != GUMBO_NODE_ELEMENT) return {};
    const GumboElement& e = node->v.element;
    if (e.tag == GUMBO_TAG_IMG) {
        const GumboAttribute* src = gumbo_get_attribute(&e.attributes, "src");
        return QLatin1Char('[') + (src ? QString::fromUtf8(src->value) : QString()) +
               QLatin1Char(']');
    }
    if (e.tag == GUMBO_TAG_BR) return qs("/");
    QString out;
    for (unsigned i = 0; i < e.children.length; ++i)
        out += cellText(static_cast<const GumboNode*>(e.children.data[i]));
    return out;
}

Parsed parse(const QString& fragment) {
    const QByteArray page = (qs("<!DOCTYPE html><HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>\r\n") +
                             fragment + qs("</BODY></HTML>"))
                                .toUtf8();
    GumboOutput* out =
        gumbo_parse_with_options(&kGumboDefaultOptions, page.constData(), size_t(page.size()));
    Parsed p;
    p.errors = int(out->errors.length);
    bool firstTable = true;
    std::function<void(const GumboNode*)> walk = [&](const GumboNode* node) {
        if (node->type != GUMBO_NODE_ELEMENT) return;
        const GumboElement& e = node->v.element;
        const QString name = QString::fromUtf8(gumbo_normalized_tagname(e.tag));
        // The table body is the one element HTML supplies in every table.
        if ((node->parse_flags & GUMBO_INSERTION_BY_PARSER) && e.tag != GUMBO_TAG_TBODY)
            p.supplied << name;
        // Elements closed by the parser, not by their end tag (IMG and BR have none).
        if ((node->parse_flags & GUMBO_INSERTION_IMPLICIT_END_TAG) && e.tag != GUMBO_TAG_TBODY &&
            e.tag != GUMBO_TAG_IMG && e.tag != GUMBO_TAG_BR)
            p.supplied << qs("/") + name;
        if (e.tag == GUMBO_TAG_TR && firstTable) {
            QStringList cells;
            for (unsigned i = 0; i < e.children.length; ++i) {
                const auto* c = static_cast<const GumboNode*>(e.children.data[i]);
                if (c->type == GUMBO_NODE_ELEMENT) cells << cellText(c);
            }
            p.rows << cells;
        }
        for (unsigned i = 0; i < e.children.length; ++i)
            walk(static_cast<const GumboNode*>(e.children.data[i]));
        if (e.tag == GUMBO_TAG_TABLE) firstTable = false;
    };
    walk(out->root);
    gumbo_destroy_output(&kGumboDefaultOptions, out);
    return p;
}

void verifyWellFormed(const Parsed& p) {
    QCOMPARE(p.errors, 0);
    QCOMPARE(p.supplied, QStringList{});
}
} // namespace

class TestDealDiagram : public QObject {
    Q_OBJECT
  private slots:
    void diagram_data();
    void diagram();
    void markupStyle_upperCaseTagsAndCrLfLines();
    void doubleDummyTable();
    void diagramAt_readsBackWhatWasWritten();
};

void TestDealDiagram::diagram_data() {
    QTest::addColumn<QString>("deal");
    QTest::addColumn<DiagramCaption>("caption");
    QTest::addColumn<int>("marks");
    QTest::addColumn<QList<QStringList>>("rows");
    const QString n = qs("[S.gif]AKQ2/[h.gif]J103/[D.gif]987/[c.gif]K54");
    const QString e = qs("[S.gif]1098/[h.gif]AK2/[D.gif]QJ/[c.gif]AQJ76");
    const QString s = qs("[S.gif]J765/[h.gif]Q987/[D.gif]AK2/[c.gif]32");
    const QString w = qs("[S.gif]43/[h.gif]654/[D.gif]106543/[c.gif]1098");
    QTest::newRow("compass_imagesAndCaption")
        << qs(kDeal) << DiagramCaption{qs("12"), West, Vulnerability::EastWest}
        << int(SuitMarks::Images)
        << QList<QStringList>{{qs(""), n, qs("")},
                              {w, qs("Board 12/Dealer West/Vul: E-W"), e},
                              {qs(""), s, qs("")}};
    QTest::newRow("voidsAsDash_partialDealEmptyCells_noCaption")
        << qs("N:AKQJT98765432... - - .AKQ.2.") << DiagramCaption{} << int(SuitMarks::Images)
        << QList<QStringList>{
               {qs(""), qs("[S.gif]AKQJ1098765432/[h.gif]-/[D.gif]-/[c.gif]-"), qs("")},
               {qs("[S.gif]-/[h.gif]AKQ/[D.gif]2/[c.gif]-"), qs(""), qs("")},
               {qs(""), qs(""), qs("")}};
    QTest::newRow("suitSymbols_boardNumberEscaped")
        << qs("N:A.K.Q.J - - -") << DiagramCaption{qs("1<2"), std::nullopt, Vulnerability::Both}
        << int(SuitMarks::Symbols)
        << QList<QStringList>{{qs(""), qs("\u2660A/\u2665K/\u2666Q/\u2663J"), qs("")},
                              {qs(""), qs("Board 1<2/Vul: Both"), qs("")},
                              {qs(""), qs(""), qs("")}};
}

void TestDealDiagram::diagram() {
    QFETCH(QString, deal);
    QFETCH(DiagramCaption, caption);
    QFETCH(int, marks);
    QFETCH(QList<QStringList>, rows);
    const DealReading r = readDeal(deal);
    QVERIFY2(r.ok(), qPrintable(r.error));
    const Parsed p = parse(diagramHtml(r.deal, caption, {SuitMarks(marks)}));
    verifyWellFormed(p);
    QCOMPARE(p.rows, rows);
}

void TestDealDiagram::markupStyle_upperCaseTagsAndCrLfLines() {
    const QString html =
        diagramHtml(readDeal(qs(kDeal)).deal, {qs("1"), North, Vulnerability::None});
    QVERIFY(html.startsWith(qs("<TABLE ")));
    QVERIFY(html.endsWith(qs("</TABLE>\r\n")));
    QCOMPARE(html.count(qs("\r\n")), 5);
    QCOMPARE(html.count(QLatin1Char('\n')), 5);
    for (const char* lower : {"<table", "<tr", "<td", "<br", "<img", "</td"})
        QVERIFY(!html.contains(qs(lower)));
    // The images are those Make Symbols For Hands writes, which the
    // program copies into the article's folder.
    QCOMPARE(imagesUsed({}), (QStringList{qs("S.gif"), qs("h.gif"), qs("D.gif"), qs("c.gif")}));
    QCOMPARE(imagesUsed({SuitMarks::Symbols}), QStringList{});
}

void TestDealDiagram::doubleDummyTable() {
    DoubleDummyResult r;
    for (int strain = 0; strain < 5; ++strain)
        for (int seat = 0; seat < 4; ++seat)
            r.tricks[strain][seat] = strain * 2 + seat;
    r.par = Par{-1210, {{6, ClubStrain, qs("EW"), false, 0}, {6, NoTrump, qs("E"), false, 0}}};
    const Parsed p = parse(doubleDummyHtml(r));
    verifyWellFormed(p);
    // Rows N, S, E, W; columns NT, spades down to clubs.
    QCOMPARE(p.rows, (QList<QStringList>{{qs(""), qs("NT"), qs("[S.gif]"), qs("[h.gif]"),
                                          qs("[D.gif]"), qs("[c.gif]")},
                                         {qs("N"), qs("8"), qs("0"), qs("2"), qs("4"), qs("6")},
                                         {qs("S"), qs("10"), qs("2"), qs("4"), qs("6"), qs("8")},
                                         {qs("E"), qs("9"), qs("1"), qs("3"), qs("5"), qs("7")},
                                         {qs("W"), qs("11"), qs("3"), qs("5"), qs("7"), qs("9")},
                                         {qs("Par: 6[c.gif] by E-W, 6NT by E, E-W +1210")}}));
    r.par = Par{300, {{4, HeartStrain, qs("EW"), true, -2}}};
    QCOMPARE(parse(doubleDummyHtml(r, {SuitMarks::Symbols})).rows.last(),
             QStringList{qs("Par: 4\u2665x by E-W -2, N-S +300")});
    r.par.reset();
    QCOMPARE(parse(doubleDummyHtml(r)).rows.size(), 5);
}

void TestDealDiagram::diagramAt_readsBackWhatWasWritten() {
    const DealReading full = readDeal(qs(kDeal));
    const DealReading partial = readDeal(qs("N:AKQJT98765432... - - .AKQ.2."));
    for (const SuitMarks marks : {SuitMarks::Images, SuitMarks::Symbols}) {
        for (const Deal& d : {full.deal, partial.deal}) {
            const QString diagram =
                diagramHtml(d, {qs("12"), West, Vulnerability::EastWest}, {marks});
            const QString before =
                qs("<P>Board 3 was dull.</P>\r\n<TABLE><TR><TD>x</TD></TR></TABLE>\r\n");
            const QString article = before + diagram + qs("<P>After it.</P>\r\n");
            // Anywhere in the diagram, its nested cells included.
            for (const qsizetype at : {before.size(), before.size() + diagram.indexOf(qs("Board")),
                                       before.size() + diagram.size() - 3}) {
                const auto found = diagramAt(article, at);
                QVERIFY(found);
                QCOMPARE(dealString(found->board.deal), dealString(d));
                QCOMPARE(found->board.number, qs("12"));
                QCOMPARE(found->board.dealer, std::optional<Seat>(West));
                QCOMPARE(found->board.vulnerability, Vulnerability::EastWest);
                QCOMPARE(found->start, before.size());
                QCOMPARE(found->end, before.size() + diagram.size()); // after the line break
            }
            QVERIFY(!diagramAt(article, 2));                       // in a paragraph
            QVERIFY(!diagramAt(article, before.indexOf(qs("x")))); // in a table of another shape
        }
    }
}

QTEST_APPLESS_MAIN(TestDealDiagram)
#include "test_dealdiagram.moc"
