#include "GameApplication.h"

#include "app/ExitCleanUp.h"
#include "app/ScreenManager.h"
#include "gfx/FontManager.h"
#include "gfx/FontTables.h"
#include "gfx/LookupImage.h"
#include "res/Files.h"
#include "res/ResourceArchive.h"
#include "players/Savegame.h"
#include "sound/Sound.h"
#include "players/ItemManager.h"
#include "players/PlayerManager.h"
#include "world/CountryManager.h"
#include "screens/CastleScreen.h"
#include "screens/CellarScreen.h"
#include "screens/CreditScreen.h"
#include "screens/DragonDiedScreen.h"
#include "screens/DragonStatsScreen.h"
#include "screens/EggInfoScreen.h"
#include "screens/FightAnimationScreen.h"
#include "screens/FightScreen.h"
#include "screens/HatcheryScreen.h"
#include "screens/InfoScreen.h"
#include "screens/IntroScreen.h"
#include "screens/MageScreen.h"
#include "screens/MonthEndScreen.h"
#include "screens/RoundScreen.h"
#include "screens/SettingsFile.h"
#include "screens/SettingsScreen.h"
#include "screens/ShopScreen.h"
#include "screens/StartScreen.h"
#include "screens/WinScreen.h"
#include "gfx/Bitmap.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// Screens live until the program ends and are never deleted.
std::vector<std::unique_ptr<Screen>>& screens() {
  static auto* all = new std::vector<std::unique_ptr<Screen>>();
  return *all;
}

// What the game holds is let go when the program ends, however it ends: the screens'
// names, the fonts, the item catalogue, the land and its rulers, the graphics archive.
// (The application then shows the task bar again.)
void releaseGame() {
  ScreenManager::instance().clear();
  FontManager::destroy();
  ItemManager::destroy();
  CountryManager::destroy();
  PlayerManager::destroy();
  closeGraphicsArchive();
}

}  // namespace

GameApplication::GameApplication(platform::Platform& platform) : Application(platform) {
  atExitCleanUp(releaseGame);
}

GameApplication::~GameApplication() = default;

void GameApplication::start() {
  removeStaleTemporaries();
  loadFonts();
  checkZoneMaps();
  applySettings();
  loadItems();
  createWorld();
  createPlayers();
  restartRequested = false;
  registerScreens();
  startSound();
  ScreenManager::instance().runScreens(String("INTRO"), 0);
  while (restartRequested) {
    restartRequested = false;
    setCloseAsksFirst(false);  // the game before is over; the next begins with its round
    clearScreen(0);
    CountryManager::destroy();
    createWorld();
    PlayerManager::destroy();
    createPlayers();
    ScreenManager::instance().runScreens(String("START"), 0);
  }
}

namespace {

bool archiveCannotBeUsed(const char* name, const std::string& why) {
  std::fprintf(stderr, "nupavane: the archive '%s%s' %s: ./play.sh builds it\n", programDirectory().c_str(), name,
               why.c_str());
  std::fflush(stderr);
  return false;
}

}  // namespace

bool GameApplication::checkArchives() {
  ResourceArchive* graphics = openGraphicsArchive();
  if (!graphics->isValid()) return archiveCannotBeUsed("gfx.arc", graphics->problem());
  ResourceArchive sounds(String("snd.arc"));
  if (!sounds.isValid()) return archiveCannotBeUsed("snd.arc", sounds.problem());
  Sound::EntryProblem problem = Sound::checkEntries(sounds);
  if (problem.name.length() > 0)
    return archiveCannotBeUsed("snd.arc", std::string("cannot be used: its entry '") + problem.name.c_str() + "' " + problem.what);
  return true;
}

// A copy killed while it saved left a temporary file beside its file; only one copy runs
// at a time, so none of them is being written now.
void GameApplication::removeStaleTemporaries() {
  std::vector<String> saves;
  for (int slot = 0; slot < kSavegameSlots; ++slot) saves.push_back(savegameName(slot));
  ::removeStaleTemporaries(FilePlace::Config, {String("settings.dta")});
  ::removeStaleTemporaries(FilePlace::State, {String("Kelth.txt")});
  ::removeStaleTemporaries(FilePlace::Saves, saves);
}

