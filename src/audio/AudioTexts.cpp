#include "audio/AudioTexts.h"

#include "messages/AudioMessages.h"

namespace velnora::audio
{

QString problemText(const AudioInfo &info)
{
    namespace words = messages::audiofile;
    switch (info.problem) {
    case AudioProblem::None:
        return QString();
    case AudioProblem::CannotOpen:
        return words::cannotRead(info.detail);
    case AudioProblem::NotRegular:
        return info.detail;
    case AudioProblem::NotAudio:
        return words::notAudio();
    case AudioProblem::UnsupportedCodec:
        return words::unsupportedCodec(info.detail);
    case AudioProblem::DecodeFailed:
        return words::damaged(info.detail);
    case AudioProblem::Empty:
        return words::empty();
    }
    return QString();
}

} // namespace velnora::audio
