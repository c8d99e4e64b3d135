// Wiring: the controls' events to their handlers, and the menu tree's
// entries to theirs.
#include "shell/tarnwellfileviewer.h"

#include "authoring/authoringcommands.h"
#include "bridge/bridgecommands.h"
#include "editor/editsession.h"
#include "shell/menutree.h"
#include "spelling/spellingcontroller.h"

namespace shell {

TarnwellFileViewer::TarnwellFileViewer(const ViewerUi& ui, const ViewerServices& services,
                                       const FixedPaths& paths, const QString& commandLine)
    : ui_(ui), services_(services), paths_(paths), commandLine_(commandLine),
      edit_(std::make_unique<editor::EditSession>(*this)),
      authoring_(std::make_unique<authoring::AuthoringCommands>(*this)),
      bridge_(std::make_unique<bridge::BridgeCommands>(*this)),
      spelling_(std::make_unique<spelling::SpellingController>(*this)) {
    registerShellHandlers();
    edit_->registerHandlers();
    authoring_->registerHandlers();
    bridge_->registerHandlers();
    spelling_->registerHandlers();
    wireEvents();
    // An entry whose command has no handler yet stays disabled rather than
    // doing nothing when chosen.
    for (const MenuItem& item : menuTree()) {
        if (item.isSeparator() || item.parent.isEmpty()) continue;
        const bool header = std::any_of(menuTree().begin(), menuTree().end(),
                                        [&](const MenuItem& m) { return m.parent == item.name; });
        if (!header && !hasHandler(item.name))
            ui_.menu->entry(item.name, item.index).setEnabled(false);
    }
    EnableEditorMenus(false);
}

TarnwellFileViewer::~TarnwellFileViewer() {
    unwireEvents();
    // The controllers go first: each takes back the callbacks it gave.
    spelling_.reset();
    bridge_.reset();
    authoring_.reset();
    edit_.reset();
}

void TarnwellFileViewer::registerHandler(const QString& name, std::function<void(int)> handler) {
    handlers_.insert(name, std::move(handler));
}

void TarnwellFileViewer::registerShellHandlers() {
    auto on = [this](const char* name, std::function<void(int)> handler) {
        registerHandler(QString::fromLatin1(name), std::move(handler));
    };
    on("mOpen", [this](int) { mOpen_Click(); });
    on("mOpenRight", [this](int) { mOpenRight_Click(); });
    on("mExit", [this](int) { mExit_Click(); });
    on("mRecent", [this](int i) { mRecent_Click(i); });
    on("mHelp", [this](int) { mHelp_Click(); });
    on("mPrint", [this](int) { mPrint_Click(); });
    on("mPrintPreview", [this](int) { mPrintPreview_Click(); });
    on("mCloseRight", [this](int) { mCloseRight_Click(); });
    on("mSwap", [this](int) { mSwap_Click(); });
    on("mChangeMonitors", [this](int) { mChangeMonitors_Click(); });
    on("mResetMon", [this](int) { mResetMon_Click(); });
    on("mEditHTML", [this](int) { mEditHTML_Click(); });
    on("mSaveWebPage", [this](int) { mSaveWebPage_Click(); });
    on("mDeleteFile", [this](int) { mDeleteFile_Click(); });
    on("mVer", [](int) {});
}

bool TarnwellFileViewer::hasHandler(const QString& name) const {
    return handlers_.contains(name);
}

void TarnwellFileViewer::menuClick(const QString& name, int index) {
    const auto it = handlers_.constFind(name);
    if (it != handlers_.constEnd()) (*it)(index);
}

void TarnwellFileViewer::wireEvents() {
    ui_.menu->onClick = [this](const QString& name, int index) { menuClick(name, index); };
    ui_.window->onResize = [this] { Form_Resize(); };
    ui_.window->onClose = [this](bool& cancel) { Form_Unload(cancel); };
    for (int i = 0; i < 2; ++i) {
        auto& pane = *ui_.brwWebBrowser[i];
        pane.onGotFocus = [this, i] { brwWebBrowser_GotFocus(i); };
        pane.onBeforeNavigate = [this, i](const QString& a, bool followedLink, bool& cancel) {
            brwWebBrowser_BeforeNavigate(i, a, cancel, followedLink);
        };
        pane.onDocumentComplete = [this, i](const QString& a) {
            brwWebBrowser_DocumentComplete(i, a);
            if (i == swapWaitPane_) swapWaitOver();
        };
        ui_.L_Name[i]->onKeyDown = [this, i](platform::KeyEvent& key) { L_Name_KeyDown(i, key); };
    }
    if (services_.recoveryTimer)
        services_.recoveryTimer->onTimeout = [this] { edit_->WriteRecoveryCopy(); };
    if (services_.swapTimer) services_.swapTimer->onTimeout = [this] { swapWaitOver(); };
    ui_.tbToolBar->onButtonClick = [this](const QString& key) { tbToolBar_ButtonClick(key); };
    ui_.pSplitterBar->onMouseDown = [this](int button, int x, int) {
        pSplitterBar_MouseDown(button, x);
    };
    ui_.pSplitterBar->onMouseMove = [this](int buttons, int x, int) {
        pSplitterBar_MouseMove(buttons, x);
    };
    // The editor the user works in is the one the commands address.
    for (int i = 0; i < 2; ++i) {
        ui_.Text1[i]->onGotFocus = [this, i] { ActivePane = static_cast<std::int16_t>(i); };
        ui_.Text1[i]->onClick = [this, i] { ActivePane = static_cast<std::int16_t>(i); };
        ui_.Text1[i]->onKeyDown = [this, i](platform::KeyEvent& key) {
            edit_->Text1_KeyDown(i, key);
        };
        ui_.Text1[i]->onChange = [this, i] { edit_->Text1_Change(i); };
        ui_.Text1[i]->onMouseDown = [this, i](int button, int, int) {
            edit_->Text1_MouseDown(i, button);
        };
    }
}

// The controls and timers outlive the controller (the window is taken down
// after it), and a late event must find nothing to call.
void TarnwellFileViewer::unwireEvents() {
    ui_.menu->onClick = nullptr;
    ui_.window->onResize = nullptr;
    ui_.window->onClose = nullptr;
    for (int i = 0; i < 2; ++i) {
        auto& pane = *ui_.brwWebBrowser[i];
        pane.onGotFocus = nullptr;
        pane.onBeforeNavigate = nullptr;
        pane.onDocumentComplete = nullptr;
        ui_.L_Name[i]->onKeyDown = nullptr;
        auto& editor = *ui_.Text1[i];
        editor.onGotFocus = nullptr;
        editor.onClick = nullptr;
        editor.onKeyDown = nullptr;
        editor.onChange = nullptr;
        editor.onMouseDown = nullptr;
    }
    for (platform::Timer* timer : {services_.recoveryTimer, services_.swapTimer}) {
        if (!timer) continue;
        timer->stop();
        timer->onTimeout = nullptr;
    }
    ui_.tbToolBar->onButtonClick = nullptr;
    ui_.pSplitterBar->onMouseDown = nullptr;
    ui_.pSplitterBar->onMouseMove = nullptr;
}

platform::MenuEntry& TarnwellFileViewer::menu(const char* name, int index) {
    return ui_.menu->entry(QString::fromLatin1(name), index);
}

platform::Answer TarnwellFileViewer::message(const QString& text, platform::Buttons buttons,
                                             const QString& title) {
    return ui_.dialogs->message(text, buttons, title);
}

} // namespace shell
