#pragma once
// Finds a dialog's control by its object name, as a user finds it by its
// place: dialogs keep their controls to themselves.
#include <gtest/gtest.h>

#include <QObject>

namespace kirabel::testing {

template <typename W>
W* Child(const QObject& parent, const char* name) {
  W* widget = parent.findChild<W*>(QLatin1String(name));
  if (!widget) ADD_FAILURE() << "no control " << name;
  return widget;
}

}  // namespace kirabel::testing
