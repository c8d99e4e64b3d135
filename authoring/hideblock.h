#pragma once

#include <QString>
#include <optional>

// Hide Text: a block the article's reader opens by clicking a green prompt
// and closes with a red Close link inside it.
namespace authoring {

// The block number after `counter` that the document does not use yet
// ("hide" + number + "ID" absent). nullopt past 32767, where the counter
// ends.
//   counter 0, text with hide1ID and hide2ID -> 3
std::optional<int> nextHideBlockNumber(int counter, const QString& text);

// The 15-line construct around `selected` for block `number`, each line
// ended by CR LF; `selected` is line 14, unchanged.
QString hideBlock(int number, const QString& selected);

} // namespace authoring
