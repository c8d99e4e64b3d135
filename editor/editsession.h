#pragma once

#include "editor/sourcefile.h"
#include "shell/viewerhost.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <memory>

namespace editor {

class frmFindReplace;

// The edit session: the source editor's file, the versions Restore can put
// back, how the file was laid out in bytes, the one routine that saves,
// the recovery copy of unsaved edits and the find dialog.
class EditSession : public shell::EditedDocument, private shell::HostedController {
  public:
    explicit EditSession(shell::ViewerHost& host);
    ~EditSession() override;
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    // The menu commands: Save Source (index 1: Save As), Restore, Find.
    void registerHandlers();
    void mSave_Click(int& index);
    void mRestore_Click(int index);
    void mFind_Click(int index);

    // shell::EditedDocument
    bool save(int pane) override;
    bool querySaveChanges() override;
    void openSourceInEditor() override;
    bool editorHolds(const QString& path) const override;
    void editedFileRenamed(const QString& folder, const QString& name) override;
    void letGoOfUnsavedEdits() override;

    // Asks "Save changes to ...?" when editor `index` holds unsaved edits and
    // saves on Yes. True when the caller may leave the text: nothing was
    // unsaved, it was saved, or the user answered No; false on Cancel or
    // when the save did not happen.
    bool ConfirmLeavingEditor(int index);
    // Edit HTML began: what Restore Original File puts back.
    void keepOriginal();
    // Shows a text file in the right editor, as start-up does for one
    // named on the command line.
    bool showTextFile(const QString& path);
    // Swap Panels moved the editors: their saved texts and formats follow.
    void swapSlots();
    // The window closes cleanly: what was not saved was declined.
    void closeCleanly();
    // Lets go of the find dialog's snapshot and mark of the file before.
    void forgetEditedDocument();
    // The editors' own keys and mouse: Ctrl+E, Ctrl+M, Esc, the right-click
    // menu, and the typing check.
    void Text1_KeyDown(int index, platform::KeyEvent& key);
    void Text1_MouseDown(int index, int button);

    // Unsaved edits are kept in a recovery copy in the data folder, written
    // a few seconds after the last change (and at least every 15 seconds
    // while typing goes on); a save or a clean close removes it, and the
    // next start offers what a crash left behind.
    void Text1_Change(int index);
    void WriteRecoveryCopy();
    void OfferRecovery();
    static constexpr int kRecoveryDelayMs = 2000;
    static constexpr double kRecoveryMaxWaitSeconds = 15;

  private:
    // The name a save writes under: no "file:///" folder, no "#EndOfFile",
    // and the left pane's name for one without an extension.
    void tidySaveName(int pane);
    // The editor slot that holds the edited file (1, or 0 after a swap).
    int recoverySlot() const;
    // Writes (or, with the saved text back, removes) the recovery copy;
    // false with the reason when it cannot be written.
    bool writeRecoveryCopy(QString* error);
    void RemoveRecoveryCopy(const QString& path);
    // Reads a source file as the editor shows it, its format recorded for
    // editor `pane`.
    QString loadTextFile(const QString& path, bool* ok, int pane);
    void rememberFileContents(const QString& path, const QByteArray& bytes);
    // True when the file at `path` changed on disk since it was read or
    // written here (a file never read here, or gone, counts as unchanged).
    bool changedOnDisk(const QString& path) const;

    // What each editor held when last read or saved, and the versions
    // Restore puts back: [0] as first opened, [1] before the last save.
    QString SavedText[2];
    QString RestoreText[2];
    // How each editor's file was laid out in bytes (encoding, byte-order
    // mark, line ends); saving writes the text back the same way.
    SourceFormat FileFormat[2];
    // The file whose text the source editor holds: callers point the right
    // pane at the next file before the editor is asked about its unsaved
    // changes, which belong to this one.
    QString editorFolder_;
    QString editorFile_;
    // What each file held when the editor read or last wrote it.
    QHash<QString, QByteArray> knownFileHash_;
    // Files already told that some characters did not fit their encoding.
    QSet<QString> toldUnfitCharacters_;
    bool recoveryWriteFailureTold_ = false;
    double recoveryPendingSince_ = -1;
    // The find dialog, created when first opened.
    std::unique_ptr<frmFindReplace> FindReplace;
};

} // namespace editor
