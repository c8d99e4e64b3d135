// The bridge commands through the menu: Suits to Symbols and its undo, the
// Suit Symbol entries, Make Symbols For Hands, the bidding font and its
// auctions, and the suit images copied next to the article.
#include "bridge/shippedimages.h"
#include "tests/fakes/viewerharness.h"

#include <QFile>
#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;
using platform::Buttons;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }
QString tag(const char* name) { return qs("<IMG SRC=\"") + qs(name) + qs("\">"); }

const QByteArray kArticle = "<HTML><HEAD><TITLE>1C opening</TITLE></HEAD><BODY>\r\n"
                            "<H1>The 1C opening</H1>\r\n"
                            "<P>After 1C-(1D)-P-(1H), 1S shows four spades and no fit for partner.</P>\r\n"
                            "</BODY></HTML>";

QString doneMessage() {
    return qs("Done.\r\rLook over the file for problems.\r\rEdit source to fix small problems\r"
              "such as symbols in links or headings.\r\rClick \"Edit - Undo Suits to Symbols\"\r"
              "to restore the original file.");
}

// A harness started on one article of the home folder, its source open.
struct Editing {
    ViewerHarness h;
    QString page;
    shell::TarnwellFileViewer* v = nullptr;
    explicit Editing(const QByteArray& text = kArticle) {
        h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), "<HTML>Help</HTML>");
        page = h.writeFile(qs("home/deal.htm"), text);
        v = &h.start(page);
        h.menu.choose(qs("mEditHTML"));
    }
    QString text() const { return h.text1[1].text(); }
    QByteArray onDisk() const { return h.readFile(page); }
    bool undoAvailable() { return h.menu.get(qs("mUndoSuits2Symbols")).enabled(); }
    void select(const QString& part) {
        h.text1[1].setSelStart(int(text().indexOf(part)));
        h.text1[1].setSelLength(int(part.size()));
    }
};
} // namespace

class BridgeTest : public QObject {
    Q_OBJECT
private slots:
    void suitsToSymbols_convertsSavesAndSaysDone();
    void suitsToSymbols_twiceThenUndo_cancelThenOk();
    void suitsToSymbols_shortText_noUndoEntry();
    void suitsToSymbols_selectionOnly();
    void suitsToSymbols_notEditing_saysSo();
    void anotherFileLoaded_withdrawsUndo();
    void suitImages_copiedOnce_neverReplaced();
    void suitSymbol_replacesSelection_noSave();
    void symbolsForHands_ctrlM();
    void biddingFont_emptySelection();
    void insertBiddingFont_noYesAndUndo();
    void bridgeUndo_withdrawsTheUndoOfALaterText();
};

void BridgeTest::suitsToSymbols_convertsSavesAndSaysDone() {
    Editing e;
    QVERIFY(!e.undoAvailable()); // nothing pending at start
    const QString original = e.text();
    QVERIFY(e.h.menu.choose(qs("mSuits2Symbols")));

    const QString expected = QString(original)
                                 .replace(qs("1D)"), qs("1") + tag("D.gif") + qs(")"))
                                 .replace(qs("1H)"), qs("1") + tag("H.gif") + qs(")"))
                                 .replace(qs(" 1S "), qs(" 1") + tag("S.gif") + qs(" "))
                                 .replace(qs("After 1C"), qs("After 1") + tag("C.gif"))
                                 .replace(qs("The 1C"), qs("The 1") + tag("C1.gif"));
    QCOMPARE(e.text(), expected);
    QVERIFY(e.text().contains(qs("<TITLE>1C opening</TITLE>")));
    QCOMPARE(e.onDisk(), expected.toUtf8());
    QCOMPARE(e.v->SymbolsOriginalText, original);
    QVERIFY(e.undoAvailable());
    const auto& messages = e.h.dialogs.messages;
    QCOMPARE(messages.back().text, doneMessage());
    QCOMPARE(messages.back().buttons, Buttons::Ok);
    QCOMPARE(messages.back().title, QString());
}

