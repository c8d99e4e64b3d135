#include "tests/fakes/fakesuggestionbox.h"

#include <QRegularExpression>

namespace fakes {

void FakeListBox::addItem(const QString& item) {
    if (!sorted_) {
        items << item;
        return;
    }
    int at = 0;
    while (at < count() && items.at(at).compare(item, Qt::CaseInsensitive) <= 0)
        ++at;
    items.insert(at, item);
}

FakeSuggestionBox::FakeSuggestionBox() {
    frame.setWidth(3000);
    frame.setHeight(5400);
    frame.setVisible(false);
    work.setVisible(false);
}

std::optional<QString> FakeSpellingService::check(const QString& text,
                                                  platform::SpellingError* error) {
    if (checkError) {
        if (error) *error = *checkError;
        return std::nullopt;
    }
    QString s = text;
    for (const auto& [wrong, right] : corrections)
        s.replace(QRegularExpression(QStringLiteral("\\b") + QRegularExpression::escape(wrong) +
                                     QStringLiteral("\\b")),
                  right);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    return s + QLatin1Char('\r');
}

} // namespace fakes
