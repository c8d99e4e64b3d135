// The HTML menu's commands run through the menu on the source editor: the
// text they write, the selection they leave, the dialogs they ask and what
// they save.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::FileChoice;
using platform::FontChoice;

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }
QByteArray anchorName(int k) {
    const QByteArray letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return k <= 26 ? letters.mid(k - 1, 1) : "A" + letters.mid(k - 27, 1);
}

// A harness with a.htm open in the source editor.
struct Editing {
    ViewerHarness h;
    QString a;
    shell::TarnwellFileViewer* v = nullptr;
    fakes::FakeTextEditor& ed() { return h.text1[1]; }
    explicit Editing(const QByteArray& source = "<HTML>\r\nSome word here.\r\n</HTML>") {
        h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), "<HTML>Help</HTML>");
        a = h.writeFile(qs("home/a.htm"), source);
        v = &h.start(a);
        h.menu.choose(qs("mEditHTML"));
    }
    void select(int start, int length) {
        ed().setSelStart(start);
        ed().setSelLength(length);
    }
    void selectText(const char* what) { select(int(ed().text().indexOf(qs(what))), int(qs(what).size())); }
};
} // namespace

class AuthoringTest : public QObject {
    Q_OBJECT
private slots:
    void htmlMenu_onlyWhileEditing();
    void emphasis_wrapsAndSelects();
    void arrayEntries_takeTheirIndex();
    void colorWords_askedColourOrCancel();
    void font_writesTagAndSaves();
    void font_cancelled_nothingSaved();
    void paragraph_joinsLinesAtCaret();
    void linkExternal_relativeLinkOrCancel();
    void linkInternal_twoRuns();
    void linkInternal_cancelByClickingBox_sameNameNextTime();
    void linkInternal_reusesAnchorAtTarget();
    void linkInternal_allNamesUsed_clearMessageNothingWritten();
    void hideText_numbersCountOnAcrossDocuments();
};

void AuthoringTest::htmlMenu_onlyWhileEditing() {
    ViewerHarness h;
    h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), "<HTML>Help</HTML>");
    const QString a = h.writeFile(qs("home/a.htm"), "<HTML>x</HTML>");
    h.start(a);
    QVERIFY(!h.menu.choose(qs("mBold")));
    h.menu.choose(qs("mEditHTML"));
    for (const char* name : {"mBold", "mItalics", "mUnderline", "mSuperscript", "mSubscript", "mBreak",
                             "mNumberedList", "mIndent", "mIndentNoBreak", "mBulletsNoIndent", "mPre", "mTable",
                             "mRow", "mCell", "mAlignTop", "mWidth", "mColorWords", "mFont", "mParagraph",
                             "mLinkExt", "mLinkIn", "mHideText"}) {
        QVERIFY2(h.menu.get(qs(name)).enabled(), name);
    }
    QVERIFY(h.menu.get(qs("mHeader"), 2).enabled());
    QVERIFY(h.menu.get(qs("mSpecial"), 0).enabled());
}

void AuthoringTest::emphasis_wrapsAndSelects() {
    Editing e;
    e.selectText("word");
    const int s0 = e.ed().selStart();
    QVERIFY(e.h.menu.choose(qs("mBold")));
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nSome <B>word</B> here.\r\n</HTML>"));
    QCOMPARE(e.ed().selStart(), s0 + 3);
    QCOMPARE(e.ed().selText(), qs("word"));

    // Italics over the still-selected word plus its space: the tag hugs the
    // text and the caret goes after the space.
    e.ed().setSelLength(4);
    e.select(e.ed().selStart() - 3, 4 + 3 + 4 + 1); // "<B>word</B> "
    e.h.menu.choose(qs("mItalics"));
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nSome <I><B>word</B></I> here.\r\n</HTML>"));
    QCOMPARE(e.ed().selLength(), 0);
    QCOMPARE(e.ed().selStart(), int(e.ed().text().indexOf(qs("here"))));

    // An empty selection: the caret stands between the tags.
    e.select(0, 0);
    e.h.menu.choose(qs("mSuperscript"));
    QVERIFY(e.ed().text().startsWith(qs("<SUP></SUP><HTML>")));
    QCOMPARE(e.ed().selStart(), 5);
    QCOMPARE(e.v->SavedText[1] == e.ed().text(), false); // nothing is saved
}

