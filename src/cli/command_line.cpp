#include "cli/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "model/look_limits.h"
#include "picture_io/animation_writer.h"
#include "platform/c_numbers.h"
#include "texts/error_texts.h"

namespace kirabel::cli {

namespace {

QString HelpText() {
  return QCoreApplication::translate(
      "kirabel::cli",
      "Usage: kirabel-render [options] FILE.pcl\n"
      "Renders the first launch of a particle list file, frame by frame, as the\n"
      "desktop program's automatic saving writes it.\n"
      "\n"
      "  -o, --output PREFIX    frame i is written to PREFIX + %05d + \".BMP\"\n"
      "                         (PREFIX's extension removed; default: FILE without\n"
      "                         its extension)\n"
      "  -s, --size WxH         space resolution, default 512x512 (0..9999 each)\n"
      "      --antialias        anti-aliasing on\n"
      "      --wrap             join the space's opposite edges\n"
      "      --frames N         override the number of frames NF\n"
      "      --start T          override the start time ST\n"
      "      --interval T       override the interval IT\n"
      "      --gravity G        override the gravity G\n"
      "      --look L           classic (the saturating picture) or film (light that\n"
      "                         keeps its colour, glow, sky); default: the list's look\n"
      "      --exposure STOPS   the film light's exposure, -10 to 10 (+1 doubles it)\n"
      "      --glow STRENGTH    how much bright light glows, 0 (none) to 4\n"
      "      --background B     the sky: a photo (PNG, JPEG), a colour (#102040 or a\n"
      "                         name) or two (top,bottom: a gradient); --exposure,\n"
      "                         --glow and --background turn the film look on\n"
      "                         unless --look says otherwise\n"
      "      --format F         bmp (default), png, png16 (the space's exact 16-bit\n"
      "                         values), exr (linear light, half floats, premultiplied\n"
      "                         alpha), or one animation file: gif, apng, webm, mp4,\n"
      "                         mov (ProRes 4444) (also chosen by the output's\n"
      "                         extension; needs ffmpeg)\n"
      "      --alpha            transparency instead of the sky: straight colour and\n"
      "                         coverage, for png, png16, apng, webm and mov\n"
      "      --quality Q        webm and mp4: 0 (smallest) to 100 (best); default: the\n"
      "                         format's usual quality\n"
      "      --chroma C         webm and mp4: 420 (default, plays everywhere) or 444\n"
      "                         (every pixel its own colour, 10 bits)\n"
      "      --fullest          write only the frame with the most light (the largest\n"
      "                         sum of its picture's bytes, the first of equal ones)\n"
      "                         to the output file itself: PNG, or BMP for --format\n"
      "                         bmp or an output ending in .bmp, or png16 (default\n"
      "                         output: FILE with the extension .png or .bmp)\n"
      "      --long-exposure [MODE]  stack the frames (of the range) into one\n"
      "                         picture, written as --fullest writes its frame; MODE\n"
      "                         add (default): their light added up, then developed\n"
      "                         once; lighten: each pixel's brightest of the frames\n"
      "      --fps R            frames per second of an animation, 1 to 1000: a whole\n"
      "                         number, a decimal (29.97) or N/D (30000/1001);\n"
      "                         default: the list's FPS, else 30\n"
      "      --audio FILE       the soundtrack of a WebM, MP4 or MOV animation (ignored\n"
      "                         by the other formats); default: the list's AUDIO\n"
      "      --audio-offset S   the video time in seconds at which the soundtrack's\n"
      "                         first sample plays (negative skips its beginning);\n"
      "                         default: the list's AUDIOOFFSET, else 0\n"
      "      --no-audio         an animation without sound\n"
      "      --max-particles N  refuse when the estimated particle count reaches N\n"
      "      --jobs N           worker threads (default: all cores)\n"
      "      --range A-B        frames A..B only (numbered as the files are)\n"
      "      --shard I/N        the I-th of N contiguous chunks of the frames (of the\n"
      "                         range); any split writes the same files as one run\n"
      "      --skip-existing    leave the frames whose files exist already\n"
      "      --dry-run          print what would be rendered and exit\n"
      "  -q, --quiet            no progress on stderr\n"
      "  -h, --help             this text\n"
      "      --version          the program version\n"
      "\n"
      "Exit status: 0 done; 1 the file could not be read or a frame not written;\n"
      "2 bad command line.\n");
}

// A real in the plain C form ("1.5", "-2e3"), finite, nothing after it.
std::optional<long double> ParseReal(const QString& text) {
  const std::string s = text.trimmed().toStdString();
  if (s.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long double v = ReadCReal(s.c_str(), &end);
  if (errno == ERANGE || *end != '\0' || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<int64_t> ParseInteger(const QString& text, int64_t low, int64_t high) {
  bool ok = false;
  const qlonglong v = text.trimmed().toLongLong(&ok, 10);
  if (!ok || v < low || v > high) return std::nullopt;
  return static_cast<int64_t>(v);
}

bool ParseSize(const QString& text, RenderRequest& request) {
  const QStringList parts = text.toLower().split('x');
  if (parts.size() != 2) return false;
  const auto w = ParseInteger(parts[0], 0, 9999);
  const auto h = ParseInteger(parts[1], 0, 9999);
  if (!w || !h) return false;
  request.width = static_cast<int32_t>(*w);
  request.height = static_cast<int32_t>(*h);
  return true;
}

struct Options {
  QCommandLineOption output{{"o", "output"}, "", "PREFIX"};
  QCommandLineOption size{{"s", "size"}, "", "WxH"};
  QCommandLineOption antialias{"antialias"};
  QCommandLineOption wrap{"wrap"};
  QCommandLineOption frames{"frames", "", "N"};
  QCommandLineOption start{"start", "", "T"};
  QCommandLineOption interval{"interval", "", "T"};
  QCommandLineOption gravity{"gravity", "", "G"};
  QCommandLineOption format{"format", "", "FORMAT"};
  QCommandLineOption fullest{"fullest"};
  QCommandLineOption alpha{"alpha"};
  QCommandLineOption quality{"quality", "", "Q"};
  QCommandLineOption chroma{"chroma", "", "C"};
  QCommandLineOption longExposure{"long-exposure", "", "MODE"};
  QCommandLineOption look{"look", "", "L"};
  QCommandLineOption exposure{"exposure", "", "STOPS"};
  QCommandLineOption glow{"glow", "", "STRENGTH"};
  QCommandLineOption background{"background", "", "B"};
  QCommandLineOption fps{"fps", "", "R"};
  QCommandLineOption audio{"audio", "", "FILE"};
  QCommandLineOption audioOffset{"audio-offset", "", "S"};
  QCommandLineOption noAudio{"no-audio"};
  QCommandLineOption maxParticles{"max-particles", "", "N"};
  QCommandLineOption jobs{"jobs", "", "N"};
  QCommandLineOption range{"range", "", "A-B"};
  QCommandLineOption shard{"shard", "", "I/N"};
  QCommandLineOption skipExisting{"skip-existing"};
  QCommandLineOption dryRun{"dry-run"};
  QCommandLineOption quiet{{"q", "quiet"}};
  QCommandLineOption help{{"h", "help"}};
  QCommandLineOption version{"version"};

  void AddTo(QCommandLineParser& parser) const {
    for (const QCommandLineOption* o :
         {&output,       &size,    &antialias,    &wrap,         &frames,  &start,
          &interval,     &gravity, &format,       &fullest,      &fps,     &audio,
          &audioOffset,  &noAudio, &maxParticles, &jobs,         &range,   &shard,
          &skipExisting, &dryRun,  &quiet,        &help,         &version, &look,
          &exposure,     &glow,    &background,   &longExposure, &alpha,   &quality,
          &chroma}) {
      parser.addOption(*o);
    }
  }
};

ParseResult Error(const QString& message) {
  ParseResult result;
  result.outcome = ParseOutcome::kError;
  result.message = message;
  return result;
}

// Reads an overriding real; false (with the error in result) when malformed.
bool ReadReal(const QCommandLineParser& parser, const QCommandLineOption& option,
              std::optional<long double>& into, ParseResult& result) {
  if (!parser.isSet(option)) return true;
  into = ParseReal(parser.value(option));
  if (into) return true;
  result = Error(QCoreApplication::translate("kirabel::cli", "--%1: not a number: %2")
                     .arg(option.names().last(), parser.value(option)));
  return false;
}

// An overriding look number within its range; false (with the error in
// result) otherwise.
bool ReadBoundedReal(const QCommandLineParser& parser, const QCommandLineOption& option,
                     LookNumber number, std::optional<double>& into, ParseResult& result) {
  const double low = LookNumberRange(number).lowest;
  const double high = LookNumberRange(number).highest;
  std::optional<long double> value;
  if (!ReadReal(parser, option, value, result)) return false;
  if (!value) return true;
  if (*value < low || *value > high) {
    result = Error(QCoreApplication::translate("kirabel::cli", "--%1: expected %2 to %3: %4")
                       .arg(option.names().last(), QString::number(low), QString::number(high),
                            parser.value(option)));
    return false;
  }
  into = static_cast<double>(*value);
  return true;
}

bool ReadLook(const QCommandLineParser& parser, const Options& o, ParseResult& result) {
  LookOverrides& look = result.request.look;
  if (parser.isSet(o.look)) {
    look.light = LookLightNamed(parser.value(o.look));
    if (!look.light) {
      result =
          Error(QCoreApplication::translate("kirabel::cli", "--look: expected classic or film: %1")
                    .arg(parser.value(o.look)));
      return false;
    }
  }
  if (parser.isSet(o.background))
    look.background = parser.value(o.background).toLocal8Bit().toStdString();
  return ReadBoundedReal(parser, o.exposure, LookNumber::kExposure, look.exposure, result) &&
         ReadBoundedReal(parser, o.glow, LookNumber::kGlow, look.glow, result);
}

bool ReadSelection(const QCommandLineParser& parser, const Options& o, ParseResult& result) {
  RenderRequest& r = result.request;
  if (parser.isSet(o.range)) {
    r.range = ParseFrameRange(parser.value(o.range).toStdString());
    if (!r.range) {
      result = Error(
          QCoreApplication::translate("kirabel::cli", "--range: expected A-B with 1 <= A <= B: %1")
              .arg(parser.value(o.range)));
      return false;
    }
  }
  if (parser.isSet(o.shard)) {
    r.shard = ParseShard(parser.value(o.shard).toStdString());
    if (!r.shard) {
      result = Error(
          QCoreApplication::translate("kirabel::cli", "--shard: expected I/N with 1 <= I <= N: %1")
              .arg(parser.value(o.shard)));
      return false;
    }
  }
  r.skipExisting = parser.isSet(o.skipExisting);
  return true;
}

bool EndsWithBmp(const std::string& name) {
  return QString::fromLocal8Bit(name.c_str()).endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
}

// The fullest frame or a long exposure goes to one picture: the output
// itself, else FILE with the picture's extension. False (with the error in
// result) for an animation.
bool ReadStillFile(const QCommandLineParser& parser, const Options& o, ParseResult& result) {
  RenderRequest& r = result.request;
  if (r.animation) {
    const QString expected =
        r.fullest ? QCoreApplication::translate(
                        "kirabel::cli", "--fullest: expected --format bmp, png or png16: %1")
                  : QCoreApplication::translate(
                        "kirabel::cli", "--long-exposure: expected --format bmp, png or png16: %1");
    result = Error(expected.arg(parser.value(o.format)));
    return false;
  }
  if (!parser.isSet(o.output))
    r.prefix = RemoveExtension(r.input) + (r.format == PictureFormat::kBmp   ? ".bmp"
                                           : r.format == PictureFormat::kExr ? ".exr"
                                                                             : ".png");
  return true;
}

// The format: named by --format, else by the output's extension for an
// animation. An animation without -o goes to FILE with the format's extension.
bool ReadFormat(const QCommandLineParser& parser, const Options& o, ParseResult& result) {
  RenderRequest& r = result.request;
  if (parser.isSet(o.format)) {
    const std::string f = parser.value(o.format).toLower().toStdString();
    const auto animation = AnimationFormatNamed(f);
    if (const auto picture = PictureFormatNamed(f)) {
      r.format = *picture;
    } else if (animation) {
      r.animation = animation;
    } else {
      result = Error(QCoreApplication::translate(
                         "kirabel::cli",
                         "--format: expected bmp, png, png16, exr, gif, apng, webm, mp4 or mov: %1")
                         .arg(QString::fromStdString(f)));
      return false;
    }
  } else if (r.fullest || r.longExposure) {
    r.format = EndsWithBmp(r.prefix) ? PictureFormat::kBmp : PictureFormat::kPng;
  } else if (parser.isSet(o.output)) {
    r.animation = AnimationFormatForName(r.prefix);
  }
  if ((r.fullest || r.longExposure) && !ReadStillFile(parser, o, result)) return false;
  if (r.animation && !parser.isSet(o.output))
    r.prefix = RemoveExtension(r.input) + AnimationExtension(*r.animation);
  if (parser.isSet(o.fps)) {
    const auto rate = ParseFrameRate(parser.value(o.fps).toStdString());
    if (!rate) {
      result = Error(QCoreApplication::translate(
                         "kirabel::cli",
                         "--fps: expected a rate from 1 to 1000 frames per second, such as 30, "
                         "29.97 or 30000/1001: %1")
                         .arg(parser.value(o.fps)));
      return false;
    }
    r.rate = *rate;
  }
  // An animation needs a picture: refused here, before the encoder starts.
  if (r.animation && (r.width < 1 || r.height < 1)) {
    result = Error(ErrorText(EncoderError(EncoderError::Kind::kEmptyPicture,
                                          std::to_string(r.width) + "x" + std::to_string(r.height)),
                             ErrorVoice::kCommandLine));
    return false;
  }
  return true;
}

// --long-exposure MODE: add or lighten. One still from all the frames: no
// shard of them, and not the fullest frame too.
bool ReadLongExposure(const QCommandLineParser& parser, const Options& o, ParseResult& result) {
  RenderRequest& r = result.request;
  if (!parser.isSet(o.longExposure)) return true;
  const QString mode = parser.value(o.longExposure).toLower();
  if (mode != QLatin1String("add") && mode != QLatin1String("lighten")) {
    result = Error(
        QCoreApplication::translate("kirabel::cli", "--long-exposure: expected add or lighten: %1")
            .arg(parser.value(o.longExposure)));
    return false;
  }
  r.longExposure = mode == QLatin1String("add") ? StackMode::kAdd : StackMode::kLighten;
  const QString other = r.fullest               ? QStringLiteral("--fullest")
                        : parser.isSet(o.shard) ? QStringLiteral("--shard")
                                                : QString();
  if (other.isEmpty()) return true;
  result = Error(
      QCoreApplication::translate("kirabel::cli", "--long-exposure cannot go with %1").arg(other));
  return false;
}

// --alpha, --quality and --chroma, each refused where the output cannot
// follow it.
bool ReadVideo(const QCommandLineParser& parser, const Options& o, ParseResult& result) {
  RenderRequest& r = result.request;
  r.alpha = parser.isSet(o.alpha);
  const bool takesQuality = r.animation && AnimationTakesQuality(*r.animation);
  const bool holdsAlpha =
      r.animation ? AnimationHoldsAlpha(*r.animation) : r.format != PictureFormat::kBmp;
  if (r.alpha && !holdsAlpha) {
    result = Error(QCoreApplication::translate(
        "kirabel::cli", "--alpha: expected --format png, png16, exr, apng, webm or mov"));
    return false;
  }
  if (parser.isSet(o.quality)) {
    const auto quality = ParseInteger(parser.value(o.quality), 0, 100);
    if (!quality || !takesQuality) {
      result =
          Error(QCoreApplication::translate(
                    "kirabel::cli", "--quality: expected 0 to 100 with --format webm or mp4: %1")
                    .arg(parser.value(o.quality)));
      return false;
    }
    r.video.quality = static_cast<int>(*quality);
  }
  if (parser.isSet(o.chroma)) {
    const QString chroma = parser.value(o.chroma).trimmed();
    if ((chroma != QLatin1String("420") && chroma != QLatin1String("444")) || !takesQuality) {
      result =
          Error(QCoreApplication::translate(
                    "kirabel::cli", "--chroma: expected 420 or 444 with --format webm or mp4: %1")
                    .arg(parser.value(o.chroma)));
      return false;
    }
    r.video.chroma = chroma == QLatin1String("444") ? ChromaSampling::k444 : ChromaSampling::k420;
  }
  r.video.alpha = r.alpha;
  return true;
}

bool ReadValues(const QCommandLineParser& parser, const Options& o, ParseResult& result) {
  RenderRequest& r = result.request;
  if (!ReadLongExposure(parser, o, result)) return false;
  if (parser.isSet(o.size) && !ParseSize(parser.value(o.size), r)) {
    result = Error(
        QCoreApplication::translate("kirabel::cli", "--size: expected WxH with 0..9999 each: %1")
            .arg(parser.value(o.size)));
    return false;
  }
  if (!ReadReal(parser, o.frames, r.frames, result) ||
      !ReadReal(parser, o.start, r.start, result) ||
      !ReadReal(parser, o.interval, r.interval, result) ||
      !ReadReal(parser, o.gravity, r.gravity, result) ||
      !ReadReal(parser, o.audioOffset, r.audioOffset, result)) {
    return false;
  }
  if (!ReadFormat(parser, o, result) || !ReadVideo(parser, o, result) ||
      !ReadLook(parser, o, result))
    return false;
  if (parser.isSet(o.maxParticles)) {
    r.maxParticles = ParseInteger(parser.value(o.maxParticles), 0, INT64_MAX);
    if (!r.maxParticles) {
      result = Error(QCoreApplication::translate("kirabel::cli",
                                                 "--max-particles: expected a whole number >= 0"));
      return false;
    }
  }
  if (parser.isSet(o.jobs)) {
    const auto jobs = ParseInteger(parser.value(o.jobs), 1, 1024);
    if (!jobs) {
      result = Error(QCoreApplication::translate("kirabel::cli",
                                                 "--jobs: expected a whole number from 1 to 1024"));
      return false;
    }
    r.jobs = static_cast<int>(*jobs);
  }
  return ReadSelection(parser, o, result);
}

// --long-exposure takes its mode word only when one follows: "--long-exposure
// lighten" and "--long-exposure=lighten" are the same, a bare one adds.
QStringList WithLongExposureMode(const QStringList& arguments) {
  QStringList joined;
  for (int i = 0; i < arguments.size(); ++i) {
    if (arguments[i] != QLatin1String("--long-exposure")) {
      joined << arguments[i];
      continue;
    }
    const QString next = i + 1 < arguments.size() ? arguments[i + 1].toLower() : QString();
    const bool named = next == QLatin1String("add") || next == QLatin1String("lighten");
    joined << QStringLiteral("--long-exposure=") + (named ? arguments[++i] : QStringLiteral("add"));
  }
  return joined;
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& args, int defaultJobs) {
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
  const Options o;
  o.AddTo(parser);
  QStringList list{"kirabel-render"};
  for (const std::string& a : args) list << QString::fromLocal8Bit(a.c_str());
  if (!parser.parse(WithLongExposureMode(list))) return Error(parser.errorText());

  ParseResult result;
  if (parser.isSet(o.help)) {
    result.outcome = ParseOutcome::kHelp;
    result.message = HelpText();
    return result;
  }
  if (parser.isSet(o.version)) {
    result.outcome = ParseOutcome::kVersion;
    return result;
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() != 1) {
    return Error(files.isEmpty()
                     ? QCoreApplication::translate("kirabel::cli", "no PCL file given")
                     : QCoreApplication::translate("kirabel::cli", "more than one PCL file given"));
  }
  RenderRequest& r = result.request;
  r.jobs = defaultJobs < 1 ? 1 : defaultJobs;
  r.input = files.front().toLocal8Bit().toStdString();
  r.prefix = parser.isSet(o.output) ? parser.value(o.output).toLocal8Bit().toStdString() : r.input;
  r.drawing.antiAlias = parser.isSet(o.antialias);
  r.drawing.wrap = parser.isSet(o.wrap);
  r.fullest = parser.isSet(o.fullest);
  r.dryRun = parser.isSet(o.dryRun);
  r.quiet = parser.isSet(o.quiet);
  if (parser.isSet(o.audio)) r.audio = parser.value(o.audio).toLocal8Bit().toStdString();
  r.noAudio = parser.isSet(o.noAudio);
  if (!ReadValues(parser, o, result)) return result;
  result.outcome = ParseOutcome::kRender;
  return result;
}

}  // namespace kirabel::cli
