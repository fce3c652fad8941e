#pragma once
// The note of the output dialogs: white text on dark blue.

#include "common/colorlabel.h"
#include "platform/ui/dialogresource.h"

inline CColorLabel* NoteLabel(const char* text, int id, QWidget* parent)
{
    auto* note = WithControlId(new CColorLabel(text, parent), id);
    note->SetBackColor(RGB(13, 47, 109));
    note->SetForeColor(RGB(255, 255, 255));
    note->setMargin(4);
    return note;
}
