#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace platform::qt {

class QtDialogs : public Dialogs {
  public:
    QtDialogs(QWidget* parent, const QString& applicationTitle)
        : parent_(parent), title_(applicationTitle) {}
    Answer message(const QString& text, Buttons buttons, const QString& title = {}) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultAnswer) override;
    std::optional<FileChoice> openFile(const QString& title, const QString& initialName) override;
    std::optional<FileChoice> saveFile(const QString& title, const QString& initialName) override;
    std::optional<FileChoice> chooseFile(const QString& title, const QString& initialName,
                                         const QString& filter, bool mustExist) override;
    std::optional<int> chooseColor(int initial, int flags) override;
    std::optional<FontChoice> chooseFont(int flags) override;

  private:
    QWidget* parent_;
    QString title_;
};

// The program writes message lines separated by a lone CR.
QString displayText(const QString& text);

} // namespace platform::qt
