#include "audio/BoundedTagStream.h"

namespace velnora
{

BoundedTagStream::BoundedTagStream(int fd, long long budget) : TagLib::FileStream(fd, true), m_left(budget) {}

TagLib::ByteVector BoundedTagStream::readBlock(unsigned long length)
{
    if (static_cast<long long>(length) > m_left) {
        // What is left of the file may be shorter than asked: only a read the budget cut counts.
        const long long rest = static_cast<long long>(TagLib::FileStream::length()) - tell();
        if (rest > m_left)
            m_overBudget = true;
        length = static_cast<unsigned long>(m_left);
    }
    TagLib::ByteVector block = TagLib::FileStream::readBlock(length);
    m_left -= block.size();
    return block;
}

} // namespace velnora
