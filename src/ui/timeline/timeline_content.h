#pragma once
// What the timeline shows, taken from the document in one piece: the launch's
// frames and clocks, one row per visible set, the soundtrack's outline and
// place, the playhead and the selected set.
#include <QColor>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "audio/waveform.h"
#include "model/document_data.h"
#include "simulation/set_timing.h"
#include "simulation/show_time.h"

namespace kirabel {

struct TimelineContent {
  explicit TimelineContent(const DocumentData& data);

  LaunchSettings settings;  // within the launch settings' limits, as the launch uses them
  ShowTime clock;
  int64_t frameCount = 1;
  long double firstTime = 0;  // frame 1
  long double lastTime = 0;   // frame NF
  // What the ruler spans unzoomed: the frames and every bar with its spreads.
  long double earliest = 0;
  long double latest = 0;
  std::vector<SetTiming> rows;
  std::vector<QString> names;  // of every set of the list, by position
  std::vector<QColor> colours;
  std::shared_ptr<const Waveform> waveform;
  long double audioOffset = 0;  // video seconds of the soundtrack's first sample
  std::optional<long double> playhead;
  std::optional<std::size_t> selectedSet;  // a position in the list

  // The row showing set `set`, if it has one.
  std::optional<std::size_t> rowOf(std::size_t set) const;
};

}  // namespace kirabel
