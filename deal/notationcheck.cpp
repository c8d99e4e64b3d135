#include "deal/notationcheck.h"

#include "bridge/suitnotation.h"
#include "deal/pbn.h"
#include "util/htmltokens.h"

#include <algorithm>
#include <bit>
#include <map>
#include <vector>

namespace deal {
namespace {

namespace html = util::html;

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

// The article as a reader sees it, one character for each thing shown:
// text, a suit mark (from an image, an entity or a symbol), a line break
// for <BR>, a boundary for a cell, a paragraph or any other block.
// Each character keeps where it came from in the source.
const char16_t kMark = 0xE000;     // + suit
const char16_t kBoundary = 0x2029; // ends any hand or auction
const char16_t kOther = 0xFFFC;    // an image or entity that is no suit
const char16_t kLongDash = 0x2014; // an en or em dash: a void

struct Stream {
    QString chars;
    std::vector<qsizetype> from, to;
    std::vector<int> table; // the innermost table, -1 outside any

    void add(QChar c, qsizetype f, qsizetype t, int tableId) {
        chars += c;
        from.push_back(f);
        to.push_back(t);
        table.push_back(tableId);
    }
    qsizetype size() const { return chars.size(); }
};

int suitOfSymbol(char32_t c) {
    switch (c) {
    case 0x2660:
    case 0x2664:
        return Spades;
    case 0x2665:
    case 0x2661:
        return Hearts;
    case 0x2666:
    case 0x2662:
        return Diamonds;
    case 0x2663:
    case 0x2667:
        return Clubs;
    default:
        return -1;
    }
}

int suitOfImage(QStringView tag) {
    const auto src = html::attribute(tag, QLatin1StringView("SRC"));
    if (!src) return -1;
    QString name = src->trimmed().toString();
    if (name.startsWith(QLatin1Char('"')) || name.startsWith(QLatin1Char('\'')))
        name = name.mid(1, name.size() - 2);
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    const QString shipped = bridge::shippedImageFor(name);
    if (shipped.size() < 5 || shipped.startsWith(QLatin1String("hs")) ||
        shipped.startsWith(QLatin1String("dc")))
        return -1;
    return QString(QLatin1String("SHDC")).indexOf(shipped[0]);
}

bool inlineTag(QStringView name) {
    static const char* const names[] = {"A",    "B",    "I",     "U",      "EM",   "STRONG",
                                        "FONT", "SPAN", "SMALL", "BIG",    "SUP",  "SUB",
                                        "TT",   "CODE", "S",     "STRIKE", "NOBR", "BASEFONT"};
    for (const char* n : names)
        if (name.compare(QLatin1StringView(n), Qt::CaseInsensitive) == 0) return true;
    return false;
}

QChar entityChar(QStringView e) {
    // e is "&name;" or "&#n;" / "&#xh;" (";" optional for numbers).
    QStringView body = e.mid(1);
    if (body.endsWith(QLatin1Char(';'))) body.chop(1);
    char32_t code = 0;
    if (body.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        code = (body.size() > 1 && (body[1] == u'x' || body[1] == u'X'))
                   ? body.mid(2).toUInt(&ok, 16)
                   : body.mid(1).toUInt(&ok, 10);
        if (!ok) return QChar(kOther);
    } else if (body == u"spades")
        code = 0x2660;
    else if (body == u"hearts")
        code = 0x2665;
    else if (body == u"diams")
        code = 0x2666;
    else if (body == u"clubs")
        code = 0x2663;
    else if (body == u"nbsp")
        code = ' ';
    else if (body == u"mdash" || body == u"ndash")
        code = kLongDash;
    else if (body == u"amp")
        code = '&';
    else
        return QChar(kOther);
    if (const int suit = suitOfSymbol(code); suit >= 0) return QChar(char16_t(kMark + suit));
    if (code == 0xA0 || code == ' ') return QLatin1Char(' ');
    if (code == 0x2013 || code == 0x2014) return QChar(kLongDash);
    if (code < 0x10000) return QChar(char16_t(code));
    return QChar(kOther);
}

Stream readStream(const QString& text) {
    Stream s;
    html::Reader reader(text);
    html::Token t;
    std::vector<int> tables;
    int nextTable = 0;
    auto current = [&] { return tables.empty() ? -1 : tables.back(); };
    while (reader.next(t)) {
        switch (t.kind) {
        case html::Kind::Text:
            for (qsizetype i = t.start; i < t.end; ++i) {
                QChar c = text[i];
                if (const int suit = suitOfSymbol(c.unicode()); suit >= 0)
                    c = QChar(char16_t(kMark + suit));
                else if (c == QChar(0x2013) || c == QChar(0x2014))
                    c = QChar(kLongDash);
                else if (c.isSpace())
                    c = QLatin1Char(' ');
                s.add(c, i, i + 1, current());
            }
            break;
        case html::Kind::Entity:
            s.add(entityChar(QStringView(text).mid(t.start, t.end - t.start)), t.start, t.end,
                  current());
            break;
        case html::Kind::StartTag:
        case html::Kind::EndTag: {
            const bool start = t.kind == html::Kind::StartTag;
            if (t.named(QLatin1StringView("TABLE"))) {
                if (start)
                    tables.push_back(nextTable++);
                else if (!tables.empty())
                    tables.pop_back();
                s.add(QChar(kBoundary), t.start, t.end, current());
            } else if (t.named(QLatin1StringView("IMG"))) {
                const int suit = suitOfImage(QStringView(text).mid(t.start, t.end - t.start));
                s.add(suit >= 0 ? QChar(char16_t(kMark + suit)) : QChar(kOther), t.start, t.end,
                      current());
            } else if (t.named(QLatin1StringView("BR"))) {
                s.add(QLatin1Char('\n'), t.start, t.end, current());
            } else if (!inlineTag(t.name)) {
                s.add(QChar(kBoundary), t.start, t.end, current());
            }
            break;
        }
        default:
            s.add(QChar(kBoundary), t.start, t.end, current());
            break;
        }
    }
    return s;
}

bool isMark(QChar c) {
    return c.unicode() >= kMark && c.unicode() < kMark + 4;
}
int markSuit(QChar c) {
    return c.unicode() - kMark;
}
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\n');
}
bool isPunctuation(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',') || c == QLatin1Char(';') ||
           c == QLatin1Char(':') || c == QLatin1Char('!') || c == QLatin1Char('?') ||
           c == QLatin1Char(')');
}

