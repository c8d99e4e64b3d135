#include "deal/pbn.h"

#include <bit>

namespace deal {
namespace {

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

// Ranks in PBN are read in either case.
int rankOf(QChar c) {
    return rankOfLetter(c.toUpper());
}

std::optional<Seat> seatOf(QChar c) {
    switch (c.toUpper().unicode()) {
    case 'N':
        return North;
    case 'E':
        return East;
    case 'S':
        return South;
    case 'W':
        return West;
    default:
        return std::nullopt;
    }
}

// Reads one hand ("AKQ2.J103.987.K54" or "-") into `hand`; an error text
// when it is not one.
QString readHand(QStringView text, Seat seat, Hand& hand) {
    if (text == u"-") return {};
    hand.given = true;
    int suit = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.')) {
            if (++suit > 3)
                return seatName(seat) + ql("'s hand has more than four suits (three dots at most)");
            continue;
        }
        int rank = rankOf(c);
        if (!rank && c == QLatin1Char('1') && i + 1 < text.size() &&
            text[i + 1] == QLatin1Char('0')) {
            rank = 10; // as articles write it; PBN writes T
            ++i;
        }
        if (!rank) {
            return QLatin1Char('"') + c + ql("\" in ") + seatName(seat) +
                   ql("'s hand is not a rank (AKQJT98765432)");
        }
        const Holding bit = Holding(1u << rank);
        if (hand.suits[suit] & bit)
            return ql("the ") + cardName(suit, rank) + ql(" is named twice in ") + seatName(seat) +
                   ql("'s hand");
        hand.suits[suit] |= bit;
    }
    if (suit != 3)
        return seatName(seat) + ql("'s hand has ") + QString::number(suit + 1) +
               ql(" suits; a hand is four holdings joined by dots");
    if (hand.cards() > 13)
        return seatName(seat) + ql(" holds ") + QString::number(hand.cards()) +
               ql(" cards, more than 13");
    return {};
}

} // namespace

int Hand::cards() const {
    int n = 0;
    for (const Holding h : suits)
        n += std::popcount(unsigned(h));
    return n;
}

int Deal::cards() const {
    int n = 0;
    for (const Hand& h : hands)
        n += h.cards();
    return n;
}

QString seatName(Seat seat) {
    static const char* const names[] = {"North", "East", "South", "West"};
    return ql(names[seat]);
}

QChar seatLetter(Seat seat) {
    return QLatin1Char("NESW"[seat]);
}

QString vulnerabilityName(Vulnerability v) {
    switch (v) {
    case Vulnerability::None:
        return ql("None");
    case Vulnerability::NorthSouth:
        return ql("N-S");
    case Vulnerability::EastWest:
        return ql("E-W");
    case Vulnerability::Both:
        return ql("Both");
    }
    return {};
}

QString cardName(int suit, int rank) {
    static const char* const suits[] = {"spades", "hearts", "diamonds", "clubs"};
    static const char* const honours[] = {"ten", "jack", "queen", "king", "ace"};
    const QString r = rank >= 10 && rank <= 14 ? ql(honours[rank - 10]) : QString::number(rank);
    return r + ql(" of ") + ql(suits[suit & 3]);
}

int rankOfLetter(QChar c) {
    switch (c.unicode()) {
    case 'A':
        return 14;
    case 'K':
        return 13;
    case 'Q':
        return 12;
    case 'J':
        return 11;
    case 'T':
        return 10;
    default:
        break;
    }
    if (c >= QLatin1Char('2') && c <= QLatin1Char('9')) return c.digitValue();
    return 0;
}

QChar rankLetter(int rank) {
    if (rank < 2 || rank > 14) return QLatin1Char('?');
    return QLatin1Char("23456789TJQKA"[rank - 2]);
}

DealReading readDeal(QStringView text) {
    DealReading r;
    text = text.trimmed();
    Seat first = North;
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        const QStringView seat = text.left(colon).trimmed();
        const auto s = seat.size() == 1 ? seatOf(seat[0]) : std::nullopt;
        if (!s) {
            r.error = ql("the deal begins with \"") + seat.toString() +
                      ql(":\", not a seat (N, E, S or W)");
            return r;
        }
        first = *s;
        text = text.mid(colon + 1).trimmed();
    }
    const QList<QStringView> hands = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (hands.size() != 4) {
        r.error = ql("a deal is four hands separated by blanks; this one has ") +
                  QString::number(hands.size());
        return r;
    }
    for (int i = 0; i < 4; ++i) {
        const Seat seat = Seat((first + i) % 4);
        r.error = readHand(hands[i], seat, r.deal.hands[seat]);
        if (!r.error.isEmpty()) return r;
    }
    // A card may stand in one hand only.
    for (int suit = 0; suit < 4; ++suit)
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                if (const Holding both =
                        r.deal.hands[a].suits[suit] & r.deal.hands[b].suits[suit]) {
                    const int rank =
                        std::bit_width(unsigned(both)) - 1; // the highest card named twice
                    r.error = ql("the ") + cardName(suit, rank) + ql(" is in both ") +
                              seatName(Seat(a)) + ql("'s and ") + seatName(Seat(b)) +
                              ql("'s hands");
                    return r;
                }
    return r;
}

