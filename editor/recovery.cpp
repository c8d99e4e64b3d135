// Recovery copies of unsaved edits, and their offer at the next start.
#include "editor/editsession.h"

#include "editor/recoveryfile.h"
#include "util/strings.h"

#include <QDateTime>

namespace editor {

using shell::crJoin;
using shell::SplitPath;
using shell::splitPath;

using platform::Answer;
using platform::Buttons;
using util::qs;

namespace {
QString recoveryFolder(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/recovery/");
}
} // namespace

int EditSession::recoverySlot() const {
    const bool swapped = ui_.Text1[0]->visible() && !editorFile_.isEmpty() &&
                         panes().folder[0] + panes().name[0] == editorFolder_ + editorFile_;
    return swapped ? 0 : 1;
}

// Runs at every change of the text, so it never reads the text: a large
// file must not slow typing down. The timer's run compares and writes.
void EditSession::Text1_Change(int index) {
    if (!services_.recoveryTimer || index != recoverySlot() || editorFile_.isEmpty()) return;
    const double now = services_.clock->seconds();
    if (recoveryPendingSince_ < 0) recoveryPendingSince_ = now;
    if (now - recoveryPendingSince_ >= kRecoveryMaxWaitSeconds) {
        // Typing has gone on for a while: keep a copy now, and tell of a
        // failure only at the next pause, not in the middle of a word.
        QString error;
        writeRecoveryCopy(&error);
        services_.recoveryTimer->start(kRecoveryDelayMs);
        recoveryPendingSince_ = now;
    } else {
        services_.recoveryTimer->start(kRecoveryDelayMs);
    }
}

void EditSession::WriteRecoveryCopy() {
    if (services_.recoveryTimer) services_.recoveryTimer->stop();
    recoveryPendingSince_ = -1;
    QString error;
    if (writeRecoveryCopy(&error) || recoveryWriteFailureTold_) return;
    recoveryWriteFailureTold_ = true;
    message(crJoin(qs("Unsaved changes cannot be kept in a recovery copy:"), error) +
            qs("\rSave your work to keep it safe."));
}

bool EditSession::writeRecoveryCopy(QString* error) {
    if (editorFile_.isEmpty()) return true;
    const int slot = recoverySlot();
    const QString text = ui_.Text1[slot]->text();
    const QString path = editorFolder_ + editorFile_;
    if (text == SavedText[slot]) {
        // Back to the saved text: nothing to recover.
        RemoveRecoveryCopy(path);
        return true;
    }
    editor::RecoveryCopy copy;
    copy.path = path;
    copy.savedAtMs = QDateTime::currentMSecsSinceEpoch();
    copy.text = text;
    const QString folder = recoveryFolder(host_.dataFolder());
    auto& files = *services_.files;
    if (!files.makeFolder(folder)) {
        *error = folder + qs(" cannot be made.");
        return false;
    }
    QString why;
    if (!files.write(folder + editor::recoveryFileName(copy.path), editor::formatRecoveryCopy(copy),
                     &why)) {
        *error = folder + qs(": ") + why;
        return false;
    }
    return true;
}

void EditSession::RemoveRecoveryCopy(const QString& path) {
    const QString file = recoveryFolder(host_.dataFolder()) + editor::recoveryFileName(path);
    if (services_.files->isFile(file)) services_.files->remove(file);
}

void EditSession::OfferRecovery() {
    const QString folder = recoveryFolder(host_.dataFolder());
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
        const auto stamp = [](qint64 ms) {
            return QDateTime::fromMSecsSinceEpoch(ms).toString(qs("yyyy-MM-dd hh:mm"));
        };
        QString text = crJoin(crJoin(qs("Unsaved changes to"), copy->path),
                              qs("were kept when the program last ended (") +
                                  stamp(copy->savedAtMs) + qs(")."));
        // Another program (or a sync tool) may have written the file since:
        // the copy is still offered, and the user is told.
        const qint64 modified = files.lastModified(copy->path);
        if (modified > copy->savedAtMs)
            text = crJoin(text, qs("The file has changed since then (") + stamp(modified) +
                                    qs("); restoring puts the kept text in its place."));
        const Answer a =
            message(crJoin(text, qs("Restore them? (No throws them away.)")), Buttons::YesNo);
        if (a != Answer::Yes) {
            files.remove(file);
            continue;
        }
        const SplitPath split = splitPath(copy->path);
        host_.setActivePane(0);
        host_.openFile(split.folder, split.name);
        if (!(ui_.Text1[1]->visible() && editorFolder_ + editorFile_ == copy->path))
            host_.runCommand(QStringLiteral("mEditHTML"));
        if (ui_.Text1[1]->visible() && editorFolder_ + editorFile_ == copy->path) {
            ui_.Text1[1]->setText(copy->text); // an unsaved change until the user saves
            ui_.Text1[1]->setFocus();
        }
        return; // one editor: further copies wait for the next start
    }
}

} // namespace editor
