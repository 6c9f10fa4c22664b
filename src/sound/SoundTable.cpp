#include "sound/SoundTable.h"

const std::array<const char*, kEffectCount> kEffectNames = {
    "snd\\fx\\openscroll.WAV",  // 0
    "snd\\fx\\empty.WAV",       // 1
    "snd\\fx\\outro.WAV",       // 2: loaded, but no event plays it
    "snd\\fx\\SCREWS1.WAV",     // 3
    "snd\\fx\\howdy.WAV",       // 4
    "snd\\fx\\cash.WAV",        // 5
    "snd\\fx\\bye.WAV",         // 6
    "snd\\fx\\ahem.WAV",        // 7
    "snd\\fx\\scroll.WAV",      // 8
    "snd\\fx\\scroll2.WAV",     // 9
    "snd\\fx\\breathe.WAV",     // 10
    "snd\\fx\\schnauf.WAV",     // 11
    "snd\\fx\\doorshut.WAV",    // 12
    "snd\\fx\\ping.WAV",        // 13
    "snd\\fx\\pouring.WAV",     // 14
    "snd\\fx\\magic.WAV",       // 15
    "snd\\fx\\sipp.WAV",        // 16
    "snd\\fx\\sapp.WAV",        // 17
    "snd\\fx\\mystic.WAV",      // 18
    "snd\\fx\\shaker.WAV",      // 19
    "snd\\fx\\revbell.WAV",     // 20
    "snd\\fx\\hmm.WAV",         // 21
    "snd\\fx\\incub.WAV",       // 22
    "snd\\fx\\incub2.WAV",      // 23
    "snd\\fx\\drop.WAV",        // 24
    "snd\\fx\\heat.WAV",        // 25
    "snd\\fx\\incatmo.WAV",     // 26
};

const std::array<int, kEffectCount> kEffectLoadOrder = {
    0, 1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
};

int effectSlotFor(int event) {
  switch (event) {
    case 1012: return 10;  // breathe: the cellar
    case 1014:
    case 1018: return 11;  // schnauf
    case 1015: return 12;  // doorshut
    case 1021:
    case 1027:
    case 1030:
    case 1031: return 1;  // empty
    case 1022: return 26;  // incatmo
    case 1024: return 24;  // drop
    case 1025:
    case 1026: return 22;  // incub
    case 1028: return 25;  // heat
    case 1029: return 23;  // incub2
    case 1032: return 21;  // hmm
    case 1033:
    case 1034:
    case 1054:
    case 1055:
    case 1077:
    case 1078: return 8;  // scroll
    case 1035:
    case 1036: return 9;  // scroll2
    case 1041: return 15;  // magic
    case 1044: return 17;  // sapp
    case 1045: return 16;  // sipp
    case 1046:
    case 1047: return 0;  // openscroll
    case 1048: return 14;  // pouring
    case 1049: return 19;  // shaker
    case 1050: return 13;  // ping
    case 1052: return 18;  // mystic
    case 1057: return 20;  // revbell: the round begins
    case 1072: return 4;  // howdy: the dealer greets
    case 1074: return 7;  // ahem
    case 1075: return 5;  // cash
    case 1076: return 6;  // bye
    case 1079:
    case 1080:
    case 1081:
    case 1082: return 3;  // screws1: the shop's quantity buttons
    default: return -1;
  }
}
