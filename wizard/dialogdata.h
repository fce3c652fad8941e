#pragma once
// The wizard's dialogs keep one member per control and move values between
// members and controls in one place, as dialog data exchange does: loading
// puts each member into its control, saving reads each control back.
//
// Two rules hold for every field. An integer edit that holds no integer is
// reported ("Please enter an integer.") and keeps its member; the other
// fields are read anyway. A list or radio group without a selection keeps
// its member, so a value no control offers (a design from someone else's
// file) survives a pass through the wizard unless the user picks another.

#include "platform/base/types.h"

#include <QLineEdit>
#include <QWidget>

#include <span>
#include <string>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QPlainTextEdit;
class QSlider;
class QToolButton;

// An edit that takes digits only from the keyboard, as the number fields of
// the dialogs do (a text set by the program, "-20" say, is shown as it is).
// With an up-down attached, the arrow keys step it.
class CIntegerEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CIntegerEdit(QWidget* parent = nullptr);

signals:
    void StepRequested(int steps);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The up-down arrows beside an integer edit. Its range bounds the arrows
// only: a number typed into the edit is taken as typed, and an arrow starts
// from it, clamped into the range.
class CUpDown : public QWidget {
    Q_OBJECT
public:
    explicit CUpDown(QWidget* parent = nullptr);

    void SetBuddy(CIntegerEdit* buddy);
    void SetRange(int lower, int upper);
    int Lower() const { return m_nLower; }
    int Upper() const { return m_nUpper; }
    // One step up (positive) or down; writes the buddy's text.
    void Step(int steps);

private:
    CIntegerEdit* m_pBuddy = nullptr;
    QToolButton* m_pUp = nullptr;
    QToolButton* m_pDown = nullptr;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPosition = 0;
};

// An integer edit with its up-down, side by side, numbered editId and spinId.
struct CSpinField {
    QWidget* field = nullptr;
    CIntegerEdit* edit = nullptr;
    CUpDown* spin = nullptr;
};
CSpinField MakeSpinField(QWidget* parent, int editId, int spinId, int lower, int upper);

// A label that names a control: a screen reader reads it as the control's
// name. For a spin field, pass its field.
class QLabel;
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent);

// A drop-down list numbered id with its fixed entries, in order.
QComboBox* MakeDropList(QWidget* parent, int id, std::span<const char* const> entries);

// A slider of the speed dialogs: 0 (Fastest) to 400 (Slowest), a tick
// every 20 drawn above it.
QSlider* MakeSpeedSlider(QWidget* parent, int id);

// One pass of the exchange. Saving stops at nothing: every field is read,
// and Failed() tells whether an integer field was refused (the user is told
// of the first). Validating only tells the user of the first field that
// would be refused and changes no member, so a dialog can refuse OK and
// still leave Cancel with nothing changed.
class CDataExchange {
public:
    enum EMode { Load, Save, Validate };
    explicit CDataExchange(bool saveAndValidate) : m_eMode(saveAndValidate ? Save : Load) {}
    explicit CDataExchange(EMode mode) : m_eMode(mode) {}
    bool Saving() const { return m_eMode == Save; }
    bool Validating() const { return m_eMode == Validate; }
    bool Failed() const { return m_bFailed; }

    void Int(QLineEdit* edit, int& value);
    void Text(QLineEdit* edit, std::string& value);
    void Text(QPlainTextEdit* edit, std::string& value);   // lines joined with CR LF
    void ComboIndex(QComboBox* combo, int& index);
    void ComboText(QComboBox* combo, std::string& value); // editable box: its edit text
    void Radio(QButtonGroup* group, int& index);           // buttons with ids 0, 1, ...
    void Check(QAbstractButton* box, BOOL& value);
    // A slider keeps a value outside its range unless it was moved.
    void Slider(QSlider* slider, int& value);

private:
    EMode m_eMode;
    bool m_bFailed = false;
};

// The prompt of an integer field that holds no integer.
std::string IntegerPrompt();
