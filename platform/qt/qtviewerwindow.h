#pragma once

#include "platform/qt/qtbrowser.h"
#include "platform/qt/qtcontrols.h"
#include "platform/qt/qtdialogs.h"
#include "platform/qt/qteditor.h"
#include "platform/qt/qtfindreplace.h"
#include "platform/qt/qtmenu.h"
#include "platform/qt/qttablespecs.h"
#include "platform/qt/qtwindow.h"

#include <memory>
#include <vector>

namespace platform::qt {

// The main window's widgets, created once: two browser panes, two editors,
// two name boxes, the toolbar, the splitter bar and the menu bar.
class QtViewerWindow {
  public:
    QtViewerWindow(const std::vector<MenuItem>& menuTree, const QString& applicationTitle,
                   const QString& searchPage);
    ~QtViewerWindow();

    QtWindow window;
    std::unique_ptr<QtBrowserPane> browser[2];
    std::unique_ptr<QtTextEditor> editor[2];
    std::unique_ptr<QtTextBox> nameBox[2];
    std::unique_ptr<QtToolbar> toolbar;
    std::unique_ptr<QtPanel> splitter;
    std::unique_ptr<QtMultiLineBox> linkMsgBox;
    std::unique_ptr<QtMenu> menu;
    std::unique_ptr<QtDialogs> dialogs;
    std::unique_ptr<QtFindReplaceDialog> findReplace;
    // The sliding "Page Colors" panel: five colour buttons and Close.
    std::unique_ptr<QtPanel> colorsPanel;
    std::unique_ptr<QtButton> getColor[6];
    std::unique_ptr<QtTableSpecsDialog> tableSpecs;
    // The spelling check's suggestion box, hidden until a check slides it out.
    struct SuggestionBox {
        std::unique_ptr<QtCaptionFrame> frame;
        std::unique_ptr<QtLabel> label2;
        std::unique_ptr<QtTextBox> word, replace;
        std::unique_ptr<QtListBox> suggestions, work;
        std::unique_ptr<QtButton> fixSpelling, skipWord[2], addWord, close;
    } suggestionBox;

  private:
    void buildSuggestionBox(QWidget* client);
};

} // namespace platform::qt
