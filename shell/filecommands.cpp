// Save Web page and Delete File: files the left pane shows.
#include "shell/tarnwellfileviewer.h"

#include "util/strings.h"

namespace shell {

using platform::Answer;
using platform::Buttons;
using util::qs;

void TarnwellFileViewer::mSaveWebPage_Click() {
    const auto answer =
        ui_.dialogs->input(qs("Enter a file name to save as:"), QString(), QString());
    QString target = answer.value_or(QString()).trimmed();
    if (target.isEmpty()) return;
    if (!target.toLower().endsWith(QLatin1String(".htm"))) target += qs(".htm");
    // A bare name goes into the default folder, where the page is then
    // opened from, whatever the process's current folder is.
    SplitPath split = splitPath(target);
    if (split.folder.isEmpty()) split.folder = DriveRoot;
    const QString path = split.folder + split.name;
    if (services_.files->exists(path) &&
        message(qs("File already exists.\rOverwrite it?"), Buttons::YesNoCancel) != Answer::Yes)
        return;

    QString error;
    const auto page = services_.transfer->fetch(panes_.name[0], &error);
    if (!page) {
        message(qs("Could not fetch ") + panes_.name[0] + qs(".\r") + error);
        return;
    }
    if (!services_.files->write(path, *page, &error)) {
        message(qs("Could not save ") + path + qs(".\r") + error);
        return;
    }
    panes_.folder[0] = split.folder;
    panes_.name[0] = split.name;
    ui_.L_Name[0]->setText(panes_.name[0]);
    TidyLeftName();
    ui_.brwWebBrowser[0]->navigate(panes_.folder[0] + panes_.name[0]);
    ui_.Text1[1]->setVisible(false);
    ui_.brwWebBrowser[1]->setVisible(false);
    mEditHTML_Click();
}

void TarnwellFileViewer::mDeleteFile_Click() {
    const QString name = ui_.L_Name[0]->text();
    if (message(qs("Delete ") + name + qs("?"), Buttons::YesNoCancel) != Answer::Yes) {
        message(qs("Deletion aborted."));
        return;
    }
    const QString path = panes_.folder[0] + name;
    if (name.isEmpty() || !services_.files->isFile(path) || !services_.files->remove(path)) {
        message(qs("Could not delete ") + path + qs("."));
        return;
    }
    if (ui_.L_Name[1]->text() == name) {
        ui_.Text1[1]->setText(QString());
        ui_.L_Name[1]->setText(QString());
        panes_.name[1].clear();
        panes_.folder[1].clear();
        ui_.Text1[1]->setVisible(false);
        ui_.brwWebBrowser[1]->setVisible(false);
        EditWidth = ui_.window->width();
        ResizeBusy = true;
        if (WidthBeforeEdit > 0) ui_.window->setWidth(WidthBeforeEdit);
        ResizeBusy = false;
        EnableEditorMenus(false);
    }
    if (ui_.Text1[0]->visible()) {
        ui_.Text1[0]->setVisible(false);
        ui_.Text1[0]->setText(QString());
        ui_.brwWebBrowser[0]->setVisible(true);
    }
    if (menu("mOpenRight").checked()) mOpenRight_Click();
    // The help page lives in the data folder.
    const QString help = qs("Tarnwell_File_Viewer.htm");
    ui_.L_Name[0]->setText(help);
    panes_.folder[0] = paths_.dataFolder + separatorString();
    panes_.name[0] = help;
    ui_.brwWebBrowser[0]->navigate(panes_.folder[0] + panes_.name[0]);
    SetWindowCaption();
    Form_Resize();
}

} // namespace shell
