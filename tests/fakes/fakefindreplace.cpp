#include "tests/fakes/fakefindreplace.h"

namespace fakes {

void FakeOptionButton::setValue(bool on) {
    if (on == value_) return;
    value_ = on;
    if (on && other) other->value_ = false;
    if (onClick) onClick();
}

FakeFindReplace::FakeFindReplace() {
    fromTop.other = &fromCursor;
    fromCursor.other = &fromTop;
}

platform::FindReplaceView FakeFindReplace::view() {
    platform::FindReplaceView v;
    v.form = &form;
    v.txtFind = &txtFind;
    v.txtReplace = &txtReplace;
    v.optDirection[0] = &fromTop;
    v.optDirection[1] = &fromCursor;
    v.chkMatchCase = &matchCase;
    v.chkMatchWholeWord = &wholeWord;
    v.chkIgnoreHTML = &ignoreHtml;
    v.cmdFindNext = &findNext;
    v.cmdReplace[0] = &replace;
    v.cmdReplace[1] = &replaceAll;
    v.cmdCancel = &cancel;
    return v;
}

} // namespace fakes
