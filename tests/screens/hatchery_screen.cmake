# The hatchery: laying and removing eggs, the heat drag, the selection.
nupavane_test(hatchery_screen_tests
  SOURCES screens/HatcheryScreenTest.cpp
  LIBS nupavane_screens test_support)
