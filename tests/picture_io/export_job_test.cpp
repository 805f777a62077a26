// The export job both programs assemble: the frames held to the launch's, the
// list's rate and soundtrack unless the user chose others.
#include "picture_io/export_job.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

Scene SceneOfFrames(long double frameCount) {
  Scene scene;
  scene.settings.frameCount = frameCount;
  scene.width = 40;
  return scene;
}

TEST(ExportJobTest, TheLastFrameIsHeldToTheLaunchsFrames) {
  const ExportOutput output{PictureFormat::kPng, true, std::nullopt, "", std::nullopt, ""};
  const ExportJob job = MakeExportJob(SceneOfFrames(12.7L), 3, 20, output, {});
  EXPECT_EQ(job.firstFrame, 3);
  EXPECT_EQ(job.lastFrame, 12);
  EXPECT_EQ(job.scene.width, 40);
  EXPECT_EQ(job.output.format, PictureFormat::kPng);
  EXPECT_TRUE(job.output.skipExisting);
  EXPECT_EQ(MakeExportJob(SceneOfFrames(12), 2, 5, output, {}).lastFrame, 5);
}

TEST(ExportJobTest, TheShowsRateAndSoundtrackUnlessOverridden) {
  ShowSettings show;
  show.fps = FrameRate{24, 1};
  show.audio = "/music/show.ogg";
  show.audioOffset = 1.5L;
  ShowSettings silentShow = show;
  silentShow.audio.clear();
  const FrameRate rate{30000, 1001};
  const struct {
    const char* name;
    const ShowSettings& show;
    ShowOverrides overrides;
    FrameRate rate;
    std::optional<Soundtrack> soundtrack;
  } cases[] = {
      {"the show's", show, {}, {24, 1}, Soundtrack{"/music/show.ogg", 1.5L}},
      {"another rate", show, {rate}, rate, Soundtrack{"/music/show.ogg", 1.5L}},
      {"another offset", show, {{}, {}, -2.0L}, {24, 1}, Soundtrack{"/music/show.ogg", -2.0L}},
      {"another file", show, {{}, "/a.wav"}, {24, 1}, Soundtrack{"/a.wav", 0}},
      {"another file at an offset",
       silentShow,
       {{}, "/a.wav", 3.0L},
       {24, 1},
       Soundtrack{"/a.wav", 3.0L}},
      {"no sound", show, {{}, "/a.wav", {}, true}, {24, 1}, std::nullopt},
      {"a show without sound", silentShow, {{}, {}, 3.0L}, {24, 1}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ExportJob job = MakeExportJob(SceneOfFrames(5), 1, 5, {}, c.show, c.overrides);
    EXPECT_EQ(job.rate, c.rate);
    ASSERT_EQ(job.soundtrack.has_value(), c.soundtrack.has_value());
    if (!c.soundtrack) continue;
    EXPECT_EQ(job.soundtrack->path, c.soundtrack->path);
    EXPECT_EQ(job.soundtrack->offset, c.soundtrack->offset);
  }
}

}  // namespace
}  // namespace kirabel
