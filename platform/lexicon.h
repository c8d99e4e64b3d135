#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <memory>

namespace platform {

// A table cursor with named indexes, the operations the spelling checker
// uses on the lexicon tables.
class TableCursor {
public:
    virtual ~TableCursor() = default;
    virtual bool setIndex(const QString& index) = 0;
    // `op` is "=" or ">="; afterwards noMatch() tells whether it found nothing.
    virtual void seek(const QString& op, const QVariant& key) = 0;
    virtual bool noMatch() const = 0;
    virtual bool eof() const = 0;
    virtual QVariant field(const QString& name) const = 0;
    virtual void moveNext() = 0;
    virtual void moveLast() = 0;
    // Appends a record; returns 0 or the store's error number.
    virtual int addNew(const QVariantMap& fields, QString* error = nullptr) = 0;
};

class LexiconDatabase {
public:
    virtual ~LexiconDatabase() = default;
    virtual std::unique_ptr<TableCursor> openTable(const QString& table, QString* error = nullptr) = 0;
};

class LexiconStore {
public:
    virtual ~LexiconStore() = default;
    virtual std::unique_ptr<LexiconDatabase> open(const QString& path, QString* error = nullptr) = 0;
};

// A spelling service with an in/out contract: it is handed the whole text,
// lets the user correct it, and hands back the corrected text.
class SpellingService {
public:
    virtual ~SpellingService() = default;
    virtual bool available(QString* error = nullptr) const = 0;
    virtual bool isCorrect(const QString& word) const = 0;
    virtual QStringList suggest(const QString& word) const = 0;
};

} // namespace platform
