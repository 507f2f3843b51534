#pragma once

#include "audio/AudioDecoder.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

#include <cmath>
#include <vector>

// Test audio is made with the system's own encoders and read back with their decoders.
namespace testaudio
{

// Runs a tool to its end; false (with its error output printed) when it failed.
inline bool run(const QString &program, const QStringList &arguments, QByteArray *out = nullptr)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(QLatin1Char(' ')) << tool.readAllStandardError();
        return false;
    }
    if (out)
        *out = tool.readAllStandardOutput();
    return true;
}

// Every sample a file decodes to, 16-bit little-endian stereo as the image holds it.
inline QByteArray decodeAll(const QString &path, velnora::audio::AudioInfo *info = nullptr)
{
    velnora::audio::AudioDecoder decoder(path);
    QByteArray all;
    std::vector<qint16> block(2 * 4000);
    for (;;) {
        const qint64 n = decoder.read(block.data(), 4000);
        if (n <= 0)
            break;
        all.append(reinterpret_cast<const char *>(block.data()), static_cast<qsizetype>(n * 4));
    }
    if (info)
        *info = decoder.info();
    return all;
}

// The frequency of one channel of 16-bit stereo PCM from its rising zero crossings, counted over the
// middle of the sound (the codecs' start and end ramps left out).
inline double frequency(const QByteArray &pcm, int channel, int rate = 44100)
{
    const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype samples = pcm.size() / 4;
    const qsizetype from = samples / 4, to = samples * 3 / 4;
    int crossings = 0;
    for (qsizetype i = from + 1; i < to; ++i) {
        if (s[2 * (i - 1) + channel] < 0 && s[2 * i + channel] >= 0)
            ++crossings;
    }
    return crossings * double(rate) / double(to - from - 1);
}

// The loudest sample of one channel.
inline int peak(const QByteArray &pcm, int channel)
{
    const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
    int top = 0;
    for (qsizetype i = 0; i < pcm.size() / 4; ++i)
        top = std::max(top, std::abs(int(s[2 * i + channel])));
    return top;
}

} // namespace testaudio
