#pragma once

#include "shell/monitorlayout.h"
#include "shell/multimonitor.h"
#include "shell/recentfiles.h"
#include "shell/viewerhost.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace editor {
class EditSession;
}
namespace authoring {
class AuthoringCommands;
}
namespace bridge {
class BridgeCommands;
}
namespace spelling {
class SpellingController;
}

namespace shell {

// The main window's shell: the panes and what they show, the window's
// layout, start-up and closing, and the command table that the
// subsystems' controllers (edit session, authoring, bridge, spelling)
// fill with their menu commands. It reaches the screen, the disk and the
// network only through the platform interfaces it is given, so it runs the
// same under the real widgets and under the scripted fakes of the tests.
class TarnwellFileViewer : public ViewerHost {
  public:
    TarnwellFileViewer(const ViewerUi& ui, const ViewerServices& services, const FixedPaths& paths,
                       const QString& commandLine);
    ~TarnwellFileViewer() override;
    TarnwellFileViewer(const TarnwellFileViewer&) = delete;
    TarnwellFileViewer& operator=(const TarnwellFileViewer&) = delete;

    // Shows the window with its start files.
    void Form_Load();
    // Runs the handler of a menu entry; entries without one are disabled.
    void menuClick(const QString& name, int index);
    bool hasHandler(const QString& name) const;

    // The spelling controller, for the benchmarks that time its check.
    spelling::SpellingController& spellingController() { return *spelling_; }

    static QString applicationTitle();
    // How long Swap Panels waits for each pane's page, in seconds.
    static constexpr double kSwapWaitSeconds = 10;

    // ViewerHost
    const ViewerUi& ui() const override { return ui_; }
    const ViewerServices& services() const override { return services_; }
    const FixedPaths& paths() const override { return paths_; }
    QString dataFolder() const override { return DataFolder; }
    QString driveRoot() const override { return DriveRoot; }
    PaneFiles& panes() override { return panes_; }
    int activePane() const override { return ActivePane; }
    void setActivePane(int pane) override { ActivePane = static_cast<std::int16_t>(pane); }
    platform::Answer message(const QString& text, platform::Buttons buttons = platform::Buttons::Ok,
                             const QString& title = {}) override;
    platform::MenuEntry& menu(const char* name, int index = -1) override;
    void registerHandler(const QString& name, std::function<void(int)> handler) override;
    void runCommand(const QString& name, int index = -1) override { menuClick(name, index); }
    void openFile(const QString& folder, const QString& name) override { OpenFile(folder, name); }
    void addToRecentFiles(int pane) override { AddToRecentFiles(pane); }
    void tidyLeftName() override { TidyLeftName(); }
    void holdLayout(bool hold) override { ResizeBusy = hold; }
    void showEditorPane() override;
    void openInEditor(const QString& folder, const QString& name) override;
    void editedDocumentReplaced() override;
    EditedDocument& document() override;
    TypingCheck& typing() override;

  private:
    friend class MultiMonitor;

    // ---- start-up, configuration and closing ---------------------------
    // Asked when the window is about to close; `cancel` keeps it open.
    void Form_Unload(bool& cancel);
    void ReadCommandLine();
    void ShowStartFiles();
    void LoadSettings();
    void AddToRecentFiles(int pane);
    void SetWindowCaption();
    void EnableEditorMenus(bool on);
    void mExit_Click();
    // Writes the configuration file, with the bad-path prompt when the data
    // folder cannot be written. Returns whether the file was written.
    bool SaveSettings();

    // ---- panes and navigation ------------------------------------------
    void OpenFile(const QString& folder, const QString& name);
    void TidyLeftName();
    void brwWebBrowser_GotFocus(int index);
    // `followedLink`: the user followed a link in the page; only such a
    // navigation is sent to the right pane by "Open Links/Files in Right
    // Window" (the program's own, the start files among them, never are).
    void brwWebBrowser_BeforeNavigate(int index, const QString& address, bool& cancel,
                                      bool followedLink = true);
    void brwWebBrowser_DocumentComplete(int index, const QString& address);
    void L_Name_KeyDown(int index, platform::KeyEvent& key);
    void tbToolBar_ButtonClick(const QString& key);
    void mOpen_Click();
    void mOpenRight_Click();
    void mRecent_Click(int index);
    void mHelp_Click();
    void mPrint_Click();
    void mPrintPreview_Click();
    // Edit HTML opens the left pane's source in the editor on the right, or
    // closes the editor when it holds it; Save Web page and Delete File.
    void mEditHTML_Click();
    void mSaveWebPage_Click();
    void mDeleteFile_Click();

    // ---- layout ----------------------------------------------------------
    // The layout routine: runs on every resize and after pane changes.
    void Form_Resize();
    bool rightSideInUse() const;
    void pSplitterBar_MouseDown(int button, int x);
    void pSplitterBar_MouseMove(int buttons, int x);
    void mCloseRight_Click();
    void mSwap_Click();
    void mChangeMonitors_Click();
    void mResetMon_Click();
    void layoutForEditing();

    void wireEvents();
    void registerShellHandlers();
    void applyWindowDefinition();
    void setNameBox(int index, const QString& text);
    // Swap Panels shows the pages one pane after the other: the next step
    // runs once pane `pane` has shown its page, or kSwapWaitSeconds later
    // when it never does. The menu entry stays checked meanwhile.
    void waitForSwappedPage(int pane, std::function<void()> then);
    void swapWaitOver();
    bool swapInProgress() const { return static_cast<bool>(swapContinuation_); }
    void swapRightPane(bool leftHeldEditor, const QString& kept);
    void endSwap();
    // Takes back every callback the shell gave its controls and timers.
    void unwireEvents();
    void showRecentEntry(int index);
    // The width a two-pane window takes when none was stored: the first
    // monitor's; the one-pane width: two thirds of it.
    std::int32_t twoPaneWidth() const;
    std::int32_t onePaneWidth() const;
    // The virtual screen, or a stand-in when the platform reported none.
    ScreenArea virtualScreen() const;

    ViewerUi ui_;
    ViewerServices services_;
    FixedPaths paths_;
    QString commandLine_;
    QHash<QString, std::function<void(int)>> handlers_;

    PaneFiles panes_;
    std::int16_t ActivePane = 0;
    std::int16_t FocusPane = 0;
    // The pane whose Back, Forward or Search button was pressed, until its
    // next navigation raises before-navigate; -1: none.
    int toolbarMovePane_ = -1;
    int swapWaitPane_ = -1;
    std::function<void()> swapContinuation_;
    bool ResizeBusy = false;
    std::int32_t WindowLeft = 0, WindowTop = 0, WindowWidth = 0, WindowHeight = 0;
    std::int32_t WidthBeforeEdit = 0, EditWidth = 0;
    std::int32_t LeftPaneWidth = 0, RightPaneWidth = 0, PaneHeight = 0;
    RecentFiles Recent; // RecentFiles(0, i) = Recent.folder[i], (1, i) = Recent.file[i]
    bool OpenInRight = false;
    QString DataFolder;
    QString DriveRoot;
    MultiMonitor Monitors;

    // The subsystems' controllers, made once the shell's own state is in
    // place and taken down before it.
    std::unique_ptr<editor::EditSession> edit_;
    std::unique_ptr<authoring::AuthoringCommands> authoring_;
    std::unique_ptr<bridge::BridgeCommands> bridge_;
    std::unique_ptr<spelling::SpellingController> spelling_;
};

} // namespace shell
