#pragma once

namespace velnora::audio
{

// Why a file gives no CD audio.
enum class AudioProblem {
    None,
    CannotOpen,       // the system refused to open or read it; the detail holds its reason
    NotRegular,       // a folder, pipe or device
    NotAudio,         // no container this program reads, or no sound in it
    UnsupportedCodec, // sound coded in a way this program does not decode; the detail names it
    DecodeFailed,     // the decoder stopped on damaged data; the detail holds FFmpeg's reason
    Empty,            // not one sample
};

} // namespace velnora::audio
