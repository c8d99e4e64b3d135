// The edit session: opening the left pane's source in the editor, the
// prompt that protects unsaved changes, and the window width for editing.
#include "shell/tarnwellfileviewer.h"

#include "editor/findreplace.h"
#include "editor/sourcefile.h"

#include "util/numbers.h"
#include "util/strings.h"
#include <QCryptographicHash>

namespace shell {

using platform::Answer;
using platform::Buttons;
using util::qs;

namespace {
QString m1() {
    return qs("To edit a Web page's source HTML\rcode you must click File - Save Web Page\r"
              "to save the source HTML code to disk.\rThe source code will then be saved to\r"
              "disk and displayed in the right window.");
}
} // namespace

QString TarnwellFileViewer::loadTextFile(const QString& path, bool* ok, int pane) {
    QString error;
    const auto bytes = services_.files->read(path, &error);
    *ok = bytes.has_value();
    if (!bytes) return {};
    rememberFileContents(path, *bytes);
    editor::SourceText read = editor::decodeSource(*bytes);
    FileFormat[pane] = std::move(read.format);
    return read.text;
}

void TarnwellFileViewer::rememberFileContents(const QString& path, const QByteArray& bytes) {
    knownFileHash_.insert(path, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
}

bool TarnwellFileViewer::changedOnDisk(const QString& path) const {
    const auto known = knownFileHash_.constFind(path);
    if (known == knownFileHash_.constEnd() || !services_.files->isFile(path)) return false;
    const auto now = services_.files->read(path);
    return !now || QCryptographicHash::hash(*now, QCryptographicHash::Sha256) != *known;
}

void TarnwellFileViewer::mEditHTML_Click() {
    if (PaneFileName[0].left(4) == QLatin1String("http")) {
        message(m1());
        return;
    }
    ResizeBusy = true;
    WindowLeft = ui_.window->left();
    WindowTop = ui_.window->top();
    if (ui_.L_Name[0]->text().isEmpty()) ui_.L_Name[0]->setText(PaneFileName[0]);
    if (ui_.L_Name[0]->text() == ui_.L_Name[1]->text()) {
        // Closing the editor must not throw away its edits.
        if (!ConfirmLeavingEditor(1)) {
            ResizeBusy = false;
            return;
        }
        EditWidth = ui_.window->width();
        PaneFolder[1].clear();
        PaneFileName[1].clear();
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
    PaneFileName[1] = PaneFileName[0];
    PaneFolder[1] = PaneFolder[0];
    ActivePane = 1;
    ResizeBusy = false;
    OpenSourceInEditor();
    if (ui_.Text1[1]->visible()) ui_.Text1[1]->setFocus();
    RestoreText[0] = ui_.Text1[1]->text();
}

void TarnwellFileViewer::OpenSourceInEditor() {
    auto& editor = *ui_.Text1[1];
    for (;;) {
        if (editor.visible() && !ui_.L_Name[1]->text().isEmpty() && editor.text() != SavedText[1]) {
            const Answer a = message(qs("Save changes to ") + ui_.L_Name[1]->text() + qs("?"),
                                     Buttons::YesNoCancel);
            if (a == Answer::Cancel) return;
            if (a == Answer::Yes) {
                // Save the edited file under its own name, not the next one's.
                const QString nextFolder = PaneFolder[1];
                const QString nextFile = PaneFileName[1];
                if (!editorFile_.isEmpty()) {
                    PaneFolder[1] = editorFolder_;
                    PaneFileName[1] = editorFile_;
                }
                ActivePane = 1;
                int index = 0;
                mSave_Click(index);
                const bool saved = editor.text() == SavedText[1];
                PaneFolder[1] = nextFolder;
                PaneFileName[1] = nextFile;
                if (!saved) return; // the edits could not be written: keep them
            }
        }
        ResizeBusy = true;
        if (PaneFileName[0].isEmpty()) {
            PaneFileName[0] = ui_.L_Name[0]->text();
            PaneFileName[1] = PaneFileName[0];
        }
        if (PaneFolder[1].left(6) == QLatin1String("res:\\\\")) {
            PaneFolder[0] = DriveRoot;
            PaneFolder[1] = DriveRoot;
        }
        if (PaneFileName[1].left(4) == QLatin1String("http")) {
            message(m1());
            ResizeBusy = false;
            return;
        }
        const QString p = PaneFolder[1] + PaneFileName[1];
        auto& files = *services_.files;
        if (!files.isFile(p)) {
            for (const char* ext : {".htm", ".html", ".txt"}) {
                if (files.isFile(p + QLatin1String(ext))) {
                    PaneFileName[1] += QLatin1String(ext);
                    break;
                }
            }
        }
        const QString path = PaneFolder[1] + PaneFileName[1];
        if (files.isFile(path)) {
            bool ok = false;
            const QString text = loadTextFile(path, &ok, 1);
            if (!ok) {
                message(qs("Error loading ") + path);
                ResizeBusy = false;
                return;
            }
            editor.setText(text);
            ui_.brwWebBrowser[1]->setVisible(false);
            editor.setVisible(true);
            ui_.L_Name[1]->setText(PaneFileName[1]);
            ui_.L_Name[1]->setVisible(true);
            layoutForEditing();
            EnableEditorMenus(true);
            ResizeBusy = false;
            Form_Resize();
            SavedText[1] = editor.text();
            // The kept versions belong to the file they were taken from:
            // another file's text must never be restored into this one.
            RestoreText[0] = SavedText[1];
            RestoreText[1] = SavedText[1];
            // The edits of the file before were saved or declined.
            if (!editorFile_.isEmpty()) RemoveRecoveryCopy(editorFolder_ + editorFile_);
            editorFolder_ = PaneFolder[1];
            editorFile_ = PaneFileName[1];
            OpenTypingLexicon(true);
            ForgetEditedDocument();
            return;
        }
        const auto answer =
            ui_.dialogs->input(qs("The following source file path or name is invalid:\r") + p +
                                   qs("\rEnter correction:"),
                               QString(), p);
        ResizeBusy = false;
        const QString corrected = answer.value_or(QString());
        if (corrected.isEmpty() || corrected == p) return;
        qsizetype sep = corrected.lastIndexOf(pathSeparator());
        if (sep < 0) sep = corrected.lastIndexOf(QLatin1Char('/'));
        if (sep < 0) return;
        PaneFolder[1] = corrected.left(sep + 1);
        PaneFileName[1] = corrected.mid(sep + 1);
    }
}

void TarnwellFileViewer::ForgetEditedDocument() {
    // Undo texts kept for the previous file must not reach this one.
    ClearBridgeUndo();
    // Anchor names are handed out afresh in every document; a link begun
    // in the file before cannot be finished in this one.
    LinkNameCounter = 0;
    TypedWhileLoading.clear();
    LinkStart = 0;
    LinkLength = 0;
    if (ui_.LinkMsgBox && ui_.LinkMsgBox->visible()) ui_.LinkMsgBox->setVisible(false);
    if (FindReplace) FindReplace->SourceReplaced();
    // A check of the file before ends without a word: its place is not in
    // this text.
    if (basSpellingChecker.isOpen() || suggestionBoxVisible()) {
        basSpellingChecker.CheckSelStart = 0;
        basSpellingChecker.CheckSelLength = 0;
        basSpellingChecker.NoCompletionMessage = true;
        CloseLexicon();
    }
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

bool TarnwellFileViewer::ConfirmLeavingEditor(int i) {
    auto& editor = *ui_.Text1[i];
    if (!editor.visible() || editor.text() == SavedText[i]) return true;
    const Answer a =
        message(qs("Save changes to ") + ui_.L_Name[i]->text() + qs("?"), Buttons::YesNoCancel);
    if (a == Answer::Cancel) return false;
    if (a == Answer::No) return true;
    ActivePane = static_cast<std::int16_t>(i);
    int index = 0;
    mSave_Click(index);
    // A save that did not happen (an error, or an answer of No to the
    // changed-on-disk question) keeps the edits where they are.
    return editor.text() == SavedText[i];
}

bool TarnwellFileViewer::QuerySaveChanges() {
    for (int i = 0; i < 2; ++i)
        if (!ConfirmLeavingEditor(i)) return true;
    return false;
}

} // namespace shell