// Without its fonts the game cannot say anything: a strip that decodes to nothing ends it.
void GameApplication::loadFonts() {
  int broken = FontManager::instance().brokenFont();
  if (broken < 0) return;
  std::fprintf(stderr, "GameApplication::start(): ERROR: the font '%s' is missing or could not be decoded !\n",
               kFonts[broken].picture);
  std::fflush(stderr);
  std::exit(1);
}

// The rooms tell their tap areas apart by these maps; without one the player could not
// leave that room. Some rooms load theirs only when shown, so all are tried now.
void GameApplication::checkZoneMaps() {
  const char* names[] = {"gfx\\castle\\mask.gif", "gfx\\cellar\\mask.bmp", "gfx\\hatchery\\mask.bmp",
                         "gfx\\mage\\mask.bmp", "gfx\\shop\\mask.bmp"};
  for (const char* name : names) {
    if (LookupImage(String(name)).isUsable()) continue;
    std::fprintf(stderr, "GameApplication::start(): ERROR: the zone map '%s' is missing or could not be decoded !\n", name);
    std::fflush(stderr);
    std::exit(1);
  }
}

void GameApplication::showLoading(const String& text) {
  const FontManager& fonts = FontManager::instance();
  int width = fonts.textWidth(4, text);
  clearScreen(0);
  fonts.drawText(4, 160 - width / 2, 120, text, getFramebuffer(), AlignLeft);
  update(true);
}

// The settings file, as the settings screen writes it; a missing or short one leaves the
// defaults.
void GameApplication::applySettings() { applySettingsFile(*this); }

// The item catalogue lives for the whole run; a catalogue the game cannot use ends it
// (the catalogue has said why).
void GameApplication::loadItems() {
  if (ItemManager::instance().failure().length() > 0) std::exit(1);
}

// A new land for a new game, read again from its file; a land the game cannot play ends
// it (the land has said why).
void GameApplication::createWorld() {
  if (CountryManager::instance().failure().length() > 0) std::exit(1);
}

// A new game's rulers: the players answer the new-game questions now, before the screens
// are made.
void GameApplication::createPlayers() { PlayerManager::instance(); }

// The music and every effect are loaded now; a missing one ends the game (the sound
// system has said which).
void GameApplication::startSound() {
  showLoading(String("loading SOUND..."));
  soundActive = true;
  if (!Sound::instance().ok()) std::exit(1);
  showLoading(String("loading done"));
}

// Every screen is made once, in the game's order, each after its loading line; the
// table grows as the screens are built.
void GameApplication::registerScreens() {
  ScreenManager& manager = ScreenManager::instance();
  auto add = [&](const char* loading, std::unique_ptr<Screen> screen) {
    if (loading) showLoading(String(loading));
    String name;
    screen->getName(name);
    if (manager.addScreen(name, screen.get())) screens().push_back(std::move(screen));
  };
  // Without its item values the mage cannot mix a spell: the game ends (the mage has
  // said why).
  showLoading(String("loading MAGE..."));
  auto mage = std::make_unique<MageScreen>();
  if (mage->failure().length() > 0) std::exit(1);
  add(nullptr, std::move(mage));
  add("loading CASTLE...", std::make_unique<CastleScreen>());
  add("loading DRAGON...", std::make_unique<CellarScreen>());
  add("loading STATS...", std::make_unique<DragonStatsScreen>());
  add("loading SHOP...", std::make_unique<ShopScreen>());
  add("loading HATCHERY...", std::make_unique<HatcheryScreen>());
  add("loading INFO...", std::make_unique<InfoScreen>());
  add("loading FIGHT...", std::make_unique<FightScreen>());
  add("loading ROUND...", std::make_unique<RoundScreen>());
  add("loading ENGINE...", std::make_unique<MonthEndScreen>());
  add("loading ACTION...", std::make_unique<FightAnimationScreen>());
  add("loading INTRO...", std::make_unique<IntroScreen>());
  add("loading START...", std::make_unique<StartScreen>());
  add("loading CREDIT...", std::make_unique<CreditScreen>());
  add("loading SETTINGS...", std::make_unique<SettingsScreen>());
  add("loading INFO...", std::make_unique<EggInfoScreen>());
  add(nullptr, std::make_unique<DragonDiedScreen>());
  add(nullptr, std::make_unique<WinScreen>());
}
