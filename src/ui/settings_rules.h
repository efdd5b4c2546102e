#pragma once
// What the settings file holds and how its values turn into the dialog's controls and back.
// Plain C++: the dialog supplies the profile file, the tests a table.
#include <cstddef>
#include <string>

#include "engine/dialog_controls.h"

// The key-value store of the file's one section.
class SettingsStore {
 public:
  // The key's value, or fallback when the key (or the file, or the section) is missing.
  virtual std::wstring Read(const wchar_t* key, const wchar_t* fallback) = 0;
  // Adds or replaces the key; a write that fails is lost without a word.
  virtual void Write(const wchar_t* key, const std::wstring& value) = 0;

 protected:
  ~SettingsStore() = default;
};

constexpr wchar_t kSettingsSection[] = L"Option";
// Values are read into a buffer of 260 characters: longer ones arrive cut to this length.
constexpr std::size_t kSettingsValueMaxLength = 259;

// Fills the controls from the store; needs the three lists filled and nothing checked yet.
void SettingsToControls(SettingsStore& store, DialogControls& controls);

// Writes the twelve keys from the controls, in the order in which a new file lists them.
void ControlsToSettings(DialogControls& controls, SettingsStore& store);
