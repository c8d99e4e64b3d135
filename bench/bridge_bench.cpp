// Bidding Suits to Symbols and Insert Bidding Font on a 1 MB article with
// 10,000 bids. Prints one figure a line (best of five runs).
#include "bridge/auctions.h"
#include "bridge/suitnotation.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>

int main() {
    QString text =
        QStringLiteral("<HTML><HEAD><TITLE>Bidding</TITLE></HEAD><BODY>\r\n<H1>Auctions</H1>\r\n");
    const QString withBids = QStringLiteral("<P>After 1C-(1D)-P-(1H), 1S West led the king; <A "
                                            "HREF=\"#n\">see note 2S</A>. 1NT-2C.</P>\r\n");
    const QString prose = QStringLiteral("<P>Declarer won the opening lead in hand, drew trumps in "
                                         "three rounds and then played on clubs.</P>\r\n");
    // withBids holds 5 bids outside links: 2,000 of them give 10,000.
    for (int i = 0; i < 2000; ++i) {
        text += withBids;
        while (text.size() < (i + 1) * 520)
            text += prose;
    }
    text += QStringLiteral("</BODY></HTML>");

    double convertMs = 1e9, auctionsMs = 1e9;
    bridge::Conversion converted;
    bridge::AuctionMarkup marked;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer t;
        t.start();
        converted = bridge::suitsToSymbols(text);
        convertMs = std::min(convertMs, t.nsecsElapsed() / 1e6);
        t.restart();
        marked = bridge::setAuctionsInBiddingFont(converted.text);
        auctionsMs = std::min(auctionsMs, t.nsecsElapsed() / 1e6);
    }
    std::printf("article_characters %lld\n", static_cast<long long>(text.size()));
    std::printf("bids_converted %d\n", converted.bids);
    std::printf("suits_to_symbols_ms %.2f\n", convertMs);
    std::printf("auctions_found %d\n", marked.auctions);
    std::printf("insert_bidding_font_ms %.2f\n", auctionsMs);
    return 0;
}
