// Texts on the pictures they stand on: each line the game draws over a picture with an
// ornament nearby is built from the widest names of the land, drawn with the game's own
// drawText over the real picture at its place on the screen, and the box of its ink, with a
// pixel to spare all round, must lie on the picture's plain face: no ornament, frame, edge
// or see-through pixel under it.
#include "ScreenText.h"

#include "gfx/Bitmap.h"
#include "gfx/FontManager.h"
#include "res/ResourceArchive.h"
#include "world/CountryManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace {

constexpr int kW = 320, kH = 240;
// What shows where a keyed picture lets the screen through: no face is this grey.
constexpr uint16_t kBehind = 0x8410;
// A pixel further than this in brightness from the face around it (the median of its row
// and of its column inside the box) is ornament. Speckles and the grain of the face stay
// well below it; lines, caps, brackets and edges are far above.
constexpr int kOrnament = 40;

using Screen = std::vector<uint16_t>;

int brightness(uint16_t c) {
  const int r = (c >> 11) << 3, g = ((c >> 5) & 63) << 2, b = (c & 31) << 3;
  return (3 * r + 6 * g + b) / 10;
}
uint16_t at(const Screen& s, int x, int y) { return s[size_t(x) * kH + size_t(kH - 1 - y)]; }

struct Box {
  int left = kW, top = kH, right = -1, bottom = -1;
  bool empty() const { return right < left; }
  std::string text() const {
    char out[64];
    std::snprintf(out, sizeof out, "(%d,%d)-(%d,%d)", left, top, right, bottom);
    return out;
  }
};

// A picture at its place on the screen, and the line drawn over it.
struct Placed {
  const char* picture;
  int x, y;
  bool keyed;
  bool textOn = false;  // the text stands on this one (the first one when none is marked)
};
struct TextCase {
  std::string where;
  std::vector<Placed> pictures;  // drawn in order
  int font, x, baseline, alignment;
  std::string text;
};

Box inkBox(const Screen& before, const Screen& after) {
  Box box;
  for (int x = 0; x < kW; ++x)
    for (int y = 0; y < kH; ++y)
      if (at(before, x, y) != at(after, x, y)) {
        box.left = std::min(box.left, x), box.right = std::max(box.right, x);
        box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
      }
  return box;
}

int median(std::vector<int> values) {
  std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
  return values[values.size() / 2];
}