// In an article only capitals are ranks: "a" and "k" are words.
int rankOf(QChar c) {
    return rankOfLetter(c);
}
bool isSmall(QChar c) {
    return c == QLatin1Char('x') || c == QLatin1Char('X');
}
bool isVoidDash(QChar c) {
    return c == QLatin1Char('-') || c == QChar(kLongDash);
}

// A card of a hand, with where it is written.
struct Card {
    int suit = 0, rank = 0; // rank 0: a small card ("x")
    qsizetype at = 0;       // stream position
    qsizetype length = 1;   // "10" is two
};

struct ReadHand {
    std::vector<Card> cards;
    std::vector<qsizetype> badRanks; // stream positions
    qsizetype start = 0, end = 0;    // stream range
    int table = -1;
};

// What a holding's characters [from, to) hold.
struct HoldingScan {
    int ranks = 0, bad = 0, voids = 0;
};
HoldingScan scanHolding(const QString& s, qsizetype from, qsizetype to) {
    HoldingScan h;
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('1') && i + 1 < to && s[i + 1] == QLatin1Char('0')) {
            ++h.ranks;
            ++i;
        } else if (rankOf(c) || isSmall(c))
            ++h.ranks;
        else if (isVoidDash(c))
            ++h.voids;
        else if (c != QLatin1Char(' '))
            ++h.bad;
    }
    return h;
}

void addHolding(const QString& s, qsizetype from, qsizetype to, int suit, ReadHand& hand) {
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char(' ') || isVoidDash(c)) continue;
        if (c == QLatin1Char('1') && i + 1 < to && s[i + 1] == QLatin1Char('0')) {
            hand.cards.push_back({suit, 10, i, 2});
            ++i;
        } else if (const int r = rankOf(c))
            hand.cards.push_back({suit, r, i, 1});
        else if (isSmall(c))
            hand.cards.push_back({suit, 0, i, 1});
        else
            hand.badRanks.push_back(i);
    }
}

