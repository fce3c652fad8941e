#pragma once
// The file picker of every local file the applet will later load from the
// web server: a file browser (the placeholder 1119 of template 130) with a
// "Web Path:" field (edit 1000) below it, for the folder on the web server
// where the file will live. Run modally through the UI services.

#include "platform/ui/uiservices.h"

#include <QDialog>

#include <string>
#include <vector>

class QFileDialog;
class QLineEdit;

// The pickers' filters: the pictures the applet can show, and its class file.
constexpr const char* kImageFileFilter = "Image Files(*.GIF,*.JPG.*.JPEG) | *.gif;*.jpg;*.jpeg ||";
constexpr const char* kClassFileFilter = "Class Files(*.class) | *.class; ||";

// The web path as the applet block wants it: empty stays empty; otherwise
// backslashes become slashes and the text ends in one slash.
std::string NormalizeWebPath(std::string webPath);

// A filter written "Description | patterns | Description | patterns ||"
// as the pickers' callers give it, as type list entries.
std::vector<CFileFilter> ParseFilterString(const std::string& filter);

class CWebPathFileDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 130;
    static constexpr int IDC_FILES = 1119;
    static constexpr int IDC_WEB_PATH = 1000;

    CWebPathFileDialog(const std::string& initialFile, const std::string& webPath, const std::string& filter,
                       QWidget* parent = nullptr);

    // After OK: the chosen file's full path, and the web path normalised
    // (the member itself is normalised by this call).
    std::string GetPathName() const { return m_strPathName; }
    std::string GetWebPath();

    // What the web path field holds now: every change is taken at once.
    std::string m_strWebPath;

    QFileDialog* Files() const { return m_pFiles; }

    // What was typed into the web path goes with Cancel.
    void reject() override;

private:
    void OnFileChosen();

    QFileDialog* m_pFiles = nullptr;
    QLineEdit* m_pWebPath = nullptr;
    std::string m_strPathName;
    std::string m_strInitialWebPath;
};
