#include "support/sound_server.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>

#include "support/test_program.h"

namespace testing_support {

namespace {

constexpr int kRecordRate = 48000;

void stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(3000);
  }
}

}  // namespace

struct SoundServer::Impl {
  TempFolder folder;
  QProcess server;
  QProcess recorder;
  QString recording;

  // The recording's clock. The recorder writes what it hears a little late, and much later on a busy
  // machine: its first sample was heard no later than any moment less the length written by then, and
  // the earliest such time seen is taken as the recording's start.
  QElapsedTimer clock;
  qint64 startUs = std::numeric_limits<qint64>::max();
  QTimer watch;

  Impl() {
    QObject::connect(&watch, &QTimer::timeout, [this] { see(); });
  }

  void see() {
    const qint64 bytes = QFileInfo(recording).size();
    if (bytes <= 0) return;  // nothing heard yet: no bound
    startUs = std::min(startUs, clock.nsecsElapsed() / 1000 - bytes / 2 * 1000000 / kRecordRate);
  }
};

namespace {

std::unique_ptr<SoundServer>& theServer() {
  static std::unique_ptr<SoundServer> server;
  return server;
}

}  // namespace

SoundServer& SoundServer::instance() {
  if (!theServer()) theServer().reset(new SoundServer);
  return *theServer();
}

void SoundServer::shutDown() {
  theServer().reset();
}

SoundServer::SoundServer() : d(std::make_unique<Impl>()) {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
  if (program.isEmpty()) {
    failure_ = "pulseaudio is not installed";
    return;
  }
  const QString folder = QString::fromStdString(d->folder.str());
  const QString socket = folder + QStringLiteral("/native");
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), folder);
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
  environment.remove(QStringLiteral("PULSE_SERVER"));
  d->server.setProcessEnvironment(environment);
  d->server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  // No configuration file, no other module: one null sink that renders what it is given as it comes
  // (no rewinds, so its monitor hears the sound as played), and the socket of this server.
  d->server.start(program,
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--system=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
                   QStringLiteral("--log-level=error"),
                   QStringLiteral("--load=module-null-sink sink_name=tallamo norewinds=1"),
                   QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
  d->server.waitForStarted(5000);
  const QDeadlineTimer deadline(10000);
  while (!QFileInfo::exists(socket) && d->server.state() != QProcess::NotRunning && !deadline.hasExpired())
    QThread::msleep(20);
  if (!QFileInfo::exists(socket)) {
    failure_ = "pulseaudio did not start";
    stop(d->server);
    return;
  }
  QThread::msleep(100);
  qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
  d->recording = folder + QStringLiteral("/recording.raw");
}

SoundServer::~SoundServer() {
  stop(d->recorder);
  stop(d->server);
  qunsetenv("PULSE_SERVER");
}

bool SoundServer::running() const {
  return d->server.state() == QProcess::Running;
}

void SoundServer::startRecording() {
  stop(d->recorder);
  QFile::remove(d->recording);
  d->recorder.setStandardOutputFile(d->recording);
  d->recorder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  d->recorder.start(QStringLiteral("parec"),
                    {QStringLiteral("--device=tallamo.monitor"), QStringLiteral("--format=s16le"),
                     QStringLiteral("--rate=%1").arg(kRecordRate), QStringLiteral("--channels=1"),
                     QStringLiteral("--latency-msec=10"), QStringLiteral("--raw")});
  d->clock.start();
  d->startUs = std::numeric_limits<qint64>::max();
  d->recorder.waitForStarted(5000);
  QThread::msleep(300);  // connected and recording
  d->watch.start(5);
}

std::vector<double> SoundServer::stopRecording() {
  QThread::msleep(100);  // the last sound through the sink
  d->see();
  d->watch.stop();
  stop(d->recorder);
  return loudnessSoFar();
}

std::int64_t SoundServer::now() const {
  d->see();
  return d->clock.nsecsElapsed() / 1000;
}

std::size_t SoundServer::stepAt(std::int64_t moment) const {
  if (moment <= d->startUs) return 0;
  return std::size_t((moment - d->startUs) / 10000);
}

std::vector<double> SoundServer::loudnessSoFar() const {
  QFile file(d->recording);
  std::vector<double> loudness;
  if (!file.open(QIODevice::ReadOnly)) return loudness;
  const QByteArray bytes = file.readAll();
  const std::size_t step = kRecordRate / 100;
  const std::size_t samples = std::size_t(bytes.size()) / 2;
  for (std::size_t first = 0; first + step <= samples; first += step) {
    double sum = 0;
    for (std::size_t i = first; i < first + step; ++i) {
      std::int16_t s;
      std::memcpy(&s, bytes.constData() + 2 * i, 2);
      sum += double(s) * s;
    }
    loudness.push_back(std::sqrt(sum / double(step)) / 32768.0);
  }
  return loudness;
}

int SoundMs(const std::vector<double>& loudness, double floor) {
  int ms = 0;
  for (double l : loudness)
    if (l > floor) ms += 10;
  return ms;
}

int LongestGapMs(const std::vector<double>& loudness, double floor) {
  int longest = 0, gap = 0;
  bool started = false;
  for (double l : loudness) {
    if (l > floor) {
      if (started) longest = std::max(longest, gap);
      started = true;
      gap = 0;
    } else {
      gap += 10;
    }
  }
  return longest;
}

std::string WaveBytes(const WaveSpec& spec) {
  std::string out;
  const auto put = [&](std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xff));
  };
  const int width = spec.bits / 8;
  const auto frames = std::uint32_t(std::lround(spec.seconds * spec.rate));
  const std::uint32_t dataSize = frames * std::uint32_t(spec.channels * width);
  const int format = spec.floating ? 3 : 1;
  const std::uint32_t fmtSize = spec.extensible ? 40 : 16;
  out += "RIFF";
  put(4 + (8 + fmtSize) + (8 + dataSize), 4);
  out += "WAVEfmt ";
  put(fmtSize, 4);
  put(spec.extensible ? 0xFFFE : format, 2);
  put(std::uint32_t(spec.channels), 2);
  put(std::uint32_t(spec.rate), 4);
  put(std::uint32_t(spec.rate * spec.channels * width), 4);
  put(std::uint32_t(spec.channels * width), 2);
  put(std::uint32_t(spec.bits), 2);
  if (spec.extensible) {
    put(22, 2);
    put(std::uint32_t(spec.bits), 2);
    put(spec.channels == 1 ? 0x4 : 0x3, 4);
    put(std::uint32_t(format), 4);  // the sub-format GUID: the format code, then a fixed tail
    out += std::string("\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 12);
  }
  out += "data";
  put(dataSize, 4);
  for (std::uint32_t f = 0; f < frames; ++f) {
    const double wave = std::sin(2 * std::numbers::pi * 440.0 * f / spec.rate);
    for (int c = 0; c < spec.channels; ++c) {
      const double v = wave * (c == 0 ? spec.left : spec.right);
      if (spec.floating) {
        const float x = float(v);
        std::uint32_t raw;
        std::memcpy(&raw, &x, 4);
        put(raw, 4);
      } else if (spec.bits == 8) {
        put(std::uint32_t(std::lround(128 + 127 * v)), 1);  // 8-bit samples are unsigned
      } else {
        const double top = double((std::int64_t(1) << (spec.bits - 1)) - 1);
        put(std::uint64_t(std::llround(v * top)), width);
      }
    }
  }
  return out;
}

}  // namespace testing_support
