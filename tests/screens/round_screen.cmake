# The round screen: castle visits, the end of a round, savegame slots and quitting, with
# recording screens in place of the ones it opens.
nupavane_test(round_screen_tests SOURCES screens/RoundScreenTest.cpp LIBS nupavane_screens test_support)