// The holding after a suit mark at `mark`: the first word (attached or
// after blanks on the same line), then further words of ranks only.
// Returns [from, to) of the holding, or nullopt when the text after the
// mark is no holding.
std::optional<std::pair<qsizetype, qsizetype>> holdingAfter(const QString& s, qsizetype mark) {
    qsizetype i = mark + 1;
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    const qsizetype from = i;
    auto wordEnd = [&](qsizetype at) {
        while (at < s.size() && !isBlank(s[at]) && !isMark(s[at]) && s[at] != QChar(kBoundary))
            ++at;
        return at;
    };
    qsizetype to = wordEnd(i);
    while (to > from && isPunctuation(s[to - 1]))
        --to;
    // Make Symbols For Hands leaves a void empty: "S AKQ2 h D 987 ...".
    if (to == from) return std::pair{from, from};
    const HoldingScan first = scanHolding(s, from, to);
    if ((first.ranks == 0 && first.voids == 0) || first.bad > 2) return std::nullopt;
    // Cards written apart: "A K 10 7".
    for (;;) {
        qsizetype j = to;
        if (j >= s.size() || s[j] != QLatin1Char(' ')) break;
        while (j < s.size() && s[j] == QLatin1Char(' '))
            ++j;
        const qsizetype e = wordEnd(j);
        const HoldingScan more = scanHolding(s, j, e);
        if (e == j || more.bad || more.voids || !more.ranks) break;
        to = e;
    }
    return std::pair{from, to};
}

// A hand of four suit-marked holdings starting at the spade mark `at`.
std::optional<ReadHand> markedHand(const Stream& st, qsizetype at) {
    const QString& s = st.chars;
    ReadHand hand;
    hand.start = at;
    hand.table = st.table[at];
    qsizetype i = at;
    for (int suit = 0; suit < 4; ++suit) {
        if (i >= s.size() || !isMark(s[i]) || markSuit(s[i]) != suit) return std::nullopt;
        const auto holding = holdingAfter(s, i);
        if (!holding) return std::nullopt;
        addHolding(s, holding->first, holding->second, suit, hand);
        hand.end = holding->second;
        i = holding->second;
        if (suit < 3)
            while (i < s.size() && isBlank(s[i]))
                ++i;
    }
    if (hand.cards.empty() && hand.badRanks.empty()) return std::nullopt;
    return hand;
}

// A hand in the dash notation in the word [from, to).
std::optional<ReadHand> dashHand(const Stream& st, qsizetype from, qsizetype to) {
    const QString& s = st.chars;
    while (to > from && isPunctuation(s[to - 1]))
        --to;
    std::vector<qsizetype> dashes;
    for (qsizetype i = from; i < to; ++i)
        if (s[i] == QLatin1Char('-')) dashes.push_back(i);
    if (dashes.size() != 3) return std::nullopt;
    int ranks = 0, bad = 0;
    bool honour = false;
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('-')) continue;
        if (c == QLatin1Char('1') && i + 1 < to && s[i + 1] == QLatin1Char('0')) {
            ++ranks;
            honour = true;
            ++i;
        } else if (rankOf(c) || isSmall(c)) {
            ++ranks;
            honour = honour || rankOf(c) >= 10;
        } else
            ++bad;
    }
    if (ranks < 9 || !honour || bad > 1) return std::nullopt;
    ReadHand hand;
    hand.start = from;
    hand.end = to;
    hand.table = st.table[from];
    qsizetype f = from;
    for (int suit = 0; suit < 4; ++suit) {
        const qsizetype e = suit < 3 ? dashes[suit] : to;
        addHolding(s, f, e, suit, hand);
        f = e + 1;
    }
    return hand;
}

class Checker {
  public:
    explicit Checker(const QString& text) : st_(readStream(text)) {}

    QList<NotationFinding> run() {
        readHands();
        checkDeals();
        readAuctions();
        std::stable_sort(
            findings_.begin(), findings_.end(),
            [](const NotationFinding& a, const NotationFinding& b) { return a.start < b.start; });
        return findings_;
    }

