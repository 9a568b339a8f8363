// The decoder helper's life: load the libraries, lock down, then run the
// library's calls one after the other until its channel closes.
#pragma once

namespace tarnwick {

// The helper executable's main. Returns when the library that started it
// has gone (0) or broke the protocol (2).
int helperMain();

} // namespace tarnwick
