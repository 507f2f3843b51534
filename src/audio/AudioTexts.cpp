#include "audio/AudioTexts.h"

namespace velnora::audio
{

QString problemText(const AudioInfo &info)
{
    switch (info.problem) {
    case AudioProblem::None:
        return QString();
    case AudioProblem::CannotOpen:
        return QStringLiteral("読めません: %1").arg(info.detail);
    case AudioProblem::NotRegular:
        return info.detail;
    case AudioProblem::NotAudio:
        return QStringLiteral("WAV、AIFF、FLAC、M4A、MP3、Ogg Vorbis、Opusの音声ファイルではありません");
    case AudioProblem::UnsupportedCodec:
        return QStringLiteral("この形式の音声(%1)は読めません").arg(info.detail);
    case AudioProblem::DecodeFailed:
        return QStringLiteral("音声が壊れています: %1").arg(info.detail);
    case AudioProblem::Empty:
        return QStringLiteral("音声が入っていません");
    }
    return QString();
}

} // namespace velnora::audio
