#include "cli/confirmed_settings.h"

#include "controls/numeric_entry.h"
#include "controls/numeric_entry_host.h"

namespace kirabel::cli {

namespace {

// A numeric field without a window: only its value matters here.
class SilentField : public NumericEntryHost {
 public:
  SelectionKind Selection() const override { return SelectionKind::kNone; }
  bool IsReadOnly() const override { return false; }
  void SetText(const std::string&) override {}
  void SetTextColor(uint32_t) override {}
  void SelectAll() override {}
  void CaretToEnd() override {}
  void CopySelection() override {}
  void Beep() override {}
  void MoveFocus(bool) override {}
};

// The value a launch settings field holds after being set to x.
long double ThroughField(long double x, bool negatives, int fixDecimal) {
  NumericProperties properties;
  properties.maxDigits = 9;
  properties.prmtNegative = negatives;
  properties.fixDecimal = fixDecimal;
  properties.zeroDisplay = true;
  SilentField host;
  NumericEntry field(host, properties);
  field.Loaded();
  field.SetValue(x);
  return field.Value();
}

}  // namespace

TEnvironment ConfirmedSettings(const TEnvironment& env) {
  TEnvironment confirmed = env;
  confirmed.G = ThroughField(env.G, true, -1);     // NEditG
  confirmed.ST = ThroughField(env.ST, true, -1);   // NEditST
  confirmed.IT = ThroughField(env.IT, false, -1);  // NeditIT
  confirmed.NF = ThroughField(env.NF, false, 0);   // NEditNF
  return confirmed;
}

}  // namespace kirabel::cli
