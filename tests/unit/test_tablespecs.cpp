// The table designer's preview page, its attribute rules, the template's
// colours and the table taken from the preview.
#include "authoring/tablespecs.h"

#include <QTest>

namespace {
QString s(const char* latin1) {
    return QString::fromLatin1(latin1);
}

authoring::TableSpec example() {
    authoring::TableSpec t;
    t.rows = s("2");
    t.columns = s("3");
    t.border = s("1");
    t.padding = s("0");
    t.spacing = s("");
    t.width = s("90");
    t.widthInPercent = true;
    t.useBackgroundColor = true;
    t.colors = {s("#FFFFFF"), s(""), s(""), s("")};
    return t;
}
} // namespace

class TestTableSpecs : public QObject {
    Q_OBJECT
  private slots:
    void preview_twoByThreeExample();
    void preview_attributeRules();
    void preview_zeroRowsOrColumns_none();
    void preview_countsHeldToTheirMaxima();
    void leadingNumber_data();
    void leadingNumber();
    void templateColors_linesSixToTwelve();
    void tableFromPreview_cutsHeadAndBody();
};

void TestTableSpecs::preview_twoByThreeExample() {
    const char* row = "<TR>\r\n<TD>&nbsp;</TD>\r\n<TD>&nbsp;</TD>\r\n<TD>&nbsp;</TD>\r\n</TR>\r\n";
    const QString expected =
        s("<html><head><title>Table</title></head>\r\n<body><CENTER>\r\n"
          "<Table Border=\"1\"\r\n Width=\"90%\"\r\n bgcolor=\"#FFFFFF\"\r\n>\r\n") +
        s(row) + s(row) + s("</TABLE>\r\n</body>\r\n</html>\r\n");
    QCOMPARE(*authoring::tablePreview(example()), expected);
}

void TestTableSpecs::preview_attributeRules() {
    auto t = example();
    t.border = s(" 0 ");
    QVERIFY(!authoring::tablePreview(t)->contains(s("Border")));
    t.border = s(" 3 ");
    t.padding = s("4");
    t.spacing = s("2px");
    QVERIFY(authoring::tablePreview(t)->contains(
        s("<Table Border=\"3\"\r\n CellPadding=\"4\"\r\n CellSpacing=\"2px\"\r\n")));
    t.widthInPercent = false;
    t.width = s("500");
    QVERIFY(authoring::tablePreview(t)->contains(s(" Width=\"500\"\r\n")));
    t.useBackgroundColor = false;
    QVERIFY(!authoring::tablePreview(t)->contains(s("bgcolor")));
    // Solid with an empty slot writes no frame colour at all.
    t.solidFrame = true;
    t.colors = {s(""), s(""), s("#C0C0C0"), s("#404040")};
    QVERIFY(!authoring::tablePreview(t)->contains(s("bordercolor")));
    t.colors[1] = s("#000080");
    QVERIFY(authoring::tablePreview(t)->contains(s(" bordercolor=\"#000080\"\r\n>")));
    t.solidFrame = false;
    QVERIFY(authoring::tablePreview(t)->contains(
        s(" bordercolorlight=\"#C0C0C0\"\r\n bordercolordark=\"#404040\"\r\n>")));
    t.useBackgroundPicture = true;
    QVERIFY(!authoring::tablePreview(t)->contains(s("background=")));
    t.picture = s("/home/a/paper.jpg");
    QVERIFY(authoring::tablePreview(t)->contains(s(" background=\"/home/a/paper.jpg\"\r\n>")));
}

void TestTableSpecs::preview_zeroRowsOrColumns_none() {
    auto t = example();
    t.rows = s("0");
    QVERIFY(!authoring::tablePreview(t));
    t.rows = s("x");
    QVERIFY(!authoring::tablePreview(t));
    t.rows = s("1");
    t.columns = s("");
    QVERIFY(!authoring::tablePreview(t));
}

void TestTableSpecs::preview_countsHeldToTheirMaxima() {
    // Whatever reaches the preview, it never holds more than 500 rows of 50
    // cells: a count too large for an int among them.
    authoring::TableSpec t = example();
    t.rows = s("99999999999999999999");
    t.columns = s("1e9 columns");
    auto page = authoring::tablePreview(t);
    QVERIFY(page);
    QCOMPARE(page->count(s("<TR>")), 500);
    QCOMPARE(page->count(s("<TD>")), 500);
    t.columns = s("70000");
    page = authoring::tablePreview(t);
    QCOMPARE(page->count(s("<TD>")), 500 * 50);

    QCOMPARE(authoring::heldToMaximum(s("501"), 500), std::optional<QString>(s("500")));
    QCOMPARE(authoring::heldToMaximum(s(" 600 rows"), 500), std::optional<QString>(s("500")));
    QCOMPARE(authoring::heldToMaximum(s("500"), 500), std::nullopt);
    QCOMPARE(authoring::heldToMaximum(s("-7000"), 500), std::nullopt);
    QCOMPARE(authoring::heldToMaximum(s("x9999"), 500), std::nullopt);
    QCOMPARE(authoring::tableFieldMaximum(authoring::TableField::Width, true), 100);
    QCOMPARE(authoring::tableFieldMaximum(authoring::TableField::Width, false), 3000);
}

void TestTableSpecs::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << s("50") << 50.0;
    QTest::newRow("spaces") << s("  5 ") << 5.0;
    QTest::newRow("trailingText") << s("12 rows") << 12.0;
    QTest::newRow("none") << s("x5") << 0.0;
    QTest::newRow("empty") << s("") << 0.0;
    QTest::newRow("negative") << s("-3") << -3.0;
    QTest::newRow("decimal") << s("9.5") << 9.5;
}

void TestTableSpecs::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(authoring::leadingNumber(text), value);
}

void TestTableSpecs::templateColors_linesSixToTwelve() {
    const QString text = s(
        "1\r\n2\r\n3\r\n4\r\nbg=\r\n\"#FFFFFF\"\r\nsolid\r\n#000080\r\nlight\r\n  \"#C0C0C0\"  \r\n"
        "dark\r\n\"#404040\",x\r\n>\r\n");
    const auto c = authoring::templateColors(text);
    QCOMPARE(c[0], s("#FFFFFF"));
    QCOMPARE(c[1], s("#000080"));
    QCOMPARE(c[2], s("#C0C0C0"));
    QCOMPARE(c[3], s("#404040"));
    const auto shortOne = authoring::templateColors(s("1\n2\n3\n4\n5\n#111111\n7\n"));
    QCOMPARE(shortOne[0], s("#111111"));
    QCOMPARE(shortOne[1], QString());
    QCOMPARE(shortOne[3], QString());
}

void TestTableSpecs::tableFromPreview_cutsHeadAndBody() {
    const QString page = *authoring::tablePreview(example());
    const QString table = *authoring::tableFromPreview(authoring::crLfLines(page));
    QVERIFY(table.startsWith(s("<Table Border=\"1\"")));
    QVERIFY(table.endsWith(s("</TR>\r\n</TABLE>\r\n")));
    // A "</body>" in the first 99 characters is not the page's end.
    QCOMPARE(*authoring::tableFromPreview(s("<Table></body>x")), s("<Table></body>x"));
    QVERIFY(!authoring::tableFromPreview(s("<html>nothing</html>")));
    QCOMPARE(authoring::crLfLines(s("a\nb\r\nc")), s("a\r\nb\r\nc\r\n"));
}

QTEST_APPLESS_MAIN(TestTableSpecs)
#include "test_tablespecs.moc"
