#include "editor/findreplace.h"

#include "editor/findengine.h"
#include "shell/viewerhost.h"
#include "util/numbers.h"
#include "util/strings.h"

namespace editor {

using platform::Answer;
using platform::Buttons;
using util::qs;

namespace {
constexpr int kRed = 255;
}

frmFindReplace::frmFindReplace(shell::ViewerHost& viewer, const platform::FindReplaceView& view)
    : viewer_(viewer), view_(view) {
    view_.form->onActivate = [this] { Form_Activate(); };
    view_.form->onUnload = [this](bool& cancel) { Form_Unload(cancel); };
    view_.txtFind->onChange = [this] { txtFind_Change(); };
    view_.txtFind->onGotFocus = [this] { txtFind_GotFocus(); };
    view_.txtReplace->onGotFocus = [this] { txtReplace_GotFocus(); };
    view_.chkMatchCase->onClick = [this] { chkMatchCase_Click(); };
    view_.chkMatchWholeWord->onClick = [this] { chkMatchWholeWord_Click(); };
    for (int i = 0; i < 2; ++i) {
        view_.optDirection[i]->onClick = [this, i] { optDirection_Click(i); };
        view_.cmdReplace[i]->onClick = [this, i] { cmdReplace_Click(i); };
    }
    view_.cmdFindNext->onClick = [this] { cmdFindNext_Click(); };
    view_.cmdCancel->onClick = [this] { cmdCancel_Click(); };
    // The window as it is created.
    view_.optDirection[0]->setValue(true);
    view_.chkIgnoreHTML->setChecked(true);
    view_.cmdFindNext->setEnabled(false);
    view_.cmdReplace[0]->setEnabled(false);
    view_.cmdReplace[1]->setEnabled(false);
    view_.cmdCancel->setEnabled(true);
    MatchCount = ChangeCount = 0;
    SearchPos = 0;
}

frmFindReplace::~frmFindReplace() {
    view_.form->onActivate = nullptr;
    view_.form->onUnload = nullptr;
    view_.txtFind->onChange = nullptr;
    view_.txtFind->onGotFocus = nullptr;
    view_.txtReplace->onGotFocus = nullptr;
    view_.chkMatchCase->onClick = nullptr;
    view_.chkMatchWholeWord->onClick = nullptr;
    for (int i = 0; i < 2; ++i) {
        view_.optDirection[i]->onClick = nullptr;
        view_.cmdReplace[i]->onClick = nullptr;
    }
    view_.cmdFindNext->onClick = nullptr;
    view_.cmdCancel->onClick = nullptr;
}

void frmFindReplace::Form_Activate() {
    if (!TextBeforeReplace.isEmpty()) return;
    auto& editor = *viewer_.ui().Text1[1];
    SearchPos = editor.selStart();
    view_.cmdReplace[0]->setEnabled(false);
    TextBeforeReplace = editor.text();
    view_.txtFind->setFocus();
}

void frmFindReplace::txtFind_Change() {
    const bool any = !view_.txtFind->text().isEmpty();
    view_.cmdFindNext->setEnabled(any);
    view_.cmdReplace[0]->setEnabled(any);
    view_.cmdReplace[1]->setEnabled(any);
    if (fromTop()) SearchPos = 0;
    MatchCount = 0;
    ChangeCount = 0;
}

void frmFindReplace::txtFind_GotFocus() {
    view_.txtFind->selectAll();
}
void frmFindReplace::txtReplace_GotFocus() {
    view_.txtReplace->selectAll();
}

void frmFindReplace::chkMatchCase_Click() {
    MatchCount = 0;
    ChangeCount = 0;
}

void frmFindReplace::chkMatchWholeWord_Click() {
    if (fromTop()) SearchPos = 0;
    MatchCount = 0;
    ChangeCount = 0;
}

void frmFindReplace::optDirection_Click(int) {
    if (fromTop()) SearchPos = 0;
}

void frmFindReplace::cmdFindNext_Click() {
    UnmarkMatch();
    ReplaceAllMode = false;
    FindNextMatch();
}

void frmFindReplace::cmdReplace_Click(int index) {
    if (index == 1) {
        ReplaceAllMode = true;
        ChangeCount = 0;
        FindNextMatch();
        return;
    }
    // Only the match the dialog marked is replaced, and only while it is
    // still what the editor has selected; otherwise Replace looks for the
    // next match first, and changes nothing.
    auto& editor = *viewer_.ui().Text1[1];
    if (MarkLength <= 0 || editor.selStart() != MarkStart || editor.selLength() != MarkLength) {
        cmdFindNext_Click();
        return;
    }
    const int start = MarkStart;
    const int length = MarkLength;
    UnmarkMatch();
    view_.cmdReplace[0]->setEnabled(false);
    const QString replacement = view_.txtReplace->text();
    editor.setSelStart(start);
    editor.setSelLength(length);
    editor.setSelText(replacement);
    editor.setSelStart(start);
    editor.setSelLength(static_cast<int>(replacement.size()));
    ++ChangeCount;
    SearchPos = start + 1 + replacement.size();
}

void frmFindReplace::cmdCancel_Click() {
    TextBeforeReplace = viewer_.ui().Text1[1]->text();
    view_.form->unload();
}

void frmFindReplace::Form_Unload(bool& cancel) {
    UnmarkMatch();
    auto& editor = *viewer_.ui().Text1[1];
    if (editor.text() != TextBeforeReplace) {
        const Answer a =
            viewer_.ui().dialogs->message(qs("Save text replacements?"), Buttons::YesNoCancel);
        if (a == Answer::Cancel) {
            cancel = true;
            return;
        }
        if (a == Answer::Yes) {
            // The replacements were made in the source editor; save that one.
            viewer_.document().save(1);
        } else {
            editor.setText(TextBeforeReplace);
        }
    }
    TextBeforeReplace.clear();
}

void frmFindReplace::SourceReplaced() {
    MarkStart = 0;
    MarkLength = 0;
    view_.cmdReplace[0]->setEnabled(false);
    MatchCount = 0;
    ChangeCount = 0;
    SearchPos = 0;
    if (!TextBeforeReplace.isEmpty()) TextBeforeReplace = viewer_.ui().Text1[1]->text();
}

void frmFindReplace::MarkMatch(int start, int length) {
    MarkStart = start;
    MarkLength = length;
    auto& editor = *viewer_.ui().Text1[1];
    editor.setSelStart(start);
    editor.setSelLength(length);
    editor.setSelColor(kRed);
    editor.setSelBold(true);
}

void frmFindReplace::UnmarkMatch() {
    if (MarkLength > 0) {
        auto& editor = *viewer_.ui().Text1[1];
        editor.setSelStart(MarkStart);
        editor.setSelLength(MarkLength);
        editor.setSelColor(0);
        editor.setSelBold(false);
    }
    MarkStart = 0;
    MarkLength = 0;
}

void frmFindReplace::reportEnd() {
    if (!fromTop()) {
        const Answer a =
            viewer_.ui().dialogs->message(qs("Not found.\rSearch from top?"), Buttons::YesNo);
        if (a == Answer::Yes) {
            view_.optDirection[0]->setValue(true); // sets SearchPos to 0
            FindNextMatch();
        }
        return;
    }
    viewer_.ui().dialogs->message(qs("Source has been searched.\r") + util::numberText(MatchCount) +
                                      qs(" matches found.\r") + util::numberText(ChangeCount) +
                                      qs(" changes made."),
                                  Buttons::Ok);
    MatchCount = 0;
    ChangeCount = 0;
    SearchPos = 0;
}

void frmFindReplace::replaceAllFrom() {
    auto& editor = *viewer_.ui().Text1[1];
    FindOptions o;
    o.matchCase = view_.chkMatchCase->checked();
    o.wholeWord = view_.chkMatchWholeWord->checked();
    o.ignoreHtml = view_.chkIgnoreHTML->checked();
    const QString text = editor.text();
    const ReplaceAllResult r =
        replaceAll(text, view_.txtFind->text(), view_.txtReplace->text(), SearchPos, o);
    if (r.count > 0) {
        // One edit for the whole run, so that one undo takes it back.
        const int caret = static_cast<int>(r.searchPos - 1); // just after the last replacement
        editor.setSelStart(0);
        editor.setSelLength(static_cast<int>(text.size()));
        editor.setSelText(r.text);
        editor.setSelStart(std::max(0, caret));
        ChangeCount += r.count;
        MatchCount += r.count;
    }
    SearchPos = 0;
    reportEnd();
}

void frmFindReplace::FindNextMatch() {
    UnmarkMatch();
    auto& editor = *viewer_.ui().Text1[1];
    if (!fromTop()) SearchPos = editor.selStart() + 1;
    if (ReplaceAllMode) {
        replaceAllFrom();
        return;
    }
    FindOptions o;
    o.matchCase = view_.chkMatchCase->checked();
    o.wholeWord = view_.chkMatchWholeWord->checked();
    o.ignoreHtml = view_.chkIgnoreHTML->checked();
    QString hay = editor.text();
    QString needle = view_.txtFind->text();
    if (!o.matchCase) {
        hay = lowerKeepingLength(hay);
        needle = lowerKeepingLength(needle);
    }
    SearchPos = findNext(hay, needle, SearchPos, o);
    if (SearchPos == 0) {
        reportEnd();
        return;
    }
    const qsizetype p = SearchPos;
    editor.setSelStart(static_cast<int>(p + 200)); // brings the text after the match into view
    MarkMatch(static_cast<int>(p - 1), static_cast<int>(needle.size()));
    ++MatchCount;
    view_.cmdReplace[0]->setEnabled(true);
}

} // namespace editor
