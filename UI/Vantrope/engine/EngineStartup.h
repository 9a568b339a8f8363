#pragma once

// What a process that converts photos sets up first, shared by the program
// and the command-line converter.
namespace EngineStartup {

// Call first thing in main, before any allocation worth the name, any thread
// and any QApplication. In this order: huge pages for large buffers (this may
// start the process once more, in place), the allocator's reuse of freed
// buffers, the file-name codec (names that are not UTF-8 stay the file
// system's own bytes, also in the arguments Qt reads), and the filter that
// silences the image codecs' chatter.
void prepareProcess(char *argv[]);

} // namespace EngineStartup
