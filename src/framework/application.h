#pragma once

#include <functional>
#include <memory>
#include <string>

namespace fw {

class MenuBar;

struct VersionData {
  int major = 0, minor = 0, bug = 0, nonRelease = 0, stage = 0;
  std::string copyright;
  std::string shortVersion;
  std::string name;
};

// The application object: one per process, made before any window. It owns the Qt application
// and runs the event loop.
class Application {
 public:
  // The process's arguments, handed on to Qt; call before making the application object.
  static void SetArguments(int argc, char** argv);
  // Declares that the program draws sharply at any scale; call before making the object.
  static void SetSupportsHiDPI(bool supported);

  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* Current();

  void SetVersionData(const VersionData& data);
  const VersionData& Version() const { return version_; }

  void SetMenuBar(MenuBar* menuBar) { menuBar_ = menuBar; }
  MenuBar* GetMenuBar() const { return menuBar_; }

  // Runs whenReady once the framework is ready, as the first thing the event loop does.
  void Initialise(std::function<void()> whenReady);
  // The event loop; returns when the user quits.
  int Run();
  // Ends the event loop, whatever windows are on show; no window's close runs on the way out.
  static void Quit();

  // Ends the event loop when no window is on screen and no timer is waiting to show one:
  // the user has closed the last window.
  void QuitIfIdle();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  VersionData version_;
  MenuBar* menuBar_ = nullptr;
};

}  // namespace fw
