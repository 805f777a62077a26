// Runs the widget tests inside one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/preview/media_sound_output.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // The user's data, cache and settings folders are a scratch folder's, so
  // that no test reads or writes the real ones (shells, thumbnails).
  QTemporaryDir home;
  for (const char* name : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
    qputenv(name, (home.path() + QLatin1Char('/') + QLatin1String(name)).toUtf8());
  kirabel::ChooseMediaBackend();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
