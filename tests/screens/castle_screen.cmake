# The castle: its rooms opened through the zone map, the dealer, the hidden corner.
nupavane_test(castle_screen_tests
  SOURCES screens/CastleScreenTest.cpp
  LIBS nupavane_screens test_support)
