// Browser panes: which pane a file or a followed link goes to, the pane
// records and name boxes, the toolbar, Open File, recent files, Help, Print.
#include "authoring/authoringcommands.h"
#include "editor/editsession.h"
#include "shell/tarnwellfileviewer.h"

#include "util/strings.h"

namespace shell {

using platform::Answer;
using platform::Buttons;
using util::instr;
using util::instrRev;
using util::mid;
using util::qs;

void TarnwellFileViewer::setNameBox(int index, const QString& text) {
    if (ui_.L_Name[index]->text() != text) ui_.L_Name[index]->setText(text);
}

void TarnwellFileViewer::OpenFile(const QString& folder, const QString& name) {
    const QString prev = panes_.name[0];
    int t = 0;
    if (!ui_.Text1[1]->visible() && OpenInRight) {
        t = 1;
        menu("mSwap").setEnabled(hasHandler(qs("mSwap")));
        menu("mCloseRight").setEnabled(hasHandler(qs("mCloseRight")));
    }
    ActivePane = static_cast<std::int16_t>(t);
    panes_.name[t] = name;
    panes_.folder[t] = folder;
    QString shown = name;
    const qsizetype hash = name.indexOf(QLatin1Char('#'), std::max<qsizetype>(0, name.size() - 6));
    if (hash >= 0) shown = name.left(hash);
    setNameBox(t, shown);
    ui_.L_Name[t]->setVisible(true);
    if (!name.startsWith(QLatin1String("http"), Qt::CaseInsensitive) && panes_.folder[t].isEmpty())
        panes_.folder[t] = DriveRoot;
    ui_.brwWebBrowser[t]->navigate(panes_.folder[t] + panes_.name[t]);
    AddToRecentFiles(t);
    ui_.brwWebBrowser[t]->setVisible(true);
    authoring_->restartLinkNames();
    if (t == 0 && ui_.Text1[1]->visible() && ui_.L_Name[1]->text() == prev) {
        if (!panes_.name[0].startsWith(QLatin1String("http"), Qt::CaseInsensitive)) {
            ActivePane = 1;
            panes_.name[1] = panes_.name[0];
            panes_.folder[1] = panes_.folder[0];
            edit_->openSourceInEditor();
        }
        return;
    }
    if (t == 1) {
        ResizeBusy = true;
        ui_.window->setWidth(EditWidth > 0 ? EditWidth : twoPaneWidth());
        ResizeBusy = false;
    }
    Form_Resize();
}

void TarnwellFileViewer::TidyLeftName() {
    auto& box = *ui_.L_Name[0];
    // A web page's name is its whole address, with no folder: cutting it at
    // its last "/" lost the address, so that Save Web page and F11 no
    // longer knew which page was shown.
    const QString web = isWebAddress(panes_.name[0]) ? panes_.name[0]
                        : isWebAddress(box.text())   ? box.text()
                                                     : QString();
    if (!web.isEmpty()) {
        panes_.name[0] = web;
        panes_.folder[0].clear();
        setNameBox(0, web);
        return;
    }
    const QString fileUrl = fileUrlPrefix() + separatorString(); // "file:///"
    if (box.text().startsWith(fileUrl, Qt::CaseInsensitive)) {
        box.setText(localPathFromUrl(box.text()));
    } else if (panes_.name[0].startsWith(fileUrl, Qt::CaseInsensitive)) {
        panes_.name[0] = localPathFromUrl(panes_.name[0]);
        box.setText(panes_.name[0]);
    }
    const QString text = box.text();
    const qsizetype slash = text.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0) {
        panes_.name[0] = text.mid(slash + 1);
        panes_.folder[0] = text.left(slash + 1);
        box.setText(panes_.name[0]);
    }
    const qsizetype hash = panes_.name[0].indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        panes_.name[0] = panes_.name[0].left(hash);
        box.setText(panes_.name[0]);
    } else if (box.text() != panes_.name[0]) {
        box.setText(panes_.name[0]);
    }
    if (panes_.name[0].endsWith(QLatin1Char('/'))) panes_.name[0].chop(1);
}

void TarnwellFileViewer::brwWebBrowser_GotFocus(int index) {
    FocusPane = static_cast<std::int16_t>(index);
}

