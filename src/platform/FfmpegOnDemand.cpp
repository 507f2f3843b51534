// FFmpeg's libraries opened when the first audio file is read, not at every start: they pull in about
// a hundred more (codecs, network, GPU), whose loading and relocation cost more than the whole window.
// Linked into the program in place of the libraries, each FFmpeg function the program calls is defined
// here under its own name and forwards to the library, opened and looked up once. The declarations
// come from FFmpeg's headers, so a definition that differs from the library's does not compile.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/opt.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

#include <cstdio>
#include <dlfcn.h>
#include <type_traits>
#include <unistd.h>

namespace
{

// As the dynamic loader does with a library or symbol it cannot find: said on standard error, and the
// process ends.
[[noreturn]] void cannotLoad()
{
    const char *reason = dlerror();
    std::fprintf(stderr, "velnora: %s\n", reason ? reason : "FFmpeg cannot be loaded");
    std::fflush(stderr);
    ::_exit(127);
}

void *open(const char *soname)
{
    void *handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        cannotLoad();
    return handle;
}

#define VELNORA_SONAME(lib, major) "lib" #lib ".so." AV_STRINGIFY(major)

void *avformat()
{
    static void *const handle = open(VELNORA_SONAME(avformat, LIBAVFORMAT_VERSION_MAJOR));
    return handle;
}

void *avcodec()
{
    static void *const handle = open(VELNORA_SONAME(avcodec, LIBAVCODEC_VERSION_MAJOR));
    return handle;
}

void *avutil()
{
    static void *const handle = open(VELNORA_SONAME(avutil, LIBAVUTIL_VERSION_MAJOR));
    return handle;
}

void *swresample()
{
    static void *const handle = open(VELNORA_SONAME(swresample, LIBSWRESAMPLE_VERSION_MAJOR));
    return handle;
}

// The library's function of the same type as Fn, looked up once (thread-safe: the decoder runs on
// worker threads too).
template <auto &Fn> auto *real(void *(*library)(), const char *name)
{
    using Function = std::remove_reference_t<decltype(Fn)>;
    static Function *const found = [library, name] {
        void *symbol = dlsym(library(), name);
        if (!symbol)
            cannotLoad();
        return reinterpret_cast<Function *>(symbol);
    }();
    return found;
}

} // namespace

