#include "EngineMessages.h"

#include <QtGlobal>

#include <atomic>

namespace EngineMessages {

namespace {

thread_local int t_quietDepth = 0;
std::atomic<QtMessageHandler> g_previous{nullptr};
std::atomic<bool> g_installed{false};

void filter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (t_quietDepth > 0 && type != QtFatalMsg)
        return;
    // Qt hands back its default handler when none was installed before.
    if (QtMessageHandler previous = g_previous.load())
        previous(type, context, message);
}

} // namespace

void installCodecChatterFilter()
{
    if (g_installed.exchange(true))
        return;
    g_previous.store(qInstallMessageHandler(&filter));
}

QuietImageCodec::QuietImageCodec()
{
    ++t_quietDepth;
}

QuietImageCodec::~QuietImageCodec()
{
    --t_quietDepth;
}

} // namespace EngineMessages
