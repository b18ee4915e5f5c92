#pragma once

namespace postling {

// Lengths on screen are kept in twips (1/1440 inch): 15 to a pixel at 96 dots per inch.
inline int twipsToPixels(double twips, double dpi = 96.0) {
    return static_cast<int>(twips * dpi / 1440.0 + (twips >= 0 ? 0.5 : -0.5));
}
inline double pixelsToTwips(int pixels, double dpi = 96.0) {
    return pixels * 1440.0 / dpi;
}

} // namespace postling
