#include "audio/TrackOrder.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <limits>

namespace velnora
{

namespace
{

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

QList<AudioTags> inTrackOrder(QList<AudioTags> files)
{
    // The C locale's collator compares code units and knows no numeric mode.
    const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::Japanese) : QLocale();
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto disc = [](const AudioTags &t) { return t.disc > 0 ? t.disc : 1; };
    const auto track = [](const AudioTags &t) {
        return t.track > 0 ? t.track : std::numeric_limits<int>::max();
    };
    std::stable_sort(files.begin(), files.end(), [&](const AudioTags &a, const AudioTags &b) {
        if (disc(a) != disc(b))
            return disc(a) < disc(b);
        if (track(a) != track(b))
            return track(a) < track(b);
        const int byName = collator.compare(fileName(a.path), fileName(b.path));
        if (byName != 0)
            return byName < 0;
        return collator.compare(a.path, b.path) < 0;
    });
    return files;
}

} // namespace velnora