void BridgeTest::suitsToSymbols_twiceThenUndo_cancelThenOk() {
    Editing e;
    const QString original = e.text();
    e.h.menu.choose(qs("mSuits2Symbols"));
    const QString converted = e.text();
    e.h.text1[1].setSelStart(0);
    e.h.text1[1].setSelText(qs("<!-- typed -->")); // an edit between the two runs
    e.h.menu.choose(qs("mSuits2Symbols"));
    QCOMPARE(e.text(), qs("<!-- typed -->") + converted);
    QCOMPARE(e.v->SymbolsOriginalText, original); // still the text before the first

    e.h.dialogs.messages.clear();
    e.h.dialogs.answers = {Answer::Cancel};
    QVERIFY(e.h.menu.choose(qs("mUndoSuits2Symbols")));
    QCOMPARE(e.h.dialogs.messages.size(), 1u);
    QCOMPARE(e.h.dialogs.messages[0].text, qs("To save the Undo, click Ok."));
    QCOMPARE(e.h.dialogs.messages[0].buttons, Buttons::OkCancel);
    QCOMPARE(e.h.dialogs.messages[0].title, qs("Undo Suits-To-Symbols"));
    QCOMPARE(e.text(), original);                       // restored in the editor
    QVERIFY(e.onDisk().startsWith("<!-- typed -->"));   // but not saved
    QCOMPARE(e.v->SymbolsOriginalText, original);
    QVERIFY(e.undoAvailable());

    e.h.text1[1].setText(qs("typed over"));
    e.h.dialogs.answers = {Answer::Ok};
    QVERIFY(e.h.menu.choose(qs("mUndoSuits2Symbols")));
    QCOMPARE(e.text(), original);
    QCOMPARE(e.onDisk(), original.toUtf8());
    QVERIFY(e.v->SymbolsOriginalText.isEmpty());
    QVERIFY(!e.undoAvailable());
    QVERIFY(!e.h.menu.choose(qs("mUndoSuits2Symbols")));
}

void BridgeTest::suitsToSymbols_shortText_noUndoEntry() {
    // Converted, 45 x's make exactly 100 characters: saved and kept, but no
    // undo entry; one more character and the entry comes.
    const QByteArray text = "<H1>Bids</H1> 1C and 2H" + QByteArray(45, 'x');
    Editing e(text);
    e.h.menu.choose(qs("mSuits2Symbols"));
    QCOMPARE(e.text().size(), 100);
    QCOMPARE(e.onDisk(), e.text().toUtf8());
    QCOMPARE(e.v->SymbolsOriginalText, QString::fromUtf8(text));
    QVERIFY(!e.undoAvailable());
    QCOMPARE(e.h.dialogs.messages.back().text, doneMessage());

    Editing longer(text + "x");
    longer.h.menu.choose(qs("mSuits2Symbols"));
    QCOMPARE(longer.text().size(), 101);
    QVERIFY(longer.undoAvailable());
}

void BridgeTest::suitsToSymbols_selectionOnly() {
    Editing e("1C one\r\n2C two\r\n3C three");
    e.select(qs("2C two"));
    e.h.menu.choose(qs("mSuits2Symbols"));
    QCOMPARE(e.text(), qs("1C one\r\n2") + tag("C.gif") + qs(" two\r\n3C three"));
    QCOMPARE(e.v->SymbolsOriginalText, qs("1C one\r\n2C two\r\n3C three"));
}

