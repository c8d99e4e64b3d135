// Cutting the source into the words the document check looks up: markup and
// entities stepped over, the exempt families, apostrophes, "com" and the
// shortest text that is checked.
#include "spelling/scan.h"

#include <QTest>

using spelling::ScanStop;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// Tags enough to make any short text long enough to be checked.
const QString kPad = qs(" <br>").repeated(25);

// Runs the scan as the document check does, each call starting just after
// the word before, and lists what it stopped at: the words, then END, NOMORE
// or TOOSHORT.
QString scanAll(const QString& text, const QSet<QString>& skipAll = {}) {
    QStringList out;
    int start = 1;
    for (int guard = 0; guard < 1000; ++guard) {
        const ScanStop stop = spelling::nextWordToCheck(text, start, skipAll);
        switch (stop.kind) {
        case ScanStop::Kind::TooShort:
            return qs("TOOSHORT");
        case ScanStop::Kind::EndOfText:
            return (out << qs("END")).join(QLatin1Char('|'));
        case ScanStop::Kind::NoMoreWords:
            return (out << qs("NOMORE")).join(QLatin1Char('|'));
        case ScanStop::Kind::Word:
            if (stop.length <= 0) return qs("EMPTY WORD");
            out << text.mid(stop.start, stop.length);
            start = stop.start + stop.length + 1;
            break;
        }
    }
    return qs("NO END");
}
} // namespace

class TestScan : public QObject {
    Q_OBJECT
  private slots:
    void words_data();
    void words();
    void shortText_isNeverScanned();
    void skipAll_exactSpellingAndCase();
    void exemptWord_data();
    void exemptWord();
};

void TestScan::words_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stops");
    auto row = [](const char* name, const QString& text, const char* stops) {
        QTest::newRow(name) << text << qs(stops);
    };
    row("tag around a word", qs("<b>Helo</b> there") + kPad, "Helo|there|END");
    row("entity inside a word ends it", qs("caf&eacute; au lait") + kPad, "caf|au|lait|END");
    row("non-breaking space entity", qs("&nbsp;Helo&amp;there") + kPad, "Helo|there|END");
    row("& without an entity name is stepped over alone", qs("Q&a then more; Helo") + kPad,
        "Q|a|then|more|Helo|END");
    row("contraction is one word", qs("don't stop") + kPad, "don't|stop|END");
    // The possessive's s is handed on by itself; a one-letter word is always known.
    row("possessive checked without 's", qs("John's book") + kPad, "John|s|book|END");
    row("leading apostrophe trimmed", qs("He said 'tis so") + kPad, "He|said|tis|so|END");
    row("trailing apostrophe trimmed", qs("the players' cards") + kPad, "the|players|cards|END");
    row("hyphens inside a word", qs("state-of-the-art design") + kPad,
        "state-of-the-art|design|END");
    row("inner capitals, digits and x's are exempt", qs("USA iPhone mp3 xxx x-ray Helo") + kPad,
        "Helo|END");
    row("right ordinals exempt, wrong ones looked up",
        qs("1st 22nd 103rd 4th 10th 17th 11th 12th 113th 21th 11st 2rd end") + kPad,
        "th|st|rd|end|END");
    row("'s after digits is exempt", qs("the 1990's were") + kPad, "the|were|END");
    row("com jumps to the next tag", qs("see bridgebase com for <b>news</b> Helo") + kPad,
        "see|bridgebase|news|Helo|END");
    row("com in the last 100 characters ends the check", kPad + qs(" Helo bridgebase com here"),
        "Helo|bridgebase|NOMORE");
    // Addresses, e-mail addresses and file names are no prose.
    row("addresses and file names passed over",
        qs("see page.htm, http://x.org/helo and www.bridgebase.com or ann@x.org (C.gif) Helo") + kPad,
        "see|and|or|Helo|END");
    row("a path", qs("in /usr/share/dict Helo") + kPad, "in|Helo|END");
    row("abbreviations with full stops stay words", qs("e.g. U.S. i.e. Helo") + kPad,
        "e|g|U|S|i|e|Helo|END");
    row("a sentence's full stop without a blank", qs("end.The Helo") + kPad, "end|The|Helo|END");
    // Accented letters and the typographic apostrophe belong to words.
    row("accented words whole", qs("café naïve fiancée Helo") + kPad, "café|naïve|fiancée|Helo|END");
    row("decomposed accent", qs("cafe\u0301 Helo") + kPad, "cafe\u0301|Helo|END");
    row("typographic apostrophes", qs("isn’t they’ve John’s ‘Helo’") + kPad,
        "isn’t|they’ve|John|s|Helo|END");
    row("apostrophes alone are no word", qs("Helo  ''. there") + kPad, "Helo|END");
    row("exempt word before a tag", qs("NT<br>Helo") + kPad, "Helo|END");
    row("exempt last word ends the scan", kPad + qs(" Helo USA"), "Helo|END");
    row("final full stop stays out of the word", kPad + qs(" Helo."), "Helo|END");
    row("last word runs to the end", kPad + qs(" Helo there   "), "Helo|there|END");
    row("unclosed < stepped over alone", kPad + qs(" a < b Helo"), "a|b|Helo|END");
    row("a tag runs to its >", qs("a <b Helo") + kPad, "a|END");
    row("a lone < is text", qs("a < b Helo") + kPad, "a|b|Helo|END");
    // Markup as the browser reads it: a tag after an entity, a quoted ">",
    // comments, scripts and styles.
    row("tag after an entity", qs("x&nbsp;<a href=\"helo.htm\">Helo</a>") + kPad, "x|Helo|END");
    row("quoted > inside a tag", qs("<IMG ALT=\"a > wrold\"> Helo") + kPad, "Helo|END");
    row("comment, script and style", qs("<!-- wrold --><SCRIPT>var helo;</SCRIPT><STYLE>p{colr:red}</STYLE>Helo") + kPad,
        "Helo|END");
}

