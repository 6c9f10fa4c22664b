// The game's 27 sound effects, each made from code. They are short (mostly well under
// two seconds: one effect voice plays at a time and every new effect cuts the last),
// begin and end in silence, and peak just under full scale so they stand out over the
// music, which the game mixes at half volume.
#pragma once

#include "sound/Synth.h"

#include <string>
#include <vector>

namespace effects {

using synth::Signal;

// Paper, wood and rooms (PaperEffects.cpp).
Signal openScroll();  // parchment unrolled: the mage's help panel
Signal scroll();      // a short rustle: lists scrolled
Signal pageTurn();    // a page turned: the information screen's pages
Signal empty();       // a soft hollow whoosh: leaving a screen
Signal doorShut();    // a heavy door falling shut: leaving the cellar

// Mechanics and metal (MechanicalEffects.cpp).
Signal screws();             // a small ratchet: the shop's quantity buttons
Signal cash();               // the till and coins: a purchase
Signal shaker();             // a rattle: an item dropped beside the cauldron
Signal incubator();          // the incubator's lever: a clank and a hiss of steam
Signal incubatorClick();     // a place in the hatchery chosen

// Chimes and magic (ChimeEffects.cpp).
Signal outro();       // a short closing jingle
Signal ping();        // a small bright ping: an item picked
Signal magic();       // a magic shimmer: the mage with a spell target
Signal sipp();        // a short rising swish: a panel opens
Signal sapp();        // a short falling swish: a panel closes
Signal mystic();      // a mystic chime: the bunsen or the condenser
Signal revBell();     // a bell in a large hall: a new round

// Creatures, water and fire (NatureEffects.cpp).
Signal breathe();              // a dragon's deep breath: the cellar
Signal snort();                // a dragon's snort
Signal pouring();              // liquid poured into the cauldron
Signal drop();                 // a single water drop: taps in the hatchery
Signal heat();                 // the burner flaring
Signal incubatorAtmosphere();  // the hatchery's warm bubbling hum

// The dealer's voice (DealerVoice.cpp).
Signal howdy();
Signal bye();
Signal ahem();
Signal hmm();

struct Effect {
  std::string name;  // the archive name, lower case as the game looks it up
  Signal (*make)();
};

// All 27, in the game's slot order.
const std::vector<Effect>& allEffects();

}  // namespace effects
