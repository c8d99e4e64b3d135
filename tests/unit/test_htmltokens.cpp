// The one reader of HTML source the markup-aware commands share: where tags,
// comments, declarations, raw text and entities begin and end.
#include "util/htmltokens.h"

#include <QTest>

using util::html::Kind;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }

// "kind:text" for every token, kinds by their first letters.
QStringList tokens(const QString& html) {
    static const char* const names[] = {"text", "ent", "tag", "end", "comment", "decl", "raw"};
    QStringList out;
    util::html::Reader reader(html);
    util::html::Token t;
    while (reader.next(t))
        out << QString::fromLatin1(names[int(t.kind)]) + QLatin1Char(':') + html.mid(t.start, t.end - t.start);
    return out;
}
} // namespace

class TestHtmlTokens : public QObject {
    Q_OBJECT
private slots:
    void tokens_data();
    void tokens();
    void attributes();
    void textOnly();
};

void TestHtmlTokens::tokens_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("tagsAndText") << qs("<P>Bid <B>1C</B>") << QStringList{
        qs("tag:<P>"), qs("text:Bid "), qs("tag:<B>"), qs("text:1C"), qs("end:</B>")};
    QTest::newRow("quotedGreaterThan_insideTheTag")
        << qs("<IMG ALT=\"score > 1C\">1C") << QStringList{qs("tag:<IMG ALT=\"score > 1C\">"), qs("text:1C")};
    QTest::newRow("singleQuotes") << qs("<A TITLE='a>b'>x") << QStringList{qs("tag:<A TITLE='a>b'>"), qs("text:x")};
    QTest::newRow("quoteInAName_isNoQuote") << qs("<P a\"b>x\"") << QStringList{qs("tag:<P a\"b>"), qs("text:x\"")};
    QTest::newRow("unclosedQuote_runsToTheEnd") << qs("<A HREF=\"x>text") << QStringList{qs("tag:<A HREF=\"x>text")};
    QTest::newRow("strayLessThan_isText") << qs("a < b <3 c") << QStringList{qs("text:a "), qs("text:< b "), qs("text:<3 c")};
    QTest::newRow("commentHidesTags") << qs("<!-- <B>1C</B> -->x")
                                      << QStringList{qs("comment:<!-- <B>1C</B> -->"), qs("text:x")};
    QTest::newRow("emptyComments") << qs("<!---->a<!-->b<!--->c")
                                   << QStringList{qs("comment:<!---->"), qs("text:a"), qs("comment:<!-->"),
                                                  qs("text:b"), qs("comment:<!--->"), qs("text:c")};
    QTest::newRow("doctypeAndInstruction") << qs("<!DOCTYPE html><?xml x?>a")
                                           << QStringList{qs("decl:<!DOCTYPE html>"), qs("decl:<?xml x?>"), qs("text:a")};
    QTest::newRow("scriptIsRaw") << qs("<SCRIPT>if (a<b) s=\"</P>&amp;\";</script >x")
                                 << QStringList{qs("tag:<SCRIPT>"), qs("raw:if (a<b) s=\"</P>&amp;\";"),
                                                qs("end:</script >"), qs("text:x")};
    QTest::newRow("scriptEndNeedsWholeName") << qs("<style>a</styles></style>")
                                             << QStringList{qs("tag:<style>"), qs("raw:a</styles>"), qs("end:</style>")};
    QTest::newRow("titleHasEntitiesNoTags") << qs("<TITLE>1C &amp; <B></TITLE>")
                                            << QStringList{qs("tag:<TITLE>"), qs("text:1C "), qs("ent:&amp;"),
                                                           qs("text: <B>"), qs("end:</TITLE>")};
    QTest::newRow("entities") << qs("a&nbsp;b&#160;c&#x2660 d&Zeta;&x &1;")
                              << QStringList{qs("text:a"), qs("ent:&nbsp;"), qs("text:b"), qs("ent:&#160;"),
                                             qs("text:c"), qs("ent:&#x2660"), qs("text: d"), qs("ent:&Zeta;"),
                                             qs("text:&x "), qs("text:&1;")};
    QTest::newRow("tagAfterEntity") << qs("&nbsp;<a href=\"x\">") << QStringList{qs("ent:&nbsp;"), qs("tag:<a href=\"x\">")};
    QTest::newRow("unclosedTagAtEnd") << qs("x<B") << QStringList{qs("text:x"), qs("tag:<B")};
    QTest::newRow("endTagWithoutName_isText") << qs("</ >") << QStringList{qs("text:</ >")};
}

void TestHtmlTokens::tokens() {
    QFETCH(QString, html);
    QFETCH(QStringList, expected);
    QCOMPARE(::tokens(html), expected);
}

void TestHtmlTokens::attributes() {
    const QString tag = qs("<A class=x HREF = \"#B\" data-x='1 > 0' checked>");
    QCOMPARE(util::html::attribute(tag, QLatin1StringView("href"))->toString(), qs("#B"));
    QCOMPARE(util::html::attribute(tag, QLatin1StringView("CLASS"))->toString(), qs("x"));
    QCOMPARE(util::html::attribute(tag, QLatin1StringView("data-x"))->toString(), qs("1 > 0"));
    QVERIFY(util::html::attribute(tag, QLatin1StringView("checked"))->isEmpty());
    QVERIFY(!util::html::attribute(tag, QLatin1StringView("name")));
    // A name inside another attribute's value is no attribute.
    QVERIFY(!util::html::attribute(qs("<A TITLE=\"HREF=x\">"), QLatin1StringView("href")));
}

void TestHtmlTokens::textOnly() {
    QCOMPARE(util::html::textOnly(qs("<H3><A NAME=\"A\"></A>Quiz &amp; <I>more</I></H3><!-- x -->")),
             qs("Quiz &amp; more"));
}

QTEST_APPLESS_MAIN(TestHtmlTokens)
#include "test_htmltokens.moc"
