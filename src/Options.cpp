#include "Options.h"

#include <charconv>
#include <string_view>

namespace {

bool toInt(std::string_view text, long min, long max, long& out) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && out >= min && out <= max;
}

}  // namespace

bool parseOptions(int argc, const char* const* argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    auto value = [&](const char*& out) {
      if (i + 1 >= argc) {
        error = std::string(arg) + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    auto number = [&](long min, long max, long& out) {
      const char* text = nullptr;
      if (!value(text)) return false;
      if (toInt(text, min, max, out)) return true;
      error = std::string(arg) + " takes a whole number from " + std::to_string(min) + " to " + std::to_string(max);
      return false;
    };
    const char* text = nullptr;
    long n = 0;
    if (arg == "--help" || arg == "-h") options.help = true;
    else if (arg == "--version") options.version = true;
    else if (arg == "--headless") options.headless = true;
    else if (arg == "--fullscreen") options.fullscreen = true;
    else if (arg == "--windowed") options.fullscreen = false;
    else if (arg == "--no-sound") options.noSound = true;
    else if (arg == "--script") {
      if (!value(text)) return false;
      options.script = text;
    } else if (arg == "--record") {
      if (!value(text)) return false;
      options.record = text;
    } else if (arg == "--screenshot-dir") {
      if (!value(text)) return false;
      options.screenshotDir = text;
    } else if (arg == "--data-dir" || arg == "--save-dir") {
      if (!value(text)) return false;
      if (*text == '\0') {
        error = std::string(arg) + " needs a folder";
        return false;
      }
      (arg == "--data-dir" ? options.dataDir : options.saveDir) = text;
    } else if (arg == "--seed") {
      if (!number(0, 4294967295L, n)) return false;
      options.seed = uint32_t(n);
    } else if (arg == "--fps") {
      if (!number(1, 1000, n)) return false;
      options.fps = int(n);
    } else if (arg == "--scale") {
      if (!number(1, 16, n)) return false;
      options.scale = int(n);
    } else if (arg == "--computer") {
      if (!value(text)) return false;
      ComputerKind kind;
      if (!parseComputerKind(text, kind)) {
        error = "--computer takes classic or cunning";
        return false;
      }
      options.computer = kind;
    } else if (arg == "--display-type") {
      if (!number(1, 3, n)) return false;
      options.displayType = int(n);
    } else {
      error = "unknown option " + std::string(arg);
      return false;
    }
  }
  return true;
}

const char* usageText() {
  return "Usage: nupavane [options]\n"
         "\n"
         "  --help                 show this text and end\n"
         "  --version              show the game's version and end\n"
         "  --headless             run without a window, on a virtual clock\n"
         "  --script FILE          play the script FILE (see the README for its lines);\n"
         "                         headless, the game ends when the script does\n"
         "  --record FILE          write what the player does as a script to FILE, which\n"
         "                         --headless --script FILE plays back\n"
         "  --seed N               seed the random generator (a game replays from its seed);\n"
         "                         without it the seed is chosen afresh and shown\n"
         "  --fps N                frames per second at most (default 60)\n"
         "  --scale N              window size as a multiple of 320 x 240 (default 3)\n"
         "  --fullscreen           start in fullscreen (F11 or Alt+Enter toggles)\n"
         "  --windowed             start in a window, whatever the preferences say\n"
         "  --no-sound             play without sound\n"
         "  --screenshot-dir DIR   where F12 puts screenshots; headless, every changed\n"
         "                         frame is written there as PNG\n"
         "  --display-type N       headless: emulate panel layout 1, 2 or 3 (default 1)\n"
         "  --computer KIND        the computer's rulers: classic (the game's own move,\n"
         "                         the default) or cunning (they play whole turns)\n"
         "  --data-dir DIR         read the archives gfx.arc and snd.arc from DIR\n"
         "  --save-dir DIR         keep the settings, preferences, savegames, sound log\n"
         "                         and lock in DIR\n"
         "\n"
         "A copy run from its build folder keeps its files beside the program; an\n"
         "installed copy reads its archives from PREFIX/share/nupavane and keeps its\n"
         "files in ~/.config/nupavane (settings.dta, nupavane.conf), ~/.local/share/nupavane\n"
         "(savegames) and ~/.local/state/nupavane (Kelth.txt, the lock), or wherever\n"
         "XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_STATE_HOME point.\n"
         "\n"
         "Exit status: 0 played to the end; 1 could not start; 2 bad command line or\n"
         "script; 3 a script line failed.\n";
}
