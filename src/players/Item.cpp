#include "players/Item.h"

#include <utility>

Item::Item(const String& name, const String& desc, int level, double value, const String& image)
    : name(name), desc(desc), level(level), value(value), image_(image) {}

void Item::loadPictures() {
  setPictures(std::make_unique<Bitmap>(String("gfx\\items\\small\\") + image_, true),
              std::make_unique<Bitmap>(String("gfx\\items\\large\\") + image_, true));
}

void Item::setPictures(std::unique_ptr<Bitmap> small, std::unique_ptr<Bitmap> large) {
  smallImage_ = std::move(small);
  largeImage_ = std::move(large);
}

void Item::draw(int x, int y, uint16_t* target, bool small, Bitmap* save) const {
  const Bitmap* picture = small ? smallImage_.get() : largeImage_.get();
  if (picture) picture->draw(x, y, target, kTransparent, save);
}

void Item::drawLarge(int x, int y, uint16_t* target) const { draw(x, y, target, false); }

const char* Item::unitName(int count) { return count == 1 ? "crystal" : "crystals"; }
