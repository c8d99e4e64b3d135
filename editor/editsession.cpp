// The edit session: opening the right pane's file in the editor, and the
// prompt that protects unsaved changes.
#include "editor/editsession.h"

#include "editor/findreplace.h"
#include "editor/sourcefile.h"

#include "util/strings.h"
#include <QCryptographicHash>

namespace editor {

using shell::pathSeparator;

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

QString EditSession::loadTextFile(const QString& path, bool* ok, int pane) {
    QString error;
    const auto bytes = services_.files->read(path, &error);
    *ok = bytes.has_value();
    if (!bytes) return {};
    rememberFileContents(path, *bytes);
    editor::SourceText read = editor::decodeSource(*bytes);
    FileFormat[pane] = std::move(read.format);
    return read.text;
}

void EditSession::rememberFileContents(const QString& path, const QByteArray& bytes) {
    knownFileHash_.insert(path, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256));
}

bool EditSession::changedOnDisk(const QString& path) const {
    const auto known = knownFileHash_.constFind(path);
    if (known == knownFileHash_.constEnd() || !services_.files->isFile(path)) return false;
    const auto now = services_.files->read(path);
    return !now || QCryptographicHash::hash(*now, QCryptographicHash::Sha256) != *known;
}

void EditSession::openSourceInEditor() {
    auto& editor = *ui_.Text1[1];
    for (;;) {
        if (editor.visible() && !ui_.L_Name[1]->text().isEmpty() && editor.text() != SavedText[1]) {
            const Answer a = message(qs("Save changes to ") + ui_.L_Name[1]->text() + qs("?"),
                                     Buttons::YesNoCancel);
            if (a == Answer::Cancel) return;
            if (a == Answer::Yes) {
                // Save the edited file under its own name, not the next one's.
                const QString nextFolder = panes().folder[1];
                const QString nextFile = panes().name[1];
                if (!editorFile_.isEmpty()) {
                    panes().folder[1] = editorFolder_;
                    panes().name[1] = editorFile_;
                }
                const bool saved = save(1);
                panes().folder[1] = nextFolder;
                panes().name[1] = nextFile;
                if (!saved) return; // the edits could not be written: keep them
            }
        }
        host_.holdLayout(true);
        if (panes().name[0].isEmpty()) {
            panes().name[0] = ui_.L_Name[0]->text();
            panes().name[1] = panes().name[0];
        }
        if (panes().folder[1].left(6) == QLatin1String("res:\\\\")) {
            panes().folder[0] = host_.driveRoot();
            panes().folder[1] = host_.driveRoot();
        }
        if (panes().name[1].left(4) == QLatin1String("http")) {
            message(m1());
            host_.holdLayout(false);
            return;
        }
        const QString p = panes().folder[1] + panes().name[1];
        auto& files = *services_.files;
        if (!files.isFile(p)) {
            for (const char* ext : {".htm", ".html", ".txt"}) {
                if (files.isFile(p + QLatin1String(ext))) {
                    panes().name[1] += QLatin1String(ext);
                    break;
                }
            }
        }
        const QString path = panes().folder[1] + panes().name[1];
        if (files.isFile(path)) {
            bool ok = false;
            const QString text = loadTextFile(path, &ok, 1);
            if (!ok) {
                message(qs("Error loading ") + path);
                host_.holdLayout(false);
                return;
            }
            editor.setText(text);
            host_.showEditorPane();
            SavedText[1] = editor.text();
            // The kept versions belong to the file they were taken from:
            // another file's text must never be restored into this one.
            RestoreText[0] = SavedText[1];
            RestoreText[1] = SavedText[1];
            // The edits of the file before were saved or declined.
            if (!editorFile_.isEmpty()) RemoveRecoveryCopy(editorFolder_ + editorFile_);
            editorFolder_ = panes().folder[1];
            editorFile_ = panes().name[1];
            host_.typing().editorOpened();
            host_.editedDocumentReplaced();
            return;
        }
        const auto answer =
            ui_.dialogs->input(qs("The following source file path or name is invalid:\r") + p +
                                   qs("\rEnter correction:"),
                               QString(), p);
        host_.holdLayout(false);
        const QString corrected = answer.value_or(QString());
        if (corrected.isEmpty() || corrected == p) return;
        qsizetype sep = corrected.lastIndexOf(pathSeparator());
        if (sep < 0) sep = corrected.lastIndexOf(QLatin1Char('/'));
        if (sep < 0) return;
        panes().folder[1] = corrected.left(sep + 1);
        panes().name[1] = corrected.mid(sep + 1);
    }
}

bool EditSession::ConfirmLeavingEditor(int i) {
    auto& editor = *ui_.Text1[i];
    if (!editor.visible() || editor.text() == SavedText[i]) return true;
    const Answer a =
        message(qs("Save changes to ") + ui_.L_Name[i]->text() + qs("?"), Buttons::YesNoCancel);
    if (a == Answer::Cancel) return false;
    if (a == Answer::No) return true;
    // A save that did not happen (an error, or an answer of No to the
    // changed-on-disk question) keeps the edits where they are.
    return save(i);
}

bool EditSession::querySaveChanges() {
    for (int i = 0; i < 2; ++i)
        if (!ConfirmLeavingEditor(i)) return true;
    return false;
}

EditSession::EditSession(shell::ViewerHost& host) : HostedController(host) {}

EditSession::~EditSession() = default;

bool EditSession::save(int pane) {
    host_.setActivePane(pane);
    int index = 0;
    mSave_Click(index);
    return ui_.Text1[pane]->visible() && ui_.Text1[pane]->text() == SavedText[pane];
}

bool EditSession::editorHolds(const QString& path) const {
    return ui_.Text1[1]->visible() && !editorFile_.isEmpty() && editorFolder_ + editorFile_ == path;
}

void EditSession::editedFileRenamed(const QString& folder, const QString& name) {
    editorFolder_ = folder;
    editorFile_ = name;
}

void EditSession::letGoOfUnsavedEdits() {
    if (ui_.Text1[1]->visible() && ui_.Text1[1]->text() != SavedText[1])
        SavedText[1] = ui_.Text1[1]->text();
}

void EditSession::keepOriginal() {
    RestoreText[0] = ui_.Text1[1]->text();
}

bool EditSession::showTextFile(const QString& path) {
    bool ok = false;
    const QString text = loadTextFile(path, &ok, 1);
    ui_.Text1[1]->setVisible(true);
    ui_.Text1[1]->setText(text);
    SavedText[1] = ui_.Text1[1]->text();
    return ok;
}

void EditSession::swapSlots() {
    std::swap(SavedText[0], SavedText[1]);
    std::swap(FileFormat[0], FileFormat[1]);
}

void EditSession::closeCleanly() {
    if (services_.recoveryTimer) services_.recoveryTimer->stop();
    if (!editorFile_.isEmpty()) RemoveRecoveryCopy(editorFolder_ + editorFile_);
}

void EditSession::forgetEditedDocument() {
    if (FindReplace) FindReplace->SourceReplaced();
}

} // namespace editor
