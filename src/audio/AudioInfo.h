#pragma once

#include "audio/AudioProblem.h"

#include <QString>

namespace velnora::audio
{

// CD audio: 44,100 stereo samples a second, 588 of them to a frame, 75 frames a second.
constexpr int CdSampleRate = 44100;
constexpr int SamplesPerFrame = 588;
constexpr int FramesPerSecond = 75;
constexpr int BytesPerSample = 4; // one stereo pair of 16-bit little-endian values

// What a file holds before it is made CD audio.
struct AudioSource {
    QString container;  // FFmpeg's demuxer name ("flac", "mov,mp4,m4a,3gp,3g2,mj2")
    QString codec;      // FFmpeg's codec name ("flac", "alac", "aac", "mp3", "vorbis", "opus", "pcm_s24le")
    int sampleRate = 0; // samples a second
    int channels = 0;
    int bits = 0; // bits a sample of a lossless code; 0 for a lossy one
    bool lossless = false;
};

// One file as CD audio: its format, its decoded length or why it has none.
struct AudioInfo {
    AudioProblem problem = AudioProblem::None;
    QString detail; // the system's or FFmpeg's reason, or the codec's name
    AudioSource source;
    qint64 samples = 0; // stereo samples at 44.1 kHz, as decoded
    bool ok() const { return problem == AudioProblem::None; }
    // Whole frames: the last one is padded with silence.
    qint64 frames() const { return (samples + SamplesPerFrame - 1) / SamplesPerFrame; }
};

} // namespace velnora::audio
