#pragma once
// "Copy Resources" (dialog 4003): the images whose names are already taken in
// the folder the support files are copied to. The user may rename each
// copy; OK copies them all and points the design at the copies, closing the
// window or Escape leaves everything as it was. There is no Cancel button.

#include "applet/supportfilecopy.h"

#include <QDialog>

#include <map>
#include <string>
#include <vector>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class CCopyResourcesDlg : public QDialog, public ICopyResourcesPrompt {
    Q_OBJECT
public:
    static constexpr int IDD = 4003;
    static constexpr int IDC_FILE_LIST = 4009;
    static constexpr int IDC_HEADING = 4010;
    static constexpr int IDC_BROWSE = 4011;
    static constexpr int IDC_RENAME = 4012;

    explicit CCopyResourcesDlg(const std::string& destinationFolder, QWidget* parent = nullptr);

    // ICopyResourcesPrompt
    void AddFile(std::string* field) override;
    int GetReferenceCount() const override { return m_nReferenceCount; }
    void Run() override;

    const std::string& DestinationFolder() const { return m_strDestination; }

    // The file list's lines as they stand: destination name and source path.
    std::vector<std::pair<std::string, std::string>> Lines() const;

    void OnRename();
    void OnBrowse();
    void accept() override;

private:
    void InitDialog();
    void OnLabelEdited(QTreeWidgetItem* item, int column);

    std::string m_strDestination;
    // One entry per distinct source file: the design's path fields naming it.
    std::map<std::string, std::vector<std::string*>> m_mapPending;
    QLabel* m_pHeading = nullptr;
    QTreeWidget* m_pList = nullptr;
    int m_nReferenceCount = 0;
    bool m_bInitialized = false;
};

// What the support-file copy talks to: it collects the clashing fields and
// makes the dialog only when there is something to ask, so a copy without a
// clash needs no user interface at all. Without a running application object
// there is nobody to ask: the clash is left as a cancel would leave it.
class CCopyResourcesPrompt : public ICopyResourcesPrompt {
public:
    explicit CCopyResourcesPrompt(std::string destinationFolder) : m_strDestination(std::move(destinationFolder)) {}
    void AddFile(std::string* field) override;
    int GetReferenceCount() const override { return static_cast<int>(m_aFields.size()); }
    void Run() override;

private:
    std::string m_strDestination;
    std::vector<std::string*> m_aFields;
};
