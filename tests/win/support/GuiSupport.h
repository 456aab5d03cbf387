// Driving real windows from a second thread of the test: find a top-level
// window by caption, read and click its controls, send real key presses and
// real drops, and capture a window to a bitmap. Every wait has a timeout, so
// a window that never comes fails the test instead of hanging it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Dispatches this thread's messages for Ms milliseconds.
void PumpMessages(DWORD Ms = 100);

// Polls Condition every 20 ms until it holds or TimeoutMs pass.
bool WaitUntil(const std::function<bool()>& Condition, DWORD TimeoutMs = 10000);

// A visible top-level window of this process with exactly this caption (and
// class, when given); nullptr after TimeoutMs.
HWND WaitForWindow(const std::string& Caption, DWORD TimeoutMs = 10000, const char* ClassName = nullptr);
// The same without waiting.
HWND FindOwnWindow(const std::string& Caption, const char* ClassName = nullptr);

// Top-level windows of this process that are visible, or of any state.
std::vector<HWND> OwnWindows(bool VisibleOnly = true);

std::string WindowText(HWND Window);
std::string ClassOf(HWND Window);

// Child windows of Parent of class ClassName in z-order (creation or tab order).
std::vector<HWND> ChildrenOfClass(HWND Parent, const char* ClassName);
// The child button with this caption, or nullptr.
HWND FindButton(HWND Parent, const std::string& Caption);

// Posts a click to the button (never waits for what the click starts).
void ClickButton(HWND Button);

// Brings Window to the foreground and presses Ctrl+Key (or Alt+Key, or a
// lone key) with SendInput, as a keyboard would; the key goes through the
// window's message loop.
void SendCtrlKey(HWND Window, char Key);
void SendAltKey(HWND Window, char Key);
void SendKey(HWND Window, WORD VirtualKey);

// Presses the left mouse button at one screen point and lets it go at another.
void DragMouse(POINT From, POINT To);

// Posts WM_DROPFILES carrying a DROPFILES block with the ANSI paths; the
// receiver's DragFinish frees it. Answers the block's handle.
HGLOBAL PostDropFiles(HWND Window, const std::vector<std::string>& Paths);

// The item at Position of the popup at BarPosition of Window's menu bar:
// whether it is enabled (not grayed), and its command id.
bool MenuItemEnabled(HWND Window, int BarPosition, int Position);
UINT MenuCommand(HWND Window, int BarPosition, int Position);
// Posts the menu command, as choosing the item does.
void PostMenuCommand(HWND Window, int BarPosition, int Position);

// Saves the window (on top of the screen) as a 24-bit BMP, its frame and
// caption drawn in; false when it cannot be captured or shows next to nothing.
bool SaveWindowBitmap(HWND Window, const std::string& Path);
