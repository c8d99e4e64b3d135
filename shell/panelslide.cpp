#include "shell/panelslide.h"

#include <algorithm>
#include <utility>

namespace shell {

PanelSlider::PanelSlider(platform::Timer* timer) : timer_(timer) {
    if (timer_) timer_->onTimeout = [this] { frame(); };
}

PanelSlider::~PanelSlider() {
    if (!timer_) return;
    timer_->stop();
    timer_->onTimeout = nullptr;
}

void PanelSlider::start(platform::Panel& panel, int step, int moves, int movesPerFrame,
                        std::function<void()> finished) {
    if (timer_) timer_->stop();
    panel_ = &panel;
    from_ = place_.left(panel);
    step_ = step;
    moves_ = std::max(0, moves);
    movesPerFrame_ = std::max(1, movesPerFrame);
    done_ = 0;
    finished_ = std::move(finished);
    frame();
    while (!timer_ && running())
        frame();
}

void PanelSlider::finish() {
    if (!running()) return;
    if (timer_) timer_->stop();
    movesPerFrame_ = moves_;
    frame();
}

void PanelSlider::frame() {
    if (!panel_) return;
    done_ = std::min(moves_, done_ + movesPerFrame_);
    // Each frame's place is counted from the start, never from the last frame.
    place_.moveTo(*panel_, from_ + done_ * step_);
    if (done_ < moves_) {
        if (timer_) timer_->start(kFrameMs);
        return;
    }
    panel_ = nullptr;
    // The callback may start another slide on this slider.
    const std::function<void()> finished = std::exchange(finished_, nullptr);
    if (finished) finished();
}

} // namespace shell
