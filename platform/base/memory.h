#pragma once
// Large buffers (the applet block of a big design is tens of megabytes) are
// backed by huge pages where the system offers them on request: filling a
// fresh buffer then costs a fault per two megabytes instead of one per four
// kilobytes. Small buffers are left alone.

#include <cstddef>

void AdviseLargeBuffer(void* data, std::size_t size);
