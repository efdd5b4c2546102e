#pragma once
// The two global hotkeys of the main window.
constexpr int kHotKeyStart = 32771;  // Ctrl+F1
constexpr int kHotKeyStop = 32772;   // Ctrl+F2
