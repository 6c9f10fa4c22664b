// The game's sound: one music module looping and 27 short effects, all read from "snd.arc"
// and played through libmikmod. Screens pass sound event numbers to `play`; the table in
// SoundTable.h says which number means which effect, or the music. The library mixes only
// when `update` is called, from the message pump and the waits: there is no audio thread.
#pragma once

#include "core/String.h"
#include "sound/SoundTable.h"

#include <array>
#include <map>
#include <memory>

class ResourceArchive;
struct MODULE;
struct SAMPLE;

class Sound {
public:
  // Where the sound goes, chosen by the start-up before anything asks for the instance:
  // true, the platform's audio device (silence, with one warning, when it has none); false,
  // silence straight away (headless runs, tests, --no-sound). False until set.
  static void useAudioDevice(bool wanted);
  // The music's and the effects' loudness in percent of their own (0 to 100), for the
  // sound system made after this call.
  static void setVolumes(int musicPercent, int effectsPercent);

  // The sound system, created on the first call: it starts the library and loads the
  // effects and the music.
  static Sound& instance();
  static bool exists();
  // Ends the sound system and the library. Tests only: the game keeps it to the end.
  static void destroy();

  // False when the start failed (the sound archive or one of its entries missing, the
  // library not starting): a line on standard error has said what failed, the instance
  // stays silent, and the game must not go on.
  bool ok() const { return ok_; }

  // Plays the effect of a sound event, or starts the music (kMusicEvent); other numbers
  // are silent. Always true.
  bool play(int event);
  // Silences music and effects together; the music plays on silently, so unmuting
  // resumes it where it has got to.
  void mute();
  void unmute();
  bool isMuted() const { return muted_; }
  // Lets the library mix: the pump calls it. Silent, the library mixes about three
  // seconds of song into nothing at each of its updates, so it is let do so only as often
  // as that much time has passed.
  void update();

  // What is wrong with a sound archive for the game, checked without the library: the
  // name of the first effect or song that is missing or damaged, and which ("is missing",
  // "is damaged"); an empty name when every entry is there and whole.
  struct EntryProblem {
    String name;
    const char* what = "";
  };
  static EntryProblem checkEntries(ResourceArchive& archive);

  static constexpr uint32_t kSilentChunkMs = 32768 * 1000 / 11025;

  // For tests: the slot of the effect the last `play` started (-1 when it started none),
  // and the module loaded under a key (null when none is).
  int lastEffect() const { return lastEffect_; }
  MODULE* module(const char* key) const;

private:
  Sound() = default;
  ~Sound();

  bool start(bool audioDevice);
  bool openArchive();
  bool startLibrary(bool audioDevice);
  bool startDriver(const char* alias);
  bool loadEffects();
  SAMPLE* loadSample(const String& name);
  bool loadMod(const String& key, const String& name, int maxChannels, bool curious);
  void startMusic();
  bool writeLog();
  void shutDown();

  bool ok_ = false;
  bool muted_ = false;
  bool libraryStarted_ = false;
  bool entryMissing_ = false;  // an archive entry the game needs is not there, or damaged
  bool silent_ = false;        // mixing into the silent driver
  bool mixedSilently_ = false;
  uint32_t lastSilentMix_ = 0;
  int lastEffect_ = -1;
  std::map<String, MODULE*> modules_;
  String log_;  // the log file's lines so far
  std::unique_ptr<ResourceArchive> archive_;
  std::array<SAMPLE*, kEffectCount> effects_{};
};
