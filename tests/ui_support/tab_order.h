#pragma once
// The order in which the Tab key reaches a window's controls.
#include <gtest/gtest.h>

#include <QWidget>
#include <initializer_list>

namespace kirabel::testing {

// Whether the Tab key can stop at the widget: it takes focus by Tab and is
// shown with its window (not on a hidden page of tabs).
inline bool IsTabStop(const QWidget* widget) {
  return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(widget->window());
}

// The next widget that the Tab key reaches.
inline QWidget* NextTabStop(QWidget* from) {
  QWidget* next = from->nextInFocusChain();
  while (next != from && !IsTabStop(next)) next = next->nextInFocusChain();
  return next;
}

// Tab leads from each named control of `window` to the next one named.
inline void ExpectTabOrder(const QWidget& window, std::initializer_list<const char*> order) {
  const char* previous = nullptr;
  for (const char* name : order) {
    if (previous) {
      QWidget* from = window.findChild<QWidget*>(QLatin1String(previous));
      ASSERT_NE(from, nullptr) << previous;
      EXPECT_EQ(NextTabStop(from)->objectName(), QLatin1String(name)) << previous;
    }
    previous = name;
  }
}

}  // namespace kirabel::testing
