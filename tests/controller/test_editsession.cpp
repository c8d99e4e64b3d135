// Edit sessions over real files: nothing typed is lost when the editor is
// left, a save writes where the user was asked about, a save that fails
// changes nothing, and recovery copies keep typed text through a crash.
#include "editor/recoveryfile.h"
#include "tests/fakes/viewerharness.h"

#include <QDir>
#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;
using platform::FileChoice;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

const QByteArray kArticle =
    "<HTML><HEAD><TITLE>1C opening</TITLE></HEAD><BODY>\r\n"
    "<H1>The 1C opening</H1>\r\n"
    "<P>After 1C-(1D)-P-(1H), 1S shows four spades and no fit for partner.</P>\r\n"
    "</BODY></HTML>";

// The viewer started on home/deal.htm with its source open in the editor
// (the same file named twice).
struct Editing {
    ViewerHarness h;
    QString page;
    explicit Editing(const QByteArray& text = "<P>as saved</P>") {
        page = h.writeFile(qs("home/deal.htm"), text);
        h.start(page + qs(" ") + page);
    }
    void type(const QString& text) { h.text1[1].setText(text); }
    void save(int index = 0) { h.menu.choose(qs("mSave"), index); }
    QString text() const { return h.text1[1].text(); }
    QByteArray onDisk() const { return h.readFile(page); }
    bool offered(const char* undo) { return h.menu.get(qs(undo)).enabled(); }
    // Runs a command, answering its question (if any) with `answer`.
    bool run(const char* command, Answer answer = Answer::Yes) {
        h.dialogs.answers = {answer};
        return h.menu.choose(qs(command));
    }
    QString copyPath() const { return h.data + qs("/recovery/") + editor::recoveryFileName(page); }
    QString copyText() const {
        const auto copy = editor::parseRecoveryCopy(h.readFile(copyPath()));
        return copy ? copy->text : QString();
    }
};
} // namespace

class EditSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void failedSave_keepsWindowEditsAndRecoveryCopy();
    void anotherFile_editsSavedIntoTheirOwn_versionsReset();
    void saveAs_asksAboutTheFileItWrites();
    void characterSetMessage_oncePerFile();
    void recoveryCopy_forTheEditorOnTheLeft_andFailureToldOnce();
    void recoveryCopiesAtStart_offeredEvenIfOlder_cutShortSetAside();
    void bridgeUndo_withdrawsTheUndoOfALaterText();
};

// No to "changed on disk — overwrite?", a folder renamed away: the save did
// not happen, so the window stays open, the recovery copy stays, the user
// reads why, and New File does not take the edits away.
void EditSessionTest::failedSave_keepsWindowEditsAndRecoveryCopy() {
    Editing e;
    e.type(qs("typed"));
    e.h.recoveryTimer.fire();
    QCOMPARE(e.copyText(), qs("typed"));
    e.h.writeFile(qs("home/deal.htm"), "changed by another program");
    e.h.dialogs.answers = {Answer::Yes, Answer::No};
    e.h.window.close();
    QVERIFY(!e.h.window.closed);
    QCOMPARE(e.copyText(), qs("typed"));
    QVERIFY(QDir().rename(e.h.home, e.h.dir.path() + qs("/moved")));
    e.h.dialogs.answers = {Answer::Yes};
    e.h.window.close();
    QVERIFY(!e.h.window.closed);
    const QString told = e.h.dialogs.messages.back().text,
                  why = qs("Could not save ") + e.page + qs(".\r");
    QVERIFY2(told.startsWith(why) && told.size() > why.size(),
             qPrintable(told)); // and the system's reason
    QCOMPARE(e.copyText(), qs("typed"));
    const QString fresh = e.h.dir.path() + qs("/new.htm");
    e.h.dialogs.answers = {Answer::Yes};
    e.h.dialogs.files = {FileChoice{fresh, qs("new.htm")}};
    e.h.menu.choose(qs("mNewFile"));
    QCOMPARE(e.text(), qs("typed"));
    QVERIFY(!QFileInfo::exists(fresh));
}

