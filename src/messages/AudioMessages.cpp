#include "messages/AudioMessages.h"

namespace velnora::messages::audiofile
{

QString cannotRead(const QString &detail)
{
    return QStringLiteral("読めません: %1").arg(detail);
}

QString notAudio()
{
    return QStringLiteral("WAV、AIFF、FLAC、M4A、MP3、Ogg Vorbis、Opusの音声ファイルではありません");
}

QString unsupportedCodec(const QString &codec)
{
    return QStringLiteral("この形式の音声(%1)は読めません").arg(codec);
}

QString damaged(const QString &detail)
{
    return QStringLiteral("音声が壊れています: %1").arg(detail);
}

QString empty()
{
    return QStringLiteral("音声が入っていません");
}

} // namespace velnora::messages::audiofile
