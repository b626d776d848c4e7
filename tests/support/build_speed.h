// Whether this build's times are the program's own. The bounds on the program's speed (how long the
// window's thread is held, how soon a sound is heard, how much of each pass of the music) are checked in
// the plain build. A build with the sanitizers does the same work four to six times slower, and a busy
// machine slows it further: it leaves those bounds out, and a test times what follows an event from the
// event itself (a sound first heard), so that the sanitized run checks behaviour.
#pragma once

namespace testing_support {

#ifdef TALLAMO_SANITIZED
inline constexpr bool kChecksSpeed = false;
#else
inline constexpr bool kChecksSpeed = true;
#endif

}  // namespace testing_support
