#pragma once

#include "audio/AudioInfo.h"

#include <QString>

#include <memory>

namespace velnora::audio
{

// Decodes one file to CD audio block by block: 16-bit little-endian stereo at 44.1 kHz. Other rates
// go through swresample's band-limited resampler, deeper samples and float are dithered to 16 bits,
// mono goes to both channels at full level and more channels are mixed down. 16-bit 44.1 kHz stereo
// is copied as decoded, untouched. Only a regular file is read, through its own descriptor.
class AudioDecoder
{
public:
    explicit AudioDecoder(const QString &path);
    ~AudioDecoder();
    AudioDecoder(const AudioDecoder &) = delete;
    AudioDecoder &operator=(const AudioDecoder &) = delete;

    // The problem so far: set when the file cannot be opened, or once a read failed.
    const AudioInfo &info() const;
    bool ok() const { return info().ok(); }

    // Up to maxSamples stereo samples into out (two qint16 each); 0 at the end, -1 on a failure
    // (info() then says why). info().samples counts what was read so far.
    qint64 read(qint16 *out, qint64 maxSamples);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Decodes a file through once: its length as CD audio is known exactly only so, since container
// durations are estimates for lossy codes, and the resampler and the codecs' delays move the end.
AudioInfo probeAudio(const QString &path);

} // namespace velnora::audio
