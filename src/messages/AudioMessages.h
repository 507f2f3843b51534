#pragma once

#include <QString>

// Why an audio file gives no CD audio, as the user reads it; detail is what the decoder said.
namespace velnora::messages::audiofile
{

QString cannotRead(const QString &detail);
QString notAudio();
QString unsupportedCodec(const QString &codec);
QString damaged(const QString &detail);
QString empty();

} // namespace velnora::messages::audiofile
