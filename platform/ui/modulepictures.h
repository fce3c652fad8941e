#pragma once
// The pictures of a module's resources as Qt takes them: a bitmap by number
// (its largest picture) and an icon with every size it has.

#include "platform/resources/moduleresources.h"

#include <QIcon>
#include <QPixmap>

// A null pixmap when the module has no such picture.
QPixmap ModulePicture(HMODULE32 module, UINT id);
QIcon ModuleIcon(HMODULE32 module, UINT id);
