// Numbers, text encodings, file-URL escapes, and the one reader of HTML
// source the markup-aware commands share.
#include "util/htmltokens.h"
#include "util/numbers.h"
#include "util/strings.h"
#include "util/textcodec.h"

#include <QTest>
#include <climits>

using util::Encoding;

namespace {
const auto s = [](const char* text) { return QString::fromUtf8(text); };

// "kind:text|kind:text..." for every token; the tokens must tile the text.
QString tokens(const QString& html) {
    static const char* const names[] = {"text", "ent", "tag", "end", "comment", "decl", "raw"};
    QStringList out;
    util::html::Reader reader(html);
    util::html::Token t;
    qsizetype at = 0;
    while (reader.next(t)) {
        if (t.start != at || t.end <= t.start) return s("gap or overlap");
        at = t.end;
        out << s(names[int(t.kind)]) + QLatin1Char(':') + html.mid(t.start, t.end - t.start);
    }
    return at == html.size() ? out.join(QLatin1Char('|')) : s("text lost");
}
} // namespace

class TestUtil : public QObject {
    Q_OBJECT
  private slots:
    void parseNumber() {
        // "2147483647.5": half to even rounds past the largest int.
        const char* texts[] = {" 25, 30",     "12.5",    "13.5",        "-2.5",        "1.44e3",
                               "abc",         "1 440",   "nan",         "9e99",        "2147483648",
                               "-2147483649", "\t-15\t", "-2147483648", "2147483647.5"};
        const int values[] = {25, 12, 14, -2, 1440, 0, 0, 0, 0, 0, 0, -15, INT_MIN, 0};
        for (int i = 0; i < 14; ++i)
            QCOMPARE(util::parseNumber(s(texts[i])), values[i]);
        QCOMPARE(util::numberText(5), s(" 5"));
    }

    // Valid UTF-8 is UTF-8 (a byte-order mark is no text); one bad byte makes
    // the whole file Windows-1252 (test_editor saves every byte back).
    void decodeAndEncodeText() {
        const util::DecodedText utf8 = util::decodeText("\xEF\xBB\xBF"
                                                        "a\r\nb\rc\xF0\x9F\x98\x80");
        QVERIFY(utf8.text == s("a\r\nb\rc\U0001F600") && utf8.encoding == Encoding::Utf8);
        // Cut short, overlong, a surrogate, one bad byte.
        const char* bytes[] = {"\x80\x93x\x81", "abc\xC3", "\xC0\xAF", "\xED\xA0\x80",
                               "\xC3\xA9 \xE9"};
        const char* texts[] = {"\u20ac\u201cx\u0081", "abc\u00c3", "\u00c0\u00af",
                               "\u00ed\u00a0\u20ac", "\u00c3\u00a9 \u00e9"};
        for (int i = 0; i < 5; ++i) {
            const util::DecodedText d = util::decodeText(bytes[i]);
            QVERIFY(d.text == s(texts[i]) && d.encoding == Encoding::Windows1252);
        }
        QCOMPARE(util::toCrLf(s("a\nb\rc\r\n\n\r\r\n")), s("a\r\nb\r\nc\r\n\r\n\r\n\r\n"));
        // Well-formed escapes decode as UTF-8; malformed ones stay as written.
        QCOMPARE(util::percentDecode(s("My%20F%c3%a9%23x%25 a%2 a%2Gb 100%")),
                 s("My Fé#x% a%2 a%2Gb 100%"));
    }

    // A tag ends at the first ">" outside quotes; comments, declarations,
    // SCRIPT/STYLE raw text, TITLE (entities, no tags), entities, stray "<".
    void htmlTokens() {
        const std::pair<const char*, const char*> rows[] = {
            {"<P>Bid <IMG ALT=\"score > 1C\"><A TITLE='a>b'>x</A>",
             "tag:<P>|text:Bid |tag:<IMG ALT=\"score > 1C\">|tag:<A TITLE='a>b'>|text:x|end:</A>"},
            {"<P a\"b>x\"<A HREF=\"x>text", "tag:<P a\"b>|text:x\"|tag:<A HREF=\"x>text"},
            {"a < b <3 c</ >x<B", "text:a |text:< b |text:<3 c|text:</ >x|tag:<B"},
            {"<!-- <B>1C</B> -->a<!-->b<!--->c<!DOCTYPE html><?xml x?>",
             "comment:<!-- <B>1C</B> -->|text:a|comment:<!-->|text:b|comment:<!--->|text:c|"
             "decl:<!DOCTYPE html>|decl:<?xml x?>"},
            {"<SCRIPT>if (a<b) s=\"</P>&amp;\";</script >x<style>a</styles></style>",
             "tag:<SCRIPT>|raw:if (a<b) s=\"</P>&amp;\";|end:</script >|text:x|tag:<style>|"
             "raw:a</styles>|end:</style>"},
            {"<TITLE>1C &amp; <B></TITLE>",
             "tag:<TITLE>|text:1C |ent:&amp;|text: <B>|end:</TITLE>"},
            {"a&nbsp;b&#x2660 c&x &1;&nbsp;<a href=\"x\">",
             "text:a|ent:&nbsp;|text:b|ent:&#x2660|text: c|text:&x |text:&1;|ent:&nbsp;|"
             "tag:<a href=\"x\">"}};
        for (const auto& [html, expected] : rows)
            QCOMPARE(tokens(s(html)), s(expected));
        // Whatever the characters, the tokens cover the text exactly once.
        const QString alphabet = s("<>/!-?\"'=&#;aPx \r\n");
        quint32 x = 7;
        for (int n = 0; n < 2000; ++n) {
            QString text;
            for (int i = 0; i < 24; ++i)
                text += alphabet[int((x = x * 1103515245u + 12345u) >> 16) % alphabet.size()];
            const QString got = tokens(text);
            QVERIFY2(got != s("gap or overlap") && got != s("text lost"), qPrintable(text));
        }
        const QString tag = s("<A class=x HREF = \"#B\" data-x='1 > 0' checked>");
        QCOMPARE(util::html::attribute(tag, QLatin1StringView("href"))->toString(), s("#B"));
        QVERIFY(util::html::attribute(tag, QLatin1StringView("checked"))->isEmpty());
        QVERIFY(!util::html::attribute(s("<A TITLE=\"HREF=x\">"), QLatin1StringView("href")));
    }
};

QTEST_APPLESS_MAIN(TestUtil)
#include "test_util.moc"
