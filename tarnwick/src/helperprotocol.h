// The channel between the library and its decoder helper process.
//
// The helper (tarnwick-decoder) is started with three descriptors and no
// others: a SOCK_SEQPACKET socket at kChannelFd, the input memfd at
// kInputFd and the output memfd at kOutputFd. Every message on the socket is
// one Message of exactly sizeof(Message) bytes; anything else is a protocol
// break and ends the helper.
//
//   helper -> library  Ready      once, after the lock-down: a = the helper's
//                                 data segment size (bytes), b = kReadyFiltered
//                                 when the system call filter is in force
//   library -> helper  Call       request, inputLength bytes in the input
//                                 memfd, the output memfd sized to
//                                 outputCapacity; a = calls the library runs
//                                 at this moment, this one included
//   helper -> library  Accepted   the call was received (a helper that ends
//                                 before saying so never saw the photo)
//   helper -> library  Reserve    a = bytes of the memory budget wanted; the
//                                 helper waits for Granted (b = bytes granted)
//   helper -> library  Release    a = bytes given back (no answer)
//   helper -> library  Result     a = the result of the call; when
//                                 0 < a <= outputCapacity, the output memfd
//                                 holds the bytes [0, a)
//
// The helpers' template (tarnwick-decoder kTemplateArgument) is started with
// its socket at kChannelFd and no other descriptor of the library's. It loads
// what a helper loads, then forks the helpers on request; it never sees a
// photo. Its messages, one request and its answer at a time:
//
//   template -> library  TemplateReady  once, after loading: a = 1 when it
//                                       can fork helpers (it runs no thread)
//   library -> template  Spawn          with the helper's channel, input and
//                                       output descriptors attached (in that
//                                       order)
//   template -> library  Spawned        a = the helper's pid, or -errno; a
//                                       pidfd of the helper attached when the
//                                       kernel gives one
//   library -> template  Reap           a = a helper's pid, already killed
//   template -> library  Reaped         a = that pid, b = its wait status
//
// The template keeps every helper it forked as its child and reaps it only
// when asked to, so the pid stays the helper's for as long as the library
// holds it (to set its limits and to kill it). A forked helper dies with
// the template; the template ends when its socket closes, that is when the
// library's process ends.
#pragma once

#include "request.h"

#include <cstdint>

namespace tarnwick {

constexpr int kChannelFd = 3;
constexpr int kInputFd = 4;
constexpr int kOutputFd = 5;

constexpr uint32_t kProtocolMagic = 0x54574b31; // "TWK1"
constexpr int64_t kReadyFiltered = 1;

constexpr char kTemplateArgument[] = "--template";
constexpr int kSpawnedDescriptors = 3;

enum class MessageType : uint32_t {
    Ready = 1,
    Call = 2,
    Reserve = 3,
    Granted = 4,
    Release = 5,
    Result = 6,
    Accepted = 7,
    TemplateReady = 8,
    Spawn = 9,
    Spawned = 10,
    Reap = 11,
    Reaped = 12,
};

struct Message {
    uint32_t magic = kProtocolMagic;
    MessageType type = MessageType::Ready;
    Request request;
    int32_t inputLength = 0;
    int32_t outputCapacity = 0;
    int64_t a = 0;
    int64_t b = 0;
};

// Sends one message; false when the peer is gone (never raises SIGPIPE).
bool sendMessage(int fd, const Message &message);

// Receives one message; false on end of stream, an error, or a message that
// is not exactly one Message with the magic number.
bool receiveMessage(int fd, Message *message);

// sendMessage with descriptors attached (SCM_RIGHTS); the caller keeps its
// own copies.
bool sendMessageWithDescriptors(int fd, const Message &message, const int *descriptors, int count);

// receiveMessage that also takes up to `room` attached descriptors (received
// close-on-exec) into descriptors[0, *count); any beyond `room`, and all of
// them when the message is refused, are closed.
bool receiveMessageWithDescriptors(int fd, Message *message, int *descriptors, int room, int *count);

} // namespace tarnwick
