# The mage: dials, shelf, drops into the cauldron and casting, on a headless application.
nupavane_test(mage_screen_tests SOURCES screens/MageScreenTest.cpp LIBS nupavane_screens test_support)
