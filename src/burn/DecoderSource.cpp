#include "burn/DecoderSource.h"

#include "audio/AudioDecoder.h"

#include <libburn/libburn.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace burn;

namespace velnora::burning
{

namespace
{

constexpr qint64 SectorBytes = audio::SamplesPerFrame * audio::BytesPerSample; // 2352
constexpr qint64 BlockSamples = 16 * audio::SamplesPerFrame;

struct Source {
    int number = 0;
    disc::DiscTrack track;
    qint64 bytes = 0; // the whole track, padded to its last sector
    qint64 delivered = 0;
    off_t fixedSize = 0;
    const std::atomic<bool> *cancel = nullptr;
    SourceFailure *failure = nullptr;
    std::unique_ptr<audio::AudioDecoder> decoder;
    bool decoded = false; // the file is read to its end: only padding is left
    std::vector<qint16> block;
    qint64 blockBytes = 0;
    qint64 blockUsed = 0;

    bool fail(SourceFailure::Kind kind)
    {
        if (failure) {
            const std::lock_guard<std::mutex> lock(failure->mutex);
            if (failure->kind == SourceFailure::Kind::None) {
                failure->kind = kind;
                failure->track = number;
                failure->path = track.path;
                if (decoder)
                    failure->audio = decoder->info();
            }
        }
        return false;
    }

    // The next block of the track's samples from the file; false when it failed. A part of a file (a
    // cue sheet's track) drops the samples before its start and reads no further than its end.
    bool decodeBlock()
    {
        if (!decoder)
            decoder = std::make_unique<audio::AudioDecoder>(track.path, track.raw);
        const qint64 end = track.start + track.samples();
        for (;;) {
            const qint64 before = decoder->info().samples;
            if (track.length >= 0 && before >= end) {
                decoded = true;
                return true;
            }
            const qint64 n = decoder->read(block.data(), BlockSamples);
            if (n < 0)
                return fail(SourceFailure::Kind::Decode);
            if (decoder->info().samples > track.audio.samples)
                return fail(SourceFailure::Kind::Changed);
            if (n == 0) {
                decoded = true;
                // A whole file must end where it was checked; a part, reach its end.
                if (track.length < 0 ? decoder->info().samples != track.audio.samples
                                     : decoder->info().samples < end)
                    return fail(SourceFailure::Kind::Changed);
                return true;
            }
            const disc::BlockPart part = disc::trackPart(track, before, n, block.data());
            if (part.empty())
                continue;
            blockUsed = part.from * audio::BytesPerSample;
            blockBytes = part.to * audio::BytesPerSample;
            return true;
        }
    }

    int read(unsigned char *buffer, int size)
    {
        if (cancel && cancel->load()) {
            fail(SourceFailure::Kind::Cancelled);
            return -1;
        }
        const qint64 want = std::min<qint64>(size, bytes - delivered);
        if (want <= 0)
            return 0;
        qint64 got = 0;
        while (got < want) {
            if (blockUsed < blockBytes) {
                const qint64 n = std::min(want - got, blockBytes - blockUsed);
                std::memcpy(buffer + got, reinterpret_cast<const char *>(block.data()) + blockUsed,
                            static_cast<size_t>(n));
                blockUsed += n;
                got += n;
            } else if (decoded) {
                std::memset(buffer + got, 0, static_cast<size_t>(want - got));
                got = want;
            } else if (!decodeBlock()) {
                return -1;
            }
        }
        delivered += want;
        return static_cast<int>(want);
    }
};

Source *of(burn_source *source)
{
    return static_cast<Source *>(source->data);
}

int readSource(burn_source *source, unsigned char *buffer, int size)
{
    return of(source)->read(buffer, size);
}

off_t sourceSize(burn_source *source)
{
    const Source *s = of(source);
    return s->fixedSize > 0 ? s->fixedSize : static_cast<off_t>(s->bytes);
}

int setSourceSize(burn_source *source, off_t size)
{
    of(source)->fixedSize = size;
    return 1;
}

void freeSource(burn_source *source)
{
    delete of(source);
}

} // namespace

burn_source *decoderSource(int number, const disc::DiscTrack &track, const std::atomic<bool> *cancel,
                           SourceFailure *failure)
{
    auto *state = new Source;
    state->number = number;
    state->track = track;
    state->bytes = track.frames() * SectorBytes;
    state->cancel = cancel;
    state->failure = failure;
    state->block.resize(static_cast<size_t>(2 * BlockSamples));

    auto *source = static_cast<burn_source *>(calloc(1, sizeof(burn_source)));
    source->refcount = 1;
    source->read = readSource;
    source->get_size = sourceSize;
    source->set_size = setSourceSize;
    source->free_data = freeSource;
    source->data = state;
    return source;
}

} // namespace velnora::burning
