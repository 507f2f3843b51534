#include "audio/AudioDecoder.h"

#include "files/FileAccess.h"
#include "text/NativePath.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velnora::audio
{

namespace
{

constexpr int IoBufferSize = 64 * 1024;

// The containers and codecs read: FFmpeg probes nothing else, so a stray file meets no other parser.
const char *const Containers = "wav,aiff,flac,mov,mp4,m4a,3gp,3g2,mj2,mp3,ogg";
// A cue sheet's BINARY file: CD audio as it lies on the disc, 16-bit little-endian stereo, no header.
const char *const RawContainer = "s16le";

bool supportedCodec(AVCodecID id)
{
    switch (id) {
    case AV_CODEC_ID_FLAC:
    case AV_CODEC_ID_ALAC:
    case AV_CODEC_ID_AAC:
    case AV_CODEC_ID_MP3:
    case AV_CODEC_ID_VORBIS:
    case AV_CODEC_ID_OPUS:
    case AV_CODEC_ID_PCM_U8:
    case AV_CODEC_ID_PCM_S8:
    case AV_CODEC_ID_PCM_S16LE:
    case AV_CODEC_ID_PCM_S16BE:
    case AV_CODEC_ID_PCM_S24LE:
    case AV_CODEC_ID_PCM_S24BE:
    case AV_CODEC_ID_PCM_S32LE:
    case AV_CODEC_ID_PCM_S32BE:
    case AV_CODEC_ID_PCM_F32LE:
    case AV_CODEC_ID_PCM_F32BE:
    case AV_CODEC_ID_PCM_F64LE:
    case AV_CODEC_ID_PCM_F64BE:
        return true;
    default:
        return false;
    }
}

QString ffmpegReason(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

int readPacket(void *opaque, uint8_t *buffer, int size)
{
    const int fd = *static_cast<int *>(opaque);
    for (;;) {
        const ssize_t n = ::read(fd, buffer, static_cast<size_t>(size));
        if (n > 0)
            return static_cast<int>(n);
        if (n == 0)
            return AVERROR_EOF;
        if (errno != EINTR)
            return AVERROR(errno);
    }
}

int64_t seekPacket(void *opaque, int64_t offset, int whence)
{
    const int fd = *static_cast<int *>(opaque);
    if (whence == AVSEEK_SIZE) {
        struct stat st = {};
        return ::fstat(fd, &st) == 0 ? static_cast<int64_t>(st.st_size) : AVERROR(errno);
    }
    const off_t at = ::lseek(fd, static_cast<off_t>(offset), whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(errno) : static_cast<int64_t>(at);
}

} // namespace

struct AudioDecoder::State {
    AudioInfo info;
    int fd = -1;
    AVIOContext *io = nullptr;
    AVFormatContext *format = nullptr;
    AVCodecContext *codec = nullptr;
    SwrContext *swr = nullptr;
    AVPacket *packet = nullptr;
    AVFrame *frame = nullptr;
    int stream = -1;
    qint64 knownSamples = -1;    // the length the container gives, where it is exact
    bool copy = false;           // 16-bit 44.1 kHz stereo, taken as decoded
    bool monoCopy = false;       // 16-bit 44.1 kHz mono, each sample to both channels
    bool inputDone = false;      // the last packet was sent to the decoder
    bool decoderDone = false;    // the decoder gave its last frame
    bool resamplerDone = false;  // the resampler gave what it held back
    std::vector<qint16> pending; // decoded, not yet read: interleaved stereo
    size_t taken = 0;

    ~State()
    {
        av_frame_free(&frame);
        av_packet_free(&packet);
        swr_free(&swr);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
        if (io)
            av_freep(&io->buffer);
        avio_context_free(&io);
        if (fd >= 0)
            ::close(fd);
    }

    bool fail(AudioProblem problem, const QString &detail)
    {
        info.problem = problem;
        info.detail = detail;
        return false;
    }

    bool open(const QString &path, bool raw);
    bool openResampler();
    bool decodeMore();
    bool take(const AVFrame *decoded);
    bool flushResampler();
};

bool AudioDecoder::State::open(const QString &path, bool raw)
{
    // Without blocking, so a pipe or device is refused without waiting for it.
    fd = ::open(toNativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return fail(AudioProblem::CannotOpen, systemReason(errno));
    struct stat st = {};
    if (::fstat(fd, &st) != 0)
        return fail(AudioProblem::CannotOpen, systemReason(errno));
    if (!S_ISREG(st.st_mode))
        return fail(AudioProblem::NotRegular, notRegularReason());
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return fail(AudioProblem::CannotOpen, systemReason(errno));

    auto *buffer = static_cast<unsigned char *>(av_malloc(IoBufferSize));
    io = buffer ? avio_alloc_context(buffer, IoBufferSize, 0, &fd, readPacket, nullptr, seekPacket) : nullptr;
    if (!io) {
        av_free(buffer);
        return fail(AudioProblem::CannotOpen, systemReason(ENOMEM));
    }
    format = avformat_alloc_context();
    if (!format)
        return fail(AudioProblem::CannotOpen, systemReason(ENOMEM));
    format->pb = io;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    format->format_whitelist = av_strdup(raw ? RawContainer : Containers);
    const AVInputFormat *rawFormat = raw ? av_find_input_format(RawContainer) : nullptr;
    if (raw && !rawFormat)
        return fail(AudioProblem::NotAudio, ffmpegReason(AVERROR_DEMUXER_NOT_FOUND));
    AVDictionary *rawOptions = nullptr;
    if (raw) {
        av_dict_set(&rawOptions, "sample_rate", "44100", 0);
        av_dict_set(&rawOptions, "ch_layout", "stereo", 0);
    }
    int code = avformat_open_input(&format, nullptr, rawFormat, raw ? &rawOptions : nullptr);
    av_dict_free(&rawOptions);
    if (code < 0) {
        // avformat_open_input frees the context on failure.
        format = nullptr;
        return fail(AudioProblem::NotAudio, ffmpegReason(code));
    }
    info.source.container = QString::fromLatin1(format->iformat->name);
    code = avformat_find_stream_info(format, nullptr);
    if (code < 0)
        return fail(AudioProblem::NotAudio, ffmpegReason(code));
    stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (stream < 0)
        return fail(AudioProblem::NotAudio, ffmpegReason(stream));
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        if (static_cast<int>(i) != stream)
            format->streams[i]->discard = AVDISCARD_ALL;
    }
    const AVCodecParameters *parameters = format->streams[stream]->codecpar;
    info.source.codec = QString::fromLatin1(avcodec_get_name(parameters->codec_id));
    if (!supportedCodec(parameters->codec_id))
        return fail(AudioProblem::UnsupportedCodec, info.source.codec);
    const AVCodec *decoder = avcodec_find_decoder(parameters->codec_id);
    if (!decoder)
        return fail(AudioProblem::UnsupportedCodec, info.source.codec);
    codec = avcodec_alloc_context3(decoder);
    if (!codec)
        return fail(AudioProblem::CannotOpen, systemReason(ENOMEM));
    code = avcodec_parameters_to_context(codec, parameters);
    if (code >= 0)
        code = avcodec_open2(codec, decoder, nullptr);
    if (code < 0)
        return fail(AudioProblem::DecodeFailed, ffmpegReason(code));
    if (codec->sample_rate <= 0 || codec->ch_layout.nb_channels <= 0)
        return fail(AudioProblem::NotAudio, ffmpegReason(AVERROR_INVALIDDATA));

    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(parameters->codec_id);
    info.source.lossless = descriptor && (descriptor->props & AV_CODEC_PROP_LOSSLESS);
    info.source.sampleRate = codec->sample_rate;
    info.source.channels = codec->ch_layout.nb_channels;
    if (info.source.lossless) {
        info.source.bits = codec->bits_per_raw_sample > 0 ? codec->bits_per_raw_sample
                                                          : av_get_bytes_per_sample(codec->sample_fmt) * 8;
    }
    packet = av_packet_alloc();
    frame = av_frame_alloc();
    if (!packet || !frame)
        return fail(AudioProblem::CannotOpen, systemReason(ENOMEM));

    const AVSampleFormat packed = av_get_packed_sample_fmt(codec->sample_fmt);
    const bool cd16 = packed == AV_SAMPLE_FMT_S16 && codec->sample_rate == CdSampleRate;
    copy = cd16 && codec->ch_layout.nb_channels == 2;
    monoCopy = cd16 && codec->ch_layout.nb_channels == 1;
    // FLAC's STREAMINFO counts the samples of the whole stream, exactly, when it is not 0 (a stream
    // written without knowing its end). Taken as decoded, they are the CD samples one for one.
    const AVStream *audio = format->streams[stream];
    if ((copy || monoCopy) && parameters->codec_id == AV_CODEC_ID_FLAC && audio->duration > 0 &&
        audio->time_base.num == 1 && audio->time_base.den == CdSampleRate)
        knownSamples = audio->duration;
    // Raw CD audio is its size: whole stereo samples of four bytes.
    if (raw && copy)
        knownSamples = static_cast<qint64>(st.st_size) / BytesPerSample;
    return copy || monoCopy || openResampler();
}

bool AudioDecoder::State::openResampler()
{
    AVChannelLayout in = {};
    if (codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&in, codec->ch_layout.nb_channels);
    else
        av_channel_layout_copy(&in, &codec->ch_layout);
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    int code = swr_alloc_set_opts2(&swr, &stereo, AV_SAMPLE_FMT_S16, CdSampleRate, &in, codec->sample_fmt,
                                   codec->sample_rate, 0, nullptr);
    const bool mono = in.nb_channels == 1;
    av_channel_layout_uninit(&in);
    if (code < 0)
        return fail(AudioProblem::DecodeFailed, ffmpegReason(code));
    // Flat triangular dither of one step: the error of cutting to 16 bits becomes steady noise
    // instead of distortion that follows the signal. Noise shaping is left out: it lifts the noise
    // where the ear hears it less but adds energy near the top of the band.
    av_opt_set_int(swr, "dither_method", SWR_DITHER_TRIANGULAR, 0);
    if (mono) {
        // FFmpeg's own matrix sends mono to each side 3 dB down; the disc gets it at full level.
        const double matrix[2] = {1.0, 1.0};
        code = swr_set_matrix(swr, matrix, 1);
        if (code < 0)
            return fail(AudioProblem::DecodeFailed, ffmpegReason(code));
    }
    code = swr_init(swr);
    if (code < 0)
        return fail(AudioProblem::DecodeFailed, ffmpegReason(code));
    return true;
}

bool AudioDecoder::State::take(const AVFrame *decoded)
{
    if (decoded->nb_samples <= 0)
        return true;
    // A stream that changes its rate or layout midway is not followed.
    if (decoded->sample_rate != codec->sample_rate || decoded->format != codec->sample_fmt ||
        decoded->ch_layout.nb_channels != codec->ch_layout.nb_channels)
        return fail(AudioProblem::DecodeFailed, ffmpegReason(AVERROR_PATCHWELCOME));
    const size_t count = static_cast<size_t>(decoded->nb_samples);
    if (copy || monoCopy) {
        const bool planar = av_sample_fmt_is_planar(codec->sample_fmt);
        const auto *left = reinterpret_cast<const qint16 *>(decoded->extended_data[0]);
        const auto *right =
            monoCopy ? left
                     : (planar ? reinterpret_cast<const qint16 *>(decoded->extended_data[1]) : left + 1);
        const size_t step = monoCopy || planar ? 1 : 2;
        pending.reserve(pending.size() + 2 * count);
        for (size_t i = 0; i < count; ++i) {
            pending.push_back(left[i * step]);
            pending.push_back(right[i * step]);
        }
        return true;
    }
    const int room = swr_get_out_samples(swr, decoded->nb_samples);
    if (room < 0)
        return fail(AudioProblem::DecodeFailed, ffmpegReason(room));
    const size_t at = pending.size();
    pending.resize(at + 2 * static_cast<size_t>(room));
    auto *out = reinterpret_cast<uint8_t *>(pending.data() + at);
    const int made = swr_convert(swr, &out, room, const_cast<const uint8_t **>(decoded->extended_data),
                                 decoded->nb_samples);
    if (made < 0) {
        pending.resize(at);
        return fail(AudioProblem::DecodeFailed, ffmpegReason(made));
    }
    pending.resize(at + 2 * static_cast<size_t>(made));
    return true;
}

bool AudioDecoder::State::flushResampler()
{
    resamplerDone = true;
    if (!swr)
        return true;
    for (;;) {
        const int room = swr_get_out_samples(swr, 0);
        if (room <= 0)
            return true;
        const size_t at = pending.size();
        pending.resize(at + 2 * static_cast<size_t>(room));
        auto *out = reinterpret_cast<uint8_t *>(pending.data() + at);
        const int made = swr_convert(swr, &out, room, nullptr, 0);
        if (made < 0) {
            pending.resize(at);
            return fail(AudioProblem::DecodeFailed, ffmpegReason(made));
        }
        pending.resize(at + 2 * static_cast<size_t>(made));
        if (made == 0)
            return true;
    }
}

// One more step: a decoded frame taken, a packet sent, or the end reached.
bool AudioDecoder::State::decodeMore()
{
    if (decoderDone)
        return flushResampler();
    int code = avcodec_receive_frame(codec, frame);
    if (code == 0) {
        const bool kept = take(frame);
        av_frame_unref(frame);
        return kept;
    }
    if (code == AVERROR_EOF) {
        decoderDone = true;
        return true;
    }
    if (code != AVERROR(EAGAIN))
        return fail(AudioProblem::DecodeFailed, ffmpegReason(code));
    if (inputDone)
        return fail(AudioProblem::DecodeFailed, ffmpegReason(AVERROR_BUG));
    code = av_read_frame(format, packet);
    if (code == AVERROR_EOF) {
        inputDone = true;
        code = avcodec_send_packet(codec, nullptr);
        return code >= 0 || code == AVERROR_EOF ? true : fail(AudioProblem::DecodeFailed, ffmpegReason(code));
    }
    if (code < 0)
        return fail(code == AVERROR(EIO) || code == AVERROR(EISDIR) ? AudioProblem::CannotOpen
                                                                    : AudioProblem::DecodeFailed,
                    ffmpegReason(code));
    if (packet->stream_index == stream)
        code = avcodec_send_packet(codec, packet);
    av_packet_unref(packet);
    return code >= 0 ? true : fail(AudioProblem::DecodeFailed, ffmpegReason(code));
}

AudioDecoder::AudioDecoder(const QString &path, bool raw) : m_state(std::make_unique<State>())
{
    // Every problem comes back as data; FFmpeg's own notes on the console would only repeat it.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    if (!m_state->open(path, raw) && m_state->info.problem == AudioProblem::None)
        m_state->info.problem = AudioProblem::DecodeFailed;
}

AudioDecoder::~AudioDecoder() = default;

const AudioInfo &AudioDecoder::info() const
{
    return m_state->info;
}

qint64 AudioDecoder::read(qint16 *out, qint64 maxSamples)
{
    State &s = *m_state;
    if (!s.info.ok())
        return -1;
    const size_t wanted = 2 * static_cast<size_t>(maxSamples);
    while (s.pending.size() - s.taken < wanted && !s.resamplerDone) {
        if (!s.decodeMore())
            return -1;
    }
    const size_t values = std::min(wanted, s.pending.size() - s.taken);
    if (values > 0)
        std::memcpy(out, s.pending.data() + s.taken, values * sizeof(qint16));
    s.taken += values;
    // The buffer keeps only what is not read yet, so it stays about one block.
    if (s.taken == s.pending.size()) {
        s.pending.clear();
        s.taken = 0;
    } else if (s.taken > s.pending.size() / 2) {
        s.pending.erase(s.pending.begin(), s.pending.begin() + static_cast<std::ptrdiff_t>(s.taken));
        s.taken = 0;
    }
    const qint64 samples = static_cast<qint64>(values / 2);
    s.info.samples += samples;
    if (samples == 0 && s.info.samples == 0 && maxSamples > 0) {
        s.fail(AudioProblem::Empty, QString());
        return -1;
    }
    return samples;
}

qint64 AudioDecoder::knownSamples() const
{
    return m_state->info.ok() ? m_state->knownSamples : -1;
}

AudioInfo probeAudio(const QString &path, bool raw)
{
    AudioDecoder decoder(path, raw);
    if (decoder.knownSamples() > 0) {
        AudioInfo info = decoder.info();
        info.samples = decoder.knownSamples();
        return info;
    }
    std::vector<qint16> block(2 * CdSampleRate);
    while (decoder.read(block.data(), CdSampleRate) > 0) {
    }
    return decoder.info();
}

} // namespace velnora::audio
