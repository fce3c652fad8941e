#pragma once
// "Support Files" (dialog 141): the files the widget's HTML names, each
// once, all selected; Copy to... copies the selected ones into a folder.

#include "host/output/publishoptions.h"

#include <QDialog>

#include <string>

class CPagelet;
class QTreeWidget;

class CSupportFilesDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 141;
    static constexpr int IDC_FILES = 1035;
    static constexpr int IDC_COPY_TO = 1037;

    // With the player, its script is listed after the class file.
    explicit CSupportFilesDlg(const CPagelet& pagelet, QWidget* parent = nullptr, const CPublishOptions& options = {});

    // Fills the list from the pagelet. Call before the dialog runs.
    void InitDialog();
    void OnCopyTo();

    const CPagelet* m_pPagelet;
    CPublishOptions m_options;
    QTreeWidget* m_pFiles = nullptr;

private:
    void AddFile(const std::string& name, const std::string& local, const std::string& web);
};
