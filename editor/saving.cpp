// Save Source and Save Source As: the one routine that writes the edited
// source to disk.
#include "shell/tarnwellfileviewer.h"

#include "editor/sourcefile.h"
#include "util/strings.h"

namespace shell {

using platform::Answer;
using platform::Buttons;
using util::qs;

void TarnwellFileViewer::tidySaveName(int i) {
    const QString urlFolder = qs("file:") + separatorString().repeated(3);
    if (PaneFolder[i].startsWith(urlFolder)) PaneFolder[i].remove(0, urlFolder.size());
    PaneFileName[i].remove(qs("#EndOfFile"));
    if (!PaneFileName[i].contains(QLatin1Char('.'))) {
        PaneFileName[i] = PaneFileName[0];
        ui_.L_Name[i]->setText(PaneFileName[i]);
    }
}

void TarnwellFileViewer::mSave_Click(int& index) {
    const int i = ActivePane;
    auto& editor = *ui_.Text1[i];
    if (!editor.visible()) {
        message(qs("You are not editing a file,\rso there is nothing to save."));
        return;
    }
    if (ui_.L_Name[1]->text().trimmed().isEmpty()) {
        if (!PaneFileName[0].trimmed().isEmpty()) {
            PaneFolder[1] = PaneFolder[0];
            PaneFileName[1] = PaneFileName[0];
            ui_.L_Name[1]->setText(ui_.L_Name[0]->text());
        } else {
            index = 1;
        }
    }
    // Save As may also ask to delete the file the left pane showed; that
    // happens only once the new file is safely written.
    QString deleteAfterSave;
    // A save that does not happen leaves the pane's name as it was.
    const QString oldName = PaneFileName[i];
    const QString oldFolder = PaneFolder[i];
    const QString oldLabel = ui_.L_Name[i]->text();
    const auto giveUp = [&] {
        PaneFileName[i] = oldName;
        PaneFolder[i] = oldFolder;
        ui_.L_Name[i]->setText(oldLabel);
    };
    if (index == 1) {
        const QString original = PaneFolder[0] + PaneFileName[0];
        QString initial = PaneFolder[i] + PaneFileName[i];
        for (;;) {
            const auto choice = ui_.dialogs->saveFile(qs("Enter file name."), initial);
            if (!choice || choice->fileName.isEmpty()) {
                giveUp();
                return;
            }
            PaneFileName[i] = choice->fileName;
            // The folder chosen in the dialog is where the file goes, and
            // the overwrite question is about that very file: the name as
            // it will be written, after the tidying below.
            const SplitPath chosen = splitPath(choice->path);
            if (!chosen.folder.isEmpty()) PaneFolder[i] = chosen.folder;
            tidySaveName(i);
            if (services_.files->exists(PaneFolder[i] + PaneFileName[i])) {
                const Answer a =
                    message(qs("File already exists.\rOverwrite it?"), Buttons::YesNoCancel);
                if (a == Answer::No) {
                    initial = PaneFolder[i] + PaneFileName[i];
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
        if (PaneFileName[i].toLower().endsWith(QLatin1String("htm")) &&
            !ui_.L_Name[i]->text().isEmpty() && PaneFolder[i] + PaneFileName[i] != original) {
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

    const QString path = PaneFolder[i] + PaneFileName[i];
    const QString text = editor.text();
    const QString lower = PaneFileName[i].toLower();
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
        editorFolder_ = PaneFolder[1];
        editorFile_ = PaneFileName[1];
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
        ui_.brwWebBrowser[shown]->navigate(PaneFolder[shown] + PaneFileName[shown] +
                                           qs("#EndOfFile"));
        source.setSelStart(length);
        source.setSelStart(caret);
    }

    if (index == 1) {
        if (ui_.L_Name[0]->text() != ui_.L_Name[1]->text()) {
            ui_.L_Name[i]->setText(PaneFileName[i]);
            return;
        }
        ui_.L_Name[0]->setText(PaneFileName[i]);
        ui_.L_Name[1]->setText(PaneFileName[i]);
        if (i == 1) {
            PaneFileName[0] = PaneFileName[1];
            PaneFolder[0] = PaneFolder[1];
            ui_.brwWebBrowser[0]->navigate(PaneFolder[0] + PaneFileName[0]);
        } else {
            PaneFileName[1] = PaneFileName[0];
            PaneFolder[1] = PaneFolder[0];
            ui_.brwWebBrowser[1]->navigate(PaneFolder[0] + PaneFileName[1]);
        }
        AddToRecentFiles(i);
    }
}

} // namespace shell
