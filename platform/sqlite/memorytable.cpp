#include "platform/sqlite/memorytable.h"

#include "platform/sqlite/sqlitedb.h"

#include <algorithm>
#include <numeric>

namespace platform::sqlite {
namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

QByteArray foldAscii(QByteArray bytes) {
    for (char& c : bytes)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return bytes;
}

} // namespace

bool MemoryKey::operator<(const MemoryKey& o) const {
    if (rank != o.rank) return rank < o.rank;
    if (rank == 1) return number < o.number;
    return bytes < o.bytes; // QByteArray compares bytes unsigned, as memcmp
}

bool MemoryKey::operator==(const MemoryKey& o) const {
    return rank == o.rank && (rank == 1 ? number == o.number : bytes == o.bytes);
}

MemoryKey MemoryTable::keyOf(const Index& index, const QVariant& value) const {
    MemoryKey k;
    if (!value.isValid() || value.isNull()) return k;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::Float:
        k.rank = 1;
        k.number = value.toDouble();
        return k;
    case QMetaType::QByteArray:
        k.rank = 3;
        k.bytes = value.toByteArray();
        return k;
    default:
        break;
    }
    // Text compared with a numeric column converts, as SQLite's affinity does.
    const QString text = value.toString();
    if (index.column >= 0 && !rows.empty()) {
        const int t = rows.front().at(index.column).typeId();
        bool numeric = false;
        const double d =
            t == QMetaType::LongLong || t == QMetaType::Double ? text.toDouble(&numeric) : 0;
        if (numeric) {
            k.rank = 1;
            k.number = d;
            return k;
        }
    }
    k.rank = 2;
    k.bytes = index.noCase ? foldAscii(text.toUtf8()) : text.toUtf8();
    return k;
}

std::shared_ptr<MemoryTable> MemoryTable::load(Database& db, const QString& table,
                                               const QStringList& columns, QString* error) {
    auto t = std::make_shared<MemoryTable>();
    t->columns = columns;
    Statement all(db, ql("SELECT rowid, * FROM %1 ORDER BY rowid").arg(quoteName(table)));
    if (!all.ok()) {
        if (error) *error = db.errorMessage();
        return nullptr;
    }
    const int n = int(columns.size());
    while (all.step()) {
        t->rowids.push_back(all.intValue(0));
        QVector<QVariant> row(n);
        for (int i = 0; i < n; ++i)
            row[i] = all.value(i + 1);
        t->rows.push_back(std::move(row));
    }
    if (all.lastResult() != SQLITE_DONE) {
        if (error) *error = db.errorMessage();
        return nullptr;
    }
    return t;
}

void MemoryTable::buildIndex(Index& index) const {
    const int n = int(rows.size());
    std::vector<MemoryKey> keys(n);
    for (int r = 0; r < n; ++r) {
        if (index.column < 0) {
            keys[r].rank = 1;
            keys[r].number = double(rowids[r]);
        } else {
            keys[r] = keyOf(index, rows[r].at(index.column));
        }
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    // Rows are in rowid order, so ties broken by row number keep equal keys by rowid.
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        if (keys[a] < keys[b]) return true;
        if (keys[b] < keys[a]) return false;
        return a < b;
    });
    index.rows = order;
    index.keys.resize(n);
    index.firstText.clear();
    index.firstInt.clear();
    for (int p = n - 1; p >= 0; --p) {
        index.keys[p] = keys[order[p]];
        const MemoryKey& k = index.keys[p];
        if (k.rank == 2)
            index.firstText.insert(k.bytes, p);
        else if (k.rank == 1 && k.number == double(qint64(k.number)))
            index.firstInt.insert(qint64(k.number), p);
    }
}

int MemoryTable::columnOf(const QString& name) const {
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i) == name) return i;
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

MemoryTable::Index* MemoryTable::index(const QString& name) {
    for (auto& [n, idx] : indexes)
        if (n.compare(name, Qt::CaseInsensitive) == 0) return idx.get();
    const IndexColumn found = findIndex ? findIndex(name) : IndexColumn{};
    if (found.column.isEmpty()) return nullptr;
    auto idx = std::make_unique<Index>();
    idx->column = int(columns.indexOf(found.column));
    for (int i = 0; idx->column < 0 && i < columns.size(); ++i)
        if (columns.at(i).compare(found.column, Qt::CaseInsensitive) == 0) idx->column = i;
    if (idx->column < 0) return nullptr;
    idx->noCase = found.collation == ql("NOCASE");
    buildIndex(*idx);
    indexes.emplace_back(name, std::move(idx));
    return indexes.back().second.get();
}

