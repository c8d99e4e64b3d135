// The editors' key and mouse handlers.
#include "shell/tarnwellfileviewer.h"

#include "editor/findreplace.h"

namespace shell {

namespace {
constexpr int kCtrl = 2;
constexpr int kKeyE = 69;
constexpr int kKeyM = 77;
constexpr int kEscape = 27;
} // namespace

void TarnwellFileViewer::Text1_KeyDown(int index, platform::KeyEvent& key) {
    if (key.keyCode == kKeyE && key.shift == kCtrl) {
        key = {};
        menuClick(QStringLiteral("mLinkExt"), -1);
        return;
    }
    if (key.keyCode == kKeyM && key.shift == kCtrl) {
        key = {};
        menuClick(QStringLiteral("mSymbolsForHands"), -1);
        return;
    }
    if (key.keyCode == kEscape && key.shift == 0) {
        if (FindReplace && FindReplace->view().form->visible()) FindReplace->view().form->unload();
        return;
    }
    CheckTypedWord(index, key);
}

void TarnwellFileViewer::Text1_MouseDown(int, int button) {
    if (button == platform::RightButton) ui_.menu->popup(QStringLiteral("mH"));
}

} // namespace shell