void TarnwellFileViewer::brwWebBrowser_BeforeNavigate(int index, const QString& address,
                                                      bool& cancel, bool followedLink) {
    // The next navigation of a pane a toolbar button moved is that move, the
    // program's own, even where the pane reports a jump within its page as
    // followed: "Open Links/Files in Right Window" leaves it in its pane.
    if (index == toolbarMovePane_) {
        toolbarMovePane_ = -1;
        followedLink = false;
    }
    const QString& a = address;
    if (a.startsWith(QLatin1String("java"))) return;
    const QString lower = a.toLower();
    if (!lower.contains(QLatin1String(".htm")) && !lower.contains(QLatin1String(".txt"))) return;
    if (a.startsWith(QLatin1String("http"), Qt::CaseInsensitive)) return;

    const QString u = localPathFromUrl(a);
    const SplitPath split = splitPath(u);
    const QString& folder = split.folder;
    const QString& name = split.name;

    // A hidden pane cannot be the one the user clicked in: with the editor
    // on the right, a stale focus on the right pane would otherwise glue the
    // anchor onto the edited file's name, and the next save would write a
    // new file named after it.
    int f = FocusPane;
    if (!ui_.brwWebBrowser[f]->visible()) f = 0;
    if (u.startsWith(panes_.folder[f] + panes_.name[f]) && a.contains(QLatin1String(".htm#"))) {
        const qsizetype at = a.lastIndexOf(QLatin1String(".htm#"));
        panes_.name[f] += a.mid(at + 4);
        TidyLeftName();
        return;
    }

    if (ui_.Text1[1]->visible()) {
        if (!panes_.name[1].isEmpty() && name.startsWith(panes_.name[1])) {
            qsizetype k = name.size() - 1; // second-to-last character, 1-based
            while (k > 1 && name[k - 1] != QLatin1Char('.') && name[k - 1] != QLatin1Char('#'))
                --k;
            if (k >= 1 && name[k - 1] == QLatin1Char('#')) {
                const QString anchor = qs("NAME=\"") + name.mid(k);
                const QString text = ui_.Text1[1]->text();
                const qsizetype p = instr(1, text, anchor);
                if (p > 0) {
                    ui_.Text1[1]->setSelStart(static_cast<int>(text.size()));
                    ui_.Text1[1]->setSelStart(static_cast<int>(p));
                }
            }
            ui_.L_Name[0]->setText(name);
            return;
        }
        const bool same = panes_.name[0] == panes_.name[1];
        ui_.L_Name[0]->setText(name);
        panes_.folder[0] = folder;
        panes_.name[0] = name;
        TidyLeftName();
        AddToRecentFiles(0);
        if (same) message(qs("Note that the source code window will not change."));
        return;
    }

    if (menu("mSwap").checked() || !OpenInRight || !followedLink) return;
    if (index == 1) {
        ActivePane = 1;
        panes_.folder[1] = folder;
        panes_.name[1] = name;
        TidyLeftName();
        AddToRecentFiles(1);
        return;
    }
    ActivePane = 1;
    ui_.L_Name[1]->setVisible(false);
    ui_.Text1[1]->setVisible(false);
    OpenFile(folder, name);
    cancel = true;
}

void TarnwellFileViewer::brwWebBrowser_DocumentComplete(int index, const QString& address) {
    menu("mSwap").setChecked(false);
    auto& pane = *ui_.brwWebBrowser[index];
    if ((address + qs("    ")).startsWith(QLatin1String("http"), Qt::CaseInsensitive)) {
        panes_.name[index] = pane.locationUrl();
        TidyLeftName();
        panes_.folder[index].clear();
        return;
    }
    if (pane.locationName().trimmed() == QLatin1String("http:///")) return;
    const QString l = pane.locationName();
    if (l.isEmpty()) return;
    const QString u = localPathFromUrl(pane.locationUrl());
    const qsizetype p = instr(1, u, l);
    if (p > 0) panes_.folder[index] = u.left(std::max<qsizetype>(0, p - 2)) + separatorString();
    panes_.name[index] = l;
    setNameBox(index, l);
    if (ui_.Text1[1]->visible()) {
        auto& editor = *ui_.Text1[1];
        if (l.contains(QLatin1Char('#'))) {
            const QString anchor = qs("<A NAME=\"") + l.mid(l.lastIndexOf(QLatin1Char('#')) + 1);
            const QString text = editor.text();
            const qsizetype found = instr(1, text, anchor);
            if (found > 0) {
                editor.setSelStart(static_cast<int>(text.size()));
                editor.setSelStart(static_cast<int>(found));
            }
        }
        // A page without an anchor leaves the caret where the author has it:
        // pages finish loading after the editor has placed its caret (New
        // File, a save's refresh), and a caret moved to the start would
        // put the next typing inside the <HTML> tag.
    }
    TidyLeftName();
    AddToRecentFiles(0);
}

