// The effects by archive name, in the game's slot order. The game lower-cases every name
// before it looks one up, so they are stored in lower case, extension included.
#include "sound/Effects.h"

namespace effects {

const std::vector<Effect>& allEffects() {
  static const std::vector<Effect> table = {
      {"snd\\fx\\openscroll.wav", openScroll},
      {"snd\\fx\\empty.wav", empty},
      {"snd\\fx\\outro.wav", outro},
      {"snd\\fx\\screws1.wav", screws},
      {"snd\\fx\\howdy.wav", howdy},
      {"snd\\fx\\cash.wav", cash},
      {"snd\\fx\\bye.wav", bye},
      {"snd\\fx\\ahem.wav", ahem},
      {"snd\\fx\\scroll.wav", scroll},
      {"snd\\fx\\scroll2.wav", pageTurn},
      {"snd\\fx\\breathe.wav", breathe},
      {"snd\\fx\\schnauf.wav", snort},
      {"snd\\fx\\doorshut.wav", doorShut},
      {"snd\\fx\\ping.wav", ping},
      {"snd\\fx\\pouring.wav", pouring},
      {"snd\\fx\\magic.wav", magic},
      {"snd\\fx\\sipp.wav", sipp},
      {"snd\\fx\\sapp.wav", sapp},
      {"snd\\fx\\mystic.wav", mystic},
      {"snd\\fx\\shaker.wav", shaker},
      {"snd\\fx\\revbell.wav", revBell},
      {"snd\\fx\\hmm.wav", hmm},
      {"snd\\fx\\incub.wav", incubator},
      {"snd\\fx\\incub2.wav", incubatorClick},
      {"snd\\fx\\drop.wav", drop},
      {"snd\\fx\\heat.wav", heat},
      {"snd\\fx\\incatmo.wav", incubatorAtmosphere},
  };
  return table;
}

}  // namespace effects
