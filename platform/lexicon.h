#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

// A table cursor with named indexes, the operations the spelling checker
// uses on the lexicon tables. The cursor walks the records in the order of
// its current index (records with equal keys in the order they were added);
// a text index may compare without regard to case, so a seek can land on a
// record whose spelling differs in case from the key.
class TableCursor {
  public:
    virtual ~TableCursor() = default;
    // False when the table has no index of that name (the index is unchanged).
    virtual bool setIndex(const QString& index) = 0;
    // `op` is "=" (the first record whose key equals `key`) or ">=" (the
    // first whose key is not below it); afterwards noMatch() tells whether
    // it found nothing, and then there is no current record.
    virtual void seek(const QString& op, const QVariant& key) = 0;
    virtual bool noMatch() const = 0;
    // True when there is no current record (past the end, or after a failed seek).
    virtual bool eof() const = 0;
    // A field of the current record by name (any case); a null QVariant for
    // an empty field or when there is no current record.
    virtual QVariant field(const QString& name) const = 0;
    virtual void moveNext() = 0;
    virtual void moveLast() = 0;
    // Appends a record as one transaction; the current record stays the one
    // it was. Returns 0 or the store's error number (the table unchanged).
    virtual int addNew(const QVariantMap& fields, QString* error = nullptr) = 0;
};

// One record of a table read whole, its fields in the order they were
// asked for. Valid only during the call it is handed to.
class RecordView {
  public:
    virtual ~RecordView() = default;
    virtual bool isNull(int field) const = 0;
    virtual qint64 integer(int field) const = 0;
    virtual double number(int field) const = 0;
    virtual QString text(int field) const = 0;
};

class LexiconDatabase {
  public:
    virtual ~LexiconDatabase() = default;
    virtual std::unique_ptr<TableCursor> openTable(const QString& table,
                                                   QString* error = nullptr) = 0;
    // Reads every record of `table` in the order the records were stored,
    // handing the named fields of each to `record`; false (with the reason)
    // when the table or a field is missing. This is how the checker loads
    // the lexicon once, instead of seeking record by record.
    virtual bool readTable(const QString& table, const QStringList& fields,
                           const std::function<void(const RecordView&)>& record,
                           QString* error = nullptr) = 0;
};

class LexiconStore {
  public:
    virtual ~LexiconStore() = default;
    // Opens an existing database file for reading and writing; nullptr (and
    // the reason in `error`) when it is missing or not a database.
    virtual std::unique_ptr<LexiconDatabase> open(const QString& path,
                                                  QString* error = nullptr) = 0;
};

// Why a spelling service could not start or failed: a number and its description.
struct SpellingError {
    int number = 0;
    QString description;
};

// A spelling service with the in/out contract of a word processor's
// checker: it is handed the whole text, lets the user correct it in its own
// dialog and hands back the corrected text.
class SpellingService {
  public:
    virtual ~SpellingService() = default;
    // Gets the service ready (its dictionary loaded); false, with the
    // reason in `error`, when it cannot be had.
    virtual bool open(SpellingError* error) = 0;
    // Runs the service's spelling dialog over `text` (CR LF line breaks).
    // The result is the corrected document with each paragraph ended by a
    // lone CR, the last one included; nullopt, with `error`, on failure.
    virtual std::optional<QString> check(const QString& text, SpellingError* error) = 0;
    // Lets the service go, discarding anything it still holds.
    virtual void close() = 0;
};

} // namespace platform
