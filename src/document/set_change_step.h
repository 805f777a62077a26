#pragma once
// One step of the history made of any number of changes to one set while
// the user drags it: the document follows every change, so the views follow
// too, and the whole drag is undone at once. A drag that ends where it began
// leaves no step behind.
#include <QString>
#include <cstddef>

#include "model/particle.h"

namespace kirabel {

class Document;

class SetChangeStep {
 public:
  SetChangeStep(Document& document, std::size_t set, QString name);
  ~SetChangeStep();
  SetChangeStep(const SetChangeStep&) = delete;
  SetChangeStep& operator=(const SetChangeStep&) = delete;

  // The set as it was when the step began.
  const ParticleSet& original() const { return original_; }
  std::size_t set() const { return set_; }
  // The set becomes `changed` (nothing when it already is).
  void apply(const ParticleSet& changed);
  // Ends the step (the destructor does too).
  void finish();

 private:
  bool hasSet() const;

  Document& document_;
  std::size_t set_;
  ParticleSet original_;
  QString name_;
  bool open_ = false;
};

}  // namespace kirabel