// Yes to "Save changes?" saves into the file the edits belong to, never the
// one being opened; Restore then offers the new file's own versions.
void EditSessionTest::anotherFile_editsSavedIntoTheirOwn_versionsReset() {
    Editing e;
    const QString b = e.h.writeFile(qs("home/b.htm"), "B");
    e.type(qs("typed"));
    e.h.dialogs.answers = {Answer::Yes};
    e.h.dialogs.files = {FileChoice{b, qs("b.htm")}};
    e.h.menu.choose(qs("mOpen"));
    QCOMPARE(e.h.readFile(e.page), QByteArray("typed"));
    QCOMPARE(e.h.readFile(b), QByteArray("B"));
    QCOMPARE(e.text(), qs("B"));
    for (const int version : {0, 1}) {
        e.type(qs("B edited"));
        e.h.dialogs.answers = {Answer::Yes};
        e.h.menu.choose(qs("mRestore"), version);
        QCOMPARE(e.text(), qs("B"));
    }
}

// A name without an extension is written as the left pane's file in the
// chosen folder: the overwrite question is about that file.
void EditSessionTest::saveAs_asksAboutTheFileItWrites() {
    Editing e;
    const QString other = e.h.writeFile(qs("home/old/deal.htm"), "older article");
    e.h.writeFile(qs("home/old/chapter.htm"), "decoy");
    e.type(qs("new text"));
    e.h.dialogs.files = {FileChoice{e.h.home + qs("old/chapter"), qs("chapter")}, std::nullopt};
    e.h.dialogs.answers = {Answer::No};
    e.save(1);
    const QStringList asked{qs("File already exists.\rOverwrite it?")};
    QCOMPARE(e.h.dialogs.messageTexts(), asked);
    QCOMPARE(e.h.readFile(other), QByteArray("older article"));
    // The file itself: Yes writes it, and deleting "the original" is not offered.
    e.h.dialogs.messages.clear();
    e.h.dialogs.files = {FileChoice{e.h.home + qs("chapter"), qs("chapter")}};
    e.h.dialogs.answers = {Answer::Yes};
    e.save(1);
    QCOMPARE(e.h.dialogs.messageTexts(), asked);
    QCOMPARE(e.h.readFile(e.page), QByteArray("new text"));
    QVERIFY(!QFileInfo::exists(e.h.home + qs("chapter")));
}

void EditSessionTest::characterSetMessage_oncePerFile() {
    Editing e("<P>Caf\xe9</P>");
    e.type(qs("<P>\u2660 spades</P>"));
    e.save();
    QCOMPARE(e.h.readFile(e.page), QByteArray("<P>&#9824; spades</P>"));
    e.type(qs("<P>\u2660\u2660 spades</P>"));
    e.save();
    QCOMPARE(e.h.readFile(e.page), QByteArray("<P>&#9824;&#9824; spades</P>"));
    QCOMPARE(e.h.dialogs.messages.size(), 1u);
}

// After Swap Panels the edited text stands in the left editor, the right
// one hidden: its copy is kept all the same. A copy that cannot be written
// is told once, not at every pause.
void EditSessionTest::recoveryCopy_forTheEditorOnTheLeft_andFailureToldOnce() {
    Editing e;
    e.h.menu.choose(qs("mSwap"));
    e.h.browser[1].settle();
    QVERIFY(e.h.text1[0].visible() && !e.h.text1[1].visible());
    e.h.text1[0].setText(qs("typed on the left"));
    QVERIFY(e.h.recoveryTimer.active());
    e.h.recoveryTimer.fire();
    QCOMPARE(e.copyText(), qs("typed on the left"));
    QVERIFY(QDir(e.h.data + qs("/recovery")).removeRecursively());
    e.h.writeFile(qs("data/recovery"), "a file where the folder should be");
    for (const char* text : {"typed", "typed more"}) {
        e.h.text1[0].setText(qs(text));
        e.h.recoveryTimer.fire();
    }
    QCOMPARE(e.h.dialogs.messages.size(), 1u);
    QVERIFY(e.h.dialogs.messages[0].text.startsWith(
        qs("Unsaved changes cannot be kept in a recovery copy:")));
}