void BridgeTest::suitsToSymbols_notEditing_saysSo() {
    ViewerHarness h;
    h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), "<HTML>Help</HTML>");
    const QString page = h.writeFile(qs("home/deal.htm"), "1C");
    auto& v = h.start(page);
    h.menu.choose(qs("mSuits2Symbols"));
    h.menu.choose(qs("mInsertBidFont"));
    QCOMPARE(h.dialogs.messageTexts(), QStringList(2, qs("You are not editing a file,\rso there is nothing to convert.")));
    QVERIFY(v.SymbolsOriginalText.isEmpty());
    QCOMPARE(h.readFile(page), QByteArray("1C"));
    QVERIFY(!QFile::exists(h.home + qs("C.gif")));
}

void BridgeTest::anotherFileLoaded_withdrawsUndo() {
    Editing e;
    e.h.writeFile(qs("home/other.htm"), "<H1>Other</H1> other text that is long enough to matter here, 4S");
    e.h.menu.choose(qs("mSuits2Symbols"));
    e.h.dialogs.answers = {Answer::Yes};
    e.h.menu.choose(qs("mInsertBidFont"));
    QVERIFY(e.undoAvailable());
    QVERIFY(e.h.menu.get(qs("mUndoBidFont")).enabled());
    e.v->OpenFile(e.h.home, qs("other.htm")); // the editor follows the left pane
    QVERIFY(e.text().startsWith(qs("<H1>Other")));
    QVERIFY(e.v->SymbolsOriginalText.isEmpty());
    QVERIFY(e.v->BidFontOriginalText.isEmpty());
    QVERIFY(!e.undoAvailable());
    QVERIFY(!e.h.menu.get(qs("mUndoBidFont")).enabled());
    QVERIFY(!e.h.menu.choose(qs("mUndoSuits2Symbols")));
}

void BridgeTest::suitImages_copiedOnce_neverReplaced() {
    Editing e;
    e.h.writeFile(qs("home/S.gif"), "the user's own spade");
    e.h.menu.choose(qs("mSuits2Symbols"));
    for (const char* name : {"C.gif", "C1.gif", "D.gif", "H.gif"})
        QCOMPARE(e.h.readFile(e.h.home + qs(name)), bridge::shippedSuitImage(qs(name)).value());
    QCOMPARE(e.h.readFile(e.h.home + qs("S.gif")), QByteArray("the user's own spade"));
    const QString told = qs("The suit images this file uses were missing\rfrom its folder and have been copied there:\r"
                            "C1.gif, C.gif, D.gif, H.gif");
    QCOMPARE(e.h.dialogs.messageTexts(), (QStringList{told, doneMessage()}));

    // A lower-case name is a file of its own here: it is copied too, quietly.
    e.h.dialogs.messages.clear();
    e.h.menu.choose(qs("mSuitSymbol"), 1);
    QCOMPARE(e.h.readFile(e.h.home + qs("c.gif")), bridge::shippedSuitImage(qs("C.gif")).value());
    QVERIFY(e.h.dialogs.messages.empty());
}

void BridgeTest::suitSymbol_replacesSelection_noSave() {
    Editing e("<P>x SEL y</P>");
    e.select(qs("SEL"));
    QVERIFY(e.h.menu.choose(qs("mSuitSymbol"), 3));
    QCOMPARE(e.text(), qs("<P>x ") + tag("h.gif") + qs(" y</P>"));
    QCOMPARE(e.h.text1[1].selStart(), int(e.text().indexOf(qs(" y"))));
    e.h.menu.choose(qs("mSuitSymbol"), 5);
    e.h.menu.choose(qs("mSuitSymbol"), 6);
    QVERIFY(e.text().contains(tag("h.gif") + tag("hs.gif") + tag("dc.gif")));
    QCOMPARE(e.onDisk(), QByteArray("<P>x SEL y</P>"));
    QVERIFY(QFile::exists(e.h.home + qs("hs.gif")));
    QVERIFY(QFile::exists(e.h.home + qs("dc.gif")));
}

