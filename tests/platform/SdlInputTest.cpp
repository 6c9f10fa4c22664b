// The desktop's input as the window procedure receives it: the mouse wheel as direction
// key presses, and a gamepad's stick and A button as a pointer and the stylus.
#include "platform/sdl/SdlInput.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace {

using platform::WindowMessage;
using platform::sdl::InputTranslator;

class SdlInputTest : public ::testing::Test {
protected:
  ~SdlInputTest() override { SDL_SetModState(KMOD_NONE); }

  void wheel(int x, int y, bool flipped = false) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.x = x;
    event.wheel.y = y;
    event.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
    input.translate(event, queue);
  }
  void stick(SDL_GameControllerAxis axis, int value) {
    SDL_Event event{};
    event.type = SDL_CONTROLLERAXISMOTION;
    event.caxis.axis = Uint8(axis);
    event.caxis.value = Sint16(value);
    input.translate(event, queue);
  }
  void button(SDL_GameControllerButton which, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    event.cbutton.button = Uint8(which);
    event.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    input.translate(event, queue);
  }
  void press(SDL_Keycode code) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = code;
    event.key.state = SDL_PRESSED;
    input.translate(event, queue);
  }
  // The device key a press of `code` sends; 0 for none.
  uint32_t sentBy(SDL_Keycode code) {
    queue.clear();
    press(code);
    uint32_t sent = 0;
    for (const WindowMessage& m : queue)
      if (m.message == platform::WM_KEYDOWN) sent = m.wParam;
    SDL_Event up{};
    up.type = SDL_KEYUP;
    up.key.keysym.sym = code;
    up.key.state = SDL_RELEASED;
    input.translate(up, queue);
    queue.clear();
    return sent;
  }
  void mouseMotion(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    input.translate(event, queue);
  }
  // The pumps that follow, `stepMs` apart: what each one sent.
  std::vector<std::vector<WindowMessage>> pumps(int count, uint32_t stepMs = 16) {
    std::vector<std::vector<WindowMessage>> sent;
    for (int i = 0; i < count; ++i) {
      clock += stepMs;
      input.followPads(clock, queue);
      sent.emplace_back(queue.begin(), queue.end());
      queue.clear();
    }
    return sent;
  }
  static uint32_t key(platform::Direction d) { return platform::physicalKeyFor(d, platform::kDeviceKeys); }
  static void landscape(const WindowMessage& m, int& x, int& y) { platform::lParamToLandscape(m.lParam, x, y); }

  InputTranslator input{platform::kDeviceKeys};
  std::deque<WindowMessage> queue;
  uint32_t clock = 1000;
};

// Each notch holds its key for one pump and lets go in the next, so a screen that reads
// the key once a frame sees every notch, and one that waits for the key to be let go
// counts each.
TEST_F(SdlInputTest, EachWheelNotchIsOneDirectionPressHeldForAPump) {
  using platform::Direction;
  struct Case {
    int x, y;
    bool flipped, shift;
    Direction expected;
  } cases[] = {
      {0, 1, false, false, Direction::Up},     {0, -1, false, false, Direction::Down},
      {1, 0, false, false, Direction::Right},  {-1, 0, false, false, Direction::Left},
      {0, 1, true, false, Direction::Down},    {0, 1, false, true, Direction::Left},
      {0, -1, false, true, Direction::Right},
  };
  for (const Case& c : cases) {
    SDL_SetModState(c.shift ? KMOD_LSHIFT : KMOD_NONE);
    wheel(c.x, c.y, c.flipped);
    EXPECT_TRUE(queue.empty()) << "a notch waits for the pump";
    auto sent = pumps(3);
    ASSERT_EQ(sent[0].size(), 1u);
    EXPECT_EQ(sent[0][0].message, platform::WM_KEYDOWN);
    EXPECT_EQ(sent[0][0].wParam, key(c.expected)) << c.x << " " << c.y;
    ASSERT_EQ(sent[1].size(), 1u);
    EXPECT_EQ(sent[1][0].message, platform::WM_KEYUP);
    EXPECT_TRUE(sent[2].empty());
  }
}

TEST_F(SdlInputTest, AFlickOfTheWheelScrollsAFewNotchesNotForSeconds) {
  wheel(0, 3);
  int presses = 0;
  for (const auto& pump : pumps(20))
    for (const WindowMessage& m : pump) presses += m.message == platform::WM_KEYDOWN;
  EXPECT_EQ(presses, 3);
  wheel(0, -100);
  presses = 0;
  for (const auto& pump : pumps(400))
    for (const WindowMessage& m : pump) presses += m.message == platform::WM_KEYDOWN;
  EXPECT_EQ(presses, InputTranslator::kMaxWheelNotches);
}

