// Starting and ending decoder helper processes (helperclient.h uses them).
//
// A helper is forked from the process's template of helpers where it can
// be (helpertemplate.h): the template is started on the first helper's
// start, with the libraries loaded once, and each later helper costs a fork.
// Where no template can work (it runs a thread, cannot fork, did not start),
// each helper is started on its own, loading everything itself.
//
// The template is started with the caller's environment of that moment; a
// helper started while the environment is another gets a template of its
// own, so that a helper always sees the caller's environment of its start.
#pragma once

#include <memory>
#include <string>

#include <sys/types.h>

namespace tarnwick {

class HelperTemplate;

struct LaunchedHelper {
    pid_t pid = -1;
    // Refers to this helper for as long as it is open, whatever becomes of
    // its pid; -1 when the kernel gives none.
    int pidfd = -1;
    // The template that forked the helper and reaps it; empty for a helper
    // started on its own, which is this process's child.
    std::shared_ptr<HelperTemplate> from;
};

// Starts `path` as a helper on its channel, input and output descriptors
// (the caller keeps its own copies of them). Returns 0, or an errno when no
// process could be started.
int launchHelper(const std::string &path, int channel, int input, int output, LaunchedHelper *helper);

// Kills the helper, whatever it is doing, and reaps it. Call only in the
// process that launched it. A helper that `failed` (died on a photo, broke
// the protocol, ran out of time) retires its template: the helpers started
// after it are forked from a fresh one, with a fresh address layout, so that
// photos cannot probe one layout helper after helper.
void endHelper(LaunchedHelper *helper, bool failed);

// Forgets a helper launched by another process (this one is a fork of it):
// neither killed nor reaped from here.
void forgetHelper(LaunchedHelper *helper);

} // namespace tarnwick