void AuthoringTest::arrayEntries_takeTheirIndex() {
    Editing e;
    e.selectText("word");
    e.h.menu.choose(qs("mHeader"), 0);
    QVERIFY(e.ed().text().contains(qs("<H1 ALIGN=CENTER>word</H1>")));
    e.selectText("here");
    e.h.menu.choose(qs("mHeader"), 2);
    QVERIFY(e.ed().text().contains(qs("<H3>here</H3>")));
    e.selectText("Some");
    e.h.menu.choose(qs("mSpecial"), 1);
    QVERIFY(e.ed().text().contains(qs("&lt;Some")));
    QCOMPARE(e.ed().selStart(), int(e.ed().text().indexOf(qs("Some"))) + 4);
}

void AuthoringTest::colorWords_askedColourOrCancel() {
    Editing e;
    e.selectText("word");
    e.h.menu.choose(qs("mColorWords")); // nothing queued: the dialog is cancelled
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nSome word here.\r\n</HTML>"));
    e.h.dialogs.colors.push_back(255);
    e.h.menu.choose(qs("mColorWords"));
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nSome <FONT COLOR=\"#FF0000\">word</FONT> here.\r\n</HTML>"));
    QCOMPARE(e.h.readFile(e.a), QByteArray("<HTML>\r\nSome word here.\r\n</HTML>"));
}

void AuthoringTest::font_writesTagAndSaves() {
    Editing e;
    e.selectText("word");
    FontChoice f;
    f.name = qs("Georgia");
    f.points = 11;
    f.bold = true;
    f.italic = true;
    e.h.dialogs.fonts.push_back(f);
    e.h.dialogs.colors.push_back(0x0000C0); // a dark red, chosen after the font
    e.h.menu.choose(qs("mFont"));
    QCOMPARE(e.h.dialogs.colorDialogs.size(), size_t(1));
    QCOMPARE(e.h.dialogs.colorDialogs.back(), std::make_pair(0, 3)); // opens on black
    const QString expected =
        qs("<HTML>\r\nSome <FONT FACE=\"Georgia\" SIZE=\"2\" COLOR=\"#C00000\"><B><I>word</I></B></FONT> here.\r\n</HTML>");
    QCOMPARE(e.ed().text(), expected);
    QCOMPARE(e.h.readFile(e.a), expected.toUtf8());
    QCOMPARE(e.v->SavedText[1], expected);
    QVERIFY(e.h.browser[0].refreshes > 0);

    // Black is the colour dialog's OK.
    e.selectText("here");
    f.bold = f.italic = false;
    f.points = 48;
    e.h.dialogs.fonts.push_back(f);
    e.h.dialogs.colors.push_back(0);
    e.h.menu.choose(qs("mFont"));
    QVERIFY(e.ed().text().contains(qs("<FONT FACE=\"Georgia\" SIZE=\"8\" COLOR=\"#000000\">here</FONT>")));
}

void AuthoringTest::font_cancelled_nothingSaved() {
    Editing e;
    e.selectText("word");
    // Cancel in the font dialog: no colour is asked for.
    e.h.menu.choose(qs("mFont"));
    QVERIFY(e.h.dialogs.colorDialogs.empty());
    // A font, then Cancel in the colour dialog: the command is cancelled.
    FontChoice f;
    f.name = qs("Georgia");
    f.points = 12;
    e.h.dialogs.fonts.push_back(f);
    e.h.menu.choose(qs("mFont"));
    QCOMPARE(e.h.dialogs.colorDialogs.size(), size_t(1));
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nSome word here.\r\n</HTML>"));
    QCOMPARE(e.h.readFile(e.a), QByteArray("<HTML>\r\nSome word here.\r\n</HTML>"));
    QCOMPARE(e.h.browser[0].refreshes, 0);
    QVERIFY(e.h.dialogs.messages.empty());
}

