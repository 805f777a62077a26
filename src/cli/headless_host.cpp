#include "cli/headless_host.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "cli/png_writer.h"
#include "image/picture_png.h"

namespace kirabel::cli {

HeadlessHost::HeadlessHost(const RenderRequest& request, bool showProgress)
    : space_(request.width, request.height),
      antiAlias_(request.antiAlias),
      wrap_(request.wrap),
      format_(request.format),
      showProgress_(showProgress) {
  // As the resolution command does: height first, then width, then black.
  bitmap_.SetHeight(request.height);
  bitmap_.SetWidth(request.width);
  if (bitmap_.Bits()) {
    std::fill_n(bitmap_.Bits(), static_cast<std::size_t>(bitmap_.RowBytes()) * bitmap_.Height(), 0);
  }
}

void HeadlessHost::ShowWarning(const std::string& text) {
  std::fprintf(stderr, "%skirabel-render: %s\n", showProgress_ ? "\n" : "", text.c_str());
}

void HeadlessHost::SetViewerCaption(const std::string& caption) {
  caption_ = caption;
  if (showProgress_) std::fprintf(stderr, "\r%s ", caption.c_str());
}

void HeadlessHost::ShowFrame() {
  if (showProgress_) std::fflush(stderr);
}

void HeadlessHost::SaveFrame(const TDIBitmap& bitmap, const std::string& fileName) {
  try {
    if (format_ == OutputFormat::kPng) {
      SavePngFile(bitmap, PngFileName(fileName));
    } else {
      LaunchHost::SaveFrame(bitmap, fileName);
    }
    ++framesWritten_;
  } catch (const std::exception& e) {
    saveError_ = e.what();
    throw;
  }
}

}  // namespace kirabel::cli
