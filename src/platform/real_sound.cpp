#include "platform/real_sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/sound_file.h"

namespace platform {

namespace {

// The stream holds this much sound ahead of the device, topped up every kFeedMs. A sound started on a
// silent stream is heard at once; one that cuts another follows at most this much of it.
constexpr int kBufferMs = 15;
constexpr int kFeedMs = 2;

// The device's own rate and at most two channels, in floating point where the device takes it.
QAudioFormat streamFormat(const QAudioDevice& device) {
  const QAudioFormat preferred = device.preferredFormat();
  const int rate = preferred.sampleRate();
  QAudioFormat format;
  format.setSampleRate(rate >= 8000 && rate <= 192000 ? rate : 48000);
  format.setChannelCount(preferred.channelCount() == 1 ? 1 : 2);
  format.setSampleFormat(QAudioFormat::Float);
  if (!device.isFormatSupported(format)) format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

// Samples in the stream's sample format, followed by silence that carries the end of a short sound
// through the stream's buffer.
QByteArray streamBytes(const std::vector<float>& samples, const QAudioFormat& format) {
  const qsizetype silence = format.bytesForDuration(2 * kBufferMs * 1000);
  const bool floating = format.sampleFormat() == QAudioFormat::Float;
  const auto size = qsizetype(samples.size() * (floating ? sizeof(float) : sizeof(qint16)));
  QByteArray bytes(size + silence, Qt::Uninitialized);
  if (floating) {
    std::memcpy(bytes.data(), samples.data(), std::size_t(size));
  } else {
    auto* out = reinterpret_cast<qint16*>(bytes.data());
    for (float s : samples) *out++ = qint16(std::lround(s * 32767.0f));
  }
  std::memset(bytes.data() + size, 0, std::size_t(silence));
  return bytes;
}

// The output stream; it lives in the sound thread, where each of its calls runs.
class OutputStream : public QObject {
 public:
  OutputStream(const QAudioDevice& device, const QAudioFormat& format) : device_(device), format_(format) {
    feeder_.setTimerType(Qt::PreciseTimer);
    connect(&feeder_, &QTimer::timeout, this, [this] { feed(); });
  }

  // Opens the stream unless it is open: at the first sound, and after the sound server went away.
  bool open() {
    if (sink_ && sink_->state() != QAudio::StoppedState) return true;
    io_ = nullptr;
    sink_ = std::make_unique<QAudioSink>(device_, format_);
    sink_->setBufferSize(format_.bytesForDuration(kBufferMs * 1000));
    io_ = sink_->start();
    return io_ != nullptr;
  }

  // The sound replaces the one that plays; none silences it.
  void play(std::shared_ptr<const QByteArray> sound) {
    sound_ = std::move(sound);
    written_ = 0;
    if (!sound_ || !open()) {
      sound_.reset();
      feeder_.stop();
      return;
    }
    feed();
    if (sound_) feeder_.start(kFeedMs);
  }

 private:
  void feed() {
    if (sound_ && io_) {
      const qsizetype frame = format_.bytesPerFrame();
      const qsizetype room = sink_->bytesFree() / frame * frame;
      const qsizetype n = std::min(room, sound_->size() - written_);
      if (n > 0) written_ += std::max<qint64>(io_->write(sound_->constData() + written_, n), 0);
      if (written_ < sound_->size()) return;
    }
    sound_.reset();
    feeder_.stop();
  }

  QAudioDevice device_;
  QAudioFormat format_;
  std::unique_ptr<QAudioSink> sink_;
  QIODevice* io_ = nullptr;  // the sink's
  QTimer feeder_{this};
  std::shared_ptr<const QByteArray> sound_;
  qsizetype written_ = 0;
};

}  // namespace

struct SystemSound::Impl {
  QThread thread;
  OutputStream* stream = nullptr;  // made at the first sound: the sound device is slow to open
  QAudioFormat format;

  ~Impl() {
    if (!stream) return;
    thread.quit();
    thread.wait();
  }

  // False on a machine without a sound device; asked again at each sound until there is one.
  bool start() {
    if (stream) return true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    format = streamFormat(device);
    stream = new OutputStream(device, format);
    stream->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, stream, &QObject::deleteLater);
    thread.setObjectName(QStringLiteral("sound"));
    thread.start(QThread::TimeCriticalPriority);
    // The stream opens while the first sound is decoded.
    QMetaObject::invokeMethod(
        stream, [s = stream] { s->open(); }, Qt::QueuedConnection);
    return true;
  }

  void post(std::shared_ptr<const QByteArray> sound) {
    QMetaObject::invokeMethod(
        stream, [s = stream, sound = std::move(sound)] { s->play(sound); }, Qt::QueuedConnection);
  }
};

SystemSound::SystemSound() : d(std::make_unique<Impl>()) {}
SystemSound::~SystemSound() = default;

void SystemSound::play(const std::string& path) {
  if (d->stream) d->post(nullptr);
  if (path.empty() || !d->start()) return;
  const std::optional<std::vector<float>> samples =
      decodeSoundFile(path, d->format.sampleRate(), d->format.channelCount());
  if (samples) d->post(std::make_shared<const QByteArray>(streamBytes(*samples, d->format)));
}

}  // namespace platform
