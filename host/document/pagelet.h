#pragma once
// The host's client of one pagelet object. It finds the pagelet server
// through the class registry, learns the server's folder (which also holds
// the templates and the sample page), creates the object in-process and
// offers one typed operation for each dispatch member the host uses.
//
// Strings are 8-bit in the system code page and are converted at each call.
// A member call that the pagelet refuses throws CDispatchException; it is
// the caller's to report.

#include "platform/automation/classregistry.h"
#include "platform/automation/dispatchdriver.h"

#include <string>
#include <vector>

class CPagelet {
public:
    CPagelet() = default;
    ~CPagelet();
    CPagelet(const CPagelet&) = delete;
    CPagelet& operator=(const CPagelet&) = delete;

    // Binding. Both return FALSE silently when the class is not registered;
    // when the object itself cannot be made, the user is told.
    BOOL CreateFromProgID(const std::string& progId);
    BOOL Create(REFCLSID clsid);
    bool IsCreated() const { return m_dispatch.IsAttached(); }

    // The templates of this pagelet in the server folder, in the order the
    // folder gives them: parallel lists of titles, descriptions and paths.
    // Each template is read into this very object, so call it only on a
    // pagelet made for the listing.
    void EnumTemplates(std::vector<std::string>& titles, std::vector<std::string>& descriptions,
                       std::vector<std::string>& paths) const;

    // The dispatch members, by the names of the interface.
    std::string GetProgID() const;
    void SetProgID(const std::string& value) const;
    std::string GetTitle() const;
    void SetTitle(const std::string& value) const;
    std::string GetDescription() const;
    void SetDescription(const std::string& value) const;
    void SetPreviewPath(const std::string& value) const;
    void SetLastUpdateTime(double date) const;
    BOOL ReadConfigFile(const std::string& path) const;
    BOOL WriteConfigFile(const std::string& path) const;
    BOOL Config() const;
    LONG GetPageletNameID() const;
    LONG GetIconID(SHORT size) const;
    SHORT GetHTMLSegmentNumber() const;
    std::string GetHTMLPosition(SHORT segment) const;
    std::string GetHTMLBody(SHORT segment, SHORT outputMode) const;
    LONG GetResourceInstance() const;
    SHORT GetResourceNumber() const;
    std::string GetResourceName(SHORT index) const;
    std::string GetResourceLocalPath(SHORT index) const;
    std::string GetResourceWebPath(SHORT index) const;
    BOOL WriteConfigFileEx(const std::string& path, SHORT overwrite) const;

    const CDispatchDriver& Dispatch() const { return m_dispatch; }

    // The fields of the client, in order.
    std::string m_strProgID;
    std::string m_strServerFolder;
    std::string m_strSamplePage;
    std::string m_strPageletName;

private:
    std::string StringResult(const CVariant& v) const;
    CDispatchDriver m_dispatch;
};
