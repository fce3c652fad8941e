#pragma once
// The host's pictures from its resource table, as Qt shows them.

#include "platform/base/types.h"

#include <QIcon>
#include <QPixmap>

// The picture of that number; a null pixmap when there is none.
QPixmap HostPicture(UINT id);
// The program's icon, every size it comes in.
QIcon HostIcon();