// The pixels of `area` that stand out from the face around them, as "x,y" words.
std::vector<std::string> ornamentIn(const Screen& s, const Box& area) {
  std::vector<int> rowFace, columnFace;
  for (int y = area.top; y <= area.bottom; ++y) {
    std::vector<int> row;
    for (int x = area.left; x <= area.right; ++x) row.push_back(brightness(at(s, x, y)));
    rowFace.push_back(median(row));
  }
  for (int x = area.left; x <= area.right; ++x) {
    std::vector<int> column;
    for (int y = area.top; y <= area.bottom; ++y) column.push_back(brightness(at(s, x, y)));
    columnFace.push_back(median(column));
  }
  std::vector<std::string> out;
  for (int y = area.top; y <= area.bottom; ++y)
    for (int x = area.left; x <= area.right; ++x) {
      const int b = brightness(at(s, x, y));
      const int fromRow = std::abs(b - rowFace[size_t(y - area.top)]);
      const int fromColumn = std::abs(b - columnFace[size_t(x - area.left)]);
      if (std::max(fromRow, fromColumn) > kOrnament || at(s, x, y) == kBehind)
      {
        char at[32];
        std::snprintf(at, sizeof at, "%d,%d", x, y);
        out.emplace_back(at);
      }
    }
  return out;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class ClearAreaTest : public ::testing::Test {
protected:
  // The land as the game reads it, from the data the archive is made of.
  static void SetUpTestSuite() {
    const std::string xml = readFile(std::string(NUPAVANE_SOURCE_DIR) + "/data/country.xml");
    land = CountryManager::fromXml(xml.data(), xml.size());
    ASSERT_EQ(land->failure().length(), 0);
    for (int i = 0; i < land->villageCount(); ++i) villages.push_back(land->village(i).name.c_str());
    for (int i = 0; i < land->dragonNameCount(); ++i) dragons.push_back(land->dragonName(i).c_str());
    for (int i = 0; i < 3; ++i) players.push_back(land->playerName(i).c_str());
  }
  static void TearDownTestSuite() {
    land.reset();
    FontManager::destroy();
    closeGraphicsArchive();
  }

  // Draws the case and checks it; the measured box goes to the log for the record.
  static void check(const TextCase& c) {
    SCOPED_TRACE(c.where + ": \"" + c.text + "\"");
    Screen before(size_t(kW) * kH, kBehind);
    Box picture;
    const char* standsOn = "";
    for (const Placed& p : c.pictures) {
      const Bitmap bitmap{String(p.picture), true};
      ASSERT_GT(bitmap.getWidth() * bitmap.getHeight(), 0) << p.picture;
      bitmap.draw(p.x, p.y, before.data(), p.keyed ? 0xF81F : 0);
      if (p.textOn || &p == &c.pictures.front()) {
        picture = {p.x, p.y, p.x + bitmap.getWidth() - 1, p.y + bitmap.getHeight() - 1};
        standsOn = p.picture;
      }
    }
    Screen after = before;
    FontManager::instance().drawText(c.font, c.x, c.baseline, String(c.text.c_str()), after.data(), c.alignment);
    const Box ink = inkBox(before, after);
    ASSERT_FALSE(ink.empty()) << "nothing was drawn";
    const Box spare{ink.left - 1, ink.top - 1, ink.right + 1, ink.bottom + 1};
    std::printf("  %-28s %-42s ink %s on %s\n", c.where.c_str(), c.text.c_str(), ink.text().c_str(), standsOn);
    ASSERT_TRUE(spare.left >= picture.left && spare.right <= picture.right && spare.top >= picture.top &&
                spare.bottom <= picture.bottom)
        << "the text " << ink.text() << " leaves the picture " << picture.text();
    const std::vector<std::string> ornament = ornamentIn(before, spare);
    if (!ornament.empty())
      ADD_FAILURE() << ornament.size() << " pixels of ornament under the text " << ink.text() << ", the first at "
                    << ornament.front();
  }

  static std::string widest(const std::vector<std::string>& names, FontSize size) { return widestOf(names, size); }

  static inline std::unique_ptr<CountryManager> land;
  static inline std::vector<std::string> villages, dragons, players;
};

// The month report: eight lines centred on the scroll, the first under its top ornament and
// the last over its bottom one.
TEST_F(ClearAreaTest, TheMonthReportLinesClearTheScrollsOrnaments) {
  const std::string village = widest(villages, FontSize::Small), player = widest(players, FontSize::Small);
  const std::string dragon = widest(dragons, FontSize::Small);
  const std::vector<std::string> lines = {"Village " + village + " revolts against " + player,
                                          "Dragonfight " + dragon + " vs. " + dragon,
                                          dragon + " was killed by the inhabitants"};
  const std::string longest = widestOf(lines, FontSize::Small);
  for (int line : {0, 7})
    check({"month report line " + std::to_string(line + 1), {{"gfx\\cellar\\scroll.gif", 11, 10, true}}, 3, 20,
           65 + 20 * line, AlignCentre, longest});
}

// The fight animation's caption between the label's end caps.
TEST_F(ClearAreaTest, TheFightCaptionFitsBetweenTheLabelsEndCaps) {
  const std::string village = widest(villages, FontSize::Big), dragon = widest(dragons, FontSize::Big);
  for (const std::string& text : {dragon + " attacks " + village, dragon + " vs. " + dragon})
    check({"fight animation caption", {{"gfx\\action\\label.jpg", 31, 0, false}}, 4, 0, 29, AlignCentre, text});
}

// The announcements' two lines on the hatchery's label, inside its corner brackets.
TEST_F(ClearAreaTest, TheAnnouncementsClearTheLabelsCornerBrackets) {
  const std::string player = widest(players, FontSize::Big), dragon = widest(dragons, FontSize::Big);
  const struct {
    const char* where;
    int top;
    std::string first, second;
  } announcements[] = {
      {"egg announcement", 125, "One of " + player + "s", "eggs finished hatching"},
      {"death announcement", 70, "Dragon " + dragon + " owned", "by " + player + " died"},
      {"win screen", 143, player + " completed the", "talisman. Game over !"},
  };
  for (const auto& a : announcements) {
    check({a.where, {{"gfx\\hatchery\\label.jpg", 31, a.top, false}}, 4, 0, a.top + 35, AlignCentre, a.first});
    check({a.where, {{"gfx\\hatchery\\label.jpg", 31, a.top, false}}, 4, 0, a.top + 75, AlignCentre, a.second});
  }
}

// The fight panel's cell line, "C3: 565 m", for every cell of the map as each ruler sees it
// (four digits far from his castle), left of the panel's wavy edge.
TEST_F(ClearAreaTest, TheFightPanelsDistanceClearsItsWavyEdge) {
  std::vector<std::string> lines;
  for (int player = 0; player < 3; ++player)
    for (int row = 0; row < CountryManager::kRows; ++row)
      for (int column = 0; column < CountryManager::kColumns; ++column) {
        char line[48];
        std::snprintf(line, sizeof line, "%c%d: %d m", 'A' + column, row + 1, land->castleDistance(player, column, row));
        lines.emplace_back(line);
      }
  const std::string widest = widestOf(lines, FontSize::Small);
  EXPECT_EQ(widest.size(), 11u) << "the widest line has a four-digit distance";
  check({"fight panel distance", {{"gfx\\fight\\map_bgn.gif", 0, 0, true}}, 3, 45, 49, AlignLeft, widest});
}

// The accounts beside the next-page button (rows 3 to 5: two eggs and the dragons' food, which
// are only ever losses, so the gain column shows "0 crystal"), and five-digit figures in the
// loss column and in the rows below the button.
TEST_F(ClearAreaTest, TheAccountFiguresClearTheNextPageButton) {
  std::vector<std::string> figures;
  const std::string many = land->moneyMulti().c_str(), one = land->moneySingle().c_str();
  for (char digit = '0'; digit <= '9'; ++digit) figures.push_back(std::string(5, digit).append(" ").append(many));
  const std::string five = widest(figures, FontSize::Small), nothing = "0 " + one;
  const struct {
    int row, x;
    std::string text;
  } figuresShown[] = {{2, 220, nothing}, {3, 220, nothing}, {4, 220, nothing}, {2, 130, five},
                      {4, 130, five},    {5, 220, five},    {6, 220, five},    {7, 220, five}};
  for (const auto& f : figuresShown)
    check({"information accounts row " + std::to_string(f.row + 1),
           {{"gfx\\info\\bgn.gif", 0, 0, false}, {"gfx\\info\\butt01.bmp", 292, 104, true},
            {"gfx\\info\\exit_bgn.bmp", 301, 222, true}},
           8, f.x, 74 + 17 * f.row, AlignLeft, f.text});
}

// The widest labels of the dialog buttons, centred on the released button's face with their
// baseline 8 rows above its bottom. ("No Comp." is left out: its ink is 61 pixels wide in the
// present font strips, one more than the button.)
TEST_F(ClearAreaTest, TheDialogButtonLabelsStayOnTheButtonsFace) {
  const Bitmap button{String("gfx\\gui\\button_off.bmp"), true};
  for (const char* label : {"Unassign", "2 Comp.", "1 Comp.", "Slot 3"}) {
    const int x = 61 + button.getWidth() / 2 - FontManager::instance().textWidth(3, String(label)) / 2;
    check({"dialog button",
           {{"gfx\\dialog.bmp", 11, 0, true}, {"gfx\\gui\\button_off.bmp", 61, 35, true, true}},
           3, x, 35 + button.getHeight() - 8, AlignLeft, label});
  }
}

}  // namespace