  private:
    void find(qsizetype from, qsizetype to, const QString& message) {
        // Stream positions [from, to) to the source.
        if (to <= from) to = from + 1;
        findings_.push_back({st_.from[from], st_.to[to - 1], message});
    }

    void readHands() {
        const QString& s = st_.chars;
        qsizetype i = 0;
        while (i < s.size()) {
            if (isMark(s[i]) && markSuit(s[i]) == Spades) {
                if (auto hand = markedHand(st_, i)) {
                    i = hand->end;
                    hands_.push_back(std::move(*hand));
                    continue;
                }
                ++i;
                continue;
            }
            // A word: a dash hand, or a PBN deal string.
            if (isBlank(s[i]) || isMark(s[i]) || s[i] == QChar(kBoundary)) {
                ++i;
                continue;
            }
            qsizetype e = i;
            while (e < s.size() && !isBlank(s[e]) && !isMark(s[e]) && s[e] != QChar(kBoundary))
                ++e;
            if (e - i >= 3 && s[i + 1] == QLatin1Char(':') &&
                QString(QLatin1String("NESW")).contains(s[i]) &&
                (i == 0 || !s[i - 1].isLetterOrNumber())) {
                e = pbnDeal(i, e);
            } else if (auto hand = dashHand(st_, i, e)) {
                hands_.push_back(std::move(*hand));
            }
            i = e;
        }
    }

    // A PBN deal string from `at` (its first hand ends at `firstEnd`): the
    // seat and three more words. Returns where reading goes on.
    qsizetype pbnDeal(qsizetype at, qsizetype firstEnd) {
        const QString& s = st_.chars;
        qsizetype e = firstEnd;
        for (int word = 1; word < 4; ++word) {
            qsizetype j = e;
            while (j < s.size() && s[j] == QLatin1Char(' '))
                ++j;
            qsizetype k = j;
            while (k < s.size() && !isBlank(s[k]) && !isMark(s[k]) && s[k] != QChar(kBoundary))
                ++k;
            if (k == j) break;
            e = k;
        }
        const QStringView written = QStringView(s).mid(at, e - at);
        // Only what looks like a deal string: dots between holdings.
        if (written.count(QLatin1Char('.')) < 3) return firstEnd;
        QStringView trimmed = written;
        while (!trimmed.isEmpty() && isPunctuation(trimmed.back()) &&
               trimmed.back() != QLatin1Char('.'))
            trimmed.chop(1);
        // A full stop after the last hand ends the sentence, not a suit.
        const QStringView lastHand = trimmed.mid(trimmed.lastIndexOf(QLatin1Char(' ')) + 1);
        if (trimmed.endsWith(QLatin1Char('.')) && lastHand.count(QLatin1Char('.')) > 3)
            trimmed.chop(1);
        const DealReading reading = readDeal(trimmed);
        if (!reading.ok()) find(at, at + trimmed.size(), ql("PBN deal: ") + reading.error);
        return e;
    }

    void checkDeals() {
        // The hands of one table are one deal; a table of more than four
        // hands holds several deals and is checked hand by hand.
        std::map<int, std::vector<const ReadHand*>> byTable;
        for (const ReadHand& h : hands_) {
            int count = int(h.cards.size());
            if (count != 13)
                find(h.start, h.end,
                     ql("This hand holds ") + QString::number(count) + ql(" cards, not 13."));
            for (const qsizetype bad : h.badRanks)
                find(bad, bad + 1,
                     QLatin1Char('"') + st_.chars[bad] +
                         ql("\" is not a rank (AKQJT98765432, 10 or x)."));
            if (h.table >= 0) byTable[h.table].push_back(&h);
        }
        for (const ReadHand& h : hands_) {
            const auto it = h.table >= 0 ? byTable.find(h.table) : byTable.end();
            const bool shared =
                it != byTable.end() && it->second.size() <= 4 && it->second.front() != &h;
            if (shared) continue; // checked with the first hand of its table
            std::vector<const ReadHand*> deal{&h};
            if (it != byTable.end() && it->second.size() <= 4) deal = it->second;
            checkTwice(deal);
        }
    }

