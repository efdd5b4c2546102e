#include "ui/settings_rules.h"

#include "engine/decimal_text.h"
#include "resource.h"

namespace {

std::wstring ReadValue(SettingsStore& store, const wchar_t* key, const wchar_t* fallback) {
  std::wstring value = store.Read(key, fallback);
  if (value.size() > kSettingsValueMaxLength) value.resize(kSettingsValueMaxLength);
  return value;
}

// A list index from the file: the integer it starts with when that is an item of the list (negative
// numbers taken as unsigned are not), otherwise the fallback.
int ListIndex(const std::wstring& value, int itemCount, int fallback) {
  const auto index = ScanDecimalInt(value);
  if (!index || static_cast<unsigned>(*index) >= static_cast<unsigned>(itemCount)) return fallback;
  return *index;
}

// A field's text, or what stands for it when the file holds the given "nothing" value.
void SetFieldText(DialogControls& controls, int id, const std::wstring& value, const wchar_t* nothing,
                  const wchar_t* replacement) {
  controls.SetText(id, value == nothing ? std::wstring(replacement) : value);
}

std::wstring TextOr(DialogControls& controls, int id, const wchar_t* whenEmpty) {
  std::wstring text = controls.Text(id);
  return text.empty() ? std::wstring(whenEmpty) : text;
}

std::wstring CheckValue(DialogControls& controls, int id) { return controls.IsChecked(id) ? L"1" : L"0"; }

}  // namespace

void SettingsToControls(SettingsStore& store, DialogControls& controls) {
  // The window opens with nothing checked: these two only ever check a button.
  if (ReadValue(store, L"NoActivate", L"0") == L"1") controls.SetCheck(IDC_NO_ACTIVATE, true);
  controls.SetCheck(
      ReadValue(store, L"ClickCountType", L"FixedCount") == L"ForTime" ? IDC_RADIO_TIME : IDC_RADIO_COUNT,
      true);

  SetFieldText(controls, IDC_CLICK_COUNT, ReadValue(store, L"ClickCount", L"0"), L"0", L"100");
  SetFieldText(controls, IDC_CLICK_TIME, ReadValue(store, L"ForTime", L"0"), L"0", L"1");
  controls.SelectItem(
      IDC_TIME_UNIT, ListIndex(ReadValue(store, L"ForTimeType", L"2"), controls.ItemCount(IDC_TIME_UNIT), 2));
  SetFieldText(controls, IDC_INTERVAL, ReadValue(store, L"Interval", L"1000"), L"", L"1000");
  controls.SelectItem(IDC_MOUSE,
                      ListIndex(ReadValue(store, L"Mouse", L"0"), controls.ItemCount(IDC_MOUSE), 0));
  controls.SelectItem(IDC_ACTION,
                      ListIndex(ReadValue(store, L"Action", L"0"), controls.ItemCount(IDC_ACTION), 0));

  // 0 is the pointer, 1 the fixed point; any other number leaves both radio buttons unchecked.
  const int32_t clickPoint = ScanDecimalInt(ReadValue(store, L"ClickPoint", L"0")).value_or(0);
  controls.SetCheck(IDC_CLICK_MOUSE_POS, clickPoint == 0);
  controls.SetCheck(IDC_CLICK_FIXED_POINT, clickPoint == 1);

  SetFieldText(controls, IDC_FIXED_X, ReadValue(store, L"FixedX", L"1000"), L"", L"1000");
  SetFieldText(controls, IDC_FIXED_Y, ReadValue(store, L"FixedY", L"500"), L"", L"500");
  controls.SetCheck(IDC_MOVE_MOUSE, ReadValue(store, L"FixedMoveMouse", L"1") == L"1");
}

void ControlsToSettings(DialogControls& controls, SettingsStore& store) {
  store.Write(L"NoActivate", CheckValue(controls, IDC_NO_ACTIVATE));
  store.Write(L"ClickCountType", controls.IsChecked(IDC_RADIO_COUNT) ? L"FixedCount" : L"ForTime");
  // An empty count or duration is never written: the file gets what a new window would show.
  store.Write(L"ClickCount", TextOr(controls, IDC_CLICK_COUNT, L"100"));
  store.Write(L"ForTime", TextOr(controls, IDC_CLICK_TIME, L"1"));
  store.Write(L"ForTimeType", DecimalText(controls.CurSel(IDC_TIME_UNIT)));
  store.Write(L"Interval", controls.Text(IDC_INTERVAL));
  store.Write(L"Mouse", DecimalText(controls.CurSel(IDC_MOUSE)));
  store.Write(L"Action", DecimalText(controls.CurSel(IDC_ACTION)));
  store.Write(L"ClickPoint", controls.IsChecked(IDC_CLICK_MOUSE_POS) ? L"0" : L"1");
  store.Write(L"FixedX", controls.Text(IDC_FIXED_X));
  store.Write(L"FixedY", controls.Text(IDC_FIXED_Y));
  store.Write(L"FixedMoveMouse", CheckValue(controls, IDC_MOVE_MOUSE));
}
