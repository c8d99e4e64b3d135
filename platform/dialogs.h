#pragma once

#include <QString>
#include <optional>

namespace platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileChoice {
    QString path;     // full path as the dialog returns it
    QString fileName; // the chosen file's name without folder
};

struct FontChoice {
    QString name;
    double points = 0;
    bool bold = false, italic = false, underline = false, strikethrough = false;
    int color = 0; // red in the low byte
};

// Message and input boxes and the common dialogs. Texts break lines with a
// lone CR, as the program writes them; an empty title means the program's.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, Buttons buttons, const QString& title = {}) = 0;
    // nullopt on Cancel.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultAnswer) = 0;
    // nullopt on Cancel. `initialName` may be a folder followed by "*.*".
    virtual std::optional<FileChoice> openFile(const QString& title,
                                               const QString& initialName) = 0;
    virtual std::optional<FileChoice> saveFile(const QString& title,
                                               const QString& initialName) = 0;
    // A file dialog that, unless `mustExist`, also takes a name that does
    // not exist yet (typed, with or without a folder). `initialName` may be
    // a folder followed by "*.*"; `filter` is "description|patterns" (the
    // patterns separated by spaces) or empty for all files.
    virtual std::optional<FileChoice> chooseFile(const QString& title, const QString& initialName,
                                                 const QString& filter, bool mustExist) = 0;
    virtual std::optional<int> chooseColor(int initial, int flags) = 0;
    virtual std::optional<FontChoice> chooseFont(int flags) = 0;
};

} // namespace platform