    void checkTwice(const std::vector<const ReadHand*>& deal) {
        Holding seen[4] = {};
        for (const ReadHand* h : deal)
            for (const Card& c : h->cards) {
                if (!c.rank) continue;
                const Holding bit = Holding(1u << c.rank);
                if (seen[c.suit] & bit)
                    find(c.at, c.at + c.length,
                         ql("The ") + cardName(c.suit, c.rank) +
                             ql(" is named twice in this deal."));
                seen[c.suit] |= bit;
            }
    }

    // --- auctions ---

    enum class CallKind { Bid, Pass, Double, Redouble, Question };
    struct Call {
        CallKind kind = CallKind::Pass;
        int level = 0, strain = 0; // strain 0 clubs .. 3 spades, 4 notrump
        qsizetype from = 0, to = 0;
    };

    bool boundaryAt(qsizetype at) const {
        const QString& s = st_.chars;
        return at >= s.size() || !s[at].isLetterOrNumber();
    }
    bool wordAt(qsizetype at, const char* w) const {
        return QStringView(st_.chars).mid(at).startsWith(QLatin1String(w)) &&
               boundaryAt(at + qsizetype(qstrlen(w)));
    }

    // One call at `at`; its end, or -1.
    qsizetype readCall(qsizetype at, Call& call, bool& bid) const {
        const QString& s = st_.chars;
        if (at >= s.size()) return -1;
        if (s[at] == QLatin1Char('(')) {
            // One pair of parentheses: a call inside no deeper.
            if (at + 1 >= s.size() || s[at + 1] == QLatin1Char('(')) return -1;
            const qsizetype inner = readCall(at + 1, call, bid);
            if (inner < 0 || inner >= s.size() || s[inner] != QLatin1Char(')')) return -1;
            call.from = at;
            call.to = inner + 1;
            return inner + 1;
        }
        call.from = at;
        if (s[at] >= QLatin1Char('1') && s[at] <= QLatin1Char('9')) {
            const qsizetype st = at + 1;
            int strain = -1;
            qsizetype end = -1;
            if (st < s.size() && isMark(s[st])) {
                strain = 3 - markSuit(s[st]);
                end = st + 1;
            } else if (wordAt(st, "NT")) {
                strain = 4;
                end = st + 2;
            } else {
                static const char* const letters[] = {"C", "D", "H", "S", "N"};
                for (int k = 0; k < 5; ++k)
                    if (wordAt(st, letters[k])) {
                        strain = k;
                        end = st + 1;
                        break;
                    }
            }
            if (end < 0 || !boundaryAt(end)) return -1;
            call.kind = CallKind::Bid;
            call.level = s[at].digitValue();
            call.strain = strain;
            call.to = end;
            bid = true;
            return end;
        }
        if (s[at] == QLatin1Char('?')) {
            call.kind = CallKind::Question;
            call.to = at + 1;
            return at + 1;
        }
        static const struct {
            const char* word;
            CallKind kind;
        } words[] = {{"Pass", CallKind::Pass},     {"P", CallKind::Pass},
                     {"XX", CallKind::Redouble},   {"X", CallKind::Double},
                     {"Dbl", CallKind::Double},    {"D", CallKind::Double},
                     {"Rdbl", CallKind::Redouble}, {"R", CallKind::Redouble}};
        for (const auto& w : words)
            if (wordAt(at, w.word)) {
                call.kind = w.kind;
                call.to = at + qsizetype(qstrlen(w.word));
                return call.to;
            }
        return -1;
    }

    qsizetype separator(qsizetype at) const {
        const QString& s = st_.chars;
        qsizetype i = at;
        while (i < s.size() && s[i] == QLatin1Char(' '))
            ++i;
        if (i >= s.size() || (s[i] != QLatin1Char('-') && s[i] != QLatin1Char(','))) return -1;
        ++i;
        while (i < s.size() && s[i] == QLatin1Char(' '))
            ++i;
        return i;
    }

