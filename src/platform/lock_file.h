// Lock files that keep runs apart: one running copy of a program, one writer of the registry file at
// a time. A lock file names its owner (process, program, machine), written into it just after it is
// made; while the owner runs, nobody else takes the lock.
#pragma once

class QLockFile;

namespace platform {

// How old a lock file whose owner cannot be read must be to count as left over. An owner writes
// itself into the file at once after making it; a file that stays without one this long was left by
// a program killed in between.
inline constexpr int kOwnerlessLockStaleMs = 3000;

// Takes the lock, waiting up to waitMs (0: one try) for its holder to let go. A lock whose owner's
// process has ended is taken over, and so is one whose owner cannot be read once it is older than
// kOwnerlessLockStaleMs. The lock of an owner that runs is never taken, however old it is.
// Only a regular file is a lock file, and nothing else is ever opened: a pipe, a socket, a symbolic
// link (the link, never what it points to) or an empty folder at the lock's path or at its guard's
// path (<lock>.rmlock) is removed like a left-over lock. When such a thing cannot be removed (a
// folder with something in it, no permission), the lock is refused at once, without waiting.
bool takeLock(QLockFile& lock, int waitMs);

}  // namespace platform