void AuthoringTest::paragraph_joinsLinesAtCaret() {
    Editing e("<BODY>\r\nOne line  \r\nand another\r\n<H2>Next</H2>\r\n</BODY>");
    e.select(8, 0);
    e.h.menu.choose(qs("mParagraph"));
    QCOMPARE(e.ed().text(), qs("<BODY>\r\n<P>One line and another\r\n<H2>Next</H2>\r\n</BODY>"));
    QCOMPARE(e.ed().selStart(), int(e.ed().text().indexOf(qs("<H2>"))));
    QCOMPARE(e.ed().selLength(), 0);
}

void AuthoringTest::linkExternal_relativeLinkOrCancel() {
    Editing e;
    e.selectText("word");
    e.h.menu.choose(qs("mLinkExt"));
    QCOMPARE(e.h.dialogs.fileDialogs, QStringList{qs("Select file.|") + e.h.home + qs("*.*")});
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nSome word here.\r\n</HTML>"));

    e.h.dialogs.files.push_back(FileChoice{e.h.home + qs("deals/deal 1.htm"), qs("deal 1.htm")});
    e.h.menu.choose(qs("mLinkExt"));
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nSome <A HREF=\"deal 1.htm\">word</A> here.\r\n</HTML>"));
}

void AuthoringTest::linkInternal_twoRuns() {
    Editing e("<HTML>\r\n<A HREF=#A>old</A> See the answer.\r\n<P>The answer is here.\r\n</HTML>");
    e.selectText("answer.");
    e.select(e.ed().selStart(), 6); // "answer"
    const int linkStart = e.ed().selStart();
    e.ed().focused = false;
    QVERIFY(e.h.menu.choose(qs("mLinkIn")));
    QVERIFY(e.h.linkMsgBox.visible());
    QCOMPARE(e.h.linkMsgBox.text(), qs(" Click where the link should \r\n go to, then click on the \r\n"
                                       " 'HTML' - 'Link Internal' \r\n menu (or Ctrl-L) again. \r\n\r\n"
                                       " Click this box to cancel.\r\n"));
    QCOMPARE(e.h.linkMsgBox.left(), e.ed().left() + 200);
    QVERIFY(e.ed().focused);
    QCOMPARE(e.v->LinkStart, linkStart + 1);
    QCOMPARE(e.v->LinkLength, 6);
    QCOMPARE(e.v->LinkNameCounter, 2); // A is linked already

    // The user clicks at "The answer" and runs the command again.
    e.select(int(e.ed().text().indexOf(qs("The answer"))), 0);
    e.h.menu.choose(qs("mLinkIn"));
    QVERIFY(!e.h.linkMsgBox.visible());
    QCOMPARE(e.ed().text(), qs("<HTML>\r\n<A HREF=#A>old</A> See the <A HREF=#B>answer</A>.\r\n"
                               "<P><A NAME=\"B\"></A>The answer is here.\r\n</HTML>"));
    QCOMPARE(e.ed().selStart(), linkStart);
    QCOMPARE(e.v->LinkNameCounter, 2);
}

void AuthoringTest::linkInternal_cancelByClickingBox_sameNameNextTime() {
    Editing e;
    e.selectText("word");
    e.h.menu.choose(qs("mLinkIn"));
    QCOMPARE(e.v->LinkNameCounter, 1);
    e.ed().focused = false;
    e.h.linkMsgBox.onClick();
    QVERIFY(!e.h.linkMsgBox.visible());
    QCOMPARE(e.v->LinkNameCounter, 0);
    QVERIFY(e.ed().focused);
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nSome word here.\r\n</HTML>"));

    // Anchor placed before the link text: the link still wraps the word.
    e.selectText("word");
    e.h.menu.choose(qs("mLinkIn"));
    e.select(0, 0);
    e.h.menu.choose(qs("mLinkIn"));
    QCOMPARE(e.ed().text(), qs("<A NAME=\"A\"></A><HTML>\r\nSome <A HREF=#A>word</A> here.\r\n</HTML>"));
    QCOMPARE(e.ed().selStart(), int(e.ed().text().indexOf(qs("<A HREF"))));
}

