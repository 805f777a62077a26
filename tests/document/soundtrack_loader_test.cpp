// The soundtrack's outline and length follow the document's soundtrack in the
// background; a newer soundtrack outdates the older one's decoding, and beats
// are detected on request.
#include "document/soundtrack_loader.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>
#include <sys/stat.h>

#include "document/document.h"
#include "picture_io/soundtrack.h"
#include "support/scratch_folder.h"
#include "ui_support/sound_files.h"

namespace kirabel {
namespace {

class SoundtrackLoaderTest : public ::testing::Test {
 protected:
  void useSoundtrack(const std::string& path) {
    ShowSettings show = document_.showSettings();
    show.audio = path;
    document_.changeShowSettings(show, QStringLiteral("soundtrack"));
  }
  void waitUntilDone() {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !loader_.busy(); }, 30000));
  }

  testing::ScratchFolder scratch_;
  Document document_;
  SoundtrackLoader loader_{document_};
  QSignalSpy waveforms_{&loader_, &SoundtrackLoader::waveformReady};
};

float Highest(const Waveform& waveform, std::size_t from, std::size_t to) {
  return *std::max_element(waveform.high.begin() + from, waveform.high.begin() + to);
}

// Half a second of silence, then a second of a tone at half of full scale.
TEST_F(SoundtrackLoaderTest, OutlinesTheSoundtrackFromItsFirstSample) {
  const std::string tone = scratch_.File("tone.flac");
  ASSERT_TRUE(testing::MakeSound(tone, "0.5*sin(2*PI*440*t)*gte(t\\,0.5)", 1.5));
  useSoundtrack(tone);
  waitUntilDone();
  ASSERT_EQ(waveforms_.count(), 2);  // null at once, then the outline
  EXPECT_FALSE(waveforms_[0][0].value<std::shared_ptr<const Waveform>>());
  const std::shared_ptr<const Waveform> waveform = loader_.waveform();
  ASSERT_TRUE(waveform);
  EXPECT_EQ(waveforms_[1][0].value<std::shared_ptr<const Waveform>>(), waveform);
  EXPECT_DOUBLE_EQ(waveform->bucketSeconds, 0.004);
  EXPECT_NEAR(static_cast<double>(waveform->size()), 375, 1);
  EXPECT_LT(Highest(*waveform, 0, 120), 0.01f);  // until 0.48 s
  EXPECT_NEAR(Highest(*waveform, 130, 370), 0.5f, 0.03f);
}

TEST_F(SoundtrackLoaderTest, ANewerSoundtrackOutdatesTheOlderAndAMissingOneHasNoOutline) {
  const std::string longer = scratch_.File("longer.wav"), shorter = scratch_.File("shorter.wav");
  ASSERT_TRUE(testing::MakeSound(longer, "sin(2*PI*440*t)", 20));
  ASSERT_TRUE(testing::MakeSound(shorter, "sin(2*PI*440*t)", 0.4));
  useSoundtrack(longer);
  useSoundtrack(shorter);
  waitUntilDone();
  ASSERT_TRUE(loader_.waveform());
  EXPECT_EQ(loader_.waveform()->size(), 100u);
  for (const QList<QVariant>& signal : waveforms_) {
    const auto waveform = signal[0].value<std::shared_ptr<const Waveform>>();
    EXPECT_TRUE(!waveform || waveform == loader_.waveform());
  }

  waveforms_.clear();
  useSoundtrack(scratch_.File("missing.wav"));
  waitUntilDone();
  EXPECT_EQ(waveforms_.count(), 1);
  EXPECT_FALSE(loader_.waveform());
}

// The length is measured for every new soundtrack; until then it is unknown,
// and a soundtrack that cannot be read says why.
TEST_F(SoundtrackLoaderTest, MeasuresTheSoundtracksLengthOrSaysWhyNot) {
  QSignalSpy lengths(&loader_, &SoundtrackLoader::lengthChanged);
  EXPECT_FALSE(loader_.measuring());  // no soundtrack
  const std::string tone = scratch_.File("tone.wav");
  ASSERT_TRUE(testing::MakeSound(tone, "sin(2*PI*440*t)", 2.5));
  useSoundtrack(tone);
  EXPECT_TRUE(loader_.measuring());
  EXPECT_FALSE(loader_.soundtrackSeconds());
  waitUntilDone();
  EXPECT_FALSE(loader_.measuring());
  ASSERT_TRUE(loader_.soundtrackSeconds());
  EXPECT_EQ(*loader_.soundtrackSeconds(), SoundtrackSeconds(tone));
  EXPECT_EQ(lengths.count(), 2);  // unknown at once, then measured

  const std::string missing = scratch_.File("missing.wav");
  useSoundtrack(missing);
  waitUntilDone();
  EXPECT_FALSE(loader_.soundtrackSeconds());
  ASSERT_TRUE(loader_.lengthError());
  EXPECT_THROW(std::rethrow_exception(loader_.lengthError()), SoundtrackError);

  useSoundtrack("");
  EXPECT_FALSE(loader_.measuring());
  EXPECT_FALSE(loader_.lengthError());
  EXPECT_FALSE(loader_.busy());
}

// A soundtrack that never ends (a named pipe nobody writes): its length is
// reported as not answered within the time limit, and a loader going away
// while ffmpeg still waits for it does not wait with it.
TEST_F(SoundtrackLoaderTest, ASoundtrackThatNeverEndsIsReportedAndAbandoned) {
  const std::string pipe = scratch_.File("stalled.wav");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  SetSoundtrackTimeLimit(std::chrono::seconds(1));
  useSoundtrack(pipe);
  waitUntilDone();
  SetSoundtrackTimeLimit(std::chrono::seconds(30));
  ASSERT_TRUE(loader_.lengthError());
  EXPECT_THROW(std::rethrow_exception(loader_.lengthError()), SoundtrackError);

  auto loader = std::make_unique<SoundtrackLoader>(document_);
  QTest::qWait(200);  // ffmpeg is reading the pipe
  QElapsedTimer closing;
  closing.start();
  loader.reset();
  EXPECT_LT(closing.elapsed(), 2000);
}

TEST_F(SoundtrackLoaderTest, DetectsBeatsOrSaysWhyNot) {
  QSignalSpy detected(&loader_, &SoundtrackLoader::beatsDetected);
  const std::string clicks = scratch_.File("clicks.wav");
  ASSERT_TRUE(testing::MakeSound(clicks, testing::ClickExpression(120, 0.25), 12));
  loader_.detectBeats(scratch_.File("missing.wav"));
  loader_.detectBeats(clicks);  // outdates the first
  waitUntilDone();
  ASSERT_EQ(detected.count(), 1);
  auto beats = detected[0][0].value<DetectedBeats>();
  EXPECT_EQ(beats.path, clicks);
  ASSERT_TRUE(beats.estimate);
  EXPECT_NEAR(beats.estimate->bpm, 120, 0.1);
  EXPECT_NEAR(beats.estimate->firstBeatSeconds, 0.25, 0.02);

  loader_.detectBeats(scratch_.File("missing.wav"));
  waitUntilDone();
  ASSERT_EQ(detected.count(), 2);
  beats = detected[1][0].value<DetectedBeats>();
  EXPECT_FALSE(beats.estimate);
  EXPECT_THROW(std::rethrow_exception(beats.error), SoundtrackError);
}

}  // namespace
}  // namespace kirabel
