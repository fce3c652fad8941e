#include "platform/ui/uiservices.h"

#include "platform/ui/consoleuiservices.h"

namespace {

// One pointer for the whole process: this library is shared by the host and
// the server it loads, so both talk through what the host installed.
IUiServices* g_pInstalled = nullptr;

IUiServices& Fallback()
{
    // Never destroyed: messages may still be shown while statics go away.
    static CConsoleUiServices* fallback = new CConsoleUiServices;
    return *fallback;
}

} // namespace

std::vector<int> MessageBoxAnswers(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int UnattendedMessageBoxAnswer(UINT type)
{
    const std::vector<int> answers = MessageBoxAnswers(type);
    for (int preferred : {IDCANCEL, IDNO})
        for (int answer : answers)
            if (answer == preferred)
                return answer;
    return IDOK;
}

IUiServices& UiServices()
{
    return g_pInstalled ? *g_pInstalled : Fallback();
}

void SetUiServices(IUiServices* services)
{
    g_pInstalled = services;
}

bool HasUiServices()
{
    return g_pInstalled != nullptr;
}

IUiServices* InstalledUiServices()
{
    return g_pInstalled;
}

int AfxMessageBox(const std::string& text, UINT type)
{
    return UiServices().MessageBox(text, type);
}
