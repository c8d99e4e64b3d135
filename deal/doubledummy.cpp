#include "deal/doubledummy.h"

namespace deal {

QString whyNotSolvable(const Deal& deal) {
    const int cards = deal.cards();
    if (cards == 52) return {};
    return QStringLiteral("The deal holds %1 cards; a double-dummy table needs all 52.").arg(cards);
}

int contractScore(int level, Strain strain, bool doubled, bool vulnerable, int tricks) {
    const int needed = level + 6;
    if (tricks < needed) {
        const int down = needed - tricks;
        if (!doubled) return -(vulnerable ? 100 : 50) * down;
        // Doubled undertricks: 200 then 300 each vulnerable; 100, 200, 200,
        // then 300 each not vulnerable.
        int penalty = 0;
        for (int i = 1; i <= down; ++i) {
            if (vulnerable) penalty += i == 1 ? 200 : 300;
            else penalty += i == 1 ? 100 : (i <= 3 ? 200 : 300);
        }
        return -penalty;
    }
    const bool minor = strain == DiamondStrain || strain == ClubStrain;
    const int perTrick = minor ? 20 : 30;
    int trickScore = perTrick * level + (strain == NoTrump ? 10 : 0);
    if (doubled) trickScore *= 2;
    int score = trickScore;
    score += trickScore >= 100 ? (vulnerable ? 500 : 300) : 50;
    if (level == 6) score += vulnerable ? 750 : 500;
    if (level == 7) score += vulnerable ? 1500 : 1000;
    if (doubled) score += 50;
    const int over = tricks - needed;
    score += over * (doubled ? (vulnerable ? 200 : 100) : perTrick);
    return score;
}

} // namespace deal