void EditSessionTest::recoveryCopiesAtStart_offeredEvenIfOlder_cutShortSetAside() {
    // The article was touched after the crash (a sync tool): the copy is
    // offered all the same, saying so.
    ViewerHarness h;
    const QString page = h.writeFile(qs("home/deal.htm"), "<P>touched later</P>");
    h.writeFile(qs("data/recovery/") + editor::recoveryFileName(page),
                editor::formatRecoveryCopy({page, 1000, qs("<P>kept</P>")}));
    h.dialogs.answers = {Answer::Yes};
    h.start();
    QCOMPARE(h.dialogs.messages.size(), 1u);
    QVERIFY(h.dialogs.messages[0].text.contains(qs("The file has changed since then")));
    QCOMPARE(h.text1[1].text(), qs("<P>kept</P>"));
    // A copy cut short, its text beginning with "#": set aside, not offered.
    ViewerHarness g;
    const QByteArray whole = editor::formatRecoveryCopy({page, 1000, qs("#2 more")});
    const QString copy =
        g.writeFile(qs("data/recovery/cut.recovery"), whole.left(whole.indexOf("\n#2") + 3));
    g.start();
    QCOMPARE(g.dialogs.messages.size(), 1u);
    QVERIFY(g.dialogs.messages[0].text.startsWith(
        qs("A recovery copy of unsaved changes cannot be read.")));
    QVERIFY(QFileInfo::exists(copy + qs(".unreadable")));
    QVERIFY(!g.text1[1].visible());
}

// Each bridge undo puts back the text it kept, and withdraws the other one
// when that one kept a later text: an undo never brings back what the user
// has already undone.
void EditSessionTest::bridgeUndo_withdrawsTheUndoOfALaterText() {
    {
        // Symbols, bidding font, Undo Suits to Symbols: the bidding font's
        // undo (a text with symbols) goes, whether the undo is saved or not.
        Editing e(kArticle);
        const QString original = e.text();
        e.run("mSuits2Symbols");
        e.run("mInsertBidFont");
        QVERIFY(e.offered("mUndoBidFont"));
        QVERIFY(e.run("mUndoSuits2Symbols", Answer::Cancel));
        QCOMPARE(e.text(), original);
        QVERIFY(!e.offered("mUndoBidFont"));
        QVERIFY(e.offered("mUndoSuits2Symbols")); // Cancel keeps its own undo
        QVERIFY(e.run("mUndoSuits2Symbols", Answer::Ok));
        QCOMPARE(e.onDisk(), original.toUtf8());
        QVERIFY(!e.run("mUndoBidFont", Answer::Ok));
        QCOMPARE(e.text(), original);
    }
    {
        // Undo Bidding Font goes back to the symbols; the older undo stays.
        Editing e(kArticle);
        e.run("mSuits2Symbols");
        const QString converted = e.text();
        e.run("mInsertBidFont");
        QVERIFY(e.run("mUndoBidFont", Answer::Ok));
        QCOMPARE(e.text(), converted);
        QVERIFY(e.offered("mUndoSuits2Symbols"));
    }
    {
        // The other order: bidding font first, then symbols. Undo Bidding
        // Font goes back to before both, and withdraws the symbols' undo.
        const QByteArray article =
            "<HTML><BODY>\r\n<H1>Openings</H1>\r\n<P>After 1<IMG SRC=\"C.gif\">-(1"
            "<IMG SRC=\"D.gif\">), a bid of 2H by responder is natural and forcing.</P>\r\n"
            "</BODY></HTML>";
        Editing e(article);
        e.run("mInsertBidFont");
        e.run("mSuits2Symbols");
        QVERIFY(e.text().contains(qs("Courier New")) &&
                e.text().contains(qs("2<IMG SRC=\"H.gif\">")));
        QVERIFY(e.offered("mUndoSuits2Symbols"));
        QVERIFY(e.run("mUndoBidFont", Answer::Ok));
        QCOMPARE(e.onDisk(), article);
        QVERIFY(!e.offered("mUndoSuits2Symbols"));
    }
}

QTEST_GUILESS_MAIN(EditSessionTest)
#include "test_editsession.moc"
