// The helpers' template: a tarnwick-decoder process that loads everything a
// helper loads (libheif, its decoder plugins, libavcodec's hundred
// libraries) once, then forks each helper the library asks for, so that a
// helper starts in a millisecond rather than in tens of them. The protocol
// is in helperprotocol.h.
//
// The template never reads a photo's bytes and runs no thread (a fork of a
// process with threads would copy locks other threads hold); it is not locked
// down itself, since its only input is the library's socket. Each forked
// helper sets its descriptors, locks down and serves exactly as a helper
// started on its own does.
#pragma once

namespace tarnwick {

// The template's main. loadEverything loads the libraries and plugins;
// lockDownAndServe is the forked helper's life from its lock-down on (its
// channel at kChannelFd, kInputFd and kOutputFd). Returns when the library
// has gone (0) or broke the protocol (2); forked helpers never return.
int templateMain(void (*loadEverything)(), int (*lockDownAndServe)());

} // namespace tarnwick
