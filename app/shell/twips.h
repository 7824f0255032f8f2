#pragma once

namespace tarnwick {

// Window sizes are kept in twips (1/1440 inch) so that they scale with the screen's logical
// resolution; rounded to the nearest pixel.
constexpr int twipsToPixels(int twips, int dotsPerInch) {
    return (twips * dotsPerInch + 720) / 1440;
}

} // namespace tarnwick
