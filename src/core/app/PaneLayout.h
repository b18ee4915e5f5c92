#pragma once

namespace postling {

// The address book pane beside the browser, in twips: how wide it is, hidden, shown, expanded
// for editing, and where the splitter may be dragged.
class PaneLayout {
public:
    static constexpr double kShownWidth = 3480;
    static constexpr double kHiddenWidth = 135;
    static constexpr double kMinWidth = 750;
    static constexpr double kBarMargin = 500;

    // The pane width for a wanted width x: at least 750 and at most window width - 750 while
    // shown, 135 whatever is asked while hidden.
    double sizeControls(double x, double windowWidth);

    // Where the splitter bar is drawn while dragging to p (handle left + mouse x).
    static double barLeft(double p, double windowWidth);

    // The pane commands; each returns the new pane width.
    double hide(double windowWidth);
    double show(double windowWidth);
    double toggleExpand(double innerWidth, double windowWidth);

    bool hidden() const { return hidden_; }
    bool expanded() const { return expanded_; }
    double width() const { return width_; }

private:
    double contract(double windowWidth);

    bool hidden_ = false;
    bool expanded_ = false;
    double width_ = kShownWidth;
    double savedWidth_ = kShownWidth;
};

} // namespace postling
