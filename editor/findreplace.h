#pragma once

#include "platform/findreplaceview.h"

#include <QString>
#include <cstdint>

namespace shell {
class ViewerHost;
}

namespace editor {

// The find and replace dialog: finds text in the source editor, marks each
// match red and bold, replaces one match or all of them, and counts both.
// One instance lives for the whole run once first opened.
class frmFindReplace {
  public:
    frmFindReplace(shell::ViewerHost& viewer, const platform::FindReplaceView& view);
    // Takes back the callbacks it gave the dialog's controls.
    ~frmFindReplace();
    frmFindReplace(const frmFindReplace&) = delete;
    frmFindReplace& operator=(const frmFindReplace&) = delete;

    QString TextBeforeReplace;
    int MarkStart = 0;
    int MarkLength = 0;
    int MatchCount = 0;
    int ChangeCount = 0;
    bool ReplaceAllMode = false;
    qsizetype SearchPos = 0;

    void Form_Activate();
    void Form_Unload(bool& cancel);
    void txtFind_Change();
    void txtFind_GotFocus();
    void txtReplace_GotFocus();
    void chkMatchCase_Click();
    void chkMatchWholeWord_Click();
    void optDirection_Click(int index);
    void cmdFindNext_Click();
    void cmdReplace_Click(int index);
    void cmdCancel_Click();

    // Another file came into the editor while the dialog is open: the
    // replacements of the file before were saved or declined when it was
    // left, so the snapshot a close may restore is now the new file's text,
    // and a match marked in the old text is forgotten.
    void SourceReplaced();

    void FindNextMatch();
    void MarkMatch(int start, int length);
    void UnmarkMatch();

    const platform::FindReplaceView& view() const { return view_; }

  private:
    bool fromTop() const { return view_.optDirection[0]->value(); }
    void replaceAllFrom();
    void reportEnd();

    shell::ViewerHost& viewer_;
    platform::FindReplaceView view_;
};

} // namespace editor
