#include "app/app.h"

#include "app/menubar1.h"
#include "windows/about_wnd.h"

namespace {

App* gApp = nullptr;

const fw::VersionData kVersion = {
    3, 0, 0, 0, 3, "Copyright (c) 2026 the Quorvane developers", "3.0", "Quorvane",
};

}  // namespace

App* TheApp() {
  return gApp;
}

void _InitFileTypes() {}  // the program opens no documents

void _NewAppInstance() {
  gApp = new App();  // lives until the process ends
  gApp->SetVersionData(kVersion);
  gApp->SetMenuBar(&GetMenuBar1());
}

void _ApplicationAddMenuHandlers() {}  // the windows with the menu bar handle the About item

void _EarlyStartup() {
  fw::Application::SetSupportsHiDPI(true);
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
}

void _MakeDefaultView() {
  // Asking for the About window makes it, and it shows itself: it is visible when made.
  AboutWnd::Get();
}

void _LateStartup() {
  _MakeDefaultView();
}

int _Main(int argc, char** argv) {
  fw::Application::SetArguments(argc, argv);
  _EarlyStartup();
  gApp->Initialise(_LateStartup);
  return gApp->Run();
}
