// The editor pane: Edit HTML opens the left pane's source in the editor on
// the right (or closes the editor that holds it), the window's width for
// editing, and what the shell does for the edit session.
#include "authoring/authoringcommands.h"
#include "bridge/bridgecommands.h"
#include "editor/editsession.h"
#include "shell/tarnwellfileviewer.h"
#include "spelling/spellingcontroller.h"
#include "util/numbers.h"
#include "util/strings.h"

namespace shell {

using util::qs;

namespace {
QString m1() {
    return qs("To edit a Web page's source HTML\rcode you must click File - Save Web Page\r"
              "to save the source HTML code to disk.\rThe source code will then be saved to\r"
              "disk and displayed in the right window.");
}
} // namespace

void TarnwellFileViewer::mEditHTML_Click() {
    if (panes_.name[0].left(4) == QLatin1String("http")) {
        message(m1());
        return;
    }
    ResizeBusy = true;
    WindowLeft = ui_.window->left();
    WindowTop = ui_.window->top();
    if (ui_.L_Name[0]->text().isEmpty()) ui_.L_Name[0]->setText(panes_.name[0]);
    if (ui_.L_Name[0]->text() == ui_.L_Name[1]->text()) {
        // Closing the editor must not throw away its edits.
        if (!edit_->ConfirmLeavingEditor(1)) {
            ResizeBusy = false;
            return;
        }
        EditWidth = ui_.window->width();
        panes_.folder[1].clear();
        panes_.name[1].clear();
        ui_.brwWebBrowser[1]->setVisible(false);
        ui_.Text1[1]->setVisible(false);
        ui_.L_Name[1]->setText(QString());
        ui_.L_Name[1]->setVisible(false);
        if (WidthBeforeEdit > 0) ui_.window->setWidth(WidthBeforeEdit);
        EnableEditorMenus(false);
        ResizeBusy = false;
        Form_Resize();
        return;
    }
    EnableEditorMenus(true);
    if (!ui_.Text1[1]->visible() && !ui_.brwWebBrowser[1]->visible())
        WidthBeforeEdit = ui_.window->width();
    if (ui_.L_Name[0]->text().startsWith(QLatin1String("file:///"))) TidyLeftName();
    panes_.name[1] = panes_.name[0];
    panes_.folder[1] = panes_.folder[0];
    ActivePane = 1;
    ResizeBusy = false;
    edit_->openSourceInEditor();
    if (ui_.Text1[1]->visible()) ui_.Text1[1]->setFocus();
    edit_->keepOriginal();
}

void TarnwellFileViewer::layoutForEditing() {
    auto& w = *ui_.window;
    std::int32_t monitorWidth = Monitors.Mon1Width;
    std::int32_t monitorLeft = 0;
    if (Monitors.Mon2Left > 0 && WindowLeft > Monitors.Mon2Left - 500) {
        monitorWidth = Monitors.Mon2Width;
        monitorLeft = Monitors.Mon1Width;
    }
    if (0.7 * monitorWidth > EditWidth) EditWidth = monitorWidth;
    w.setWidth(EditWidth);
    w.setLeft(WindowLeft);
    if (EditWidth > monitorWidth) {
        if (EditWidth - monitorWidth >= 200) {
            w.setLeft(Monitors.Mon1Width + Monitors.Mon2Width - EditWidth);
        } else {
            EditWidth = monitorWidth;
            w.setLeft(monitorLeft);
        }
        WindowLeft = w.left();
    }
    if (!(LeftPaneWidth <= 0.6 * EditWidth && RightPaneWidth >= 0.4 * EditWidth)) {
        LeftPaneWidth = util::roundHalfEven(0.6 * EditWidth);
        RightPaneWidth = util::roundHalfEven(0.4 * EditWidth);
    }
}

void TarnwellFileViewer::showEditorPane() {
    ui_.brwWebBrowser[1]->setVisible(false);
    ui_.Text1[1]->setVisible(true);
    ui_.L_Name[1]->setText(panes_.name[1]);
    ui_.L_Name[1]->setVisible(true);
    layoutForEditing();
    EnableEditorMenus(true);
    ResizeBusy = false;
    Form_Resize();
}

void TarnwellFileViewer::openInEditor(const QString& folder, const QString& name) {
    panes_.name[0] = name;
    panes_.name[1] = name;
    panes_.folder[0] = folder;
    panes_.folder[1] = folder;
    ui_.L_Name[0]->setText(name);
    ui_.brwWebBrowser[0]->navigate(folder + name);
    AddToRecentFiles(0);
    ActivePane = 1;
    bridge_->ClearBridgeUndo();
    authoring_->restartLinkNames();
    // As Edit HTML does when it opens the editor: the window's place, and
    // its one-pane width to go back to.
    WindowLeft = ui_.window->left();
    WindowTop = ui_.window->top();
    if (!ui_.Text1[1]->visible() && !ui_.brwWebBrowser[1]->visible())
        WidthBeforeEdit = ui_.window->width();
    edit_->openSourceInEditor();
}

void TarnwellFileViewer::editedDocumentReplaced() {
    // Undo texts kept for the previous file must not reach this one.
    bridge_->ClearBridgeUndo();
    authoring_->forgetEditedDocument();
    edit_->forgetEditedDocument();
    spelling_->forgetEditedDocument();
}

EditedDocument& TarnwellFileViewer::document() {
    return *edit_;
}

TypingCheck& TarnwellFileViewer::typing() {
    return *spelling_;
}

} // namespace shell
