# One test program for each screen, on a headless application with recorders in place of
# the screens it opens; the cellar's also holds the dragon statistics and announcements.
foreach(screen castle:Castle fight:Fight fight_animation:FightAnimation hatchery:Hatchery info:Info mage:Mage
               month_end:MonthEnd round:Round settings:Settings shop:Shop cellar:Cellar)
  string(REPLACE ":" ";" names ${screen})
  list(GET names 0 target)
  list(GET names 1 source)
  nupavane_test(${target}_screen_tests SOURCES screens/${source}ScreenTest.cpp LIBS nupavane_screens test_support)
endforeach()
target_sources(cellar_screen_tests PRIVATE screens/DragonAnnouncementsTest.cpp)
