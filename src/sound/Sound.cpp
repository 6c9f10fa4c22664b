#include "sound/Sound.h"

#include "res/Files.h"
#include "core/Timer.h"
#include "res/ResourceArchive.h"
#include "sound/EntryCheck.h"
#include "sound/Library.h"
#include "sound/MemoryReader.h"
#include "sound/WaveOutDriver.h"

#include <mikmod.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

Sound* theSound = nullptr;
bool audioDeviceWanted = false;

constexpr const char* kArchiveName = "snd.arc";
constexpr const char* kLogName = "Kelth.txt";

// 11025 Hz, 8-bit mono, music at half volume: what the handheld's speaker was mixed for.
constexpr UWORD kMixRate = 11025;
constexpr UBYTE kMusicVolume = 64;
constexpr UBYTE kEffectVolume = 128;
// The player's preference scales them.
UBYTE musicVolume = kMusicVolume;
UBYTE effectVolume = kEffectVolume;
// Mixed ahead of the device: enough to ride out a loaded machine's stalls while a screen
// decodes its pictures, short enough that an effect still follows its tap.
constexpr unsigned kBufferMs = 150;
constexpr int kMusicChannels = 4;
constexpr int kMusicVoices = 4;
constexpr int kEffectVoices = 1;  // one effect at a time: a new one takes the voice
constexpr int kFirstEvent = 1012;
constexpr int kLastEvent = 1082;

__attribute__((format(printf, 1, 2))) void complain(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stderr, format, arguments);
  va_end(arguments);
  std::fflush(stderr);
}

}  // namespace

void Sound::useAudioDevice(bool wanted) { audioDeviceWanted = wanted; }

void Sound::setVolumes(int musicPercent, int effectsPercent) {
  musicVolume = UBYTE(kMusicVolume * std::clamp(musicPercent, 0, 100) / 100);
  effectVolume = UBYTE(kEffectVolume * std::clamp(effectsPercent, 0, 100) / 100);
}

Sound& Sound::instance() {
  if (!theSound) {
    theSound = new Sound;
    theSound->ok_ = theSound->start(audioDeviceWanted);
  }
  return *theSound;
}

bool Sound::exists() { return theSound != nullptr; }

void Sound::destroy() {
  delete theSound;
  theSound = nullptr;
}

Sound::~Sound() { shutDown(); }

// The log starts afresh and ends up with one line per effect, in load order; a start that
// fails while loading leaves the lines up to the missing entry.
bool Sound::start(bool audioDevice) {
  // A log that cannot be rewritten says so in its first words, if it can be written later.
  if (!writeLog()) log_.append("Couldn't delete Logfile!!!");
  if (!openArchive() || !startLibrary(audioDevice)) return false;
  const bool effectsLoaded = loadEffects();
  writeLog();
  if (!effectsLoaded) return false;
  if (!loadMod(String(kMusicKey), String(kMusicName), kMusicChannels, false)) {
    if (entryMissing_) return false;
    // The game goes on without music.
    complain("Sound::Sound(): ERROR: unable to initialize the modules and samples...\n");
  }
  muted_ = false;
  MikMod_EnableOutput();
  return true;
}

bool Sound::openArchive() {
  archive_ = std::make_unique<ResourceArchive>(String(kArchiveName));
  if (archive_->isValid()) return true;
  complain("Sound::Sound(): ERROR: Unable to open the sound archive ('%s' %s) !\n", kArchiveName, archive_->problem());
  return false;
}

// Only our own output driver and the silent one are ever registered, and one of them is
// always chosen by name: the library's automatic choice may pick a driver that ends the
// process when no sound device is there.
bool Sound::startLibrary(bool audioDevice) {
  registerSoundLibraryParts();
  md_musicvolume = musicVolume;
  md_sndfxvolume = effectVolume;
  md_mixfreq = kMixRate;
  md_mode = DMODE_SOFT_MUSIC | DMODE_SOFT_SNDFX;
  md_reverb = 0;
  waveout::setBufferLength(kBufferMs);

  bool started = false;
  if (audioDevice) {
    started = startDriver(waveout::kAlias);
    if (!started) complain("Sound::Sound(): WARNING: no audio device, playing silently !\n");
  }
  if (!started) started = silent_ = startDriver("nosound");
  if (!started) {
    complain("Sound::Sound(): ERROR: unable to initialize mikmod !\n");
    return false;
  }
  libraryStarted_ = true;
  MikMod_SetNumVoices(kMusicVoices, kEffectVoices);
  return true;
}

bool Sound::startDriver(const char* alias) {
  const int device = MikMod_DriverFromAlias(alias);
  if (device == 0) return false;  // 0 would let the library choose
  md_device = UWORD(device);
  return MikMod_Init("") == 0;
}

bool Sound::loadEffects() {
  for (int slot : kEffectLoadOrder) {
    effects_[size_t(slot)] = loadSample(String(kEffectNames[size_t(slot)]));
    if (entryMissing_) return false;
  }
  return true;
}

