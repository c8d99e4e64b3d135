// Edit sessions over real files: nothing typed is lost, a save writes where
// the user was asked about, and recovery copies keep typed text.
#include "editor/recoveryfile.h"
#include "tests/fakes/viewerharness.h"

#include <QDir>
#include <QtTest>

using fakes::qs;
using platform::Answer;
using platform::FileChoice;

namespace {
const QByteArray kArticle =
    "<HTML><HEAD><TITLE>1C opening</TITLE></HEAD><BODY>\r\n"
    "<H1>The 1C opening</H1>\r\n"
    "<P>After 1C-(1D)-P-(1H), 1S shows four spades and no fit for partner.</P>\r\n"
    "</BODY></HTML>";

// home/deal.htm with its source open in the editor.
struct Editing : fakes::ViewerHarness {
    explicit Editing(const QByteArray& text = "<P>as saved</P>") : ViewerHarness(text) {}
    bool offered(const char* undo) { return menu.get(qs(undo)).enabled(); }
    // Runs a command, answering its question (if any) with `answer`.
    bool run(const char* command, Answer answer = Answer::Yes) {
        dialogs.answers = {answer};
        return choose(command);
    }
    QString copyText() const {
        const QString path = data + qs("/recovery/") + editor::recoveryFileName(page);
        const auto copy = editor::parseRecoveryCopy(readFile(path));
        return copy ? copy->text : QString();
    }
};
} // namespace

class EditSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void failedSave_keepsWindowEditsAndRecoveryCopy();
    void anotherFile_editsSavedIntoTheirOwn_versionsReset_charsetToldOnce();
    void saveAs_asksAboutTheFileItWrites();
    void recoveryCopy_forTheEditorOnTheLeft_andFailureToldOnce();
    void recoveryCopiesAtStart_offeredEvenIfOlder_cutShortSetAside();
    void bridgeUndo_withdrawsTheUndoOfALaterText();
};

// No to "changed on disk: overwrite?", then a folder renamed away: the save
// did not happen, so the window stays open, the recovery copy stays, the
// user reads why, and New File does not take the edits away.
void EditSessionTest::failedSave_keepsWindowEditsAndRecoveryCopy() {
    Editing e;
    e.ed().setText(qs("typed"));
    e.recoveryTimer.fire();
    QCOMPARE(e.copyText(), qs("typed"));
    e.writeFile(qs("home/deal.htm"), "changed by another program");
    e.dialogs.answers = {Answer::Yes, Answer::No};
    e.window.close();
    QVERIFY(!e.window.closed);
    QCOMPARE(e.copyText(), qs("typed"));
    QVERIFY(QDir().rename(e.home, e.dir.path() + qs("/moved")));
    e.dialogs.answers = {Answer::Yes};
    e.window.close();
    QVERIFY(!e.window.closed);
    const QString told = e.dialogs.messages.back().text,
                  why = qs("Could not save ") + e.page + qs(".\r");
    QVERIFY2(told.startsWith(why) && told.size() > why.size(), qPrintable(told));
    QCOMPARE(e.copyText(), qs("typed"));
    const QString fresh = e.dir.path() + qs("/new.htm");
    e.dialogs.answers = {Answer::Yes};
    e.dialogs.files = {FileChoice{fresh, qs("new.htm")}};
    e.choose("mNewFile");
    QCOMPARE(e.ed().text(), qs("typed"));
    QVERIFY(!QFileInfo::exists(fresh));
}

// Yes to "Save changes?" saves into the file the edits belong to, never the
// one being opened; Restore then offers the new file's own versions. The
// character-set message is told once for a file.
void EditSessionTest::anotherFile_editsSavedIntoTheirOwn_versionsReset_charsetToldOnce() {
    Editing e("<P>Caf\xe9</P>");
    const QString b = e.writeFile(qs("home/b.htm"), "B");
    for (const char* text : {"<P>\u2660</P>", "<P>\u2660\u2660</P>"}) {
        e.ed().setText(qs(text));
        e.choose("mSave", 0);
    }
    QCOMPARE(e.readFile(e.page), QByteArray("<P>&#9824;&#9824;</P>"));
    QCOMPARE(e.dialogs.messages.size(), 1u);
    e.ed().setText(qs("typed"));
    e.dialogs.answers = {Answer::Yes};
    e.dialogs.files = {FileChoice{b, qs("b.htm")}};
    e.choose("mOpen");
    QCOMPARE(e.readFile(e.page), QByteArray("typed"));
    QCOMPARE(e.readFile(b), QByteArray("B"));
    QCOMPARE(e.ed().text(), qs("B"));
    for (const int version : {0, 1}) {
        e.ed().setText(qs("B edited"));
        e.dialogs.answers = {Answer::Yes};
        e.choose("mRestore", version);
        QCOMPARE(e.ed().text(), qs("B"));
    }
}

// A name without an extension is written as the left pane's file in the
// chosen folder: the overwrite question is about that file.
void EditSessionTest::saveAs_asksAboutTheFileItWrites() {
    Editing e;
    const QString other = e.writeFile(qs("home/old/deal.htm"), "older article");
    e.writeFile(qs("home/old/chapter.htm"), "decoy");
    e.ed().setText(qs("new text"));
    e.dialogs.files = {FileChoice{e.home + qs("old/chapter"), qs("chapter")}, std::nullopt};
    e.dialogs.answers = {Answer::No};
    e.choose("mSave", 1);
    const QStringList asked{qs("File already exists.\rOverwrite it?")};
    QCOMPARE(e.dialogs.messageTexts(), asked);
    QCOMPARE(e.readFile(other), QByteArray("older article"));
    // The file itself: Yes writes it, and deleting "the original" is not offered.
    e.dialogs.messages.clear();
    e.dialogs.files = {FileChoice{e.home + qs("chapter"), qs("chapter")}};
    e.dialogs.answers = {Answer::Yes};
    e.choose("mSave", 1);
    QCOMPARE(e.dialogs.messageTexts(), asked);
    QCOMPARE(e.readFile(e.page), QByteArray("new text"));
    QVERIFY(!QFileInfo::exists(e.home + qs("chapter")));
}

