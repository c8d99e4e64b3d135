#include "deal/doubledummy.h"

namespace deal {

QString whyNotSolvable(const Deal& deal) {
    const int cards = deal.cards();
    if (cards == 52) return {};
    return QStringLiteral("The deal holds %1 cards; a double-dummy table needs all 52.").arg(cards);
}

} // namespace deal
