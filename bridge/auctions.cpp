#include "bridge/auctions.h"

#include "bridge/suitnotation.h"

namespace bridge {
namespace {

bool isLevel(QChar c) {
    return c >= QLatin1Char('1') && c <= QLatin1Char('7');
}

class AuctionReader {
  public:
    explicit AuctionReader(const QString& text) : t_(text) {}

    // Reads an auction starting at `at`; returns its end (one past its last
    // call), or -1 when none starts there.
    qsizetype auction(qsizetype at) {
        converted_ = false;
        qsizetype end = call(at);
        if (end < 0) return -1;
        int calls = 1;
        for (;;) {
            const qsizetype next = separator(end);
            if (next < 0) break;
            const qsizetype after = call(next);
            if (after < 0) break;
            end = after;
            ++calls;
        }
        return calls >= 2 && converted_ ? end : -1;
    }

  private:
    bool boundary(qsizetype at) const { return at >= t_.size() || !t_[at].isLetterOrNumber(); }
    bool word(qsizetype at, const char* w) const {
        return QStringView(t_).mid(at).startsWith(QLatin1String(w)) &&
               boundary(at + qsizetype(qstrlen(w)));
    }

    // A call, in as many parentheses as it comes in: "(1S)", "((X))".
    // Counted, not recursed: a long run of "(" in an article must not
    // exhaust the stack.
    qsizetype call(qsizetype at) {
        qsizetype depth = 0;
        while (at < t_.size() && t_[at] == QLatin1Char('(')) {
            ++depth;
            ++at;
        }
        qsizetype end = plainCall(at);
        for (; end >= 0 && depth > 0; --depth)
            end = end < t_.size() && t_[end] == QLatin1Char(')') ? end + 1 : -1;
        return end;
    }

    qsizetype plainCall(qsizetype at) {
        if (at >= t_.size()) return -1;
        if (isLevel(t_[at])) return bid(at);
        if (t_[at] == QLatin1Char('?')) return at + 1;
        for (const char* w : {"Pass", "P", "XX", "X", "Dbl", "D", "Rdbl", "R"})
            if (word(at, w)) return at + qsizetype(qstrlen(w));
        return -1;
    }

    qsizetype bid(qsizetype at) {
        const qsizetype strain = at + 1;
        if (word(strain, "NT")) return strain + 2;
        if (word(strain, "N")) return strain + 1;
        static const QLatin1String open("<IMG SRC=\"");
        if (!QStringView(t_).mid(strain).startsWith(open, Qt::CaseInsensitive)) return -1;
        const qsizetype nameStart = strain + open.size();
        const qsizetype quote = t_.indexOf(QLatin1Char('"'), nameStart);
        if (quote < 0 || quote - nameStart > 8) return -1;
        if (shippedImageFor(t_.mid(nameStart, quote - nameStart)).isEmpty()) return -1;
        if (quote + 1 >= t_.size() || t_[quote + 1] != QLatin1Char('>')) return -1;
        if (!boundary(quote + 2)) return -1;
        converted_ = true;
        return quote + 2;
    }

    qsizetype separator(qsizetype at) const {
        qsizetype i = at;
        while (i < t_.size() && t_[i] == QLatin1Char(' '))
            ++i;
        if (i >= t_.size() || (t_[i] != QLatin1Char('-') && t_[i] != QLatin1Char(','))) return -1;
        ++i;
        while (i < t_.size() && t_[i] == QLatin1Char(' '))
            ++i;
        return i;
    }

    const QString& t_;
    bool converted_ = false;
};

bool mayBegin(const QString& text, qsizetype at) {
    if (at == 0) return true;
    const QChar before = text[at - 1];
    return before.isSpace() || before == QLatin1Char('>');
}

} // namespace

AuctionMarkup setAuctionsInBiddingFont(const QString& text) {
    AuctionMarkup result;
    const QString open = biddingFontOpen();
    const QString close = biddingFontClose();
    AuctionReader reader(text);
    QString& out = result.text;
    out.reserve(text.size() + text.size() / 16);
    qsizetype copied = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!mayBegin(text, i)) {
            ++i;
            continue;
        }
        const qsizetype end = reader.auction(i);
        if (end < 0) {
            ++i;
            continue;
        }
        const bool alreadySet = QStringView(text).left(i).endsWith(open, Qt::CaseInsensitive);
        if (!alreadySet) {
            out.append(QStringView(text).mid(copied, i - copied));
            out += open;
            out.append(QStringView(text).mid(i, end - i));
            out += close;
            copied = end;
            ++result.auctions;
        }
        i = end;
    }
    out.append(QStringView(text).mid(copied));
    return result;
}

} // namespace bridge
