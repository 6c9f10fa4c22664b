# The dealer's shop: its trade rules and the screen driven by scripted taps.
nupavane_test(shop_screen_tests SOURCES screens/ShopScreenTest.cpp LIBS nupavane_screens test_support)
