#include "app/PaneLayout.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

TEST(PaneLayout, WidthsAreClampedWhileShownAndFixedWhileHidden) {
    PaneLayout pane;
    EXPECT_EQ(750, pane.sizeControls(500, 15000));
    EXPECT_EQ(14250, pane.sizeControls(20000, 15000));
    EXPECT_EQ(4000, pane.sizeControls(4000, 15000));
    pane.hide(15000);
    EXPECT_EQ(135, pane.width());
    EXPECT_EQ(135, pane.sizeControls(5000, 15000)) << "a hidden pane ignores the splitter";
    EXPECT_EQ(3480, pane.show(15000));
}

TEST(PaneLayout, TheSplitterBarStopsFiveHundredFromEitherEdge) {
    EXPECT_EQ(500, PaneLayout::barLeft(-200, 15000));
    EXPECT_EQ(14500, PaneLayout::barLeft(14900, 15000));
    EXPECT_EQ(6000, PaneLayout::barLeft(6000, 15000));
    PaneLayout pane;
    EXPECT_EQ(750, pane.sizeControls(PaneLayout::barLeft(10, 15000), 15000))
        << "released at the far left the pane is 750 wide";
}

TEST(PaneLayout, ExpandingAndHidingRememberTheWidthBeforeExpanding) {
    PaneLayout pane;
    pane.sizeControls(4000, 15000);
    EXPECT_EQ(12750, pane.toggleExpand(15000, 15300)); // 0.85 x inner width
    EXPECT_TRUE(pane.expanded());
    EXPECT_EQ(4000, pane.toggleExpand(15000, 15300));
    EXPECT_FALSE(pane.expanded());

    pane.toggleExpand(15000, 15300);
    pane.hide(15300);
    EXPECT_FALSE(pane.expanded()) << "hiding contracts first";
    EXPECT_EQ(3480, pane.show(15300)) << "shown again at 3480, not the expanded width";
}

} // namespace
} // namespace postling
