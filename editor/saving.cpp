// Save Source and Save Source As: the one routine that writes the edited
// source to disk.
#include "editor/editsession.h"

#include "editor/sourcefile.h"
#include "util/strings.h"

namespace editor {

using shell::separatorString;
using shell::SplitPath;
using shell::splitPath;

using platform::Answer;
using platform::Buttons;
using util::qs;

void EditSession::tidySaveName(int i) {
    const QString urlFolder = qs("file:") + separatorString().repeated(3);
    if (panes().folder[i].startsWith(urlFolder)) panes().folder[i].remove(0, urlFolder.size());
    panes().name[i].remove(qs("#EndOfFile"));
    if (!panes().name[i].contains(QLatin1Char('.'))) {
        panes().name[i] = panes().name[0];
        ui_.L_Name[i]->setText(panes().name[i]);
    }
}

void EditSession::mSave_Click(int& index) {
    const int i = activePane();
    auto& editor = *ui_.Text1[i];
    if (!editor.visible()) {
        message(qs("You are not editing a file,\rso there is nothing to save."));
        return;
    }
    if (ui_.L_Name[1]->text().trimmed().isEmpty()) {
        if (!panes().name[0].trimmed().isEmpty()) {
            panes().folder[1] = panes().folder[0];
            panes().name[1] = panes().name[0];
            ui_.L_Name[1]->setText(ui_.L_Name[0]->text());
        } else {
            index = 1;
        }
    }
    // Save As may also ask to delete the file the left pane showed; that
    // happens only once the new file is safely written.
    QString deleteAfterSave;
    // A save that does not happen leaves the pane's name as it was.
    const QString oldName = panes().name[i];
    const QString oldFolder = panes().folder[i];
    const QString oldLabel = ui_.L_Name[i]->text();
    const auto giveUp = [&] {
        panes().name[i] = oldName;
        panes().folder[i] = oldFolder;
        ui_.L_Name[i]->setText(oldLabel);
    };
    if (index == 1) {
        const QString original = panes().folder[0] + panes().name[0];
        QString initial = panes().folder[i] + panes().name[i];
        for (;;) {
            const auto choice = ui_.dialogs->saveFile(qs("Enter file name."), initial);
            if (!choice || choice->fileName.isEmpty()) {
                giveUp();
                return;
            }
            panes().name[i] = choice->fileName;
            // The folder chosen in the dialog is where the file goes, and
            // the overwrite question is about that very file: the name as
            // it will be written, after the tidying below.
            const SplitPath chosen = splitPath(choice->path);
            if (!chosen.folder.isEmpty()) panes().folder[i] = chosen.folder;
            tidySaveName(i);
            if (services_.files->exists(panes().folder[i] + panes().name[i])) {
                const Answer a =
                    message(qs("File already exists.\rOverwrite it?"), Buttons::YesNoCancel);
                if (a == Answer::No) {
                    initial = panes().folder[i] + panes().name[i];
                    continue;
                }
                if (a == Answer::Cancel) {
                    giveUp();
                    return;
                }
            }
            break;
        }
        // Saved under the original's own name, there is no original to delete.
        if (panes().name[i].toLower().endsWith(QLatin1String("htm")) &&
            !ui_.L_Name[i]->text().isEmpty() && panes().folder[i] + panes().name[i] != original) {
            const Answer a = message(qs("Delete the original file:\r") + original + qs("?"),
                                     Buttons::YesNoCancel);
            if (a == Answer::Cancel) {
                giveUp();
                return;
            }
            if (a == Answer::Yes) deleteAfterSave = original;
        }
    }

    tidySaveName(i);

    const QString path = panes().folder[i] + panes().name[i];
    const QString text = editor.text();
    const QString lower = panes().name[i].toLower();
    const bool html =
        lower.endsWith(QLatin1String(".htm")) || lower.endsWith(QLatin1String(".html"));
    const editor::SavedBytes saved = editor::encodeSource(text, FileFormat[i], html);
    // Another program may have written the file since it was opened here.
    if (changedOnDisk(path) &&
        message(path + qs("\rhas changed on disk since it was opened or last saved.\r"
                          "Overwrite it with the text being edited?"),
                Buttons::YesNo) != Answer::Yes) {
        giveUp();
        return;
    }
    QString error;
    if (!services_.files->write(path, saved.bytes, &error)) {
        message(qs("Could not save ") + path + qs(".\r") + error);
        giveUp();
        return;
    }
    rememberFileContents(path, saved.bytes);
    if (i == recoverySlot()) {
        if (services_.recoveryTimer) services_.recoveryTimer->stop();
        recoveryPendingSince_ = -1;
        RemoveRecoveryCopy(path);
        if (!editorFile_.isEmpty() && editorFolder_ + editorFile_ != path)
            RemoveRecoveryCopy(editorFolder_ + editorFile_);
    }
    if (!deleteAfterSave.isEmpty() && deleteAfterSave != path)
        services_.files->remove(deleteAfterSave);
    FileFormat[i] = saved.format;
    // Said once for each file, not at every save.
    if (saved.change != editor::SavedBytes::Change::None && !toldUnfitCharacters_.contains(path)) {
        toldUnfitCharacters_.insert(path);
        message(saved.change == editor::SavedBytes::Change::CharacterReferences
                    ? qs("Some characters do not fit this file's character set;\r"
                         "they were saved as HTML character references.")
                    : qs("Some characters do not fit this file's character set;\r"
                         "the file was saved as UTF-8."));
    }
    RestoreText[1] = SavedText[1];
    SavedText[i] = text;
    if (i == 1) {
        editorFolder_ = panes().folder[1];
        editorFile_ = panes().name[1];
    }
    // The page of the saved file is shown on the left, or on the right
    // after Swap Panels put the editor on the left.
    const int shown = !ui_.brwWebBrowser[0]->visible() && ui_.brwWebBrowser[1]->visible() ? 1 : 0;
    ui_.brwWebBrowser[shown]->refresh();

    auto& source = editor;
    const int caret = source.selStart();
    const int length = static_cast<int>(text.size());
    if (caret + 1000 > length) {
        // The page, refreshing, scrolls to its end once it has loaded; the
        // editor shows its caret low in the view.
        ui_.brwWebBrowser[shown]->navigate(panes().folder[shown] + panes().name[shown] +
                                           qs("#EndOfFile"));
        source.setSelStart(length);
        source.setSelStart(caret);
    }

    if (index == 1) {
        if (ui_.L_Name[0]->text() != ui_.L_Name[1]->text()) {
            ui_.L_Name[i]->setText(panes().name[i]);
            return;
        }
        ui_.L_Name[0]->setText(panes().name[i]);
        ui_.L_Name[1]->setText(panes().name[i]);
        if (i == 1) {
            panes().name[0] = panes().name[1];
            panes().folder[0] = panes().folder[1];
            ui_.brwWebBrowser[0]->navigate(panes().folder[0] + panes().name[0]);
        } else {
            panes().name[1] = panes().name[0];
            panes().folder[1] = panes().folder[0];
            ui_.brwWebBrowser[1]->navigate(panes().folder[0] + panes().name[1]);
        }
        host_.addToRecentFiles(i);
    }
}

} // namespace editor
