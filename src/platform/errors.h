#pragma once
// The failures the program reports. Each is a KirabelError carrying what the
// message needs (the file, the reason); its what() is the UTF-8 text the
// desktop program shows when no translation is installed. ErrorText
// (texts/error_texts.h) words any of them in the interface's language.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/translatable.h"

namespace kirabel {

// The texts of the errors below; "%1" stands for the file or the count.
inline constexpr char kWriteErrorText[] =
    KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "%1 に書き込めません");
inline constexpr char kOutOfMemoryText[] =
    KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "ﾒﾓﾘが足りません");
inline constexpr char kNotPclFileText[] =
    KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "変なファイルを指定しちゃだめ");
inline constexpr char kUnsupportedBitDepthText[] =
    KIRABEL_TRANSLATABLE("kirabel::ErrorTexts", "対応していないビットデプスです");
inline constexpr char kParticleMemoryText[] = KIRABEL_TRANSLATABLE(
    "kirabel::LaunchTexts", "%1個の粒子はメモリに収まりません。粒子の数を減らしてください");

class KirabelError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be written: "<file> に書き込めません".
class WriteError : public KirabelError {
 public:
  explicit WriteError(const std::string& fileName)
      : KirabelError(FillIn(kWriteErrorText, fileName)), fileName_(fileName) {}
  const std::string& fileName() const { return fileName_; }

 private:
  std::string fileName_;
};

// Memory that could not be had for a buffer, a picture or the launch list.
class OutOfMemoryError : public KirabelError {
 public:
  OutOfMemoryError() : KirabelError(kOutOfMemoryText) {}
};

// A launch whose particles cannot fit into memory, refused before it is built.
class ParticleMemoryError : public KirabelError {
 public:
  explicit ParticleMemoryError(int64_t particles)
      : KirabelError(FillIn(kParticleMemoryText, std::to_string(particles))),
        particles_(particles) {}
  int64_t particles() const { return particles_; }

 private:
  int64_t particles_;
};

// A file refused as a PCL file: "変なファイルを指定しちゃだめ". fileName() is the
// path as it was given.
class PclReadError : public KirabelError {
 public:
  enum class Reason {
    kMissing,      // no such file
    kNotPcl,       // unreadable, or its HEADER does not say ID=PCL
    kTooManySets,  // HEADER nSET beyond what a list may hold
  };
  PclReadError(const std::string& fileName, Reason reason)
      : KirabelError(kNotPclFileText), fileName_(fileName), reason_(reason) {}
  const std::string& fileName() const { return fileName_; }
  Reason reason() const { return reason_; }

 private:
  std::string fileName_;
  Reason reason_;
};

// A picture asked to be written with a bit depth the BMP writer does not know.
class UnsupportedBitDepthError : public KirabelError {
 public:
  explicit UnsupportedBitDepthError(int bitCount)
      : KirabelError(kUnsupportedBitDepthText), bitCount_(bitCount) {}
  int bitCount() const { return bitCount_; }

 private:
  int bitCount_;
};

}  // namespace kirabel
