// The real desktop's media player: one track at a time through Qt's media player and audio output.
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <cstdio>

#include "platform/files.h"
#include "platform/qt_support.h"
#include "platform/real_desktop.h"

namespace platform {

namespace {

// Addresses are file paths as the program stores them, or web addresses.
QUrl mediaUrl(const std::string& address) {
  const QString text = qs(address);
  if (text.contains(QStringLiteral("://"))) return QUrl(text);
  return QUrl::fromLocalFile(qs(resolvePath(address)));
}

class QtMediaBackend : public MediaBackend {
 public:
  QtMediaBackend() {
    player_.setAudioOutput(&output_);
    QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &player_,
                     [this](QMediaPlayer::MediaStatus s) {
                       if (s == QMediaPlayer::EndOfMedia) report(1);
                     });
    QObject::connect(&player_, &QMediaPlayer::playbackStateChanged, &player_,
                     [this](QMediaPlayer::PlaybackState s) {
                       if (s == QMediaPlayer::PlayingState) report(3);
                     });
    QObject::connect(&player_, &QMediaPlayer::errorOccurred, &player_,
                     [this](QMediaPlayer::Error, const QString& why) {
                       std::fprintf(stderr, "music: %s\n", why.toLocal8Bit().constData());
                       failed_ = true;
                     });
  }
  ~QtMediaBackend() override { close(); }

  void open(const std::string& url) override {
    if (url.empty()) {
      close();
      return;
    }
    failed_ = false;
    source_ = mediaUrl(url);
    start();
  }
  void close() override {
    source_.clear();
    player_.stop();
    player_.setSource(QUrl());
  }
  void play() override {
    if (source_.isEmpty() || failed_) return;
    start();
  }
  void setVolume(int volume) override {
    output_.setVolume(
        QAudio::convertVolume(volume / 100.0, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
  }

 private:
  // Every start loads the track afresh. Seeking back to the start of a track that has ended and
  // playing on leaves the audio sink of Qt's GStreamer pipeline with a clock hours away from the
  // pipeline's: it then drops every sample while the pipeline goes on (the stream stays open and
  // silent), at times from the first replay on. A freshly loaded track starts from a clean pipeline. An
  // address set again while it plays starts it again from the start, too.
  void start() {
    player_.setSource(QUrl());
    player_.setSource(source_);
    player_.play();
  }
  // Reported after the player's own signal has returned, so that a handler may play again.
  void report(int state) {
    QTimer::singleShot(0, &player_, [this, state] {
      if (stateChanged) stateChanged(state);
    });
  }
  QMediaPlayer player_;
  QAudioOutput output_;
  QUrl source_;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<MediaBackend> RealDesktop::createMediaBackend() {
  return std::make_unique<QtMediaBackend>();
}

}  // namespace platform
