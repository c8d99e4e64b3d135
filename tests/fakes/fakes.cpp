#include "tests/fakes/fakes.h"

#include <QRegularExpression>

namespace fakes {

QStringList FakeDialogs::messageTexts() const {
    QStringList out;
    for (const auto& m : messages)
        out << m.text;
    return out;
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

void FakeListBox::addItem(const QString& item) {
    int at = count();
    if (sorted_)
        for (at = 0; at < count() && items.at(at).compare(item, Qt::CaseInsensitive) <= 0;)
            ++at;
    items.insert(at, item);
}

FakeMenu::FakeMenu(const std::vector<platform::MenuItem>& tree) {
    for (const auto& item : tree) {
        auto e = std::make_shared<FakeMenuEntry>();
        e->visible_ = item.visible;
        e->enabled_ = item.enabled;
        e->caption_ = item.caption;
        entries_.insert(key(item.name, item.index), e);
        parents_.insert(item.name, item.parent);
    }
}

bool FakeMenu::choose(const QString& name, int index) {
    int i = index;
    for (QString n = name; !n.isEmpty(); n = parents_.value(n), i = -1)
        if (!get(n, i).enabled()) return false;
    if (onClick) onClick(name, index);
    return true;
}

} // namespace fakes
