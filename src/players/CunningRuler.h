// A computer ruler worth playing against. Once a month, where the classic computer move
// would be made, it plays a whole turn as a human would from his screens: it sells at the
// dealer when he is in, sets the taxes of its villages by their unrest, keeps the hatchery
// busy while the purse allows, and gives its free dragons orders: hold the parts of the
// talisman the reports have told of, look for the others, take villages for their taxes.
// It sees what the screens show and what the month reports said (TalismanNews), nothing
// else, and draws from the game's one generator.
#pragma once

class Player;
class CountryManager;
class ItemManager;

void playCunningMonth(Player& ruler, CountryManager& land);

// At the dealer: nothing he sells is worth its price to this ruler (a spell changes a
// dragon's health by chance, and nothing else a fight reads), so the whole inventory is
// sold at the shop's prices. Items the catalogue does not know stay. Returns the crystals
// earned.
int sellInventory(Player& ruler, const ItemManager& catalogue);
