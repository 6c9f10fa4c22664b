// The preferences file: what it sets, what it refuses, and the options laid over it.
#include "Options.h"
#include "Preferences.h"

#include <gtest/gtest.h>

namespace {

using platform::HandheldKey;

Preferences parsed(const std::string& text, std::vector<std::string>* said = nullptr) {
  std::vector<std::string> complaints;
  Preferences preferences = parsePreferences(text, complaints);
  if (said) *said = complaints;
  else EXPECT_TRUE(complaints.empty()) << complaints.front();
  return preferences;
}

TEST(PreferencesTest, EveryPreferenceIsRead) {
  const Preferences p = parsed(
      "# mine\r\n"
      "\n"
      "scale = 2\n"
      "  scale =  5  \r\n"  // the last line of a key wins
      "fullscreen = yes\n"
      "pause-when-unfocused=no\n"
      "music-volume = 0\n"
      "effects-volume = 100\n"
      "key-up = W\nkey-down = S\nkey-left = A\nkey-right = D\n"
      "key-a = Space\nkey-b = Left Shift\nkey-c = Keypad 8\nkey-start = Escape\n"
      "computer = cunning");
  EXPECT_EQ(p.desktop.scale, 5);
  EXPECT_TRUE(p.desktop.fullscreen);
  EXPECT_FALSE(p.desktop.pauseWhenUnfocused);
  EXPECT_EQ(p.desktop.musicVolume, 0);
  EXPECT_EQ(p.desktop.effectsVolume, 100);
  const std::array<std::string, 8> keys{"W", "S", "A", "D", "Space", "Left Shift", "Keypad 8", "Escape"};
  EXPECT_EQ(p.desktop.keys, keys);
  EXPECT_EQ(p.computer, ComputerKind::Cunning);
  EXPECT_EQ(parsed("computer = classic").computer, ComputerKind::Classic);
}

// A line not understood is named with its number, and the preference keeps its value
// (the default, or what an earlier line said); the game's own choice of computer is not
// decided here.
TEST(PreferencesTest, LinesNotUnderstoodAreNamedAndChangeNothing) {
  struct Case {
    const char* line;
    const char* complaint;
  };
  const Case cases[] = {
      {"scale = 0", "scale takes a whole number from 1 to 16, not '0'"},
      {"scale = 17", "scale takes a whole number from 1 to 16, not '17'"},
      {"scale = 3x", "scale takes a whole number from 1 to 16, not '3x'"},
      {"scale =", "scale takes a whole number from 1 to 16, not ''"},
      {"fullscreen = maybe", "fullscreen takes yes or no, not 'maybe'"},
      {"music-volume = 101", "music-volume takes a whole number from 0 to 100, not '101'"},
      {"effects-volume = -1", "effects-volume takes a whole number from 0 to 100, not '-1'"},
      {"key-start =", "key-start takes a key's name, not ''"},
      {"computer = clever", "computer takes classic or cunning, not 'clever'"},
      {"Scale = 2", "unknown preference 'Scale'"},
      {"volume = 50", "unknown preference 'volume'"},
      {"fullscreen", "not a \"key = value\" line"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> said;
    const Preferences p = parsed(std::string("scale = 2\nkey-start = Space\n# note\n") + c.line, &said);
    ASSERT_EQ(said.size(), 1u) << c.line;
    EXPECT_EQ(said[0], std::string("4: ") + c.complaint);
    EXPECT_EQ(p.desktop.scale, 2) << c.line;
    EXPECT_FALSE(p.desktop.fullscreen) << c.line;
    EXPECT_TRUE(p.desktop.pauseWhenUnfocused) << c.line;
    EXPECT_EQ(p.desktop.musicVolume, 100) << c.line;
    EXPECT_EQ(p.desktop.keys[size_t(HandheldKey::Start)], "Space") << c.line;
    EXPECT_FALSE(p.computer.has_value()) << c.line;
  }
}

TEST(PreferencesTest, OptionsWinOverThePreferences) {
  platform::DesktopPreferences file;
  file.scale = 5;
  file.fullscreen = true;
  auto with = [&](std::vector<const char*> args) {
    args.insert(args.begin(), "nupavane");
    Options options;
    std::string error;
    EXPECT_TRUE(parseOptions(int(args.size()), args.data(), options, error)) << error;
    return withOptions(file, options);
  };
  EXPECT_EQ(with({}).scale, 5);
  EXPECT_TRUE(with({}).fullscreen);
  EXPECT_EQ(with({"--scale", "2"}).scale, 2);
  EXPECT_FALSE(with({"--windowed"}).fullscreen);
  file.fullscreen = false;
  EXPECT_TRUE(with({"--fullscreen"}).fullscreen);
  EXPECT_FALSE(with({"--fullscreen", "--windowed"}).fullscreen) << "the last option counts";
}

}  // namespace
