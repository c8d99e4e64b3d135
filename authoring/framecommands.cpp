// The document frame: New File, HTML Start-End, and the Colors menu with
// its sliding "Page Colors" panel.
#include "authoring/authoringcommands.h"

#include "authoring/editorchanges.h"
#include "authoring/frame.h"
#include "authoring/tags.h"
#include "util/numbers.h"
#include "util/strings.h"

namespace authoring {

using shell::SplitPath;
using shell::splitPath;

using util::qs;

namespace {

// Where New File leaves the caret: inside the first "<H2></H2>" (offset 219
// for a nine-character title; found in the text, so that any title works).
constexpr int kNewFileCaret = 219;
constexpr int kSlideMoves = 105;

authoring::PageColorSet pageColorSet(const QString (&colors)[6]) {
    authoring::PageColorSet set;
    for (int k = 1; k <= 5; ++k)
        set.code[k] = colors[k];
    return set;
}

// Replaces the editor's whole text through its selection (so it keeps its
// undo history), leaving the caret at `caret`.
void replaceText(platform::TextEditor& editor, const QString& text, int caret) {
    authoring::Result result;
    result.edits = authoring::differenceEdits(editor.text(), text);
    result.after = {std::clamp(caret, 0, static_cast<int>(text.size())), 0};
    authoring::applyResult(editor, result);
}

} // namespace

void AuthoringCommands::mNewFile_Click() {
    if (host_.document().querySaveChanges()) return;
    const QString start = panes().folder[1].isEmpty() ? panes().folder[0] : panes().folder[1];
    // The dialog takes a name that does not exist yet: that is how a new
    // article is named.
    const auto choice =
        ui_.dialogs->chooseFile(qs("Select file."), start + qs("*.*"), QString(), false);
    if (!choice) return;
    const QString name = choice->fileName;
    // The folder is the chosen path's own, whatever the name repeats.
    const SplitPath chosen = splitPath(choice->path);
    const QString folder = chosen.folder.isEmpty() ? start : chosen.folder;
    if (name.isEmpty() ||
        folder + name == panes().folder[activePane()] + panes().name[activePane()])
        return;

    const QString path = folder + name;
    auto& files = *services_.files;
    if (!files.exists(path)) {
        const QString frame =
            authoring::newFileFrame(authoring::newFileTitle(name), pageColorSet(PageColors));
        QString error;
        if (!files.write(path, frame.toUtf8(), &error)) {
            message(qs("Could not create ") + path + qs(".\r") + error);
            return;
        }
    }

    // Changes the user declined to save are let go now, so that opening
    // the new file does not ask about them a second time.
    host_.document().letGoOfUnsavedEdits();
    host_.openInEditor(folder, name);
    auto& editor = *ui_.Text1[1];
    if (!host_.document().editorHolds(path)) return;
    const qsizetype heading = editor.text().indexOf(QStringLiteral("<H2></H2>"));
    const int caret = heading >= 0 ? static_cast<int>(heading) + 4 : kNewFileCaret;
    editor.setSelStart(std::min(caret, static_cast<int>(editor.text().size())));
    editor.setFocus();
}

void AuthoringCommands::mHTMLStartEnd_Click() {
    auto& editor = *ui_.Text1[activePane()];
    const QString old = editor.text();
    if (authoring::hasHtmlHeaders(old)) {
        message(qs("This file already has HTML headers."));
        return;
    }
    const int caret = editor.selStart();
    const QString wrapped =
        authoring::startEndHead(ui_.L_Name[activePane()]->text(), pageColorSet(PageColors)) + old +
        authoring::startEndTail();
    replaceText(editor, wrapped, caret + 500);
    editor.setSelStart(caret);

    const QString shown = ui_.L_Name[0]->text();
    if (shown != ui_.L_Name[1]->text() || !shown.toLower().endsWith(QLatin1String("txt"))) return;
    const QString newName = panes().name[0].left(panes().name[0].size() - 3) + qs("htm");
    const QString from = panes().folder[1] + panes().name[1];
    const QString to = panes().folder[0] + newName;
    auto& files = *services_.files;
    // Never let the next save overwrite an article that has the new name.
    if (files.exists(to)) {
        message(qs("The file cannot be renamed to ") + to +
                qs(":\ra file of that name already exists.\r") + qs("It keeps its name ") +
                panes().name[1] + qs("."));
        return;
    }
    if (!files.rename(from, to)) {
        message(qs("Could not rename ") + from + qs("\rto ") + to + qs("."));
        return;
    }
    panes().name[0] = newName;
    panes().name[1] = newName;
    panes().folder[1] = panes().folder[0];
    host_.document().editedFileRenamed(panes().folder[1], newName);
    ui_.L_Name[0]->setText(newName);
    ui_.L_Name[1]->setText(newName);
    ui_.brwWebBrowser[0]->setVisible(true);
    ui_.brwWebBrowser[0]->navigate(to);
    host_.addToRecentFiles(0);
}

void AuthoringCommands::mColors_Click(int index) {
    switch (index) {
    case 0: {
        if (ColorAttributeNames[1].isEmpty())
            for (int k = 1; k <= 5; ++k)
                ColorAttributeNames[k] = authoring::colorAttributeName(k);
        auto* panel = ui_.frmColors;
        if (!panel) return;
        // The panel starts over the source editor's top-left corner and
        // slides out to the left, ten steps a frame.
        colorsSlide_.moveTo(*panel, ui_.Text1[1]->left());
        panel->setTop(ui_.Text1[1]->top());
        panel->setVisible(true);
        panel->raise();
        const int step = util::roundHalfEven(panel->width() / 100.0);
        colorsSlide_.start(*panel, -step, kSlideMoves, 10);
        break;
    }
    case 1:
        mColorWords_Click();
        break;
    case 2: {
        // Flags 2: the dialog opens with its custom colours shown.
        const auto color = ui_.dialogs->chooseColor(0, 2);
        if (!color) return;
        ui_.Text1[1]->setSelText(authoring::colorCode(*color).mid(1));
        break;
    }
    default:
        break;
    }
}

void AuthoringCommands::cmdGetColor_Click(int index) {
    if (index >= 0 && index <= 4) {
        ChangePageColor(PageColors[index + 1], index + 1);
        return;
    }
    if (index != 5 || !ui_.frmColors) return;
    // Close: back the way it came, five steps a frame, then out of the
    // editor's way.
    auto* panel = ui_.frmColors;
    const int step = util::roundHalfEven(panel->width() / 100.0);
    colorsSlide_.start(*panel, step, kSlideMoves, 5, [panel] { panel->setVisible(false); });
}

void AuthoringCommands::ChangePageColor(QString& colorCode, int slot) {
    if (ColorAttributeNames[1].isEmpty())
        for (int k = 1; k <= 5; ++k)
            ColorAttributeNames[k] = authoring::colorAttributeName(k);
    // Flags 3: start from the current colour, custom colours shown.
    const auto chosen = ui_.dialogs->chooseColor(authoring::colorNumber(colorCode).value_or(0), 3);
    if (!chosen) return;
    colorCode = authoring::colorCode(*chosen);
    auto& editor = *ui_.Text1[1];
    if (!editor.visible()) return;
    const auto updated = authoring::withPageColor(editor.text(), slot, colorCode);
    if (!updated) return;
    replaceText(editor, *updated, editor.selStart());
    host_.document().save(1);
}

} // namespace authoring