void TestScan::words() {
    QFETCH(QString, text);
    QFETCH(QString, stops);
    QCOMPARE(scanAll(text), stops);
}

void TestScan::shortText_isNeverScanned() {
    const QString text99 = qs("Helo ") + QString(94, QLatin1Char('.'));
    QCOMPARE(text99.size(), 99);
    QCOMPARE(scanAll(text99), qs("TOOSHORT"));
    QCOMPARE(scanAll(text99 + qs("     ")), qs("TOOSHORT")); // trailing blanks do not count
    QCOMPARE(scanAll(text99 + qs(".")), qs("Helo|END"));
}

void TestScan::skipAll_exactSpellingAndCase() {
    const QSet<QString> skip{qs("Helo")};
    QCOMPARE(scanAll(qs("Helo helo HELO Helo") + kPad, skip), qs("helo|END"));
}

void TestScan::exemptWord_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exempt");
    // The word is the text's last two or more letters; pos is just after it.
    QTest::newRow("21st") << qs("21st") << true;
    QTest::newRow("42nd") << qs("42nd") << true;
    QTest::newRow("33rd") << qs("33rd") << true;
    QTest::newRow("30th") << qs("30th") << true;
    QTest::newRow("11th") << qs("11th") << true;
    QTest::newRow("113th") << qs("113th") << true;
    QTest::newRow("21th") << qs("21th") << false;
    QTest::newRow("11st") << qs("11st") << false;
    QTest::newRow("1nd") << qs("1nd") << false;
    QTest::newRow("a- after a blank") << qs(" a-") << true;
    QTest::newRow("taxx") << qs("taxx") << true;
    QTest::newRow("plain") << qs("plain") << false;
}

void TestScan::exemptWord() {
    QFETCH(QString, text);
    QFETCH(bool, exempt);
    QString word = text;
    while (!word.isEmpty() && !word.at(0).isLetter())
        word.remove(0, 1);
    QCOMPARE(spelling::isWordExempt(word, int(text.size()) + 1, text, {}), exempt);
}

QTEST_GUILESS_MAIN(TestScan)
#include "test_scan.moc"
