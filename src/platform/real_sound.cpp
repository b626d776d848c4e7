#include "platform/real_sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QFileInfo>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <list>
#include <vector>

#include "platform/files.h"
#include "platform/qt_support.h"
#include "platform/sound_file.h"

namespace platform {

namespace {

// The stream holds this much sound ahead of the device, topped up every kFeedMs. A sound started on a
// silent stream is heard at once; one that cuts another follows at most this much of it.
constexpr int kBufferMs = 15;
constexpr int kFeedMs = 2;

// Decoded sounds kept for their next play: the last few, within this much memory. The sound that
// plays is kept whatever its size.
constexpr std::size_t kKeptSounds = 8;
constexpr qsizetype kKeptBytes = 128 * 1024 * 1024;

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

using Sound = std::shared_ptr<const QByteArray>;

// A sound file as it stands on the disk: a kept sound is played again only while its file is the same.
struct FileState {
  QString path;
  qint64 size = -1;
  qint64 modified = 0;  // ms since the epoch
  bool operator==(const FileState&) const = default;
};

FileState fileState(const std::string& path) {
  const QFileInfo info(qs(resolvePath(path)));
  return {info.absoluteFilePath(), info.isFile() ? info.size() : -1, info.lastModified().toMSecsSinceEpoch()};
}

// The sounds decoded last, the most recent first.
class KeptSounds {
 public:
  Sound find(const FileState& file) {
    const auto it = std::find_if(kept_.begin(), kept_.end(), [&](const auto& k) { return k.first == file; });
    if (it == kept_.end()) return nullptr;
    kept_.splice(kept_.begin(), kept_, it);
    return kept_.front().second;
  }

  void keep(const FileState& file, Sound sound) {
    kept_.emplace_front(file, std::move(sound));
    qsizetype bytes = kept_.front().second->size();
    std::size_t count = 1;
    for (auto it = std::next(kept_.begin()); it != kept_.end();) {
      bytes += it->second->size();
      if (bytes > kKeptBytes || ++count > kKeptSounds)
        it = kept_.erase(it);
      else
        ++it;
    }
  }

 private:
  std::list<std::pair<FileState, Sound>> kept_;
};

// The sound thread's work: the device, the stream and the sounds. Each of its calls runs in that thread,
// so the window's thread never waits for a file or the device.
class SoundWorker : public QObject {
 public:
  // The number of the last play asked for; a play that is no longer the last one is dropped.
  explicit SoundWorker(std::shared_ptr<std::atomic<unsigned>> latest) : latest_(std::move(latest)) {
    feeder_.setTimerType(Qt::PreciseTimer);
    connect(&feeder_, &QTimer::timeout, this, [this] { feed(); });
  }

  // Cuts the sound that plays, then plays the file unless a later play was asked for meanwhile.
  void play(unsigned request, const std::string& path) {
    silence();
    const auto superseded = [this, request] { return latest_->load() != request; };
    if (path.empty() || superseded() || !openDevice()) return;
    const FileState file = fileState(path);
    if (file.size < 0) return;
    Sound sound = kept_.find(file);
    if (!sound) {
      const std::optional<std::vector<float>> samples =
          decodeSoundFile(path, format_.sampleRate(), format_.channelCount(), superseded);
      if (!samples) return;
      sound = std::make_shared<const QByteArray>(streamBytes(*samples, format_));
      kept_.keep(file, sound);
    }
    if (superseded() || !open()) return;
    sound_ = std::move(sound);
    written_ = 0;
    feed();
    if (sound_) feeder_.start(kFeedMs);
  }

  // The end of the run: the stream is stopped and closed in this thread, before the thread ends.
  void close() {
    silence();
    closeStream();
  }

 private:
  // The device and the stream's format, looked up at the first sound; false on a machine without a
  // sound device, asked again at each sound until there is one.
  bool openDevice() {
    if (!device_.isNull()) return true;
    device_ = QMediaDevices::defaultAudioOutput();
    if (device_.isNull()) return false;
    format_ = streamFormat(device_);
    return true;
  }

  // A stream that can take sound: started, and without an error.
  bool usable() const {
    if (!sink_ || !io_ || sink_->error() != QAudio::NoError) return false;
    const QAudio::State state = sink_->state();
    return state == QAudio::ActiveState || state == QAudio::IdleState;
  }

  // Opens the stream unless it is open and usable: at the first sound, and after the stream failed
  // (the sound server went away).
  bool open() {
    if (usable()) return true;
    closeStream();
    sink_ = std::make_unique<QAudioSink>(device_, format_);
    sink_->setBufferSize(format_.bytesForDuration(kBufferMs * 1000));
    io_ = sink_->start();
    return usable();
  }

  void closeStream() {
    io_ = nullptr;
    if (!sink_) return;
    sink_->stop();
    sink_.reset();
  }

  void silence() {
    sound_.reset();
    feeder_.stop();
  }

  void feed() {
    if (!sound_) return;
    if (!usable()) {
      silence();
      return;
    }
    const qsizetype frame = format_.bytesPerFrame();
    const qsizetype room = sink_->bytesFree() / frame * frame;
    const qsizetype n = std::min(room, sound_->size() - written_);
    if (n > 0) written_ += std::max<qint64>(io_->write(sound_->constData() + written_, n), 0);
    if (written_ >= sound_->size()) silence();
  }

  std::shared_ptr<std::atomic<unsigned>> latest_;
  QAudioDevice device_;
  QAudioFormat format_;
  std::unique_ptr<QAudioSink> sink_;
  QIODevice* io_ = nullptr;  // the sink's
  QTimer feeder_{this};
  Sound sound_;
  qsizetype written_ = 0;
  KeptSounds kept_;
};

}  // namespace

struct SystemSound::Impl {
  QThread thread;
  std::shared_ptr<std::atomic<unsigned>> latest = std::make_shared<std::atomic<unsigned>>(0);
  SoundWorker* worker = nullptr;  // made at the first sound, with its thread

  // The thread closes its stream and then ends; plays still waiting are dropped.
  ~Impl() {
    if (!worker) return;
    ++*latest;
    QMetaObject::invokeMethod(
        worker,
        [w = worker] {
          w->close();
          QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    thread.wait();
  }

  void start() {
    if (worker) return;
    worker = new SoundWorker(latest);
    worker->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    thread.setObjectName(QStringLiteral("sound"));
    thread.start(QThread::TimeCriticalPriority);
  }
};

SystemSound::SystemSound() : d(std::make_unique<Impl>()) {}
SystemSound::~SystemSound() = default;

void SystemSound::play(const std::string& path) {
  if (path.empty() && !d->worker) return;
  d->start();
  const unsigned request = ++*d->latest;
  QMetaObject::invokeMethod(
      d->worker, [w = d->worker, request, path] { w->play(request, path); }, Qt::QueuedConnection);
}

}  // namespace platform
