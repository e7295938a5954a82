#ifndef VLRNA_TOOLS_MAKE_PICTURES_LANDSCAPE_H_
#define VLRNA_TOOLS_MAKE_PICTURES_LANDSCAPE_H_

#include "make_pictures/bmp_image.h"

namespace vlrna {

// Paints the wizard's background: an oblique aerial view of farmland with
// fields, hedges, woods, a river and a road under a hazy sky, darkened
// towards the corners. The scene is measured in picture heights, so every
// size shows the same landscape, only wider or narrower; the same size always
// gives the same pixels.
RgbImage DrawLandscape(int width, int height);

}  // namespace vlrna

#endif  // VLRNA_TOOLS_MAKE_PICTURES_LANDSCAPE_H_
