// One kind of magic item: its name, its power picture, its rarity, its price and its two
// pictures (20 x 20 for lists, 34 x 42 for the mage and the shop). Owned by the catalogue
// (ItemManager) and never copied; everything else names an item by its catalogue number.
#pragma once

#include "core/String.h"
#include "gfx/Bitmap.h"

#include <cstdint>
#include <memory>

class Item {
public:
  static constexpr uint16_t kTransparent = 0xF81F;  // magenta

  // id stays -1 until the catalogue numbers its entries. No pictures yet: see loadPictures.
  Item(const String& name, const String& desc, int level, double value, const String& image);
  Item(const Item&) = delete;
  Item& operator=(const Item&) = delete;

  // Both pictures from gfx\items\small\ and gfx\items\large\ in the graphics archive; a
  // missing one becomes the placeholder picture, which is no fault here.
  void loadPictures();
  void setPictures(std::unique_ptr<Bitmap> small, std::unique_ptr<Bitmap> large);

  int id = -1;
  String name;  // also the key magic.xml finds the item by
  String desc;  // file name of the power picture in gfx\items\power\.
  int level = 0;
  double value = 0;  // price of one piece in crystals; the shop truncates it

  const String& image() const { return image_; }
  const Bitmap* smallImage() const { return smallImage_.get(); }
  const Bitmap* largeImage() const { return largeImage_.get(); }

  // The small or the large picture at (x, y), magenta transparent; `save` receives what the
  // picture covers, so a dragged picture can be wiped off again. Without a picture: nothing.
  void draw(int x, int y, uint16_t* target, bool small, Bitmap* save = nullptr) const;
  void drawLarge(int x, int y, uint16_t* target) const;

  // Item quantities are counted in crystals: "1 crystal", "0 crystals", "2 crystals".
  static const char* unitName(int count);

private:
  String image_;
  std::unique_ptr<Bitmap> smallImage_, largeImage_;
};
