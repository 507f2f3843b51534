#pragma once

#include <taglib/tfilestream.h>

namespace velnora
{

// A file opened for TagLib that reads at most a budget of bytes in all: a damaged or hostile file
// whose tag claims gigabytes is refused instead of filling the memory. Takes the descriptor.
class BoundedTagStream : public TagLib::FileStream
{
public:
    BoundedTagStream(int fd, long long budget);
    TagLib::ByteVector readBlock(unsigned long length) override;
    // A read was cut short by the budget.
    bool overBudget() const { return m_overBudget; }

private:
    long long m_left;
    bool m_overBudget = false;
};

} // namespace velnora
