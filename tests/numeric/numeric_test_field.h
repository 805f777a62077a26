#pragma once
// A numeric entry on a recording host, for the core tests of the numeric field.
#include <string>
#include <vector>

#include "numeric/numeric_entry.h"

namespace kirabel::testing {

class RecordingHost : public NumericEntryHost {
 public:
  SelectionKind selection = SelectionKind::kNone;
  bool readOnly = false;
  std::string text;
  std::vector<uint32_t> colors;
  int beeps = 0;
  int copies = 0;
  std::vector<bool> focusMoves;  // true = forward

  SelectionKind Selection() const override { return selection; }
  bool IsReadOnly() const override { return readOnly; }
  void SetText(const std::string& t) override {
    text = t;
    selection = SelectionKind::kNone;
  }
  void SetTextColor(uint32_t argb) override { colors.push_back(argb); }
  void SelectAll() override { selection = SelectionKind::kAll; }
  void CaretToEnd() override { selection = SelectionKind::kNone; }
  void CopySelection() override { ++copies; }
  void Beep() override { ++beeps; }
  void MoveFocus(bool forward) override { focusMoves.push_back(forward); }
};

// A field created with the given properties and normalised as after loading.
struct Field {
  explicit Field(const NumericProperties& props = {}) : entry(host, props) { entry.Loaded(); }
  Field(const NumericProperties& props, long double value) : entry(host, props) {
    entry.SetValue(value);
    entry.Loaded();
  }

  // Types each character; "B" presses Backspace, "D" Delete, "E" Escape, "H" Home.
  Field& Type(const std::string& keys) {
    for (char c : keys) {
      switch (c) {
        case 'B':
          entry.KeyDown(NumericKey::kBackspace);
          break;
        case 'D':
          entry.KeyDown(NumericKey::kDelete);
          break;
        case 'E':
          entry.KeyDown(NumericKey::kEscape);
          break;
        case 'H':
          entry.KeyDown(NumericKey::kHome);
          break;
        default:
          entry.TypeChar(static_cast<unsigned char>(c));
      }
    }
    return *this;
  }
  const std::string& Text() const { return host.text; }

  RecordingHost host;
  NumericEntry entry;
};

inline NumericProperties Props(int maxDigits, bool allowNegative, int fixedDecimals,
                               bool showZero) {
  NumericProperties p;
  p.maxDigits = maxDigits;
  p.allowNegative = allowNegative;
  p.fixedDecimals = fixedDecimals;
  p.showZero = showZero;
  return p;
}

}  // namespace kirabel::testing