QString dealString(const Deal& deal, Seat first) {
    QString out = QString(seatLetter(first)) + QLatin1Char(':');
    for (int i = 0; i < 4; ++i) {
        const Hand& hand = deal.hands[(first + i) % 4];
        if (i) out += QLatin1Char(' ');
        if (!hand.given) {
            out += QLatin1Char('-');
            continue;
        }
        for (int suit = 0; suit < 4; ++suit) {
            if (suit) out += QLatin1Char('.');
            for (int rank = 14; rank >= 2; --rank)
                if (hand.suits[suit] & (1u << rank)) out += rankLetter(rank);
        }
    }
    return out;
}

QString PbnProblem::text() const {
    QString where = board.isEmpty() ? QString() : ql("board ") + board + ql(", ");
    return where + ql("line ") + QString::number(line) + ql(": ") + message;
}

namespace {

struct Tag {
    QString name, value;
    int line = 0;
};

// Splits a file into games of tags: comments, "%" lines and the data lines
// of sections are dropped; a blank line ends a game.
class TagReader {
  public:
    explicit TagReader(QStringView text) : text_(text) {}

    // The next game's tags; false when the file holds no more. Tags that are
    // not [Name "value"] become problems.
    bool nextGame(QList<Tag>& tags, QList<PbnProblem>& problems) {
        tags.clear();
        const qsizetype problemsBefore = problems.size();
        auto anything = [&] { return !tags.isEmpty() || problems.size() > problemsBefore; };
        while (pos_ < text_.size()) {
            const qsizetype eol = lineEnd();
            const QStringView line = text_.mid(pos_, eol - pos_);
            const int lineNo = line_;
            advance(eol);
            if (line.trimmed().isEmpty()) {
                if (anything()) return true;
                continue;
            }
            if (line.startsWith(QLatin1Char('%'))) continue;
            readLine(line, lineNo, tags, problems);
            // A [Board] tag where the game already has one starts the next game.
            if (tags.size() > 1 && tags.last().name == u"Board") {
                for (qsizetype i = 0; i + 1 < tags.size(); ++i)
                    if (tags[i].name == u"Board") {
                        pending_ = tags.takeLast();
                        return true;
                    }
            }
        }
        return anything();
    }

    void takePending(QList<Tag>& tags) {
        if (pending_) tags.prepend(*std::exchange(pending_, std::nullopt));
    }

  private:
    qsizetype lineEnd() const {
        qsizetype i = pos_;
        while (i < text_.size() && text_[i] != QLatin1Char('\n') && text_[i] != QLatin1Char('\r'))
            ++i;
        return i;
    }
    void advance(qsizetype eol) {
        pos_ = eol;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\r')) ++pos_;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\n')) ++pos_;
        ++line_;
    }

    void readLine(QStringView line, int lineNo, QList<Tag>& tags, QList<PbnProblem>& problems) {
        qsizetype i = 0;
        while (i < line.size()) {
            const QChar c = line[i];
            if (inBrace_) {
                if (c == QLatin1Char('}')) inBrace_ = false;
                ++i;
            } else if (c == QLatin1Char('{')) {
                inBrace_ = true;
                ++i;
            } else if (c == QLatin1Char(';')) {
                return;
            } else if (c == QLatin1Char('[')) {
                i = readTag(line, i, lineNo, tags, problems);
            } else {
                ++i; // data of a section (auction, play, tables): not read
            }
        }
    }

    // [Name "value"] from `at`; returns where reading goes on.
    qsizetype readTag(QStringView line, qsizetype at, int lineNo, QList<Tag>& tags,
                      QList<PbnProblem>& problems) {
        qsizetype i = at + 1;
        auto bad = [&] {
            problems.push_back(
                {{},
                 lineNo,
                 ql("a tag is written [Name \"value\"]: ") + line.mid(at).trimmed().toString()});
            const qsizetype close = line.indexOf(QLatin1Char(']'), at);
            return close < 0 ? line.size() : close + 1;
        };
        while (i < line.size() && line[i] == QLatin1Char(' '))
            ++i;
        const qsizetype nameStart = i;
        while (i < line.size() && (line[i].isLetterOrNumber() || line[i] == QLatin1Char('_')))
            ++i;
        if (i == nameStart) return bad();
        Tag tag{line.mid(nameStart, i - nameStart).toString(), {}, lineNo};
        while (i < line.size() && line[i] == QLatin1Char(' '))
            ++i;
        if (i >= line.size() || line[i] != QLatin1Char('"')) return bad();
        ++i;
        bool closed = false;
        while (i < line.size()) {
            if (line[i] == QLatin1Char('\\') && i + 1 < line.size()) {
                tag.value += line[i + 1];
                i += 2;
            } else if (line[i] == QLatin1Char('"')) {
                closed = true;
                ++i;
                break;
            } else {
                tag.value += line[i++];
            }
        }
        while (i < line.size() && line[i] == QLatin1Char(' '))
            ++i;
        if (!closed || i >= line.size() || line[i] != QLatin1Char(']')) return bad();
        tags.push_back(std::move(tag));
        return i + 1;
    }

    QStringView text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    bool inBrace_ = false;
    std::optional<Tag> pending_;
};

