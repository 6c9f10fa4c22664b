nupavane_test(cellar_screen_tests
  SOURCES screens/CellarScreenTest.cpp screens/DragonAnnouncementsTest.cpp screens/CellarFixture.cpp
  LIBS nupavane_screens test_support)
target_compile_definitions(cellar_screen_tests PRIVATE NUPAVANE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
