// Start-up, the configuration file, the recent-file list and closing.
#include "authoring/authoringcommands.h"
#include "editor/editsession.h"
#include "shell/tarnwellfileviewer.h"
#include "spelling/spellingcontroller.h"

#include "shell/commandline.h"
#include "shell/configfile.h"
#include "shell/layout.h"
#include "shell/monitorlayout.h"
#include "util/numbers.h"
#include "util/strings.h"
#include "util/textcodec.h"

namespace shell {

using platform::Answer;
using platform::Buttons;
using util::qs;

namespace {
const char* const kDefaultColors[5] = {"#000080", "#AFFEFE", "#1C8E1F", "#7C2C76", "#F00000"};
QString configName() {
    return QStringLiteral("VontrelFileViewer.cfg");
}
QString helpPageName() {
    return QStringLiteral("Tarnwell_File_Viewer.htm");
}
QString placeholderName() {
    return QStringLiteral("temp98765.htm");
}
} // namespace

QString TarnwellFileViewer::applicationTitle() {
    return QStringLiteral("Tarnwell File Viewer");
}

void TarnwellFileViewer::Form_Load() {
    applyWindowDefinition();
    DriveRoot = paths_.driveRoot;
    DataFolder = paths_.dataFolder;
    ReadCommandLine();
    Monitors.FindMonitors(*this);
    ShowStartFiles();
    LoadSettings();
    // The start file is entered after the settings are read, so that the
    // stored list does not push it out again.
    AddToRecentFiles(0);
    ui_.window->show();
    if (ui_.window->height() < metrics::kMinimumHeight)
        ui_.window->setHeight(metrics::kStartHeight);
    Form_Resize();
    if (ui_.Text1[1]->visible()) {
        ActivePane = 1;
        ui_.Text1[1]->setFocus();
        ui_.Text1[1]->setSelStart(static_cast<int>(ui_.Text1[1]->text().size()));
    } else {
        ActivePane = 0;
    }
    edit_->OfferRecovery();
    // The lexicon is read in the background from the start, so that the
    // first check and the typing check find it ready.
    if (spelling_->lexiconPresent()) spelling_->LoadLexicon();
}

void TarnwellFileViewer::ReadCommandLine() {
    const StartFiles start = readCommandLine(commandLine_, paths_.searchAddress);
    for (int k = 0; k < 2; ++k) {
        panes_.name[k] = start.fileName[k];
        panes_.folder[k] = start.folder[k];
        if (!start.nameBox[k].isEmpty()) ui_.L_Name[k]->setText(start.nameBox[k]);
    }
}

void TarnwellFileViewer::ShowStartFiles() {
    auto& files = *services_.files;
    const QString sep = separatorString();
    if (panes_.name[0].isEmpty()) {
        panes_.folder[0] = DataFolder;
        if (files.isFile(DataFolder + sep + helpPageName())) {
            panes_.name[0] = helpPageName();
        } else {
            const QString page =
                qs("Help file not found.\r\nClick File - Open File to load a file.\r\n");
            files.write(DataFolder + sep + placeholderName(), page.toUtf8());
            panes_.name[0] = placeholderName();
        }
    }

    QString name = panes_.name[0];
    if (name.size() > 6) {
        const qsizetype hash = name.indexOf(QLatin1Char('#'), name.size() - 7);
        if (hash >= 0) name = name.left(hash);
    }
    const bool web = isWebAddress(panes_.name[0]);
    if (!panes_.folder[0].endsWith(pathSeparator()) && !web) panes_.folder[0] += sep;
    bool skipToEnd = false;
    const bool searchPage =
        !paths_.searchEngine.isEmpty() && panes_.name[0].contains(paths_.searchEngine);
    if (!web && !searchPage && !files.isFile(panes_.folder[0] + name)) {
        const QString bad = panes_.folder[0] + name;
        message(crJoin(qs("The following path and/or file name is invalid:"), bad));
        const QString help = paths_.dataFolder + sep + helpPageName();
        if (bad == help) {
            skipToEnd = true;
        } else {
            panes_.folder[0] = paths_.dataFolder + sep;
            panes_.name[0] = helpPageName();
            if (!files.isFile(help)) {
                // Without the help page the placeholder page stands in.
                const QString page =
                    qs("Help file not found.\r\nClick File - Open File to load a file.\r\n");
                files.write(paths_.dataFolder + sep + placeholderName(), page.toUtf8());
                panes_.name[0] = placeholderName();
            }
        }
    }
    if (!skipToEnd) {
        if (web) panes_.folder[0].clear();
        ui_.brwWebBrowser[0]->navigate(panes_.folder[0] + panes_.name[0]);
        setNameBox(0, panes_.name[0]);
        ResizeBusy = true;
        if (!panes_.name[1].isEmpty()) {
            const QString right = panes_.folder[1] + panes_.name[1];
            if (!files.isFile(right)) {
                message(crJoin(qs("The following path and/or file name is invalid:"), right));
            } else {
                const bool onFirst = ui_.window->left() <= 0.6 * Monitors.Mon1Width;
                const std::int32_t width = onFirst ? Monitors.Mon1Width : Monitors.Mon2Width;
                if (width > 0) ui_.window->setWidth(width);
                if (panes_.name[1].right(3).toLower() == QLatin1String("txt")) {
                    edit_->showTextFile(right);
                } else if (panes_.folder[0] + panes_.name[0] != right) {
                    ui_.brwWebBrowser[1]->setVisible(true);
                    ui_.brwWebBrowser[1]->navigate(right);
                } else {
                    ui_.L_Name[1]->setText(QString());
                    mEditHTML_Click();
                }
            }
            setNameBox(1, panes_.name[1]);
            ui_.L_Name[1]->setVisible(true);
        }
    }
    EnableEditorMenus(ui_.L_Name[0]->text() == ui_.L_Name[1]->text());
    ResizeBusy = false;
}

void TarnwellFileViewer::LoadSettings() {
    const QString path = DataFolder + separatorString() + configName();
    if (services_.files->isFile(path)) {
        ConfigValues v;
        v.windowLeft = WindowLeft;
        v.windowTop = WindowTop;
        v.windowHeight = WindowHeight;
        v.windowWidth = WindowWidth;
        v.oneWidth = WidthBeforeEdit;
        v.twoWidth = EditWidth;
        v.leftPaneWidth = LeftPaneWidth;
        v.rightPaneWidth = RightPaneWidth;
        v.paneHeight = PaneHeight;
        for (int i = 0; i < 5; ++i)
            v.pageColors[i] = authoring_->pageColor(i + 1);
        for (int i = 0; i < 10; ++i) {
            v.recentFolder[i] = Recent.folder[i + 1];
            v.recentFile[i] = Recent.file[i + 1];
        }
        int read = 0;
        if (const auto bytes = services_.files->read(path))
            read = readConfig(util::decodeText(*bytes).text, v);
        // Whatever the file holds, the measures are held to the screens
        // present: a size far beyond them (a broken file, or one written on a
        // larger desk) must not reach the window and its browser panes.
        const StoredGeometry g = fitStoredGeometry(
            {std::max(0, v.windowLeft), std::max(0, v.windowTop), v.windowHeight, v.windowWidth,
             v.oneWidth, v.twoWidth, v.leftPaneWidth, v.rightPaneWidth, v.paneHeight},
            virtualScreen());
        WindowLeft = g.windowLeft;
        WindowTop = g.windowTop;
        WindowHeight = g.windowHeight;
        WindowWidth = g.windowWidth;
        WidthBeforeEdit = g.oneWidth;
        EditWidth = g.twoWidth;
        LeftPaneWidth = g.leftPaneWidth;
        RightPaneWidth = g.rightPaneWidth;
        PaneHeight = g.paneHeight;
        for (int i = 0; i < 5; ++i)
            authoring_->setPageColor(i + 1, v.pageColors[i]);
        for (int i = 1; i <= 10; ++i) {
            const int fileLine = 14 + 2 * (i - 1) + 1; // 0-based line of entry i's file
            if (read <= fileLine - 1) break;
            Recent.folder[i] = v.recentFolder[i - 1];
            if (read <= fileLine) break;
            Recent.file[i] = v.recentFile[i - 1];
            if (!Recent.file[i].isEmpty()) {
                showRecentEntry(i);
                if (Recent.folder[i].isEmpty()) Recent.folder[i] = DriveRoot;
            }
        }
        if (read >= 34) menu("mRecent", 0).setVisible(menu("mRecent", 1).visible());
        if (read >= kConfigLines) {
            OpenInRight = v.openInRight != QLatin1String("False");
            menu("mOpenRight").setChecked(OpenInRight);
        }
    }
    for (int i = 1; i <= 5; ++i)
        if (authoring_->pageColor(i).isEmpty())
            authoring_->setPageColor(i, QString::fromLatin1(kDefaultColors[i - 1]));

    ResizeBusy = true;
    auto& w = *ui_.window;
    const bool twoPanes = !panes_.name[1].isEmpty();
    WindowWidth = twoPanes ? EditWidth : WidthBeforeEdit;
    // No stored width (a first run): a usable window rather than the
    // narrowest one the platform allows.
    if (WindowWidth <= 0) WindowWidth = twoPanes ? twoPaneWidth() : onePaneWidth();
    // A height the platform would raise to its own minimum is taken as none
    // stored; start-up then gives the window its standard height.
    const std::int32_t height =
        WindowHeight < metrics::kMinimumHeight ? metrics::kStartHeight : WindowHeight;
    // The position is checked against the width the window gets, not the
    // one it had before.
    const WindowFrame frame =
        placeOnScreen({WindowLeft, WindowTop, WindowWidth, height}, virtualScreen());
    if (frame.left != WindowLeft || frame.top != WindowTop) {
        // Pulled back onto the screen: at its top-left corner, as tall as
        // the screen, or moved up to end at its bottom.
        WindowLeft = frame.left;
        WindowTop = frame.top;
        WindowHeight = frame.height;
    }
    WindowWidth = frame.width;
    w.setLeft(frame.left);
    w.setTop(frame.top);
    w.setHeight(frame.height);
    w.setWidth(frame.width);
    ResizeBusy = false;
}

ScreenArea TarnwellFileViewer::virtualScreen() const {
    return usableScreen(
        {Monitors.VirtualLeft, Monitors.VirtualTop, Monitors.VirtualWidth, Monitors.VirtualHeight});
}

void TarnwellFileViewer::AddToRecentFiles(int pane) {
    if (!shell::addToRecentFiles(Recent, panes_.folder[pane], panes_.name[pane])) return;
    menu("mRecent", 0).setVisible(true);
    for (int i = 1; i <= 10; ++i)
        if (!Recent.file[i].isEmpty()) showRecentEntry(i);
    if (pane == 0) SetWindowCaption();
}

void TarnwellFileViewer::showRecentEntry(int i) {
    auto& entry = menu("mRecent", i);
    entry.setCaption(recentCaption(Recent.folder[i], Recent.file[i]));
    entry.setVisible(true);
}

void TarnwellFileViewer::SetWindowCaption() {
    ui_.window->setCaption(applicationTitle());
}

void TarnwellFileViewer::EnableEditorMenus(bool on) {
    menu("mH").setEnabled(on);
    menu("mSpellCheckWord").setEnabled(on && hasHandler(qs("mSpellCheckWord")));
    menu("mSpellCheckDocument").setEnabled(on && hasHandler(qs("mSpellCheckDocument")));
    menu("mFind", 0).setEnabled(on && hasHandler(qs("mFind")));
}

void TarnwellFileViewer::Form_Unload(bool& cancel) {
    if (edit_->querySaveChanges()) {
        cancel = true;
        return;
    }
    // A clean close: what was not saved was declined.
    edit_->closeCleanly();
    SaveSettings();
}

bool TarnwellFileViewer::SaveSettings() {
    auto& w = *ui_.window;
    ConfigValues v;
    v.windowLeft = w.left();
    v.windowTop = w.top();
    v.windowHeight = w.height();
    v.windowWidth = w.width();
    const bool twoPanes = !panes_.name[1].isEmpty();
    v.oneWidth = twoPanes ? WidthBeforeEdit : w.width();
    v.twoWidth = twoPanes ? w.width() : EditWidth;
    v.leftPaneWidth = LeftPaneWidth;
    v.rightPaneWidth = RightPaneWidth;
    v.paneHeight = PaneHeight;
    for (int i = 0; i < 5; ++i)
        v.pageColors[i] = authoring_->pageColor(i + 1);
    for (int i = 0; i < 10; ++i) {
        v.recentFolder[i] = Recent.folder[i + 1];
        v.recentFile[i] = Recent.file[i + 1];
    }
    v.openInRight = menu("mOpenRight").checked() ? qs("True") : qs("False");
    const QByteArray bytes = writeConfig(v).toUtf8();
    for (;;) {
        const QString path = DataFolder + separatorString() + configName();
        if (services_.files->write(path, bytes)) return true;
        const auto answer = ui_.dialogs->input(qs("Bad path: ") + path + QLatin1Char('\r') +
                                                   qs("Enter another path:"),
                                               QString(), QString());
        DataFolder = answer.value_or(QString());
        if (DataFolder.isEmpty()) return false;
        while (DataFolder.size() > 1 && DataFolder.endsWith(pathSeparator()))
            DataFolder.chop(1);
    }
}

void TarnwellFileViewer::mExit_Click() {
    ui_.window->close();
}

} // namespace shell
