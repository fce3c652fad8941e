#pragma once
// The single-document machinery: a document with its path, title and
// modified flag, reached from File New, Open, Save and Save As; the
// question before a modified document is replaced; the open and save
// dialogs of the document type. Messages and dialogs go through the UI
// services, so it runs the same in tests and without a display.

#include "platform/base/types.h"

#include <functional>
#include <string>

class CDocTemplate;

class CDocument {
public:
    virtual ~CDocument() = default;

    const std::string& GetPathName() const { return m_strPathName; }
    // Names the document after the file (its title is the file name) and
    // reports the file for the recent-file list.
    void SetPathName(const std::string& path, bool addToRecentFiles = true);
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title);
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);

    // The document operations; each returns FALSE when it failed (and has
    // told the user). The framework's own parts: new clears the path and
    // the modified flag; open first checks that the file can be opened for
    // reading, with the framework's message when it cannot.
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(const std::string& path);
    virtual BOOL OnSaveDocument(const std::string& path);
    virtual void DeleteContents() {}

    // The framework's check before an open: the file can be opened for
    // reading while others are kept from writing it. FALSE after the
    // framework's message.
    static BOOL CanOpenForReading(const std::string& path);

    // Before the document is replaced: asks "Save changes to %1?" when it is
    // modified. FALSE when the user cancelled (or the save failed).
    BOOL SaveModified();
    // Saves under path, or under a name the user picks when path is empty.
    // After a failed save under a new name, a file the save itself made is
    // removed again; a file that was there before is never touched.
    BOOL DoSave(const std::string& path, bool replaceName = true);
    BOOL DoFileSave();     // File Save
    BOOL DoFileSaveAs();   // File Save As

    void SetDocTemplate(CDocTemplate* docTemplate) { m_pDocTemplate = docTemplate; }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    // Whoever shows the title (the main window's caption) and the modified
    // state is told when they change.
    std::function<void()> m_onChanged;

private:
    void Changed();

    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bModified = false;
    CDocTemplate* m_pDocTemplate = nullptr;
};

// One document type: its strings (the window title, the name of a new
// document, the filter of its files) and its one document.
class CDocTemplate {
public:
    // The type's fields, separated by '\n': window title, document name,
    // File New name, filter name, filter extension, file type id and name.
    CDocTemplate(const std::string& typeString, CDocument& document);

    std::string WindowTitle() const { return Field(0); }
    std::string DocumentName() const { return Field(1); }
    std::string FilterName() const { return Field(3); }
    std::string FilterExtension() const { return Field(4); }

    CDocument& Document() const { return m_document; }

    // The framework's File New and File Open: ask to save the modified
    // document, then make a new one or open the file. A path of "" for
    // File Open asks the user for one first.
    BOOL OnFileNew();
    BOOL OnFileOpen();
    BOOL OpenDocumentFile(const std::string& path);
    BOOL NewDocument();

    // The path the user picks in the open or save dialog of this type;
    // empty when cancelled.
    std::string PromptFileName(bool open, const std::string& proposed) const;

    // Files opened or saved, for the recent-file list.
    std::function<void(const std::string&)> m_onRecentFile;

private:
    std::string Field(size_t index) const;

    std::string m_typeString;
    CDocument& m_document;
};

// The framework's message when a file cannot be opened for reading.
std::string FileOpenErrorMessage(const std::string& path, int error);
