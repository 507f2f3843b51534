#include "audio/TagImport.h"

#include "audio/TrackOrder.h"
#include "document/DroppedName.h"

namespace velnora
{

TagImport importFromTags(const QList<AudioTags> &files)
{
    TagImport result;
    QString albumArtist;
    QString artist;
    bool artistsAgree = true;
    for (const AudioTags &file : inTrackOrder(files)) {
        result.files.append(file.path);
        result.titles.append(file.title.isEmpty() ? titleFromDroppedPath(file.path) : file.title);
        if (result.album.isEmpty())
            result.album = file.album;
        if (albumArtist.isEmpty())
            albumArtist = file.albumArtist;
        if (!file.artist.isEmpty()) {
            if (artist.isEmpty())
                artist = file.artist;
            else if (artist != file.artist)
                artistsAgree = false;
        }
    }
    result.artist = !albumArtist.isEmpty() ? albumArtist : artistsAgree ? artist : QString();
    return result;
}

} // namespace velnora
