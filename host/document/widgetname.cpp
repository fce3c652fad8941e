#include "host/document/widgetname.h"

bool IsValidWidgetName(const std::string& name)
{
    if (name.empty())
        return false;
    for (unsigned char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit)
            return false;
    }
    return true;
}

std::string CheckWidgetName(const std::string& name, bool isTemplate)
{
    if (name.empty())
        return kMsgEnterName;
    if (!IsValidWidgetName(name))
        return isTemplate ? kMsgInvalidTemplateName : kMsgInvalidWidgetName;
    return {};
}
