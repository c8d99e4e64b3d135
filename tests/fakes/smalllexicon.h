#pragma once

#include "platform/sqlite/sqlitedb.h"

#include <QList>
#include <QString>

namespace fakes {

// The three lexicon files with their tables and indexes, written into a
// folder; words and their `Velmora` entries are numbered 1, 2, ... as added.
class SmallLexicon {
  public:
    explicit SmallLexicon(const QString& folder); // folder ends with "/"

    // A word with `Velmora` entries of the given link types (none: a word
    // without any entry). Returns its id.
    qint64 addWord(const QString& text, const QList<int>& links = {30010}, double freqUsed = -1);
    // A recorded misspelling of `right` (which must have been added): a word
    // with FreqUsed 9 and a 31015 entry pointing at the first entry of `right`.
    qint64 addMisspelling(const QString& wrong, const QString& right);
    void addWikipediaPair(const QString& wrong, const QString& right);
    // Runs SQL on the words file (for tests that need an odd lexicon).
    bool execOnWords(const QString& sql);
    // Copies the files into `other` (ending with "/") as a program killed
    // while adding many words leaves them: the words file partly rewritten,
    // its "-journal" holding what the change replaced. This one stays as it was.
    bool copyInTheMiddleOfAChange(const QString& other);

    QString folder;

  private:
    platform::sqlite::Database links_, words_;
    qint64 nextWordId_ = 1, nextEntryId_ = 1;
};

} // namespace fakes
