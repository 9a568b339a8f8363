// The decoder helper's life: load the libraries, lock down, then run the
// library's calls one after the other until its channel closes. Started
// with kTemplateArgument, the executable is the helpers' template instead
// (helpertemplate.h), and each helper it forks starts its life at the
// lock-down.
#pragma once

namespace tarnwick {

// The helper executable's main. Returns when the library that started it
// has gone (0) or broke the protocol (2).
int helperMain(int argc, char **argv);

} // namespace tarnwick