Sound::EntryProblem Sound::checkEntries(ResourceArchive& archive) {
  auto check = [&](const String& name, bool (*whole)(const uint8_t*, size_t)) -> EntryProblem {
    const int index = archive.find(name);
    if (index < 0) return {name, "is missing"};
    auto bytes = archive.read(index);
    if (!bytes || !whole(bytes->data(), bytes->size())) return {name, "is damaged"};
    return {};
  };
  for (int slot : kEffectLoadOrder) {
    EntryProblem problem = check(String(kEffectNames[size_t(slot)]).toLower(), isWholeWave);
    if (problem.name.length() > 0) return problem;
  }
  return check(String(kMusicName), isWholeModule);
}

// A missing or damaged entry stops the start (the library would trust a damaged header,
// and mix from past the data); an entry the library still cannot read leaves its slot
// empty, and that effect silent.
SAMPLE* Sound::loadSample(const String& name) {
  const String lower = name.toLower();
  const int index = archive_->find(lower);
  if (index < 0) {
    complain("Sound::MySample_Load(): ERROR: sound file '%s' is not in the archive !\n", lower.c_str());
    entryMissing_ = true;
    return nullptr;
  }
  auto bytes = archive_->read(index);
  if (!bytes || !isWholeWave(bytes->data(), bytes->size())) {
    complain("Sound::MySample_Load(): ERROR: sound file '%s' is damaged !\n", lower.c_str());
    entryMissing_ = true;
    return nullptr;
  }
  SAMPLE* sample = nullptr;
  {
    MemoryReader reader(bytes->data(), bytes->size());
    sample = Sample_LoadGeneric(reader.reader());
  }
  // The loader leaves an effect hard left, which a stereo mix would keep.
  if (sample) sample->panning = PAN_CENTER;
  log_.append(String::format("%s:%s\r", sample ? "ok" : "##", lower.c_str()));
  return sample;
}

// The music's name is looked up as written. A missing or damaged entry stops the start; a
// module the library still cannot read is reported and leaves the game without music.
bool Sound::loadMod(const String& key, const String& name, int maxChannels, bool curious) {
  const int index = archive_->find(name);
  if (index < 0) {
    complain("Sound::loadMod(): ERROR: sound file '%s' is not in the archive !\n", name.c_str());
    entryMissing_ = true;
    return false;
  }
  auto bytes = archive_->read(index);
  if (!bytes || !isWholeModule(bytes->data(), bytes->size())) {
    complain("Sound::loadMod(): ERROR: sound file '%s' is damaged !\n", name.c_str());
    entryMissing_ = true;
    return false;
  }
  MODULE* loaded = nullptr;
  {
    MemoryReader reader(bytes->data(), bytes->size());
    loaded = Player_LoadGeneric(reader.reader(), maxChannels, curious);
  }
  complain("Sound::loadMod(): INFO: the loading of '%s' resulted in '%p'\n", name.c_str(), static_cast<void*>(loaded));
  if (!loaded) return false;
  // The song loops for ever from its second order: the first is an introduction heard
  // once. A restart position past the order list would stop the song instead.
  loaded->wrap = 1;
  if (loaded->numpos > 1) loaded->reppos = 1;
  auto [at, added] = modules_.emplace(key, loaded);
  if (!added) {
    Player_Free(at->second);
    at->second = loaded;
  }
  return true;
}

MODULE* Sound::module(const char* key) const {
  auto at = modules_.find(String(key));
  return at == modules_.end() ? nullptr : at->second;
}

bool Sound::play(int event) {
  lastEffect_ = -1;
  if (!ok_ || event < kFirstEvent || event > kLastEvent) return true;
  if (event == kMusicEvent) {
    startMusic();
    return true;
  }
  const int slot = effectSlotFor(event);
  if (slot < 0) return true;
  SAMPLE* effect = effects_[size_t(slot)];
  if (!muted_ && effect) {
    Sample_Play(effect, 0, 0);
    lastEffect_ = slot;
  }
  MikMod_Update();
  return true;
}

// A muted game starts its music muted, so that unmuting lets it be heard from where it
// has got to. The mute covers the module's four channels.
void Sound::startMusic() {
  MODULE* music = module(kMusicKey);
  complain("sound started (%p)...\n", static_cast<void*>(music));
  if (music) {
    Player_Start(music);
    if (muted_) Player_Mute(MUTE_INCLUSIVE, 0, 3);
  }
  MikMod_Update();
}

void Sound::mute() {
  muted_ = true;
  if (!ok_) return;
  Player_Mute(MUTE_INCLUSIVE, 0, 3);
  MikMod_Update();
}

void Sound::unmute() {
  muted_ = false;
  if (!ok_) return;
  Player_Unmute(MUTE_INCLUSIVE, 0, 3);
  MikMod_Update();
}

void Sound::update() {
  if (!ok_) return;
  if (silent_) {
    const uint32_t tick = now();
    if (mixedSilently_ && tick - lastSilentMix_ < kSilentChunkMs) return;
    mixedSilently_ = true;
    lastSilentMix_ = tick;
  }
  MikMod_Update();
}

bool Sound::writeLog() {
  return writeGameFile(FilePlace::State, String(kLogName), reinterpret_cast<const uint8_t*>(log_.c_str()), size_t(log_.length()));
}

void Sound::shutDown() {
  if (!libraryStarted_) return;
  Player_Stop();
  for (auto& [key, loaded] : modules_) Player_Free(loaded);
  modules_.clear();
  for (SAMPLE*& effect : effects_) {
    if (effect) Sample_Free(effect);
    effect = nullptr;
  }
  MikMod_Exit();
  libraryStarted_ = false;
}
