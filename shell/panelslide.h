#pragma once

#include "platform/simplecontrols.h"

#include <climits>

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

} // namespace shell