namespace {

class MemoryCursor : public TableCursor {
  public:
    explicit MemoryCursor(std::shared_ptr<MemoryTable> table) : t_(std::move(table)) {
        rowidOrder_.column = -1;
        t_->buildIndex(rowidOrder_);
        index_ = &rowidOrder_;
        version_ = t_->version;
    }

    bool setIndex(const QString& name) override {
        if (index_ != &rowidOrder_ && name == indexName_) return true;
        MemoryTable::Index* found = t_->index(name);
        if (!found) return false;
        if (found != index_) {
            index_ = found;
            pos_ = -1;
        }
        indexName_ = name;
        return true;
    }

    void seek(const QString& op, const QVariant& value) override {
        refresh();
        const MemoryKey key = t_->keyOf(*index_, value);
        const auto& keys = index_->keys;
        pos_ = -1;
        if (op == QLatin1String(">=")) {
            const auto it = std::lower_bound(keys.begin(), keys.end(), key);
            if (it != keys.end()) pos_ = int(it - keys.begin());
        } else if (key.rank == 2) {
            pos_ = index_->firstText.value(key.bytes, -1);
        } else if (key.rank == 1 && key.number == double(qint64(key.number))) {
            pos_ = index_->firstInt.value(qint64(key.number), -1);
        } else {
            const auto it = std::lower_bound(keys.begin(), keys.end(), key);
            if (it != keys.end() && *it == key) pos_ = int(it - keys.begin());
        }
        noMatch_ = pos_ < 0;
    }
    bool noMatch() const override { return noMatch_; }
    bool eof() const override { return pos_ < 0; }

    QVariant field(const QString& name) const override {
        if (pos_ < 0) return {};
        const int column = t_->columnOf(name);
        return column < 0 ? QVariant() : t_->rows[index_->rows[pos_]].at(column);
    }

    void moveNext() override {
        refresh();
        if (pos_ < 0) return;
        if (++pos_ >= int(index_->rows.size())) pos_ = -1;
    }

    void moveLast() override {
        refresh();
        pos_ = int(index_->rows.size()) - 1;
    }

    int addNew(const QVariantMap& fields, QString* error) override {
        qint64 rowid = 0;
        const int rc = t_->insert(fields, error, &rowid);
        if (rc != 0) return rc;
        // Read what the file now holds, so types and defaults match a reload.
        QVector<QVariant> row(t_->columns.size());
        for (auto it = fields.begin(); it != fields.end(); ++it)
            for (int i = 0; i < t_->columns.size(); ++i)
                if (t_->columns.at(i).compare(it.key(), Qt::CaseInsensitive) == 0)
                    row[i] = it.value();
        for (QVariant& v : row)
            if (v.typeId() == QMetaType::Int) v = QVariant(qint64(v.toInt()));
        const int currentRow = pos_ >= 0 ? index_->rows[pos_] : -1;
        t_->rowids.push_back(rowid);
        t_->rows.push_back(row);
        for (auto& [n, idx] : t_->indexes)
            t_->buildIndex(*idx);
        t_->buildIndex(rowidOrder_);
        ++t_->version;
        version_ = t_->version;
        placeAt(currentRow);
        return 0;
    }

  private:
    // After another cursor stored a record, positions moved: find ours again.
    void refresh() {
        if (version_ == t_->version) return;
        const int currentRow =
            pos_ >= 0 && pos_ < int(index_->rows.size()) ? index_->rows[pos_] : -1;
        t_->buildIndex(rowidOrder_);
        version_ = t_->version;
        placeAt(currentRow);
    }
    void placeAt(int row) {
        pos_ = -1;
        if (row < 0) return;
        const auto& rows = index_->rows;
        pos_ = int(std::find(rows.begin(), rows.end(), row) - rows.begin());
        if (pos_ >= int(rows.size())) pos_ = -1;
    }

    std::shared_ptr<MemoryTable> t_;
    MemoryTable::Index rowidOrder_;
    MemoryTable::Index* index_ = nullptr;
    QString indexName_;
    int pos_ = -1;
    int version_ = 0;
    bool noMatch_ = false;
};

} // namespace

std::unique_ptr<TableCursor> makeMemoryCursor(std::shared_ptr<MemoryTable> table) {
    return std::make_unique<MemoryCursor>(std::move(table));
}

} // namespace platform::sqlite
