#pragma once
// Sound files for tests, made by ffmpeg from an expression of the time t in
// seconds (commas escaped as "\\,"), e.g. a 440 Hz tone: "sin(2*PI*440*t)".
#include <QProcess>
#include <QString>
#include <string>

namespace kirabel::testing {

inline bool MakeSound(const std::string& path, const QString& expression, double seconds) {
  const QString source = QStringLiteral("aevalsrc=%1:s=44100:d=%2").arg(expression).arg(seconds);
  return QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                      source, QString::fromStdString(path)}) == 0;
}

// Clicks of a millisecond or two at `bpm` from `first` seconds on.
inline QString ClickExpression(double bpm, double first) {
  const double period = 60 / bpm;
  return QStringLiteral("0.8*sin(2*PI*1000*t)*exp(-mod(t+%1\\,%2)/0.002)*gte(t\\,%3)")
      .arg(period * 100 - first)
      .arg(period)
      .arg(first);
}

}  // namespace kirabel::testing
