// Keyboard and mouse input as the user gives it: synthesised events that go
// to whatever window has the focus.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace veldo::e2e {

// Brings window to the foreground and waits until its thread has a focus
// window; Wine drops synthesised keys that arrive before that.
bool Focus(HWND window);

// The window with the keyboard focus in window's thread, or nullptr.
HWND FocusOf(HWND window);

// Presses and releases key while holding the modifiers (VK_MENU, VK_CONTROL,
// VK_SHIFT), releasing them in reverse order afterwards.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// Moves the pointer to the screen point and clicks the left button there.
void ClickAt(POINT screenPoint);
// Two clicks at the screen point, quick enough to make a double click.
void DoubleClickAt(POINT screenPoint);
// Presses the left button at from, waits until window's thread holds the
// mouse, moves to to and releases it there.
void DragFromTo(HWND window, POINT from, POINT to);

} // namespace veldo::e2e