void BridgeTest::symbolsForHands_ctrlM() {
    Editing e("<P> AKQ2-J103--K54 </P>");
    e.select(qs(" AKQ2-J103--K54 "));
    QVERIFY(e.h.menu.choose(qs("mSymbolsForHands")));
    const QString hand = tag("S.gif") + qs("AKQ2 ") + tag("h.gif") + qs("J103 ") + tag("D.gif") + qs(" ") +
                         tag("c.gif") + qs("K54");
    QCOMPARE(e.text(), qs("<P>") + hand + qs("</P>"));
    QCOMPARE(e.onDisk(), e.text().toUtf8());
    for (const char* name : {"S.gif", "h.gif", "D.gif", "c.gif"}) QVERIFY(QFile::exists(e.h.home + qs(name)));

    Editing blank("<P>   </P>");
    blank.select(qs("   "));
    blank.h.menu.choose(qs("mSymbolsForHands"));
    QCOMPARE(blank.text(), qs("<P>   </P>"));
    QCOMPARE(blank.onDisk(), QByteArray("<P>   </P>")); // not saved
}

void BridgeTest::biddingFont_emptySelection() {
    Editing e("<P>ab</P>");
    e.h.text1[1].setSelStart(4);
    QVERIFY(e.h.menu.choose(qs("mBiddingFont")));
    QCOMPARE(e.text(), qs("<P>a<FONT FACE=\"Courier New\"></FONT>b</P>"));
    QCOMPARE(e.onDisk(), e.text().toUtf8());
}

void BridgeTest::insertBiddingFont_noYesAndUndo() {
    Editing e;
    e.h.menu.choose(qs("mSuits2Symbols"));
    const QString converted = e.text();
    e.h.dialogs.messages.clear();

    e.h.dialogs.answers = {Answer::No};
    QVERIFY(e.h.menu.choose(qs("mInsertBidFont")));
    QCOMPARE(e.h.dialogs.messages.size(), 1u);
    QCOMPARE(e.h.dialogs.messages[0].text,
             qs("This function looks for bids in the\rfile and puts them in a Courier font.\r\r"
                "It assumes that you have already\rconverted Suits To Symbols and\rthat bids are in a format like\r"
                " 1C-1D-P-1H, 1S... or \r 1C-(1D)-P-(1H), 1S...\r\rDo it?"));
    QCOMPARE(e.h.dialogs.messages[0].buttons, Buttons::YesNo);
    QCOMPARE(e.text(), converted);
    QVERIFY(e.v->BidFontOriginalText.isEmpty());

    e.h.dialogs.answers = {Answer::Yes};
    e.h.menu.choose(qs("mInsertBidFont"));
    const QString auction = qs("1") + tag("C.gif") + qs("-(1") + tag("D.gif") + qs(")-P-(1") + tag("H.gif") +
                            qs("), 1") + tag("S.gif");
    QVERIFY(e.text().contains(qs("After <FONT FACE=\"Courier New\">") + auction + qs("</FONT> shows")));
    QCOMPARE(e.onDisk(), e.text().toUtf8());
    QCOMPARE(e.v->BidFontOriginalText, converted);
    QCOMPARE(e.h.dialogs.messages.back().text, qs("Auctions set in the bidding font: 1."));

    // Nothing more to find the second time.
    e.h.dialogs.answers = {Answer::Yes};
    e.h.menu.choose(qs("mInsertBidFont"));
    QCOMPARE(e.h.dialogs.messages.back().text, qs("No auctions were found that are not\ralready in the bidding font."));

    const QString withFont = e.text();
    e.h.dialogs.answers = {Answer::Cancel};
    QVERIFY(e.h.menu.choose(qs("mUndoBidFont")));
    QCOMPARE(e.h.dialogs.messages.back().title, qs("Undo Bidding Font"));
    QCOMPARE(e.text(), converted);
    QCOMPARE(e.onDisk(), withFont.toUtf8());
    e.h.dialogs.answers = {Answer::Ok};
    e.h.menu.choose(qs("mUndoBidFont"));
    QCOMPARE(e.onDisk(), converted.toUtf8());
    QVERIFY(e.v->BidFontOriginalText.isEmpty());
    QVERIFY(!e.h.menu.get(qs("mUndoBidFont")).enabled());
}

