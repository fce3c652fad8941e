#pragma once
// Copying the support files (the applet class file and the images) into a
// folder, beside a written file or page.

#include "applet/existingfiles.h"
#include "model/glintraappletparams.h"
#include "platform/base/types.h"

#include <string>
#include <unordered_set>

// Where the images go whose names are taken in the target folder: the Copy
// Resources dialog collects the design's path fields that name them and,
// when shown, lets the user choose the names of the copies.
class ICopyResourcesPrompt {
public:
    virtual ~ICopyResourcesPrompt() = default;
    // field is a path field of the design (it lives as long as the design).
    virtual void AddFile(std::string* field) = 0;
    virtual int GetReferenceCount() const = 0;
    // Runs the dialog; on OK the listed files are copied and their fields
    // re-pointed, on cancel nothing changes.
    virtual void Run() = 0;
};

// With overwrite 0: copies what is missing, re-points the design's images to
// their copies, and hands name clashes to the prompt (shown once, after all
// images were tried). With any other value: copies everything over whatever
// is there and leaves the design's paths alone. The class file is copied in
// both modes. Failed copies are not reported.
void CopySupportFiles(CGlintraAppletParams& params, const std::string& targetFolder, SHORT overwrite,
                      ICopyResourcesPrompt& prompt);

// One image path field. FALSE when the target folder already holds a file of
// that name while the image comes from another folder (a clash). files, when
// given, remembers across the calls of one run which files exist.
BOOL CopyImageFile(std::string& field, const std::string& targetFolder, std::unordered_set<std::string>& copied,
                   SHORT overwrite, CExistingFiles* files = nullptr);
