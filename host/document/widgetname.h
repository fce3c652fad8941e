#pragma once
// Names of widgets and templates: not empty, ASCII letters and digits only.
// A template's file is named after it, so nothing else may go in.

#include <string>

bool IsValidWidgetName(const std::string& name);

inline constexpr const char* kMsgEnterName = "You must enter a name!";
inline constexpr const char* kMsgInvalidWidgetName =
    "The name of widget is not valid.It accept only alphanumeric characters.\nYou have entered an invalid character, "
    "such as '-', '_', ':', ';', '#', (), [], or ?, in the name.\n";
inline constexpr const char* kMsgInvalidTemplateName =
    "The template name of widget is not valid.It accept only alphanumeric characters.\nYou have entered an invalid "
    "character, such as '-', '_', ':', ';', '#', (), [], or ?, in the name.\n";

// The message for a name that breaks the rule, or "" when it is fine.
std::string CheckWidgetName(const std::string& name, bool isTemplate);
