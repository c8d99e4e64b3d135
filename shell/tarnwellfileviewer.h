#pragma once

#include "editor/sourcefile.h"
#include "shell/monitorlayout.h"
#include "shell/multimonitor.h"
#include "shell/panelslide.h"
#include "shell/paths.h"
#include "shell/recentfiles.h"
#include "shell/viewerui.h"
#include "spelling/scan.h"
#include "spelling/spellingchecker.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace editor {
class frmFindReplace;
}
namespace authoring {
class TableSpecs;
}

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
    ~TarnwellFileViewer();
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
    // How each editor's file was laid out in bytes (encoding, byte-order
    // mark, line ends); saving writes the text back the same way.
    editor::SourceFormat FileFormat[2];

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
    // `followedLink`: the user followed a link in the page; only such a
    // navigation is sent to the right pane by "Open Links/Files in Right
    // Window" (the program's own, the start files among them, never are).
    void brwWebBrowser_BeforeNavigate(int index, const QString& address, bool& cancel,
                                      bool followedLink = true);
    void brwWebBrowser_DocumentComplete(int index, const QString& address);
    // The pane whose Back, Forward or Search button was pressed, until its
    // next navigation raises before-navigate; -1: none.
    int toolbarMovePane_ = -1;
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
    void pSplitterBar_MouseDown(int button, int x);
    void pSplitterBar_MouseMove(int buttons, int x);
    void mCloseRight_Click();
    void mSwap_Click();
    void mChangeMonitors_Click();
    void mResetMon_Click();
    // How long Swap Panels waits for each pane's page, in seconds.
    static constexpr double kSwapWaitSeconds = 10;

    // ---- edit session (opening the source editor, unsaved changes) -------
    void mEditHTML_Click();
    void OpenSourceInEditor();
    // Lets go of what belonged to the file the editor held, once another
    // file has come in: the bridge undos, a pending internal link and the
    // anchor names handed out, a spelling check, the find dialog's snapshot
    // and mark.
    void ForgetEditedDocument();
    // Asks about the unsaved edits of every open editor; true when the user
    // chose Cancel or an edit could not be saved (nothing may be closed).
    bool QuerySaveChanges();
    // Asks "Save changes to ...?" when editor `index` holds unsaved edits and
    // saves on Yes. True when the caller may leave the text: nothing was
    // unsaved, it was saved, or the user answered No; false on Cancel or
    // when the save did not happen.
    bool ConfirmLeavingEditor(int index);
    void mSave_Click(int& index);
    // The name a save writes under: no "file:///" folder, no "#EndOfFile",
    // and the left pane's name for one without an extension.
    void tidySaveName(int pane);
    void mRestore_Click(int index);
    void mSaveWebPage_Click();
    void mDeleteFile_Click();
    // Unsaved edits are kept in a recovery copy in the data folder, written
    // a few seconds after the last change (and at least every 15 seconds
    // while typing goes on); a save or a clean close removes it, and the
    // next start offers what a crash left behind.
    void Text1_Change(int index);
    void WriteRecoveryCopy();
    // The editor slot that holds the edited file (1, or 0 after a swap).
    int recoverySlot() const;
    bool recoveryWriteFailureTold_ = false;
    // Writes (or, with the saved text back, removes) the recovery copy;
    // false with the reason when it cannot be written.
    bool writeRecoveryCopy(QString* error);
    void RemoveRecoveryCopy(const QString& path);
    void OfferRecovery();
    static constexpr int kRecoveryDelayMs = 2000;
    static constexpr double kRecoveryMaxWaitSeconds = 15;
    double recoveryPendingSince_ = -1;
    // Find/Replace Text, Find Again and Replace Text all open the dialog.
    void mFind_Click(int index);
    // The find dialog, created when first opened.
    std::unique_ptr<editor::frmFindReplace> FindReplace;
    // The editors' own keys and mouse: Ctrl+E, Ctrl+M, Esc, the right-click
    // menu and the check of each word as it is typed.
    void Text1_KeyDown(int index, platform::KeyEvent& key);
    void Text1_MouseDown(int index, int button);
    // Checks the word just before the caret of editor `index` as the key
    // `key` is about to end it; marks it red or blue, or plain.
    void CheckTypedWord(int index, const platform::KeyEvent& key);
    void MarkTypedWord(int index, int start, int end, const QString& word);
    void CheckWordsTypedWhileLoading();
    struct TypedWordAt {
        int index;
        int start;
        int end;
        QString word;
    };
    std::vector<TypedWordAt> TypedWhileLoading; // words typed before the lexicon was in
    // Typing reads the checker's word index (basSpellingChecker.index).
    bool TypingCheckOff = false; // the lexicon could not be read
    bool TypingCheckToldOff = false;
    bool TypingWantsTelling = false; // a file opened while the lexicon was being read
    QString TypingCheckOffReason;    // "<file>: <why>", for the message
    // True when typing can be checked; otherwise it has the lexicon read
    // (off the user-interface thread) and, when it cannot be read and
    // `tell` is set, the user hears of it once.
    bool OpenTypingLexicon(bool tell);

    // ---- HTML authoring ----------------------------------------------------
    // Tag commands: the selection of Text1(ActivePane) wrapped in markup.
    void mBold_Click();
    void mItalics_Click();
    void mUnderline_Click();
    void mSuperscript_Click();
    void mSubscript_Click();
    void mBreak_Click();
    void mNumberedList_Click();
    void mIndent_Click();
    void mIndentNoBreak_Click();
    void mBulletsNoIndent_Click();
    void mPre_Click();
    void mHeader_Click(int index);
    void mSpecial_Click(int index);
    void mTable_Click();
    void mRow_Click();
    void mCell_Click();
    void mAlignTop_Click();
    void mWidth_Click();
    void mColorWords_Click();
    void mFont_Click();
    void mParagraph_Click();
    // Hyperlinks. Link Internal runs twice: first on the link text, then
    // where the link should lead; the instruction box shows in between and
    // a click on it cancels.
    void mLinkExt_Click();
    void mLinkIn_Click();
    void LinkMsgBox_Click();
    void mHideText_Click();
    // The text chosen at Link Internal's first run: 1-based start, length.
    std::int32_t LinkStart = 0;
    std::int32_t LinkLength = 0;
    // The last show/hide block number taken in this run of the program.
    std::int16_t HideBlockCounter = 0;
    // The document frame: New File, HTML Start-End and the page colours.
    void mNewFile_Click();
    void mHTMLStartEnd_Click();
    void mColors_Click(int index);
    void cmdGetColor_Click(int index);
    // Asks for page colour `slot` (1 to 5) starting from `colorCode`, keeps
    // the choice in `colorCode` and puts it into the edited document's BODY
    // tag, which is then saved.
    void ChangePageColor(QString& colorCode, int slot);
    // The BODY attribute names of the page colours, 1 to 5.
    QString ColorAttributeNames[6];
    // The "Page Colors" panel's slide out and back.
    PanelSlider colorsSlide_;
    void mTableOfContents_Click();
    void mTableSpecsWindow_Click();
    // The table designer, created when first opened; it keeps its colours
    // for the rest of the run.
    std::shared_ptr<authoring::TableSpecs> TableSpecsDialog;

    // ---- bridge notation ---------------------------------------------------
    // The editor's whole text before the first Insert Bidding Font since it
    // was last cleared; empty when no undo is pending.
    QString BidFontOriginalText;
    void mSuits2Symbols_Click();
    void mUndoSuits2Symbols_Click();
    void mSuitSymbol_Click(int index);
    void mSymbolsForHands_Click();
    void mBiddingFont_Click();
    void mInsertBidFont_Click();
    void mUndoBidFont_Click();
    // Withdraws the pending undos of the bridge commands (and their menu
    // entries): the text they keep belongs to the file the editor held, and
    // must never be restored into another.
    void ClearBridgeUndo();
    // When each bridge undo took its text, in the order of the commands
    // (0: none pending). An undo that puts back a text withdraws the other
    // undo when that one's text was taken later: restoring it would bring
    // back what the first undo took away.
    int bridgeUndoClock_ = 0;
    int symbolsUndoTakenAt_ = 0;
    int bidFontUndoTakenAt_ = 0;
    void WithdrawLaterBridgeUndo(int restoredTakenAt);
    // Copies each named suit image that the edited document's folder lacks
    // into it, telling the user the first time in a run.
    void ProvideSuitImages(const QStringList& imageNames);
    bool suitImagesReported_ = false;

    // ---- spelling ----------------------------------------------------------
    // The spelling checker's module state (lexicon, cursors, flags).
    spelling::SpellingCheckerState basSpellingChecker;
    // Opens the lexicon for a check; false (after telling the user, naming
    // the lexicon folder) when it is missing or cannot be opened.
    bool OpenLexicon();
    // The lexicon is read once, off the user-interface thread, into the
    // word index that every check and the typing check then use; it is
    // read again only when another program changed the words file.
    // LoadLexicon starts the reading (unless it runs); LexiconLoaded takes
    // its outcome and starts the command that waited for it.
    void LoadLexicon();
    void LexiconLoaded(const spelling::LoadedLexicon& loaded, qint64 stamp);
    // The index is there and holds what the words file holds.
    bool lexiconReady() const;
    bool IsWordInLexicon(const QString& word);
    // False when the word could not be stored (the user was told).
    bool AddWordToLexicon(const QString& word);
    void CloseLexicon();
    void BringOutSuggestionBox();
    void HideSuggestionBox();
    // The lexicon check is chosen when the lexicon's word database or the
    // lexicon application's start page is in the lexicon folder.
    bool lexiconPresent() const;
    // The document scan: from 1-based position `start`, selects the next
    // word to look up, marks it red and bold and shows it in the word field;
    // at the end of the text it leaves nothing selected (and an empty word
    // field). A caller that walks many words holds the editor's text once
    // and passes it as `text` (the scan does not change the text).
    // `markup`, with `text`, is the text's markup map, made once for a walk.
    void NextWordToCheck(int start, const QString* text = nullptr,
                         const spelling::MarkupMap* markup = nullptr);
    // Empties the suggestion list and the replacement field and shows `word`.
    void ShowWordToCheck(const QString& word);
    // Fills the suggestion list for a word the lexicon rejected (and the
    // replacement field when the lexicon records the word as a misspelling).
    void SuggestSpellings(const QString& word);
    // The check's commands: F12 checks the document (through the lexicon,
    // or the spelling service when no lexicon is installed), Ctrl+W the
    // highlighted word.
    void mSpellCheckDocument_Click();
    void mSpellCheckWord_Click();
    void CheckHighlightedWord();
    // Mode 1 first remembers the word for the rest of the run; then the
    // scan goes on to the next misspelled word, or ends the check.
    void SkipWordAndContinue(int mode);
    void FixSpelling();
    void cmdSkipWord_Click(int index);
    void cmdAddWord_Click();
    void cmdCloseSpellCk_Click();
    void lstSuggestions_Click();
    void lstSuggestions_DblClick();
    // The check by the spelling service: the whole text out, the corrected
    // text back, then the question whether to save it.
    void WordProcessorSpellCheck();
    // The suggestion box's fields as the check reads and writes them.
    QString suggestionWord() const;
    void setSuggestionWord(const QString& word);
    QString suggestionReplacement() const;
    void setSuggestionReplacement(const QString& text);
    void setSuggestionList(const QStringList& entries);
    // The box is out, or on its way out: a check runs.
    bool suggestionBoxVisible() const;
    // The box's slide out and back. While it runs, the box's buttons (but
    // Close) and the check commands wait for it: they do nothing.
    PanelSlider suggestionSlide_;
    // Whether the box stands still, after putting a box on its way out in
    // its place.
    bool suggestionBoxSettled();
    // The box is on its way back, its check over.
    bool suggestionBoxLeaving_ = false;
    // Single-word mode: a Ctrl+W check, whose close shows no completion message.
    bool singleWordCheck() const { return basSpellingChecker.NoCompletionMessage; }

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
    // Swap Panels shows the pages one pane after the other: the next step
    // runs once pane `pane` has shown its page, or kSwapWaitSeconds later
    // when it never does. The menu entry stays checked meanwhile.
    void waitForSwappedPage(int pane, std::function<void()> then);
    void swapWaitOver();
    bool swapInProgress() const { return static_cast<bool>(swapContinuation_); }
    void swapRightPane(bool leftHeldEditor, const QString& kept);
    void endSwap();
    int swapWaitPane_ = -1;
    std::function<void()> swapContinuation_;
    // Takes back every callback the controller gave its controls and timers.
    void unwireEvents();
    void showRecentEntry(int index);
    // The width a two-pane window takes when none was stored: the first
    // monitor's; the one-pane width: two thirds of it.
    std::int32_t twoPaneWidth() const;
    std::int32_t onePaneWidth() const;
    // The virtual screen, or a stand-in when the platform reported none.
    ScreenArea virtualScreen() const;
    // Reads a source file as the editor shows it: CR LF line breaks, its
    // encoding recorded for `pane`.
    QString loadTextFile(const QString& path, bool* ok, int pane = 1);
    // The file whose text the source editor holds: callers point
    // PaneFolder(1)/PaneFileName(1) at the next file before the editor is
    // asked about its unsaved changes, which belong to this one.
    QString editorFolder_;
    QString editorFile_;
    // What each file held when the editor read or last wrote it, so that a
    // save can tell when another program changed the file meanwhile.
    QHash<QString, QByteArray> knownFileHash_;
    void rememberFileContents(const QString& path, const QByteArray& bytes);
    // True when the file at `path` changed on disk since it was read or
    // written here (a file never read here, or gone, counts as unchanged).
    bool changedOnDisk(const QString& path) const;
    // Files already told that some characters did not fit their encoding.
    QSet<QString> toldUnfitCharacters_;
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
inline QString crJoin(const QString& a, const QString& b) {
    return a + QLatin1Char('\r') + b;
}

} // namespace shell
