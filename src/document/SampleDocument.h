#pragma once

#include "document/Document.h"

namespace velnora
{

// "サンプル貼付": an album, an artist and twelve title lines, each ending in CR LF.
Document sampleDocument();

} // namespace velnora
