// The editors' key and mouse handlers.
#include "editor/editsession.h"

#include "editor/findreplace.h"

namespace editor {

namespace {
constexpr int kCtrl = 2;
constexpr int kKeyE = 69;
constexpr int kKeyM = 77;
constexpr int kEscape = 27;
} // namespace

void EditSession::Text1_KeyDown(int index, platform::KeyEvent& key) {
    if (key.keyCode == kKeyE && key.shift == kCtrl) {
        key = {};
        host_.runCommand(QStringLiteral("mLinkExt"), -1);
        return;
    }
    if (key.keyCode == kKeyM && key.shift == kCtrl) {
        key = {};
        host_.runCommand(QStringLiteral("mSymbolsForHands"), -1);
        return;
    }
    if (key.keyCode == kEscape && key.shift == 0) {
        if (FindReplace && FindReplace->view().form->visible()) FindReplace->view().form->unload();
        return;
    }
    host_.typing().checkTypedWord(index, key);
}

void EditSession::Text1_MouseDown(int, int button) {
    if (button == platform::RightButton) ui_.menu->popup(QStringLiteral("mH"));
}

} // namespace editor