    void readAuctions() {
        const QString& s = st_.chars;
        qsizetype i = 0;
        while (i < s.size()) {
            const bool mayBegin = i == 0 || isBlank(s[i - 1]) || s[i - 1] == QChar(kBoundary);
            if (!mayBegin) {
                ++i;
                continue;
            }
            std::vector<Call> calls;
            bool anyBid = false;
            Call call;
            qsizetype end = readCall(i, call, anyBid);
            if (end < 0) {
                ++i;
                continue;
            }
            calls.push_back(call);
            for (;;) {
                const qsizetype next = separator(end);
                if (next < 0) break;
                const qsizetype after = readCall(next, call, anyBid);
                if (after < 0) break;
                calls.push_back(call);
                end = after;
            }
            if (calls.size() >= 2 && anyBid) checkAuction(calls);
            i = end;
        }
    }

    static QString bidText(const Call& c) {
        static const char* const strains[] = {"C", "D", "H", "S", "NT"};
        return QString::number(c.level) + ql(strains[c.strain]);
    }

    void checkAuction(const std::vector<Call>& calls) {
        int lastBid = -1;   // index of the last bid
        int doubledBy = -1; // index of the double of the last bid
        bool redoubled = false;
        int passes = 0;
        bool over = false;
        for (int i = 0; i < int(calls.size()); ++i) {
            const Call& c = calls[i];
            if (c.kind == CallKind::Question) break;
            if (over) {
                find(c.from, c.to,
                     c.kind == CallKind::Pass
                         ? ql("More than three passes in a row after a bid: the auction was over.")
                         : ql("A call after the auction was over (three passes after a bid)."));
                return;
            }
            switch (c.kind) {
            case CallKind::Bid:
                if (c.level > 7)
                    find(c.from, c.to, ql("No bid goes above the seven level."));
                else if (lastBid >= 0 &&
                         (c.level < calls[lastBid].level ||
                          (c.level == calls[lastBid].level && c.strain <= calls[lastBid].strain)))
                    find(c.from, c.to,
                         bidText(c) + ql(" is not higher than the bid before it, ") +
                             bidText(calls[lastBid]) + QLatin1Char('.'));
                lastBid = i;
                doubledBy = -1;
                redoubled = false;
                passes = 0;
                break;
            case CallKind::Double:
                if (lastBid < 0)
                    find(c.from, c.to, ql("A double with no bid to double."));
                else if ((i - lastBid) % 2 == 0)
                    find(c.from, c.to, ql("A double of partner's bid."));
                else if (doubledBy >= 0)
                    find(c.from, c.to, ql("A double of a bid already doubled."));
                doubledBy = i;
                passes = 0;
                break;
            case CallKind::Redouble:
                if (doubledBy < 0)
                    find(c.from, c.to, ql("A redouble without a double."));
                else if (redoubled)
                    find(c.from, c.to, ql("A redouble of a bid already redoubled."));
                else if ((i - doubledBy) % 2 == 0)
                    find(c.from, c.to, ql("A redouble of partner's double."));
                redoubled = true;
                passes = 0;
                break;
            case CallKind::Pass:
                ++passes;
                if ((lastBid >= 0 && passes == 3) || passes == 4) over = true;
                break;
            case CallKind::Question:
                break;
            }
        }
    }

    Stream st_;
    std::vector<ReadHand> hands_;
    QList<NotationFinding> findings_;
};

} // namespace

QList<NotationFinding> checkNotation(const QString& html) {
    return Checker(html).run();
}

std::optional<Hand> readWrittenHand(const QString& html) {
    const Stream st = readStream(html);
    const QString& s = st.chars;
    std::optional<ReadHand> read;
    for (qsizetype i = 0; i < s.size() && !read; ++i) {
        if (isMark(s[i]) && markSuit(s[i]) == Spades)
            read = markedHand(st, i);
        else if (!isBlank(s[i]) && !isMark(s[i]) && s[i] != QChar(kBoundary)) {
            qsizetype e = i;
            while (e < s.size() && !isBlank(s[e]) && !isMark(s[e]) && s[e] != QChar(kBoundary))
                ++e;
            read = dashHand(st, i, e);
            i = e;
        }
    }
    if (!read || !read->badRanks.empty()) return std::nullopt;
    Hand hand;
    hand.given = true;
    for (const Card& c : read->cards) {
        if (!c.rank) return std::nullopt;
        hand.suits[c.suit] |= Holding(1u << c.rank);
    }
    return hand;
}

} // namespace deal
