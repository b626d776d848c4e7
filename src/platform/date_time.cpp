#include "platform/date_time.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstdio>

namespace platform {

namespace {

DateTime fromQt(const QDateTime& t) {
  const QDate d = t.date();
  const QTime c = t.time();
  return {d.year(), d.month(), d.day(), c.hour(), c.minute(), c.second()};
}

}  // namespace

DateTime localDateTimeNow() {
  return fromQt(QDateTime::currentDateTime());
}

DateTime addSeconds(const DateTime& from, long long seconds) {
  // Calendar arithmetic without time zones: a local clock that is set, not one that follows
  // daylight-saving changes.
  const QDateTime start(QDate(from.year, from.month, from.day), QTime(from.hour, from.minute, from.second),
                        Qt::UTC);
  if (!start.isValid()) return from;
  return fromQt(start.addSecs(seconds));
}

std::string timeText(const DateTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", time.hour, time.minute, time.second);
  return text;
}

std::string dateText(const DateTime& date) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d/%d/%d", date.year, date.month, date.day);
  return text;
}

}  // namespace platform