void AuthoringTest::linkInternal_reusesAnchorAtTarget() {
    Editing e("<HTML>\r\nSee below.\r\n<H2><A NAME=\"B\"></A>Below</H2>\r\n</HTML>");
    e.selectText("below");
    e.h.menu.choose(qs("mLinkIn"));
    QCOMPARE(e.v->LinkNameCounter, 1);
    e.select(int(e.ed().text().indexOf(qs("Below<"))), 0);
    e.h.menu.choose(qs("mLinkIn"));
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nSee <A HREF=#B>below</A>.\r\n<H2><A NAME=\"B\"></A>Below</H2>\r\n</HTML>"));
    QCOMPARE(e.v->LinkNameCounter, 0);
}

void AuthoringTest::linkInternal_allNamesUsed_clearMessageNothingWritten() {
    QByteArray source = "<HTML>\r\n";
    for (int k = 1; k <= 52; ++k) source += "<A HREF=#" + anchorName(k) + ">x</A>\r\n";
    source += "Link me.\r\n</HTML>";
    Editing e(source);
    e.selectText("Link");
    e.h.menu.choose(qs("mLinkIn"));
    QVERIFY(!e.h.linkMsgBox.visible());
    QCOMPARE(e.h.dialogs.messages.size(), size_t(1));
    QVERIFY(e.h.dialogs.messages[0].text.contains(qs("52 anchor names")));
    QCOMPARE(e.ed().text(), QString::fromUtf8(source));
    QCOMPARE(e.v->LinkNameCounter, 0);
}

void AuthoringTest::hideText_numbersCountOnAcrossDocuments() {
    Editing e("<HTML>\r\n<FONT ID=\"hide1ID\"></FONT><FONT ID=\"hide2ID\"></FONT>\r\nAnswer\r\n</HTML>");
    e.selectText("Answer");
    e.h.menu.choose(qs("mHideText"));
    const QString text = e.ed().text();
    QVERIFY(text.contains(qs("<BR><Span onClick=\"hide3ID.style.display=''\">\r\n")));
    QVERIFY(text.contains(qs("<SPAN onClick=\"hide3ID.style.display='none'\">")));
    QVERIFY(text.contains(qs("</SPAN>\r\nAnswer\r\n<BR></FONT>\r\n\r\n</HTML>")));
    QCOMPARE(e.ed().selStart(), int(text.indexOf(qs("\r\n</HTML>"))));
    QCOMPARE(e.v->HideBlockCounter, 3);

    // Another document in the same run, without blocks: the numbers go on.
    const QString b = e.h.writeFile(qs("home/b.htm"), "<HTML>\r\nQuiz\r\n</HTML>");
    e.h.dialogs.answers.push_back(platform::Answer::No); // "Save changes to a.htm?"
    e.v->OpenFile(e.h.home, qs("b.htm"));
    QCOMPARE(e.ed().text(), qs("<HTML>\r\nQuiz\r\n</HTML>"));
    e.select(0, 0);
    e.h.menu.choose(qs("mHideText"));
    QVERIFY(e.ed().text().contains(qs("hide4ID")));
    QVERIFY(!e.ed().text().contains(qs("hide1ID")));
    QVERIFY(e.ed().text().contains(qs("</SPAN>\r\n\r\n<BR></FONT>\r\n<HTML>")));
}

QTEST_MAIN(AuthoringTest)
#include "test_authoring.moc"