void BridgeTest::bridgeUndo_withdrawsTheUndoOfALaterText() {
    const auto bidFontUndo = [](Editing& e) { return e.h.menu.get(qs("mUndoBidFont")).enabled(); };
    {
        // Symbols, then the bidding font, then Undo Suits to Symbols: the
        // text from before the symbols is back, and the bidding font's undo
        // (a text with symbols) is withdrawn, saved or not.
        Editing e;
        const QString original = e.text();
        e.h.menu.choose(qs("mSuits2Symbols"));
        e.h.dialogs.answers = {Answer::Yes};
        e.h.menu.choose(qs("mInsertBidFont"));
        QVERIFY(bidFontUndo(e));
        e.h.dialogs.answers = {Answer::Cancel};
        QVERIFY(e.h.menu.choose(qs("mUndoSuits2Symbols")));
        QCOMPARE(e.text(), original);
        QVERIFY(!bidFontUndo(e));
        QVERIFY(e.v->BidFontOriginalText.isEmpty());
        QVERIFY(e.undoAvailable()); // Cancel keeps its own undo
        e.h.dialogs.answers = {Answer::Ok};
        QVERIFY(e.h.menu.choose(qs("mUndoSuits2Symbols")));
        QCOMPARE(e.onDisk(), original.toUtf8());
        QVERIFY(!e.h.menu.choose(qs("mUndoBidFont")));
        QCOMPARE(e.text(), original);
    }
    {
        // Undo Bidding Font goes back to the symbols; Undo Suits to Symbols,
        // whose text is older, stays and goes back to the start.
        Editing e;
        const QString original = e.text();
        e.h.menu.choose(qs("mSuits2Symbols"));
        const QString converted = e.text();
        e.h.dialogs.answers = {Answer::Yes};
        e.h.menu.choose(qs("mInsertBidFont"));
        e.h.dialogs.answers = {Answer::Ok};
        QVERIFY(e.h.menu.choose(qs("mUndoBidFont")));
        QCOMPARE(e.text(), converted);
        QVERIFY(e.undoAvailable());
        e.h.dialogs.answers = {Answer::Ok};
        QVERIFY(e.h.menu.choose(qs("mUndoSuits2Symbols")));
        QCOMPARE(e.onDisk(), original.toUtf8());
    }
    {
        // The other way round: an article with converted auctions gets the
        // bidding font first, then the symbols of its other bids. Undo
        // Bidding Font goes back to before both; the symbols' undo, a text
        // with the font, is withdrawn.
        const QByteArray article = "<HTML><BODY>\r\n<H1>Openings</H1>\r\n<P>After 1<IMG SRC=\"C.gif\">-(1"
                                   "<IMG SRC=\"D.gif\">), a bid of 2H by responder is natural and forcing.</P>\r\n"
                                   "</BODY></HTML>";
        Editing e(article);
        e.h.dialogs.answers = {Answer::Yes};
        e.h.menu.choose(qs("mInsertBidFont"));
        QVERIFY(e.text().contains(qs("<FONT FACE=\"Courier New\">")));
        e.h.menu.choose(qs("mSuits2Symbols"));
        QVERIFY(e.text().contains(qs("2") + tag("H.gif")));
        QVERIFY(e.undoAvailable());
        e.h.dialogs.answers = {Answer::Ok};
        QVERIFY(e.h.menu.choose(qs("mUndoBidFont")));
        QCOMPARE(e.onDisk(), article);
        QVERIFY(!e.undoAvailable());
        QVERIFY(e.v->SymbolsOriginalText.isEmpty());
    }
}

QTEST_APPLESS_MAIN(BridgeTest)
#include "test_bridge.moc"