TEST_F(SdlInputTest, TheLeftStickMovesThePointerAndATapsAndDragsThere) {
  int x = 0, y = 0;
  EXPECT_FALSE(input.padPointer(x, y));
  // Within the stick's play nothing moves and no pointer shows.
  stick(SDL_CONTROLLER_AXIS_LEFTX, InputTranslator::kStickDeadZone - 1);
  pumps(10);
  EXPECT_FALSE(input.padPointer(x, y));
  // All the way right for half a second: about half the pointer's speed in pixels.
  stick(SDL_CONTROLLER_AXIS_LEFTX, 32767);
  pumps(25, 20);
  ASSERT_TRUE(input.padPointer(x, y));
  EXPECT_NEAR(x, 160 + InputTranslator::kPointerSpeed / 2, 6);
  EXPECT_EQ(y, 120);
  EXPECT_TRUE(input.pointerMoved());
  stick(SDL_CONTROLLER_AXIS_LEFTX, 0);

  button(SDL_CONTROLLER_BUTTON_A, true);
  ASSERT_EQ(queue.size(), 2u);
  EXPECT_EQ(queue[1].message, platform::WM_LBUTTONDOWN);
  int px = 0, py = 0;
  landscape(queue[1], px, py);
  EXPECT_EQ(px, x);
  EXPECT_EQ(py, y);
  queue.clear();
  // Held, the stick drags the stylus; down and off the bottom it stays on the edge.
  stick(SDL_CONTROLLER_AXIS_LEFTY, 32767);
  auto sent = pumps(50, 20);
  EXPECT_FALSE(sent[1].empty());
  EXPECT_EQ(sent[1][0].message, platform::WM_MOUSEMOVE);
  EXPECT_TRUE(input.stylusDown());
  button(SDL_CONTROLLER_BUTTON_A, false);
  ASSERT_EQ(queue.size(), 1u);
  EXPECT_EQ(queue[0].message, platform::WM_LBUTTONUP);
  landscape(queue[0], px, py);
  EXPECT_EQ(py, 239);
  EXPECT_FALSE(input.stylusDown());
}

TEST_F(SdlInputTest, TheMouseTakesOverFromThePadsPointer) {
  button(SDL_CONTROLLER_BUTTON_A, true);
  button(SDL_CONTROLLER_BUTTON_A, false);
  int x = 0, y = 0;
  EXPECT_TRUE(input.padPointer(x, y));
  input.pointerMoved();
  mouseMotion(10, 10);
  EXPECT_FALSE(input.padPointer(x, y));
  EXPECT_TRUE(input.pointerMoved());  // the arrow must be wiped off the window
}

// The D-pad stays the direction keys; A is the stylus and no longer the device's A key.
TEST_F(SdlInputTest, TheDpadSendsDirectionKeysAndANoKey) {
  button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  ASSERT_EQ(queue.size(), 1u);
  EXPECT_EQ(queue[0].wParam, key(platform::Direction::Right));
  queue.clear();
  button(SDL_CONTROLLER_BUTTON_A, true);
  for (const WindowMessage& m : queue) EXPECT_NE(m.message, platform::WM_KEYDOWN);
}

// The preferences' keys: a bound key sends its handheld key, the default key of a rebound
// handheld key sends nothing, the keys left alone keep their defaults, and a name no desktop
// key has is handed back with its handheld key left on its default.
TEST_F(SdlInputTest, BoundKeysReplaceTheDefaultsOfTheirHandheldKeys) {
  std::array<std::string, platform::kHandheldKeyCount> names;
  names[size_t(platform::HandheldKey::Up)] = "W";
  names[size_t(platform::HandheldKey::Start)] = "Space";
  names[size_t(platform::HandheldKey::Left)] = "No Such Key";
  const std::vector<std::string> unknown = input.bindKeys(names);
  ASSERT_EQ(unknown, std::vector<std::string>{"No Such Key"});

  EXPECT_EQ(sentBy(SDLK_w), key(platform::Direction::Up));
  EXPECT_EQ(sentBy(SDLK_UP), 0u);
  EXPECT_EQ(sentBy(SDLK_SPACE), platform::kDeviceKeys.start);
  EXPECT_EQ(sentBy(SDLK_RETURN), 0u);
  EXPECT_EQ(sentBy(SDLK_LEFT), key(platform::Direction::Left));
  EXPECT_EQ(sentBy(SDLK_DOWN), key(platform::Direction::Down));
  EXPECT_EQ(sentBy(SDLK_z), platform::kDeviceKeys.a);

  input.bindKeys({});
  EXPECT_EQ(sentBy(SDLK_UP), key(platform::Direction::Up));
  EXPECT_EQ(sentBy(SDLK_w), 0u);
}

}  // namespace
