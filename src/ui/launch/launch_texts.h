#pragma once
// What the desktop program says about a launch's particle count.
#include <QString>
#include <cstdint>
#include <exception>

namespace kirabel {

// "%d個の粒子が作られます。計算を続けていいですか？"
QString ParticleCountQuestion(int64_t particles);
// "%d個の粒子はメモリに収まりません。粒子の数を減らしてください"
QString ParticleMemoryRefusal(int64_t particles);
// The text of a failure caught on another thread (ErrorText of its innermost
// nested error, the cause of a frame not written).
QString FailureText(const std::exception_ptr& error);

}  // namespace kirabel
