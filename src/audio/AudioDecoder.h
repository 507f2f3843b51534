#pragma once

#include "audio/AudioInfo.h"

#include <QString>

#include <memory>

namespace velnora::audio
{

// Decodes one file to CD audio block by block: 16-bit little-endian stereo at 44.1 kHz. Other rates
// go through swresample's band-limited resampler, deeper samples and float are dithered to 16 bits,
// mono goes to both channels at full level and more channels are mixed down. 16-bit 44.1 kHz stereo
// is copied as decoded, untouched. Only a regular file is read, through its own descriptor. A raw
// file (a cue sheet's BINARY) is CD audio without a header and is read as such, never probed.
class AudioDecoder
{
public:
    explicit AudioDecoder(const QString &path, bool raw = false);
    ~AudioDecoder();
    AudioDecoder(const AudioDecoder &) = delete;
    AudioDecoder &operator=(const AudioDecoder &) = delete;

    // The problem so far: set when the file cannot be opened, or once a read failed.
    const AudioInfo &info() const;
    bool ok() const { return info().ok(); }

    // Up to maxSamples stereo samples into out (two qint16 each); 0 at the end, -1 on a failure
    // (info() then says why). info().samples counts what was read so far.
    qint64 read(qint16 *out, qint64 maxSamples);

    // The whole length in CD samples where the file states it exactly (FLAC's STREAMINFO of a 16-bit
    // 44.1 kHz stream, a raw file's size); -1 where only decoding it through tells.
    qint64 knownSamples() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// A file's format and exact length as CD audio. Decoded through once, except where the file states
// its length exactly: the durations of other containers are estimates or leave out the codecs'
// delays and padding (MP3, AAC, Opus), and the resampler moves the end. A file that turns out
// otherwise when the image is written fails there (the decoder counts what it gave).
AudioInfo probeAudio(const QString &path, bool raw = false);

} // namespace velnora::audio
