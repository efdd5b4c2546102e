// The main dialog's settings: read once when the window opens, written when a click run starts.
#include "common/program_paths.h"
#include "ui/profile_settings_store.h"
#include "ui/quillotap_dlg.h"

void CQuillotapDlg::LoadSettings() {
  ProfileSettingsStore store(g_strConfigFile);
  SettingsToControls(store, *this);
}

void CQuillotapDlg::SaveSettings() {
  ProfileSettingsStore store(g_strConfigFile);
  ControlsToSettings(*this, store);
}
