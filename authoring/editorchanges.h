#pragma once

#include "authoring/edit.h"
#include "platform/texteditor.h"

namespace authoring {

// Works a command's result through the editor's selection, so the editor
// keeps its undo history and view: each edit replaces a selection, then the
// final selection is set (start first: setting it empties the selection).
inline void applyResult(platform::TextEditor& editor, const Result& result) {
    for (const Edit& e : result.edits) {
        editor.setSelStart(e.start);
        editor.setSelLength(e.length);
        editor.setSelText(e.text);
    }
    editor.setSelStart(result.after.start);
    if (result.after.length > 0) editor.setSelLength(result.after.length);
}

// The editor's selection as a command takes it.
inline Selection selectionOf(const platform::TextEditor& editor) {
    return {editor.selStart(), editor.selLength()};
}

} // namespace authoring
