#pragma once
// The guide page: the main window's whole client area, a fixed form that
// walks the user through three steps (new or open a widget, configure it,
// add it to a web page) with picture buttons, and the Edit menu's
// Configure and Rename.

#include "host/output/colorformview.h"
#include "host/output/publishoptions.h"
#include "platform/ui/commandrouter.h"

#include <functional>

#include <array>

class CBitmapButton;
class CColorLabel;
class CPallimaToolDoc;
class QLineEdit;

// The colour of the page, of its texts' background and of the margins
// around the button faces.
constexpr COLORREF kGuidePageColor = RGB(178, 178, 201);

class CPallimaToolView : public CColorFormView {
    Q_OBJECT
public:
    static constexpr UINT IDD = 101;

    explicit CPallimaToolView(CPallimaToolDoc& document, QWidget* parent = nullptr);
    ~CPallimaToolView() override;

    CPallimaToolDoc& GetDocument() const { return m_document; }

    // How Copy Code, New Page and Insert into publish; asked each time, so
    // a change of the setting counts at once. Unset: the applet alone.
    std::function<CPublishOptions()> m_publishOptions;
    ICommandTarget& Commands() { return m_commands; }

    // Once, when the frame first shows the view: pictures, colours, size.
    void OnInitialUpdate();

    void OnConfigure();
    void OnRename();

    // The page's size in pixels.
    static QSize FormSize();

    // The controls, for the frame and for tests.
    CColorLabel* Label(UINT id) const;
    CBitmapButton* Button(UINT id) const;
    QLineEdit* ClipboardEdit() const { return m_pClipboardEdit; }

private:
    // Runs the view's commands only while the document has a pagelet.
    bool HasPagelet() const;

    CPallimaToolDoc& m_document;
    // Texts 1051, 1050, 1049, 1048, 1047, 1046, in this order.
    std::array<CColorLabel*, 6> m_labels{};
    QLineEdit* m_pClipboardEdit = nullptr;
    // Buttons 1022, 1025, 1021, 1028, 1026, 1023, 1024, in this order.
    std::array<CBitmapButton*, 7> m_buttons{};
    CCommandMap m_commands;
    bool m_bInitialUpdateDone = false;
};
