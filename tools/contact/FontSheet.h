// The font pages of the contact sheets: every glyph of every font magnified in its cell, and
// sample lines drawn by the game's own drawText over the pictures each font stands on, at
// 1x and magnified, so a look shows whether the text reads.
#pragma once

#include <string>

namespace contact {

// Writes OUTDIR/fonts_glyphs_NN.png (one a font) and OUTDIR/fonts_on_NAME.png (one a
// background). The graphics archive must be open. The number of pages that could not be
// written.
int writeFontSheets(const std::string& outDir);

}  // namespace contact
