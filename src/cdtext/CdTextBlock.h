#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace velnora::cdtext
{

// One language block of a disc's CD-TEXT, its texts already in the block's character code.
struct CdTextBlock {
    QString tag;              // "en" or "ja", as the layout names the block
    quint8 characterCode = 0; // 0x00 ISO-8859-1, 0x80 MS-JIS (cp932)
    quint8 language = 0;      // 0x09 English, 0x69 Japanese
    bool doubleByte = false;  // every character two bytes, texts end with two zero bytes
    QByteArray album;         // title of track 0
    QByteArray artist;        // performer of track 0 and of every track
    QList<QByteArray> titles; // titles.at(0) is track 1; an empty one is a gap in the numbering
                              // (written as one space, see PackWriter)
};

} // namespace velnora::cdtext
