#include "tests/fakes/fakecontrols.h"

namespace fakes {

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

platform::MenuEntry& FakeMenu::entry(const QString& name, int index) {
    auto it = entries_.find(key(name, index));
    if (it == entries_.end())
        it = entries_.insert(key(name, index), std::make_shared<FakeMenuEntry>());
    return **it;
}

bool FakeMenu::choose(const QString& name, int index) {
    QString n = name;
    int i = index;
    while (!n.isEmpty()) {
        if (!get(n, i).enabled()) return false;
        n = parents_.value(n);
        i = -1;
    }
    if (onClick) onClick(name, index);
    return true;
}

} // namespace fakes