std::optional<Vulnerability> vulnerabilityOf(const QString& v) {
    const QString u = v.trimmed().toUpper();
    if (u == u"NONE" || u == u"LOVE" || u == u"-") return Vulnerability::None;
    if (u == u"NS") return Vulnerability::NorthSouth;
    if (u == u"EW") return Vulnerability::EastWest;
    if (u == u"ALL" || u == u"BOTH") return Vulnerability::Both;
    return std::nullopt;
}

} // namespace

PbnFile readPbn(QStringView text) {
    PbnFile file;
    TagReader reader(text);
    QList<Tag> tags;
    QList<PbnProblem> tagProblems;
    QString lastDealer, lastVulnerable, lastDeal, lastBoard;
    while (true) {
        tags.clear();
        reader.takePending(tags);
        QList<Tag> more;
        const bool any = reader.nextGame(more, tagProblems);
        tags += more;
        if (!any && tags.isEmpty()) break;

        const Tag* boardTag = nullptr;
        const Tag* dealTag = nullptr;
        const Tag* dealerTag = nullptr;
        const Tag* vulTag = nullptr;
        for (const Tag& t : tags) {
            if (t.name == u"Board")
                boardTag = &t;
            else if (t.name == u"Deal")
                dealTag = &t;
            else if (t.name == u"Dealer")
                dealerTag = &t;
            else if (t.name == u"Vulnerable")
                vulTag = &t;
        }
        Board board;
        auto value = [](const Tag* t, QString& last) {
            if (!t) return QString();
            if (t->value != u"#") last = t->value;
            return last;
        };
        board.number = value(boardTag, lastBoard).trimmed();
        const QString dealer = value(dealerTag, lastDealer).trimmed();
        const QString vul = value(vulTag, lastVulnerable);
        const QString dealText = value(dealTag, lastDeal);
        for (PbnProblem& p : tagProblems) {
            p.board = board.number;
            file.problems.push_back(p);
        }
        tagProblems.clear();
        if (!dealTag) {
            if (boardTag)
                file.problems.push_back(
                    {board.number, boardTag->line, ql("the board has no [Deal] tag")});
            if (!any) break;
            continue;
        }
        board.line = dealTag->line;
        bool good = true;
        auto problem = [&](const Tag* t, const QString& message) {
            file.problems.push_back({board.number, t->line, message});
            good = false;
        };
        if (dealerTag && !dealer.isEmpty()) {
            board.dealer = dealer.size() == 1 ? seatOf(dealer[0]) : std::nullopt;
            if (!board.dealer)
                problem(dealerTag,
                        ql("the dealer \"") + dealer + ql("\" is not a seat (N, E, S or W)"));
        }
        if (vulTag) {
            const auto v = vulnerabilityOf(vul);
            if (!v)
                problem(vulTag,
                        ql("the vulnerability \"") + vul + ql("\" is none of None, NS, EW, All"));
            else {
                board.vulnerability = *v;
                board.vulnerabilityGiven = true;
            }
        }
        const DealReading reading = readDeal(dealText);
        if (!reading.ok()) problem(dealTag, reading.error);
        board.deal = reading.deal;
        if (good) file.boards.push_back(board);
        if (!any) break;
    }
    return file;
}

} // namespace deal