void TarnwellFileViewer::L_Name_KeyDown(int k, platform::KeyEvent& key) {
    if (key.keyCode != 13) return;
    const QString text = ui_.L_Name[k]->text();
    if (text == panes_.name[k]) return;
    panes_.name[k] = text;
    if (text.startsWith(QLatin1String("www"), Qt::CaseInsensitive)) {
        panes_.name[k] = qs("http://") + text;
        ui_.L_Name[k]->setText(panes_.name[k]);
    }
    if (panes_.name[k].startsWith(QLatin1String("http"), Qt::CaseInsensitive)) {
        panes_.folder[k].clear();
        ui_.brwWebBrowser[0]->navigate(panes_.name[k]);
        AddToRecentFiles(0);
    }
}

void TarnwellFileViewer::tbToolBar_ButtonClick(const QString& key) {
    auto& pane = *ui_.brwWebBrowser[FocusPane];
    bool moved = false;
    if (key == QLatin1String("Back")) {
        moved = pane.goBack();
    } else if (key == QLatin1String("Forward")) {
        moved = pane.goForward();
    } else if (key == QLatin1String("Search")) {
        pane.goSearch();
        moved = true;
    }
    if (moved) toolbarMovePane_ = FocusPane;
}

void TarnwellFileViewer::mOpen_Click() {
    QString start = panes_.folder[1].isEmpty() ? panes_.folder[0] : panes_.folder[1];
    if (start.isEmpty() || start.startsWith(QLatin1String("res:"))) start = DriveRoot;
    const auto choice = ui_.dialogs->openFile(qs("Select file."), start + qs("*.*"));
    if (!choice || choice->path.endsWith(QLatin1String("*.*")) || choice->fileName.isEmpty())
        return;
    // The folder is what precedes the file name at the end of the path, so a
    // folder whose own name contains the file name is kept whole.
    QString folder = choice->path;
    if (folder.endsWith(choice->fileName))
        folder.chop(choice->fileName.size());
    else
        folder = splitPath(choice->path).folder;
    OpenFile(folder, choice->fileName);
}

void TarnwellFileViewer::mOpenRight_Click() {
    OpenInRight = !OpenInRight;
    menu("mOpenRight").setChecked(OpenInRight);
}

void TarnwellFileViewer::mRecent_Click(int i) {
    if (i < 1 || i > 10) return;
    QString folder = Recent.folder[i];
    const QString file = Recent.file[i];
    if (file.toLower().startsWith(QLatin1String("http"))) folder.clear();
    ActivePane = 0;
    OpenFile(folder, file);
}

void TarnwellFileViewer::mHelp_Click() {
    const QString page = paths_.dataFolder + separatorString() + qs("Tarnwell_File_Viewer.htm");
    if (!services_.processes->start(paths_.helpProgram, {page}))
        message(crJoin(qs("The help window could not be started:"), paths_.helpProgram));
}

namespace {
int choosePrintPane(const ViewerUi& ui, const QString& question) {
    if (ui.brwWebBrowser[0]->visible() && ui.brwWebBrowser[1]->visible()) {
        const Answer a = ui.dialogs->message(crJoin(question, qs("(Click NO for right panel.)")),
                                             Buttons::YesNoCancel);
        if (a == Answer::Cancel) return -1;
        return a == Answer::Yes ? 0 : 1;
    }
    return ui.brwWebBrowser[0]->visible() ? 0 : 1;
}
} // namespace

void TarnwellFileViewer::mPrint_Click() {
    const int pane = choosePrintPane(ui_, qs("Print left panel?"));
    if (pane >= 0) ui_.brwWebBrowser[pane]->print(true);
}

void TarnwellFileViewer::mPrintPreview_Click() {
    const int pane = choosePrintPane(ui_, qs("Preview left panel?"));
    if (pane >= 0) ui_.brwWebBrowser[pane]->printPreview();
}

} // namespace shell
