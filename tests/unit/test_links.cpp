// Anchor names, the anchor found near the caret, and the second run of an
// internal link: anchor, shift of the remembered text, the link.
#include "authoring/links.h"

#include <QTest>

namespace {
QString s(const char* latin1) { return QString::fromLatin1(latin1); }
} // namespace

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void anchorNames();
    void nextCounter_skipsNamesInUse();
    void nextCounter_allUsed_none();
    void anchorNearCaret_data();
    void anchorNearCaret();
    void place_anchorAfterLink();
    void place_anchorBeforeLink_shiftsRememberedText();
    void place_anchorRightAtLinkStart_shifts();
    void place_anchorInsideLinkText_goesToItsStart();
    void place_reusesNearbyAnchor();
    void place_emptyLinkText();
    void externalLink_escapesAddress();
};

void TestLinks::anchorNames() {
    QCOMPARE(authoring::anchorName(1), s("A"));
    QCOMPARE(authoring::anchorName(26), s("Z"));
    QCOMPARE(authoring::anchorName(27), s("AA"));
    QCOMPARE(authoring::anchorName(52), s("AZ"));
    QCOMPARE(authoring::anchorName(0), QString());
    QCOMPARE(authoring::anchorName(53), QString());
}

void TestLinks::nextCounter_skipsNamesInUse() {
    QCOMPARE(authoring::nextAnchorCounter(0, s("<P>No links here.")), 1);
    QCOMPARE(authoring::nextAnchorCounter(0, s("<A HREF=#A>x</A> <A HREF=#B>y</A>")), 3);
    // A longer name does not use its prefix; quoted and lower-case links do.
    QCOMPARE(authoring::nextAnchorCounter(0, s("<A HREF=#AB>x</A>")), 1);
    QCOMPARE(authoring::nextAnchorCounter(0, s("<a href=\"#A\">x</a>")), 2);
    // An anchor without a link still holds its name.
    QCOMPARE(authoring::nextAnchorCounter(0, s("<A NAME=\"A\"></A>")), 2);
    // Counting goes on from the counter.
    QCOMPARE(authoring::nextAnchorCounter(2, s("<A HREF=#D>")), 3);
    QCOMPARE(authoring::nextAnchorCounter(3, s("<A HREF=#D>")), 5);
    QCOMPARE(authoring::nextAnchorCounter(26, QString()), 27);
}

void TestLinks::nextCounter_allUsed_none() {
    QCOMPARE(authoring::nextAnchorCounter(52, QString()), std::nullopt);
    QCOMPARE(authoring::nextAnchorCounter(51, s("<A HREF=#AZ>")), std::nullopt);
    QCOMPARE(authoring::nextAnchorCounter(50, s("<A HREF=#AY>")), 52);
    QCOMPARE(authoring::nextAnchorCounter(50, s("<A HREF=#AX>")), 51);
}

void TestLinks::anchorNearCaret_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("name"); // empty: none

    const QString pad = QString(30, QLatin1Char('x'));
    QTest::newRow("ownForm_justBefore") << pad + s("<A NAME=\"B\"></A>") << 46 << s("B");
    QTest::newRow("twoLetters") << pad + s("<A NAME=\"AC\"></A>") << 47 << s("AC");
    QTest::newRow("lowerCase_keepsItsCase") << pad + s("<a name=\"top10\"></a>") << 40 << s("top10");
    QTest::newRow("unquoted") << pad + s("<A NAME=intro>") << 31 << s("intro");
    QTest::newRow("justAfterCaret") << pad + s("<A NAME=\"C\"></A>") << 25 << s("C");
    QTest::newRow("moreThan20Before_notSeen") << s("<A NAME=\"B\"></A>") + pad << 40 << QString();
    QTest::newRow("beyondWindow_notSeen") << pad + pad + s("<A NAME=\"B\"></A>") << 25 << QString();
    QTest::newRow("nearTextStart") << s("<A NAME=\"D\"></A>abc") << 3 << s("D");
    QTest::newRow("noName") << s("<A NAME=\"\"></A>") << 0 << QString();
}

void TestLinks::anchorNearCaret() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, name);
    const auto found = authoring::anchorNearCaret(text, caret);
    QCOMPARE(found.value_or(QString()), name);
}

void TestLinks::place_anchorAfterLink() {
    const QString text = s("See the answer. ........................ Answer here.");
    const auto plan = authoring::placeInternalLink(text, 41, 8, 6, s("A"));
    QVERIFY(!plan.reused);
    QCOMPARE(plan.name, s("A"));
    QCOMPARE(authoring::applied(text, plan.result),
             s("See the <A HREF=#A>answer</A>. ........................ <A NAME=\"A\"></A>Answer here."));
    QCOMPARE(plan.result.after.start, 8);
}

void TestLinks::place_anchorBeforeLink_shiftsRememberedText() {
    const QString text = s("Top. Then the link text.");
    const auto plan = authoring::placeInternalLink(text, 0, 14, 4, s("C"));
    QCOMPARE(authoring::applied(text, plan.result),
             s("<A NAME=\"C\"></A>Top. Then the <A HREF=#C>link</A> text."));
    QCOMPARE(plan.result.after.start, 14 + 16);
}

void TestLinks::place_anchorRightAtLinkStart_shifts() {
    const QString text = s("ab word cd");
    const auto plan = authoring::placeInternalLink(text, 3, 3, 4, s("A"));
    QCOMPARE(authoring::applied(text, plan.result), s("ab <A NAME=\"A\"></A><A HREF=#A>word</A> cd"));
}

void TestLinks::place_anchorInsideLinkText_goesToItsStart() {
    const QString text = s("ab word cd");
    const auto plan = authoring::placeInternalLink(text, 5, 3, 4, s("A"));
    QCOMPARE(authoring::applied(text, plan.result), s("ab <A NAME=\"A\"></A><A HREF=#A>word</A> cd"));
}

void TestLinks::place_reusesNearbyAnchor() {
    const QString text = s("link <H2><A NAME=\"B\"></A>Heading</H2>");
    const auto plan = authoring::placeInternalLink(text, 25, 0, 4, s("C"));
    QVERIFY(plan.reused);
    QCOMPARE(plan.name, s("B"));
    QCOMPARE(authoring::applied(text, plan.result), s("<A HREF=#B>link</A> <H2><A NAME=\"B\"></A>Heading</H2>"));
}

void TestLinks::place_emptyLinkText() {
    const QString text = s("abc def");
    const auto plan = authoring::placeInternalLink(text, 7, 3, 0, s("A"));
    QCOMPARE(authoring::applied(text, plan.result), s("abc<A HREF=#A></A> def<A NAME=\"A\"></A>"));
}

void TestLinks::externalLink_escapesAddress() {
    QCOMPARE(authoring::externalLink(s("deal 1.htm"), s("Deal")), s("<A HREF=\"deal 1.htm\">Deal</A>"));
    QCOMPARE(authoring::externalLink(s("a\"b#c%d.htm"), QString()), s("<A HREF=\"a%22b%23c%25d.htm\"></A>"));
}

QTEST_APPLESS_MAIN(TestLinks)
#include "test_links.moc"
