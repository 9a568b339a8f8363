#pragma once

// Qt's image plugins report the warnings of the codec libraries they wrap
// through qWarning ("Corrupt JPEG data: 2 extraneous bytes before marker
// 0xd9", "Premature end of JPEG file"). The engine reads and writes its JPEGs
// through them; what they say about a stream the engine already checks is
// noise on the program's standard error, where it mixes with the program's
// own messages.
//
// The engine marks its image-codec calls with QuietImageCodec; the filter,
// once installed, drops the Qt messages emitted on that thread while such a
// mark is alive and hands every other message to the handler installed
// before it.
namespace EngineMessages {

// Call once at the start of main (also safe to call again).
void installCodecChatterFilter();

// Marks the current thread as inside an image-codec call for its lifetime.
class QuietImageCodec
{
public:
    QuietImageCodec();
    ~QuietImageCodec();
    QuietImageCodec(const QuietImageCodec &) = delete;
    QuietImageCodec &operator=(const QuietImageCodec &) = delete;
};

} // namespace EngineMessages
