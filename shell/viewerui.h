#pragma once

#include "platform/browserpane.h"
#include "platform/dealdialogs.h"
#include "platform/dialogs.h"
#include "platform/findreplaceview.h"
#include "platform/lexicon.h"
#include "platform/menu.h"
#include "platform/simplecontrols.h"
#include "platform/system.h"
#include "platform/tablespecsview.h"
#include "platform/texteditor.h"
#include "platform/window.h"

namespace deal {
class DoubleDummySolver;
}

namespace shell {

// The controls of the main window, as the controller sees them. Index 0 is
// the left pane, 1 the right.
struct ViewerUi {
    platform::Window* window = nullptr;
    platform::BrowserPane* brwWebBrowser[2] = {nullptr, nullptr};
    platform::TextEditor* Text1[2] = {nullptr, nullptr};
    platform::TextBox* L_Name[2] = {nullptr, nullptr};
    platform::Toolbar* tbToolBar = nullptr;
    platform::Panel* pSplitterBar = nullptr;
    platform::Menu* menu = nullptr;
    platform::Dialogs* dialogs = nullptr;
    // The deal commands' board list, findings window and progress.
    platform::DealDialogs* dealDialogs = nullptr;
    platform::FindReplaceView findReplace;
    // Multi-line instruction box of Link Internal; a click on it cancels.
    platform::TextBox* LinkMsgBox = nullptr;
    // The sliding "Page Colors" panel and its buttons: the five page
    // colours, then Close.
    platform::Panel* frmColors = nullptr;
    platform::Button* cmdGetColor[6] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    // The table designer dialog.
    platform::TableSpecsView tableSpecs;
    // The spelling check's suggestion box: the frame "Spellings:", hidden
    // while no check runs, and its controls. `lstSuggestions2` is a hidden
    // sorted work list.
    platform::Panel* frmSuggestions = nullptr;
    platform::Label* Label2 = nullptr;
    platform::TextBox* t_Word = nullptr;
    platform::ListBox* lstSuggestions = nullptr;
    platform::TextBox* t_Replace = nullptr;
    platform::Button* cmdFixSpelling = nullptr;
    platform::Button* cmdSkipWord[2] = {nullptr, nullptr}; // once, all
    platform::Button* cmdAddWord = nullptr;
    platform::Button* cmdCloseSpellCk = nullptr;
    platform::ListBox* lstSuggestions2 = nullptr;
};

// What the controller reaches beyond its window.
struct ViewerServices {
    platform::FileSystem* files = nullptr;
    platform::ProcessLauncher* processes = nullptr;
    platform::Clock* clock = nullptr;
    platform::Transfer* transfer = nullptr;
    platform::MonitorSystem* monitors = nullptr;
    platform::LexiconStore* lexicon = nullptr;
    platform::SpellingService* speller = nullptr;
    platform::Timer* recoveryTimer = nullptr;       // writes the recovery copy of unsaved edits
    platform::BackgroundWork* background = nullptr; // reads the lexicon, solves deals
    deal::DoubleDummySolver* solver = nullptr;      // double-dummy tables
    // The frames of the two sliding panels, and the bound on Swap Panels'
    // wait for a page.
    platform::Timer* suggestionSlideTimer = nullptr;
    platform::Timer* colorsSlideTimer = nullptr;
    platform::Timer* swapTimer = nullptr;
};

} // namespace shell
