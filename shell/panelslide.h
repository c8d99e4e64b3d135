#pragma once

#include "platform/simplecontrols.h"
#include "platform/system.h"

#include <climits>
#include <functional>

namespace shell {

// Where a sliding panel stands, kept in twips by the slide itself. The
// panel stands on whole pixels and reports its place rounded to one, so a
// slide that read the place back before every move lost up to half a pixel
// a move and stopped short (105 moves of 1.47 pixels went 105 pixels rather
// than 154). A slide works from the place it last gave instead, so the
// rounding happens once for each move and never adds up.
class PanelSlide {
  public:
    // The panel's left edge: the one last given, while the panel still
    // stands where that put it; what the panel reports once something
    // else has moved it.
    int left(const platform::Panel& panel) const {
        return panel.left() == shownLeft_ ? givenLeft_ : panel.left();
    }
    void moveTo(platform::Panel& panel, int twips) {
        panel.setLeft(twips);
        givenLeft_ = twips;
        shownLeft_ = panel.left();
    }

  private:
    int givenLeft_ = 0;
    int shownLeft_ = INT_MIN;
};

// Slides a panel sideways in frames shown one after another from a timer,
// so that the window is drawn and keeps answering while the panel moves:
// `moves` moves of `step` twips (negative: to the left), `movesPerFrame` of
// them in each frame, a frame every kFrameMs. The first frame is made at
// once. Without a timer the panel goes the whole way at once.
class PanelSlider {
  public:
    static constexpr int kFrameMs = 20;

    explicit PanelSlider(platform::Timer* timer);
    // Stops the timer and takes back its callback: nothing reaches a
    // slider that is gone.
    ~PanelSlider();
    PanelSlider(const PanelSlider&) = delete;
    PanelSlider& operator=(const PanelSlider&) = delete;

    // Slides `panel` from where the last slide (or moveTo) put it. A slide
    // still running stops where it stands, and its `finished` never runs;
    // this one's runs after its last frame.
    void start(platform::Panel& panel, int step, int moves, int movesPerFrame,
               std::function<void()> finished = {});
    bool running() const { return panel_ != nullptr; }
    // Puts the panel where the running slide ends, at once, and runs its
    // `finished`.
    void finish();

    int left(const platform::Panel& panel) const { return place_.left(panel); }
    void moveTo(platform::Panel& panel, int twips) { place_.moveTo(panel, twips); }

  private:
    void frame();

    platform::Timer* timer_;
    PanelSlide place_;
    platform::Panel* panel_ = nullptr;
    int from_ = 0;
    int step_ = 0;
    int moves_ = 0;
    int movesPerFrame_ = 1;
    int done_ = 0;
    std::function<void()> finished_;
};

} // namespace shell
