#include "app/PaneLayout.h"

#include <algorithm>
#include <cmath>

namespace postling {

double PaneLayout::sizeControls(double x, double windowWidth) {
    if (hidden_)
        width_ = kHiddenWidth;
    else
        width_ = std::max(kMinWidth, std::min(x, windowWidth - kMinWidth));
    return width_;
}

double PaneLayout::barLeft(double p, double windowWidth) {
    if (p < kBarMargin)
        return kBarMargin;
    if (p > windowWidth - kBarMargin)
        return windowWidth - kBarMargin;
    return p;
}

double PaneLayout::contract(double windowWidth) {
    expanded_ = false;
    return sizeControls(savedWidth_, windowWidth);
}

double PaneLayout::hide(double windowWidth) {
    if (expanded_)
        contract(windowWidth);
    hidden_ = true;
    return sizeControls(kHiddenWidth, windowWidth);
}

double PaneLayout::show(double windowWidth) {
    if (expanded_)
        contract(windowWidth);
    hidden_ = false;
    return sizeControls(kShownWidth, windowWidth);
}

double PaneLayout::toggleExpand(double innerWidth, double windowWidth) {
    if (expanded_)
        return contract(windowWidth);
    savedWidth_ = width_;
    expanded_ = true;
    return sizeControls(std::floor(0.85 * innerWidth), windowWidth);
}

} // namespace postling
