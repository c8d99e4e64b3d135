#include "tests/fakes/fakeservices.h"

#include "platform/window.h"

namespace fakes {

using platform::Answer;
using platform::Buttons;

Answer FakeDialogs::message(const QString& text, Buttons buttons, const QString& title) {
    messages.push_back({text, buttons, title});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (answers.empty()) {
        unexpected << text;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> FakeDialogs::input(const QString& prompt, const QString&, const QString&) {
    if (inputs.empty()) {
        unexpected << prompt;
        return std::nullopt;
    }
    auto a = inputs.front();
    inputs.pop_front();
    return a;
}

std::optional<platform::FileChoice> FakeDialogs::openFile(const QString& title,
                                                          const QString& initialName) {
    fileDialogs << title + QLatin1Char('|') + initialName;
    if (files.empty()) return std::nullopt;
    auto a = files.front();
    files.pop_front();
    return a;
}

std::optional<platform::FileChoice> FakeDialogs::saveFile(const QString& title,
                                                          const QString& initialName) {
    return openFile(title, initialName);
}

std::optional<platform::FileChoice>
FakeDialogs::chooseFile(const QString& title, const QString& initialName, const QString&, bool) {
    return openFile(title, initialName);
}

std::optional<int> FakeDialogs::chooseColor(int, int) {
    if (colors.empty()) return std::nullopt;
    auto a = colors.front();
    colors.pop_front();
    return a;
}

std::optional<platform::FontChoice> FakeDialogs::chooseFont(int) {
    return std::nullopt;
}

QStringList FakeDialogs::messageTexts() const {
    QStringList out;
    for (const auto& m : messages)
        out << m.text;
    return out;
}

int FakeMonitorSystem::getSystemMetrics(int metric) const {
    QRect virt;
    for (const auto& m : monitors)
        virt = virt.united(m.rect);
    switch (metric) {
    case SM_CMONITORS:
        return int(monitors.size());
    case SM_XVIRTUALSCREEN:
        return virt.x();
    case SM_YVIRTUALSCREEN:
        return virt.y();
    case SM_CXVIRTUALSCREEN:
        return virt.width();
    case SM_CYVIRTUALSCREEN:
        return virt.height();
    default:
        return 0;
    }
}

long long FakeMonitorSystem::monitorFromWindow() const {
    const QPoint centre((window_->left() + window_->width() / 2) / 15,
                        (window_->top() + window_->height() / 2) / 15);
    long long best = 0;
    long long bestDistance = -1;
    for (const auto& m : monitors) {
        const QRect& g = m.rect;
        const int dx =
            centre.x() < g.left() ? g.left() - centre.x() : std::max(0, centre.x() - g.right());
        const int dy =
            centre.y() < g.top() ? g.top() - centre.y() : std::max(0, centre.y() - g.bottom());
        const long long d = 1LL * dx * dx + 1LL * dy * dy;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = m.handle;
        }
    }
    return best;
}

void FakeMonitorSystem::enumDisplayMonitors(
    const std::function<bool(long long, const QRect&)>& proc) const {
    for (const auto& m : monitors)
        if (!proc(m.handle, m.rect)) break;
}

} // namespace fakes
