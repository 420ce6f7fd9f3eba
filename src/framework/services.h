#pragma once

#include <functional>
#include <string>

// The modal message box and the system beep. Tests replace both with their own handlers so that
// nothing waits for a user and every message and beep can be counted.
namespace fw {

// Shows text in a modal message box and returns when the user dismisses it.
void MsgBox(const std::string& text);
// Sounds the system's alert.
void Beep();

// The text of a file of the application's resources, "" when there is none by that name.
std::string ResourceText(const std::string& name);

// A null function restores the real message box or beep.
void SetMsgBoxHandler(std::function<void(const std::string&)> handler);
void SetBeepHandler(std::function<void()> handler);

}  // namespace fw
