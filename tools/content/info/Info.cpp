// The information screen's pictures.
#include "info/InfoParts.h"

namespace {

void addInfo(ContentList& gfx, const ContentSources&) {
  info::addRoom(gfx);
  info::addButtons(gfx);
  info::addIcons(gfx);
}

}  // namespace

CONTENT_FAMILY(info, addInfo);
