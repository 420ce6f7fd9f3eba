#pragma once

#include "framework/application.h"

// The application object. It adds nothing to the framework's: start-up gives it its version data
// and its menu bar.
class App : public fw::Application {
 public:
  App() = default;
};

// The one application object, or nullptr before start-up has made it.
App* TheApp();

// The start-up steps, in the order _Main runs them.
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _LateStartup();
void _MakeDefaultView();

// From the process's entry to the end of the event loop; returns the exit code.
int _Main(int argc, char** argv);
