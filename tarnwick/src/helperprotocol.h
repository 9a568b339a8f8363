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
#pragma once

#include "request.h"

#include <cstdint>

namespace tarnwick {

constexpr int kChannelFd = 3;
constexpr int kInputFd = 4;
constexpr int kOutputFd = 5;

constexpr uint32_t kProtocolMagic = 0x54574b31; // "TWK1"
constexpr int64_t kReadyFiltered = 1;

enum class MessageType : uint32_t {
    Ready = 1,
    Call = 2,
    Reserve = 3,
    Granted = 4,
    Release = 5,
    Result = 6,
    Accepted = 7,
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

} // namespace tarnwick
