#include "disc/ImageWriter.h"

#include "audio/AudioDecoder.h"
#include "disc/CueSheet.h"
#include "disc/NewFileBeside.h"
#include "text/NativePath.h"

#include <QFileInfo>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace velnora::disc
{

namespace
{

constexpr qint64 FrameBytes = audio::SamplesPerFrame * audio::BytesPerSample; // 2352
constexpr qint64 BlockSamples = audio::CdSampleRate;                          // one second

bool cueSafe(const QString &name)
{
    for (const QChar c : name) {
        if (c == QLatin1Char('"') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// Writes the audio and reports progress; false on cancel or a failure, which outcome then holds.
class BinWriter
{
public:
    BinWriter(NewFileBeside &file, qint64 totalBytes, const ImageProgress &progress,
              const std::atomic<bool> *cancel, ImageOutcome &outcome)
        : m_file(file), m_total(totalBytes), m_progress(progress), m_cancel(cancel), m_outcome(outcome)
    {
    }

    bool silence(qint64 bytes)
    {
        static const std::vector<char> zeros(static_cast<size_t>(BlockSamples * audio::BytesPerSample), 0);
        while (bytes > 0) {
            const qint64 n = std::min<qint64>(bytes, static_cast<qint64>(zeros.size()));
            if (!put(zeros.data(), n))
                return false;
            bytes -= n;
        }
        return true;
    }

    void setTrack(int number) { m_track = number; }

    bool track(int number, const DiscTrack &track)
    {
        m_track = number;
        audio::AudioDecoder decoder(track.path, track.raw);
        std::vector<qint16> block(static_cast<size_t>(2 * BlockSamples));
        // A cut track: the samples before its start are decoded and dropped, and the file is read
        // no further than its end.
        const qint64 end = track.start + track.samples();
        qint64 written = 0;
        for (;;) {
            const qint64 before = decoder.info().samples;
            if (track.length >= 0 && before >= end)
                break;
            const qint64 n = decoder.read(block.data(), BlockSamples);
            if (n < 0) {
                m_outcome.failure = ImageOutcome::Failure::Decode;
                m_outcome.audio = decoder.info();
                return failTrack(track);
            }
            if (n == 0)
                break;
            if (decoder.info().samples > track.audio.samples)
                return changed(track, decoder.info());
            const BlockPart part = trackPart(track, before, n, block.data());
            if (part.empty())
                continue;
            if (!put(reinterpret_cast<const char *>(block.data() + 2 * part.from),
                     (part.to - part.from) * audio::BytesPerSample))
                return false;
            written += part.to - part.from;
        }
        // A whole file must end where it was checked; a part, reach its end.
        if (track.length < 0 ? decoder.info().samples != track.audio.samples : written != track.samples())
            return changed(track, decoder.info());
        return silence(track.frames() * FrameBytes - written * audio::BytesPerSample);
    }

private:
    bool changed(const DiscTrack &track, const audio::AudioInfo &now)
    {
        m_outcome.failure = ImageOutcome::Failure::Changed;
        m_outcome.audio = now;
        return failTrack(track);
    }

    bool failTrack(const DiscTrack &track)
    {
        m_outcome.status = ImageOutcome::Status::Failed;
        m_outcome.track = m_track;
        m_outcome.path = track.path;
        return false;
    }

    bool put(const char *data, qint64 size)
    {
        if (m_cancel && m_cancel->load()) {
            m_outcome.status = ImageOutcome::Status::Cancelled;
            return false;
        }
        if (!m_file.write(data, size)) {
            m_outcome.status = ImageOutcome::Status::Failed;
            m_outcome.failure = ImageOutcome::Failure::Write;
            m_outcome.code = m_file.error();
            m_outcome.path = m_outcome.files.bin;
            return false;
        }
        m_done += size;
        const int percent = m_total > 0 ? static_cast<int>(m_done * 100 / m_total) : 100;
        if (m_progress && (percent != m_percent || m_track != m_reportedTrack)) {
            m_percent = percent;
            m_reportedTrack = m_track;
            m_progress(m_track, percent);
        }
        return true;
    }

    NewFileBeside &m_file;
    qint64 m_total;
    qint64 m_done = 0;
    const ImageProgress &m_progress;
    const std::atomic<bool> *m_cancel;
    ImageOutcome &m_outcome;
    int m_track = 0;
    int m_percent = -1;
    int m_reportedTrack = 0;
};

ImageOutcome failWrite(ImageOutcome outcome, const NewFileBeside &file, const QString &path)
{
    outcome.status = ImageOutcome::Status::Failed;
    outcome.failure = ImageOutcome::Failure::Write;
    outcome.code = file.error();
    outcome.path = path;
    return outcome;
}

// The names' record in the folder: the files themselves are whole on the disk already.
void syncFolder(const QString &path)
{
    const int fd =
        ::open(toNativePath(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

ImageFiles imageFiles(const QString &cuePath)
{
    QString stem = cuePath;
    if (stem.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive))
        stem.chop(4);
    return {stem + QStringLiteral(".cue"), stem + QStringLiteral(".bin"), stem + QStringLiteral(".cdt")};
}

ImageOutcome writeCdImage(const QString &cuePath, const DiscCheck &check, const ImageProgress &progress,
                          const std::atomic<bool> *cancel)
{
    ImageOutcome outcome;
    outcome.files = imageFiles(cuePath);
    if (!check.ok()) {
        outcome.status = ImageOutcome::Status::Refused;
        return outcome;
    }
    const QString binName = QFileInfo(outcome.files.bin).fileName();
    const QString cdtName = QFileInfo(outcome.files.cdt).fileName();
    if (!cueSafe(binName)) {
        outcome.status = ImageOutcome::Status::Failed;
        outcome.failure = ImageOutcome::Failure::BadName;
        outcome.path = outcome.files.cue;
        return outcome;
    }

    NewFileBeside bin(outcome.files.bin);
    NewFileBeside cdt(outcome.files.cdt);
    NewFileBeside cue(outcome.files.cue);
    // A folder that takes no new file is told before any audio is decoded.
    for (const auto &[file, path] :
         {std::pair<const NewFileBeside &, const QString &>{bin, outcome.files.bin},
          {cdt, outcome.files.cdt},
          {cue, outcome.files.cue}}) {
        if (file.error() != 0)
            return failWrite(outcome, file, path);
    }
    BinWriter writer(bin, check.length.frames * FrameBytes, progress, cancel, outcome);
    for (qsizetype i = 0; i < check.tracks.size(); ++i) {
        writer.setTrack(static_cast<int>(i + 1)); // the gap counts as the track it leads into
        if (!writer.silence(check.length.gaps.at(i) * FrameBytes) ||
            !writer.track(static_cast<int>(i + 1), check.tracks.at(i)))
            return outcome;
    }
    const QByteArray sheet = cueSheet(cdtName, binName, check.length, cueTextBlock(check.blocks));
    if (!bin.finish())
        return failWrite(outcome, bin, outcome.files.bin);
    if (!cdt.write(check.cdText) || !cdt.finish())
        return failWrite(outcome, cdt, outcome.files.cdt);
    if (!cue.write(sheet) || !cue.finish())
        return failWrite(outcome, cue, outcome.files.cue);
    if (cancel && cancel->load()) {
        outcome.status = ImageOutcome::Status::Cancelled;
        return outcome;
    }
    // The sheet comes last: a reader that finds it finds its two files.
    if (!bin.commit())
        return failWrite(outcome, bin, outcome.files.bin);
    if (!cdt.commit()) {
        ::unlink(toNativePath(outcome.files.bin).constData());
        return failWrite(outcome, cdt, outcome.files.cdt);
    }
    if (!cue.commit()) {
        ::unlink(toNativePath(outcome.files.bin).constData());
        ::unlink(toNativePath(outcome.files.cdt).constData());
        return failWrite(outcome, cue, outcome.files.cue);
    }
    syncFolder(outcome.files.cue);
    return outcome;
}

} // namespace velnora::disc
