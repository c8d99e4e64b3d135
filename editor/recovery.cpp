// Recovery copies of unsaved edits, and their offer at the next start.
#include "shell/tarnwellfileviewer.h"

#include "editor/recoveryfile.h"
#include "util/strings.h"

#include <QDateTime>

namespace shell {

using platform::Answer;
using platform::Buttons;
using util::qs;

namespace {
QString recoveryFolder(const QString& dataFolder) { return dataFolder + QStringLiteral("/recovery/"); }
} // namespace

void TarnwellFileViewer::Text1_Change(int index) {
    if (index != 1 || !services_.recoveryTimer) return;
    auto& editor = *ui_.Text1[1];
    if (!editor.visible() || editorFile_.isEmpty()) return;
    if (editor.text() == SavedText[1]) {
        // Back to the saved text: nothing to recover.
        services_.recoveryTimer->stop();
        recoveryPendingSince_ = -1;
        RemoveRecoveryCopy(editorFolder_ + editorFile_);
        return;
    }
    const double now = services_.events->seconds();
    if (recoveryPendingSince_ < 0) recoveryPendingSince_ = now;
    if (now - recoveryPendingSince_ >= kRecoveryMaxWaitSeconds)
        WriteRecoveryCopy();
    else
        services_.recoveryTimer->start(kRecoveryDelayMs);
}

void TarnwellFileViewer::WriteRecoveryCopy() {
    if (services_.recoveryTimer) services_.recoveryTimer->stop();
    recoveryPendingSince_ = -1;
    auto& editor = *ui_.Text1[1];
    if (!editor.visible() || editorFile_.isEmpty() || editor.text() == SavedText[1]) return;
    editor::RecoveryCopy copy;
    copy.path = editorFolder_ + editorFile_;
    copy.savedAtMs = QDateTime::currentMSecsSinceEpoch();
    copy.text = editor.text();
    const QString folder = recoveryFolder(DataFolder);
    services_.files->makeFolder(folder);
    services_.files->write(folder + editor::recoveryFileName(copy.path), editor::formatRecoveryCopy(copy));
}

void TarnwellFileViewer::RemoveRecoveryCopy(const QString& path) {
    const QString file = recoveryFolder(DataFolder) + editor::recoveryFileName(path);
    if (services_.files->isFile(file)) services_.files->remove(file);
}

void TarnwellFileViewer::OfferRecovery() {
    const QString folder = recoveryFolder(DataFolder);
    auto& files = *services_.files;
    for (const QString& name : files.files(folder, qs(".recovery"))) {
        const QString file = folder + name;
        const auto bytes = files.read(file);
        const auto copy = bytes ? editor::parseRecoveryCopy(*bytes) : std::nullopt;
        if (!copy) {
            // A damaged copy is never trusted: it is set aside and named.
            files.rename(file, file + qs(".unreadable"));
            message(crJoin(qs("A recovery copy of unsaved changes cannot be read."),
                           qs("It was set aside as ") + file + qs(".unreadable")));
            continue;
        }
        if (!files.isFile(copy->path)) {
            message(crJoin(crJoin(qs("Unsaved changes to ") + copy->path,
                                  qs("were kept, but that file no longer exists.")),
                           qs("The changes are in ") + file));
            continue;
        }
        if (files.lastModified(copy->path) > copy->savedAtMs) {
            files.remove(file); // the file was saved after the copy was made
            continue;
        }
        const QString when = QDateTime::fromMSecsSinceEpoch(copy->savedAtMs).toString(qs("yyyy-MM-dd hh:mm"));
        const Answer a = message(crJoin(crJoin(qs("Unsaved changes to"), copy->path),
                                        qs("were kept when the program last ended (") + when +
                                            qs(").\rRestore them? (No throws them away.)")),
                                 Buttons::YesNo);
        if (a != Answer::Yes) {
            files.remove(file);
            continue;
        }
        const SplitPath split = splitPath(copy->path);
        ActivePane = 0;
        OpenFile(split.folder, split.name);
        if (!(ui_.Text1[1]->visible() && editorFolder_ + editorFile_ == copy->path)) mEditHTML_Click();
        if (ui_.Text1[1]->visible() && editorFolder_ + editorFile_ == copy->path) {
            ui_.Text1[1]->setText(copy->text); // an unsaved change until the user saves
            ui_.Text1[1]->setFocus();
        }
        return; // one editor: further copies wait for the next start
    }
}

} // namespace shell
