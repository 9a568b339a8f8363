#include "helperprotocol.h"

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

namespace tarnwick {
namespace {

// Room for the control message of the most descriptors any message carries.
constexpr int kMostDescriptors = kSpawnedDescriptors;
using ControlBuffer = union {
    char bytes[CMSG_SPACE(sizeof(int) * kMostDescriptors)];
    cmsghdr alignment;
};

} // namespace

bool sendMessage(int fd, const Message &message)
{
    return sendMessageWithDescriptors(fd, message, nullptr, 0);
}

bool receiveMessage(int fd, Message *message)
{
    // One byte more than a message, so that a longer one shows as such.
    unsigned char buffer[sizeof(Message) + 1];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n != ssize_t(sizeof(Message)))
            return false;
        __builtin_memcpy(message, buffer, sizeof(Message));
        return message->magic == kProtocolMagic;
    }
}

bool sendMessageWithDescriptors(int fd, const Message &message, const int *descriptors, int count)
{
    if (count < 0 || count > kMostDescriptors)
        return false;
    iovec part{const_cast<Message *>(&message), sizeof message};
    msghdr header{};
    header.msg_iov = &part;
    header.msg_iovlen = 1;
    ControlBuffer control{};
    if (count > 0) {
        header.msg_control = control.bytes;
        header.msg_controllen = CMSG_SPACE(sizeof(int) * size_t(count));
        cmsghdr *c = CMSG_FIRSTHDR(&header);
        c->cmsg_level = SOL_SOCKET;
        c->cmsg_type = SCM_RIGHTS;
        c->cmsg_len = CMSG_LEN(sizeof(int) * size_t(count));
        std::memcpy(CMSG_DATA(c), descriptors, sizeof(int) * size_t(count));
    }
    for (;;) {
        const ssize_t n = ::sendmsg(fd, &header, MSG_NOSIGNAL);
        if (n == ssize_t(sizeof message))
            return true;
        if (n < 0 && errno == EINTR)
            continue;
        return false;
    }
}

bool receiveMessageWithDescriptors(int fd, Message *message, int *descriptors, int room, int *count)
{
    *count = 0;
    unsigned char buffer[sizeof(Message) + 1];
    iovec part{buffer, sizeof buffer};
    msghdr header{};
    header.msg_iov = &part;
    header.msg_iovlen = 1;
    ControlBuffer control{};
    header.msg_control = control.bytes;
    header.msg_controllen = sizeof control.bytes;
    ssize_t n;
    while ((n = ::recvmsg(fd, &header, MSG_CMSG_CLOEXEC)) < 0 && errno == EINTR) {
    }
    // Every descriptor that came is either handed out or closed, whatever
    // else is wrong with the message.
    for (cmsghdr *c = n >= 0 ? CMSG_FIRSTHDR(&header) : nullptr; c; c = CMSG_NXTHDR(&header, c)) {
        if (c->cmsg_level != SOL_SOCKET || c->cmsg_type != SCM_RIGHTS || c->cmsg_len < CMSG_LEN(0))
            continue;
        const size_t received = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (size_t i = 0; i < received; ++i) {
            int d = -1;
            std::memcpy(&d, CMSG_DATA(c) + i * sizeof(int), sizeof d);
            if (*count < room)
                descriptors[(*count)++] = d;
            else
                ::close(d);
        }
    }
    const bool whole = n == ssize_t(sizeof(Message)) && (header.msg_flags & MSG_CTRUNC) == 0;
    if (whole)
        __builtin_memcpy(message, buffer, sizeof(Message));
    if (!whole || message->magic != kProtocolMagic) {
        for (int i = 0; i < *count; ++i)
            ::close(descriptors[i]);
        *count = 0;
        return false;
    }
    return true;
}

} // namespace tarnwick
