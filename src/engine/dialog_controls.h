#pragma once
// The main dialog's controls, reached by id. The deciding code reads and sets them through this;
// the dialog answers with its real controls and the tests with a table.
#include <cstdint>
#include <string>

#include "engine/decimal_text.h"

class DialogControls {
 public:
  // Checked means BM_GETCHECK gave exactly BST_CHECKED.
  virtual bool IsChecked(int id) = 0;
  virtual void SetCheck(int id, bool checked) = 0;
  virtual std::wstring Text(int id) = 0;
  virtual void SetText(int id, const std::wstring& text) = 0;
  // A list's current selection, -1 when there is none; its number of items; selecting an item.
  virtual int CurSel(int id) = 0;
  virtual int ItemCount(int id) = 0;
  virtual void SelectItem(int id, int index) = 0;
  virtual void Enable(int id, bool enable) = 0;

 protected:
  ~DialogControls() = default;
};

// A field's whole text as a number, by the one rule of IntFromText: fallback when it is empty or starts
// with no number.
inline int32_t GetWindowInt(DialogControls& controls, int id, int32_t fallback) {
  return IntFromText(controls.Text(id), fallback);
}
