#include "tests/fakes/fakedealdialogs.h"

namespace fakes {

std::optional<platform::BoardChoice> FakeDealDialogs::chooseBoard(const QString& title,
                                                                  const QStringList& rows,
                                                                  bool doubleDummyOffered,
                                                                  bool doubleDummyChecked) {
    if (rows.isEmpty()) return std::nullopt;
    boardDialogs.push_back({rows, doubleDummyOffered, doubleDummyOffered && doubleDummyChecked});
    if (boardAnswers.empty()) {
        unexpected << title;
        return std::nullopt;
    }
    auto answer = boardAnswers.front();
    boardAnswers.pop_front();
    if (!answer) return std::nullopt;
    if (answer->row < 0 || answer->row >= rows.size()) {
        unexpected << QStringLiteral("%1: no row %2").arg(title).arg(answer->row);
        return std::nullopt;
    }
    answer->doubleDummy = answer->doubleDummy && doubleDummyOffered;
    return answer;
}

void FakeDealDialogs::activate(int row) {
    if (!jump_ || row < 0 || row >= findingsRows.size()) return;
    const auto jump = jump_; // the callback may replace itself
    jump(row);
}

} // namespace fakes
