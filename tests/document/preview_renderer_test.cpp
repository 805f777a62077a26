#include "document/preview_renderer.h"

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "model/options.h"
#include "simulation/make_scene.h"
#include "support/particle_sets.h"

namespace kirabel {
namespace {

// A scene that differs from the one built in its look alone draws the launch
// already built: a count left unconfirmed stays so until another launch is
// asked for.
TEST(PreviewRendererTest, ASceneOfTheSameLaunchIsNotBuiltAgain) {
  PreviewRenderer renderer;
  std::vector<PreviewResult> results;
  QObject::connect(&renderer, &PreviewRenderer::finished,
                   [&](const PreviewResult& result) { results.push_back(result); });
  const Scene scene = MakeScene({testing::NamedSet("A")}, LaunchSettings(), RandomGenerator(),
                                SceneTarget::Preview(64, 64, Options()));
  const auto render = [&](bool confirmed, int64_t launchNumber) {
    const std::size_t before = results.size();
    renderer.request({std::make_shared<const PreviewScene>(
                          PreviewScene{scene, /*askFrom=*/1, confirmed, launchNumber}),
                      1});
    EXPECT_TRUE(QTest::qWaitFor([&] { return results.size() > before; }, 10000));
    return results.empty() ? PreviewResult::State::kTooLarge : results.back().state;
  };
  EXPECT_EQ(render(false, 1), PreviewResult::State::kNeedsConfirmation);
  EXPECT_EQ(render(true, 1), PreviewResult::State::kNeedsConfirmation);
  EXPECT_EQ(render(true, 2), PreviewResult::State::kPicture);
}

}  // namespace
}  // namespace kirabel
