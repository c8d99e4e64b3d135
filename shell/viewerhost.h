#pragma once

#include "shell/paths.h"
#include "shell/viewerui.h"

#include <QString>
#include <functional>

namespace shell {

// Which file each pane shows (index 0 the left pane, 1 the right): plain
// state the window keeps; commands that open, save or rename a file point
// it at the file.
struct PaneFiles {
    QString folder[2];
    QString name[2];
};

// The source editor's document as the commands of the other subsystems
// reach it.
class EditedDocument {
  public:
    virtual ~EditedDocument() = default;
    // Saves editor `pane` as Save Source does, telling the user when there
    // is nothing to save or the save fails. True when the text is on disk.
    virtual bool save(int pane) = 0;
    // Asks about the unsaved edits of every open editor; true when the user
    // chose Cancel or an edit could not be saved (nothing may be closed).
    virtual bool querySaveChanges() = 0;
    // Opens the right pane's file in the editor, asking first about the
    // unsaved edits of the file the editor held.
    virtual void openSourceInEditor() = 0;
    // The editor holds the file at `path`.
    virtual bool editorHolds(const QString& path) const = 0;
    // The edited file now goes by another name.
    virtual void editedFileRenamed(const QString& folder, const QString& name) = 0;
    // The user declined to save the edits in the editor: they are let go,
    // so that nothing asks about them a second time.
    virtual void letGoOfUnsavedEdits() = 0;
};

// The check of each word as it is typed, as the editors reach it.
class TypingCheck {
  public:
    virtual ~TypingCheck() = default;
    // Checks the word before the caret of editor `index` as `key` ends it.
    virtual void checkTypedWord(int index, const platform::KeyEvent& key) = 0;
    // A file came into the editor: typing there will be checked.
    virtual void editorOpened() = 0;
};

// The window as the controllers of the subsystems see it: its controls and
// services, the files its panes show, the messages and menu, and the other
// controllers through the narrow interfaces above.
class ViewerHost {
  public:
    virtual ~ViewerHost() = default;

    virtual const ViewerUi& ui() const = 0;
    virtual const ViewerServices& services() const = 0;
    virtual const FixedPaths& paths() const = 0;
    // The data folder in use (the user may have chosen another one), and
    // the folder a bare file name stands in.
    virtual QString dataFolder() const = 0;
    virtual QString driveRoot() const = 0;

    virtual PaneFiles& panes() = 0;
    // The editor the user works in: the one the commands address.
    virtual int activePane() const = 0;
    virtual void setActivePane(int pane) = 0;

    virtual platform::Answer message(const QString& text,
                                     platform::Buttons buttons = platform::Buttons::Ok,
                                     const QString& title = {}) = 0;
    virtual platform::MenuEntry& menu(const char* name, int index = -1) = 0;
    // Makes `handler` the command of every menu entry named `name`.
    virtual void registerHandler(const QString& name, std::function<void(int)> handler) = 0;
    // Runs a menu command as if its entry were chosen.
    virtual void runCommand(const QString& name, int index = -1) = 0;

    // The panes and the window, as commands change them.
    virtual void openFile(const QString& folder, const QString& name) = 0;
    virtual void addToRecentFiles(int pane) = 0;
    virtual void tidyLeftName() = 0;
    // While held, the window's layout is not redone at each change.
    virtual void holdLayout(bool hold) = 0;
    // Shows the editor on the right with the file it was given, laid out
    // for editing.
    virtual void showEditorPane() = 0;
    // Shows the file in the left pane and opens it in the editor, as Edit
    // HTML does.
    virtual void openInEditor(const QString& folder, const QString& name) = 0;
    // Another file came into the editor: every subsystem lets go of what
    // belonged to the one before.
    virtual void editedDocumentReplaced() = 0;

    virtual EditedDocument& document() = 0;
    virtual TypingCheck& typing() = 0;
};

// What every subsystem's controller works through.
class HostedController {
  protected:
    explicit HostedController(ViewerHost& host)
        : host_(host), ui_(host.ui()), services_(host.services()), paths_(host.paths()) {}

    platform::Answer message(const QString& text, platform::Buttons buttons = platform::Buttons::Ok,
                             const QString& title = {}) {
        return host_.message(text, buttons, title);
    }
    platform::MenuEntry& menu(const char* name, int index = -1) { return host_.menu(name, index); }
    PaneFiles& panes() const { return host_.panes(); }
    int activePane() const { return host_.activePane(); }

    ViewerHost& host_;
    const ViewerUi& ui_;
    const ViewerServices& services_;
    const FixedPaths& paths_;
};

// Joins message lines the way the program's message boxes expect them.
inline QString crJoin(const QString& a, const QString& b) {
    return a + QLatin1Char('\r') + b;
}

} // namespace shell
