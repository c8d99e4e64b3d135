#pragma once

#include "shell/multimonitor.h"
#include "shell/paths.h"
#include "shell/recentfiles.h"
#include "shell/viewerui.h"
#include "spelling/spellingchecker.h"
#include "util/textcodec.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>

namespace shell {

// The main window's controller: it owns the program's shared state and
// implements the handlers of the window's controls and menu entries. It
// reaches the screen, the disk and the network only through the platform
// interfaces it is given, so it runs the same under the real widgets and
// under the scripted fakes of the tests.
//
// Handlers are defined in the folder of their subsystem; this class is the
// one place that names them all.
class TarnwellFileViewer {
public:
    TarnwellFileViewer(const ViewerUi& ui, const ViewerServices& services, const FixedPaths& paths,
                       const QString& commandLine);
    TarnwellFileViewer(const TarnwellFileViewer&) = delete;
    TarnwellFileViewer& operator=(const TarnwellFileViewer&) = delete;

    // ---- shared state --------------------------------------------------
    QString PaneFileName[2];
    QString PaneFolder[2];
    QString SavedText[2];
    QString RestoreText[2];
    std::int16_t ActivePane = 0;
    std::int16_t FocusPane = 0;
    bool ResizeBusy = false;
    std::int32_t WindowLeft = 0, WindowTop = 0, WindowWidth = 0, WindowHeight = 0;
    std::int32_t WidthBeforeEdit = 0, EditWidth = 0;
    std::int32_t LeftPaneWidth = 0, RightPaneWidth = 0, PaneHeight = 0;
    QString PageColors[6]; // 1..5: TEXT, BGCOLOR, LINK, VLINK, ALINK
    RecentFiles Recent;    // RecentFiles(0, i) = Recent.folder[i], (1, i) = Recent.file[i]
    bool OpenInRight = false;
    QString DataFolder;
    QString DriveRoot;
    QString QuoteChar;
    std::int16_t LinkNameCounter = 0;
    QString SymbolsOriginalText;
    MultiMonitor Monitors;
    // The encoding each editor's file was read in; saving writes it back.
    util::Encoding SourceEncoding[2] = {util::Encoding::Utf8, util::Encoding::Utf8};

    // ---- start-up, configuration and closing ---------------------------
    void Form_Load();
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
    void brwWebBrowser_BeforeNavigate(int index, const QString& address, bool& cancel);
    void brwWebBrowser_DocumentComplete(int index, const QString& address);
    void L_Name_KeyDown(int index, platform::KeyEvent& key);
    void tbToolBar_ButtonClick(const QString& key);
    void mOpen_Click();
    void mOpenRight_Click();
    void mRecent_Click(int index);
    void mHelp_Click();
    void mPrint_Click();
    void mPrintPreview_Click();

    // ---- layout ----------------------------------------------------------
    // The layout routine: runs on every resize and after pane changes.
    void Form_Resize();
    bool rightSideInUse() const;

    // ---- edit session (opening the source editor, unsaved changes) -------
    void mEditHTML_Click();
    void OpenSourceInEditor();
    // True when the user chose Cancel.
    bool QuerySaveChanges();
    void mSave_Click(int& index);

    // ---- HTML authoring ----------------------------------------------------

    // ---- bridge notation ---------------------------------------------------

    // ---- spelling ----------------------------------------------------------
    // The spelling checker's module state (lexicon, cursors, flags).
    spelling::SpellingCheckerState basSpellingChecker;
    // The suggestion box as the lexicon operations see it: its word field,
    // replacement field, suggestion list and whether it is out.
    QString SuggestionWord;
    QString SuggestionReplacement;
    QStringList SuggestionList;
    bool SuggestionBoxVisible = false;
    // Opens the lexicon for a check; false (after telling the user, naming
    // the lexicon folder) when it is missing or cannot be opened.
    bool OpenLexicon();
    bool IsWordInLexicon(const QString& word);
    void AddWordToLexicon(const QString& word);
    void CloseLexicon();
    void BringOutSuggestionBox();
    void HideSuggestionBox();
    // The lexicon check is chosen when the lexicon's word database or the
    // lexicon application's start page is in the lexicon folder.
    bool lexiconPresent() const;

    // ---- menu ------------------------------------------------------------
    // Runs the handler of a menu entry; entries without one are disabled.
    void menuClick(const QString& name, int index);
    bool hasHandler(const QString& name) const;
    // Makes `handler` the command of every entry named `name` (an array's
    // entries share it and receive their index).
    void registerHandler(const QString& name, std::function<void(int)> handler);

    // The pieces the controller works through.
    const ViewerUi& ui() const { return ui_; }
    const ViewerServices& services() const { return services_; }
    const FixedPaths& paths() const { return paths_; }

    static QString applicationTitle();

private:
    void wireEvents();
    // Each subsystem names the menu commands it implements.
    void registerShellHandlers();
    void registerEditorHandlers();
    void registerAuthoringHandlers();
    void registerBridgeHandlers();
    void registerSpellingHandlers();
    void applyWindowDefinition();
    void setNameBox(int index, const QString& text);
    void showRecentEntry(int index);
    // The width a two-pane window takes when none was stored: the first
    // monitor's; the one-pane width: two thirds of it.
    std::int32_t twoPaneWidth() const;
    std::int32_t onePaneWidth() const;
    // Reads a source file as the editor shows it: CR LF line breaks, its
    // encoding recorded for `pane`.
    QString loadTextFile(const QString& path, bool* ok, int pane = 1);
    void layoutForEditing();
    platform::MenuEntry& menu(const char* name, int index = -1);
    platform::Answer message(const QString& text, platform::Buttons buttons = platform::Buttons::Ok,
                             const QString& title = {});

    ViewerUi ui_;
    ViewerServices services_;
    FixedPaths paths_;
    QString commandLine_;
    QHash<QString, std::function<void(int)>> handlers_;
};

// Joins message lines the way the program's message boxes expect them.
inline QString crJoin(const QString& a, const QString& b) { return a + QLatin1Char('\r') + b; }

} // namespace shell
