#include "helperprotocol.h"

#include <cerrno>

#include <sys/socket.h>

namespace tarnwick {

bool sendMessage(int fd, const Message &message)
{
    for (;;) {
        const ssize_t n = ::send(fd, &message, sizeof message, MSG_NOSIGNAL);
        if (n == ssize_t(sizeof message))
            return true;
        if (n < 0 && errno == EINTR)
            continue;
        return false;
    }
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

} // namespace tarnwick
