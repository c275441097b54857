// qelhost: the reference host. It plays the Qel runtime's part for the plug-in: a window
// with a GL 3.3 core context, the engine's commands served by name (images are GL textures,
// render images are framebuffer objects, sprites and boxes are drawn, memblocks are byte
// arrays, files come from a media folder), scripted or real input and a clock.
//
// One Host lives at a time in a process; Host::Lookup serves the live one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct GLFWwindow;

namespace qel {

namespace engine {
struct HostState;
}

struct HostConfig {
  int width = 1024;                   // framebuffer size in pixels
  int height = 768;
  bool visible = false;               // a real window fed by real input; else hidden
  std::string media_folder = ".";     // where relative file names are found
  bool manual_clock = true;           // time advances only by Swap (frame_time a frame)
  float frame_time = 1.0f / 60.0f;    // seconds a frame in manual mode
  bool capture_frames = true;         // Swap reads the presented frame back for Screen()
};

// RGBA pixels, 8 bits a channel, top row first.
struct Pixels {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;
  uint32_t At(int x, int y) const;    // packed r | g<<8 | b<<16 | a<<24; 0 outside
};

class Host {
 public:
  explicit Host(const HostConfig& config = {});  // window + GL context (made current) + host GL objects
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  bool ok() const;                                 // window, context and GL objects are ready

  static void* Lookup(const char* name);           // handed to ReceiveQELPtr; serves the live Host
  void RemoveCommand(const std::string& name);     // before LoadPlugin: a host without that command
  bool LoadPlugin(const std::string& library_path);  // loads the library + ReceiveQELPtr; false + stderr on failure
  void* Symbol(const char* name) const;            // an export of the loaded plug-in (nullptr if none)
  template <class Sig>
  Sig* Export(const char* name) const {
    return reinterpret_cast<Sig*>(Symbol(name));
  }

  // The engine frame, for programs that drive it themselves.
  void Update(float dt);
  void Render();                                   // clear, boxes, sprites into the current target
  void Swap();                                     // capture, present, end the frame
  void Sync();                                     // Update(0) + Render + Swap

  // Scripted input. Positions are in framebuffer pixels; edges last until the end of the next Swap.
  void MoveMouse(float x, float y);
  void MouseDown(int button);                      // 0 left, 1 right, 2 middle
  void MouseUp(int button);
  void Wheel(float delta);
  void KeyDown(int vk);                            // Windows virtual-key code
  void KeyUp(int vk);
  void Type(const std::string& utf8);

  // Clock (manual mode): Swap advances the milliseconds by the frame time.
  void SetMilliseconds(uint32_t ms);
  void SetFrameTime(float seconds);

  // Read-back.
  Pixels Screen() const;                           // the last presented frame, captured in Swap
  Pixels BackBuffer() const;                       // the current back buffer, now
  Pixels ImagePixels(int image_id) const;          // an image as shown (render images included)
  static bool SavePng(const Pixels& pixels, const std::string& path);

  // Inspection for tests.
  void RecordCalls(bool on);                       // note the commands the plug-in calls
  const std::vector<std::string>& Calls() const;   // their names, in call order
  void ClearCalls();
  uint8_t* MemblockData(int id);                   // nullptr when there is no such block
  int MemblockSize(int id);                        // 0 when there is no such block
  int VirtualWidth() const;
  int VirtualHeight() const;
  bool SpriteVisible(int sprite_id) const;
  bool ObjectVisible(int object_id) const;
  int PolygonsDrawn() const;                       // triangles drawn by the last Render
  uint32_t Milliseconds() const;
  GLFWwindow* Window() const;
  bool WindowShouldClose() const;                  // the user closed a visible window

 private:
  std::unique_ptr<engine::HostState> state_;
  void* plugin_ = nullptr;
};

}  // namespace qel