extern "C" {

// libavutil
int av_channel_layout_copy(AVChannelLayout *dst, const AVChannelLayout *src)
{
    return real<av_channel_layout_copy>(avutil, "av_channel_layout_copy")(dst, src);
}
void av_channel_layout_default(AVChannelLayout *layout, int channels)
{
    real<av_channel_layout_default>(avutil, "av_channel_layout_default")(layout, channels);
}
void av_channel_layout_uninit(AVChannelLayout *layout)
{
    real<av_channel_layout_uninit>(avutil, "av_channel_layout_uninit")(layout);
}
void av_dict_free(AVDictionary **dictionary)
{
    real<av_dict_free>(avutil, "av_dict_free")(dictionary);
}
int av_dict_set(AVDictionary **dictionary, const char *key, const char *value, int flags)
{
    return real<av_dict_set>(avutil, "av_dict_set")(dictionary, key, value, flags);
}
AVFrame *av_frame_alloc(void)
{
    return real<av_frame_alloc>(avutil, "av_frame_alloc")();
}
void av_frame_free(AVFrame **frame)
{
    real<av_frame_free>(avutil, "av_frame_free")(frame);
}
void av_frame_unref(AVFrame *frame)
{
    real<av_frame_unref>(avutil, "av_frame_unref")(frame);
}
void av_free(void *ptr)
{
    real<av_free>(avutil, "av_free")(ptr);
}
void av_freep(void *ptr)
{
    real<av_freep>(avutil, "av_freep")(ptr);
}
int av_get_bytes_per_sample(enum AVSampleFormat format)
{
    return real<av_get_bytes_per_sample>(avutil, "av_get_bytes_per_sample")(format);
}
enum AVSampleFormat av_get_packed_sample_fmt(enum AVSampleFormat format)
{
    return real<av_get_packed_sample_fmt>(avutil, "av_get_packed_sample_fmt")(format);
}
void av_log_set_level(int level)
{
    real<av_log_set_level>(avutil, "av_log_set_level")(level);
}
void *av_malloc(size_t size)
{
    return real<av_malloc>(avutil, "av_malloc")(size);
}
int av_opt_set_int(void *object, const char *name, int64_t value, int flags)
{
    return real<av_opt_set_int>(avutil, "av_opt_set_int")(object, name, value, flags);
}
int av_sample_fmt_is_planar(enum AVSampleFormat format)
{
    return real<av_sample_fmt_is_planar>(avutil, "av_sample_fmt_is_planar")(format);
}
char *av_strdup(const char *s)
{
    return real<av_strdup>(avutil, "av_strdup")(s);
}
int av_strerror(int error, char *buffer, size_t size)
{
    return real<av_strerror>(avutil, "av_strerror")(error, buffer, size);
}

// libavcodec
AVPacket *av_packet_alloc(void)
{
    return real<av_packet_alloc>(avcodec, "av_packet_alloc")();
}
void av_packet_free(AVPacket **packet)
{
    real<av_packet_free>(avcodec, "av_packet_free")(packet);
}
void av_packet_unref(AVPacket *packet)
{
    real<av_packet_unref>(avcodec, "av_packet_unref")(packet);
}
AVCodecContext *avcodec_alloc_context3(const AVCodec *codec)
{
    return real<avcodec_alloc_context3>(avcodec, "avcodec_alloc_context3")(codec);
}
const AVCodecDescriptor *avcodec_descriptor_get(enum AVCodecID id)
{
    return real<avcodec_descriptor_get>(avcodec, "avcodec_descriptor_get")(id);
}
const AVCodec *avcodec_find_decoder(enum AVCodecID id)
{
    return real<avcodec_find_decoder>(avcodec, "avcodec_find_decoder")(id);
}
void avcodec_free_context(AVCodecContext **context)
{
    real<avcodec_free_context>(avcodec, "avcodec_free_context")(context);
}
const char *avcodec_get_name(enum AVCodecID id)
{
    return real<avcodec_get_name>(avcodec, "avcodec_get_name")(id);
}
int avcodec_open2(AVCodecContext *context, const AVCodec *codec, AVDictionary **options)
{
    return real<avcodec_open2>(avcodec, "avcodec_open2")(context, codec, options);
}
int avcodec_parameters_to_context(AVCodecContext *context, const AVCodecParameters *parameters)
{
    return real<avcodec_parameters_to_context>(avcodec, "avcodec_parameters_to_context")(context, parameters);
}
int avcodec_receive_frame(AVCodecContext *context, AVFrame *frame)
{
    return real<avcodec_receive_frame>(avcodec, "avcodec_receive_frame")(context, frame);
}
int avcodec_send_packet(AVCodecContext *context, const AVPacket *packet)
{
    return real<avcodec_send_packet>(avcodec, "avcodec_send_packet")(context, packet);
}

// libavformat
int av_find_best_stream(AVFormatContext *context, enum AVMediaType type, int wanted, int related,
                        const AVCodec **decoder, int flags)
{
    return real<av_find_best_stream>(avformat, "av_find_best_stream")(context, type, wanted, related, decoder,
                                                                      flags);
}
const AVInputFormat *av_find_input_format(const char *name)
{
    return real<av_find_input_format>(avformat, "av_find_input_format")(name);
}
int av_read_frame(AVFormatContext *context, AVPacket *packet)
{
    return real<av_read_frame>(avformat, "av_read_frame")(context, packet);
}
AVFormatContext *avformat_alloc_context(void)
{
    return real<avformat_alloc_context>(avformat, "avformat_alloc_context")();
}
void avformat_close_input(AVFormatContext **context)
{
    real<avformat_close_input>(avformat, "avformat_close_input")(context);
}
int avformat_find_stream_info(AVFormatContext *context, AVDictionary **options)
{
    return real<avformat_find_stream_info>(avformat, "avformat_find_stream_info")(context, options);
}
int avformat_open_input(AVFormatContext **context, const char *url, const AVInputFormat *format,
                        AVDictionary **options)
{
    return real<avformat_open_input>(avformat, "avformat_open_input")(context, url, format, options);
}
AVIOContext *avio_alloc_context(unsigned char *buffer, int size, int writable, void *opaque,
                                int (*readPacket)(void *, uint8_t *, int),
                                int (*writePacket)(void *, uint8_t *, int),
                                int64_t (*seek)(void *, int64_t, int))
{
    return real<avio_alloc_context>(avformat, "avio_alloc_context")(buffer, size, writable, opaque,
                                                                    readPacket, writePacket, seek);
}
void avio_context_free(AVIOContext **context)
{
    real<avio_context_free>(avformat, "avio_context_free")(context);
}

// libswresample
int swr_alloc_set_opts2(SwrContext **context, AVChannelLayout *outLayout, enum AVSampleFormat outFormat,
                        int outRate, AVChannelLayout *inLayout, enum AVSampleFormat inFormat, int inRate,
                        int logOffset, void *logContext)
{
    return real<swr_alloc_set_opts2>(swresample, "swr_alloc_set_opts2")(
        context, outLayout, outFormat, outRate, inLayout, inFormat, inRate, logOffset, logContext);
}
int swr_convert(SwrContext *context, uint8_t **out, int outCount, const uint8_t **in, int inCount)
{
    return real<swr_convert>(swresample, "swr_convert")(context, out, outCount, in, inCount);
}
void swr_free(SwrContext **context)
{
    real<swr_free>(swresample, "swr_free")(context);
}
int swr_get_out_samples(SwrContext *context, int inSamples)
{
    return real<swr_get_out_samples>(swresample, "swr_get_out_samples")(context, inSamples);
}
int swr_init(SwrContext *context)
{
    return real<swr_init>(swresample, "swr_init")(context);
}
int swr_set_matrix(SwrContext *context, const double *matrix, int stride)
{
    return real<swr_set_matrix>(swresample, "swr_set_matrix")(context, matrix, stride);
}

} // extern "C"
