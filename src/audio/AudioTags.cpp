#include "audio/AudioTags.h"

#include "audio/BoundedTagStream.h"
#include "audio/TagText.h"
#include "text/NativePath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <taglib/fileref.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/tpropertymap.h>
#include <unistd.h>

namespace velnora
{

namespace
{

QString fromTag(const TagLib::String &s)
{
    return QString::fromStdString(s.to8Bit(true)).trimmed();
}

TagLib::String toTag(const QString &s)
{
    return TagLib::String(s.toStdString(), TagLib::String::UTF8);
}

QByteArray bytesOf(const TagLib::ByteVector &data)
{
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

// ID3v1 fields are fixed-size, padded with NULs or spaces.
class Id3v1Text : public TagLib::ID3v1::StringHandler
{
public:
    TagLib::String parse(const TagLib::ByteVector &data) const override
    {
        return toTag(latin1OrCp932(bytesOf(data)).trimmed());
    }
};

class Id3v2Latin1Text : public TagLib::ID3v2::Latin1StringHandler
{
public:
    TagLib::String parse(const TagLib::ByteVector &data) const override
    {
        return toTag(latin1OrCp932(bytesOf(data)));
    }
};

// TagLib's handlers are global: set once, before the first file is read.
void useJapaneseLatin1()
{
    static const Id3v1Text id3v1;
    static const Id3v2Latin1Text id3v2;
    static const bool set = [] {
        TagLib::ID3v1::Tag::setStringHandler(&id3v1);
        TagLib::ID3v2::Tag::setLatin1StringHandler(&id3v2);
        return true;
    }();
    Q_UNUSED(set);
}

// "2/12" gives 2; anything without a leading number gives 0.
int leadingNumber(const TagLib::PropertyMap &properties, const char *key)
{
    const auto it = properties.find(key);
    if (it == properties.end() || it->second.isEmpty())
        return 0;
    const QString text = fromTag(it->second.front());
    qsizetype digits = 0;
    while (digits < text.size() && digits < 6 && text[digits].isDigit() && text[digits].unicode() < 0x80)
        ++digits;
    return text.left(digits).toInt();
}

QString firstText(const TagLib::PropertyMap &properties, const char *key)
{
    const auto it = properties.find(key);
    return it == properties.end() || it->second.isEmpty() ? QString() : fromTag(it->second.front());
}

} // namespace

AudioTags readAudioTags(const QString &path, long long budget)
{
    useJapaneseLatin1();
    AudioTags tags;
    tags.path = path;
    // Opened here, not by TagLib, so a pipe or device is refused before anything waits on it.
    const int fd = ::open(toNativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        tags.problem = TagProblem::File;
        tags.error = {errno, systemReason(errno)};
        return tags;
    }
    struct stat st = {};
    const bool statted = ::fstat(fd, &st) == 0;
    if (!statted || !S_ISREG(st.st_mode)) {
        const int code = errno;
        ::close(fd);
        tags.problem = TagProblem::File;
        if (!statted)
            tags.error = {code, systemReason(code)};
        else
            tags.error = {S_ISDIR(st.st_mode) ? EISDIR : ENODEV, notRegularReason()};
        return tags;
    }
    BoundedTagStream stream(fd, budget);
    const TagLib::FileRef file(&stream, false);
    if (stream.overBudget()) {
        tags.problem = TagProblem::TooLarge;
        return tags;
    }
    if (file.isNull() || file.tag() == nullptr) {
        tags.problem = TagProblem::NotAudio;
        return tags;
    }
    const TagLib::Tag *tag = file.tag();
    tags.title = fromTag(tag->title());
    tags.album = fromTag(tag->album());
    tags.artist = fromTag(tag->artist());
    tags.track = static_cast<int>(qMin(tag->track(), 999999u));
    const TagLib::PropertyMap properties = file.file()->properties();
    tags.albumArtist = firstText(properties, "ALBUMARTIST");
    tags.disc = leadingNumber(properties, "DISCNUMBER");
    if (tags.track == 0)
        tags.track = leadingNumber(properties, "TRACKNUMBER");
    return tags;
}

} // namespace velnora