// After Swap Panels the edited text stands in the left editor, the right
// one hidden: its copy is kept all the same. A copy that cannot be written
// is told once, not at every pause.
void EditSessionTest::recoveryCopy_forTheEditorOnTheLeft_andFailureToldOnce() {
    Editing e;
    e.browser[0].settle();
    e.choose("mSwap");
    e.browser[1].settle();
    QVERIFY(e.text1[0].visible() && !e.text1[1].visible());
    e.text1[0].setText(qs("typed on the left"));
    QVERIFY(e.recoveryTimer.fire());
    QCOMPARE(e.copyText(), qs("typed on the left"));
    QVERIFY(QDir(e.data + qs("/recovery")).removeRecursively());
    e.writeFile(qs("data/recovery"), "a file where the folder should be");
    for (const char* text : {"typed", "typed more"}) {
        e.text1[0].setText(qs(text));
        e.recoveryTimer.fire();
    }
    QCOMPARE(e.dialogs.messages.size(), 1u);
    QVERIFY(e.dialogs.messages[0].text.startsWith(
        qs("Unsaved changes cannot be kept in a recovery copy:")));
}

// A copy of an article touched after the crash (a sync tool) is offered all
// the same, saying so; a copy cut short is set aside, not offered.
void EditSessionTest::recoveryCopiesAtStart_offeredEvenIfOlder_cutShortSetAside() {
    fakes::ViewerHarness h, g;
    const QString page = h.writeFile(qs("home/deal.htm"), "<P>touched later</P>");
    h.writeFile(qs("data/recovery/") + editor::recoveryFileName(page),
                editor::formatRecoveryCopy({page, 1000, qs("<P>kept</P>")}));
    h.dialogs.answers = {Answer::Yes};
    h.start();
    QCOMPARE(h.dialogs.messages.size(), 1u);
    QVERIFY(h.dialogs.messages[0].text.contains(qs("The file has changed since then")));
    QCOMPARE(h.ed().text(), qs("<P>kept</P>"));
    const QByteArray whole = editor::formatRecoveryCopy({page, 1000, qs("#2 more")});
    const QString copy =
        g.writeFile(qs("data/recovery/cut.recovery"), whole.left(whole.indexOf("\n#2") + 3));
    g.start();
    QCOMPARE(g.dialogs.messages.size(), 1u);
    QVERIFY(g.dialogs.messages[0].text.startsWith(
        qs("A recovery copy of unsaved changes cannot be read.")));
    QVERIFY(QFileInfo::exists(copy + qs(".unreadable")) && !g.ed().visible());
}

// Each bridge undo puts back the text it kept, and withdraws the other one
// when that one kept a later text: an undo never brings back what the user
// has already undone.
void EditSessionTest::bridgeUndo_withdrawsTheUndoOfALaterText() {
    {
        // Symbols, bidding font, Undo Suits to Symbols: the bidding font's
        // undo (a text with symbols) goes, whether the undo is saved or not.
        Editing e(kArticle);
        const QString original = e.ed().text();
        e.run("mSuits2Symbols");
        e.run("mInsertBidFont");
        QVERIFY(e.offered("mUndoBidFont"));
        QVERIFY(e.run("mUndoSuits2Symbols", Answer::Cancel));
        QCOMPARE(e.ed().text(), original);
        QVERIFY(!e.offered("mUndoBidFont"));
        QVERIFY(e.offered("mUndoSuits2Symbols")); // Cancel keeps its own undo
        QVERIFY(e.run("mUndoSuits2Symbols", Answer::Ok));
        QCOMPARE(e.readFile(e.page), original.toUtf8());
        QVERIFY(!e.run("mUndoBidFont", Answer::Ok));
        // Undo Bidding Font goes back to the symbols; the older undo stays.
        e.run("mSuits2Symbols");
        const QString converted = e.ed().text();
        e.run("mInsertBidFont");
        QVERIFY(e.run("mUndoBidFont", Answer::Ok));
        QCOMPARE(e.ed().text(), converted);
        QVERIFY(e.offered("mUndoSuits2Symbols"));
    }
    // The other order: Undo Bidding Font goes back to before both, and
    // withdraws the symbols' undo.
    const QByteArray article =
        "<HTML><BODY>\r\n<H1>Openings</H1>\r\n<P>After 1<IMG SRC=\"C.gif\">-(1"
        "<IMG SRC=\"D.gif\">), a bid of 2H by responder is natural and forcing.</P>\r\n"
        "</BODY></HTML>";
    Editing e(article);
    e.run("mInsertBidFont");
    e.run("mSuits2Symbols");
    QVERIFY(e.ed().text().contains(qs("Courier New")) &&
            e.ed().text().contains(qs("2<IMG SRC=\"H.gif\">")));
    QVERIFY(e.offered("mUndoSuits2Symbols"));
    QVERIFY(e.run("mUndoBidFont", Answer::Ok));
    QCOMPARE(e.readFile(e.page), article);
    QVERIFY(!e.offered("mUndoSuits2Symbols"));
}

QTEST_GUILESS_MAIN(EditSessionTest)
#include "test_editsession.moc"
