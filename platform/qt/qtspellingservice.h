#pragma once

#include "platform/hunspell/hunspellchecker.h"
#include "platform/lexicon.h"

#include <QString>

class QWidget;

namespace platform::qt {

// The spelling service of the document check without a lexicon: Hunspell
// with a dictionary from the system and a personal word list, and a modal
// dialog that steps through the misspellings of the text with Hunspell's
// suggestions: Change, Ignore, Ignore All, Add, Close.
class QtSpellingService : public SpellingService {
  public:
    QtSpellingService(QWidget* parent, const QString& dictionaryFolder, const QString& language,
                      const QString& personalList);
    bool open(SpellingError* error) override;
    std::optional<QString> check(const QString& text, SpellingError* error) override;
    void close() override;

  private:
    QWidget* parent_;
    QString folder_, language_, personalList_;
    std::unique_ptr<hunspell::HunspellChecker> checker_;
};

} // namespace platform::qt
