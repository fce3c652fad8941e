#include "wizard/dialogdata.h"

#include "platform/base/numbers.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "platform/ui/uiservices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

std::string IntegerPrompt()
{
    // The framework's own prompt (its string 61712).
    return "Please enter an integer.";
}

CIntegerEdit::CIntegerEdit(QWidget* parent) : QLineEdit(parent) {}

void CIntegerEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit StepRequested(1);
        return;
    case Qt::Key_Down:
        emit StepRequested(-1);
        return;
    default:
        break;
    }
    const QString typed = event->text();
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!control && !typed.isEmpty() && typed.at(0).isPrint()) {
        for (const QChar c : typed) {
            if (c < u'0' || c > u'9') {
                QApplication::beep();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

CUpDown::CUpDown(QWidget* parent) : QWidget(parent)
{
    m_pUp = new QToolButton(this);
    m_pDown = new QToolButton(this);
    for (QToolButton* button : {m_pUp, m_pDown}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        button->setFixedWidth(16);
    }
    m_pUp->setArrowType(Qt::UpArrow);
    m_pDown->setArrowType(Qt::DownArrow);
    m_pUp->setAccessibleName("Up");
    m_pDown->setAccessibleName("Down");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pUp);
    layout->addWidget(m_pDown);
    connect(m_pUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CUpDown::SetBuddy(CIntegerEdit* buddy)
{
    m_pBuddy = buddy;
    connect(buddy, &CIntegerEdit::StepRequested, this, &CUpDown::Step);
}

void CUpDown::SetRange(int lower, int upper)
{
    m_nLower = lower;
    m_nUpper = upper;
    m_nPosition = std::clamp(m_nPosition, std::min(lower, upper), std::max(lower, upper));
}

void CUpDown::Step(int steps)
{
    // The arrows start from what the edit shows, as far as it is a number.
    const int lower = std::min(m_nLower, m_nUpper), upper = std::max(m_nLower, m_nUpper);
    int shown = m_nPosition;
    if (m_pBuddy)
        ParseWholeInt(FromQt(m_pBuddy->text()), shown);
    const long long next = static_cast<long long>(std::clamp(shown, lower, upper)) + steps;
    m_nPosition = static_cast<int>(std::clamp<long long>(next, lower, upper));
    if (m_pBuddy) {
        m_pBuddy->setText(QString::number(m_nPosition));
        m_pBuddy->selectAll();
    }
}

CSpinField MakeSpinField(QWidget* parent, int editId, int spinId, int lower, int upper)
{
    CSpinField spin;
    spin.field = new QWidget(parent);
    spin.edit = WithControlId(new CIntegerEdit(spin.field), editId);
    spin.spin = WithControlId(new CUpDown(spin.field), spinId);
    spin.spin->SetBuddy(spin.edit);
    spin.spin->SetRange(lower, upper);
    spin.spin->setFixedHeight(spin.edit->sizeHint().height());
    auto* layout = new QHBoxLayout(spin.field);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(spin.edit, 1);
    layout->addWidget(spin.spin);
    // A label that names the field names its edit.
    spin.field->setFocusProxy(spin.edit);
    return spin;
}

QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    // Qt names a control after its buddy label only through the label's
    // mnemonic; without one the name is set here.
    QWidget* named = buddy->focusProxy() ? buddy->focusProxy() : buddy;
    if (named->accessibleName().isEmpty())
        named->setAccessibleName(QString(text).remove(u':').trimmed());
    return label;
}

QComboBox* MakeDropList(QWidget* parent, int id, std::span<const char* const> entries)
{
    auto* combo = WithControlId(new QComboBox(parent), id);
    for (const char* entry : entries)
        combo->addItem(QString::fromUtf8(entry));
    return combo;
}

QSlider* MakeSpeedSlider(QWidget* parent, int id)
{
    auto* slider = WithControlId(new QSlider(Qt::Horizontal, parent), id);
    slider->setRange(0, 400);
    slider->setTickInterval(20);
    slider->setTickPosition(QSlider::TicksAbove);
    slider->setPageStep(20);
    return slider;
}

void CDataExchange::Int(QLineEdit* edit, int& value)
{
    if (m_eMode == Load) {
        edit->setText(QString::number(value));
        return;
    }
    int parsed = 0;
    if (ParseWholeInt(FromQt(edit->text()), parsed)) {
        if (m_eMode == Save)
            value = parsed;
        return;
    }
    // One prompt for a pass, on the first field refused; the field keeps
    // its value.
    if (m_bFailed)
        return;
    m_bFailed = true;
    AfxMessageBox(IntegerPrompt(), MB_OK | MB_ICONEXCLAMATION);
    edit->setFocus();
    edit->selectAll();
}

void CDataExchange::Text(QLineEdit* edit, std::string& value)
{
    if (m_eMode == Validate)
        return;
    if (m_eMode == Save)
        value = FromQt(edit->text());
    else
        edit->setText(ToQt(value));
}

void CDataExchange::Text(QPlainTextEdit* edit, std::string& value)
{
    if (m_eMode == Validate)
        return;
    if (m_eMode == Save) {
        // The control's lines end in LF; the design's in CR LF.
        const std::string text = FromQt(edit->toPlainText());
        std::string lines;
        lines.reserve(text.size() + text.size() / 16);
        for (char c : text) {
            if (c == '\n')
                lines += '\r';
            lines += c;
        }
        value = std::move(lines);
        return;
    }
    std::string shown;
    shown.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            continue;
        shown += value[i];
    }
    edit->setPlainText(ToQt(shown));
}

void CDataExchange::ComboIndex(QComboBox* combo, int& index)
{
    if (m_eMode == Validate)
        return;
    if (m_eMode == Save) {
        if (combo->currentIndex() >= 0)
            index = combo->currentIndex();
    } else {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

void CDataExchange::ComboText(QComboBox* combo, std::string& value)
{
    if (m_eMode == Validate)
        return;
    if (m_eMode == Save)
        value = FromQt(combo->currentText());
    else
        combo->setEditText(ToQt(value));
}

void CDataExchange::Radio(QButtonGroup* group, int& index)
{
    if (m_eMode == Validate)
        return;
    if (m_eMode == Save) {
        if (group->checkedId() >= 0)
            index = group->checkedId();
        return;
    }
    QAbstractButton* button = group->button(index);
    if (button) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = group->checkedButton()) {
        // No button for the value: none is shown checked.
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

void CDataExchange::Check(QAbstractButton* box, BOOL& value)
{
    if (m_eMode == Validate)
        return;
    if (m_eMode == Save)
        value = box->isChecked() ? TRUE : FALSE;
    else
        box->setChecked(value != FALSE);
}

void CDataExchange::Slider(QSlider* slider, int& value)
{
    if (m_eMode == Validate)
        return;
    if (m_eMode == Load) {
        slider->setValue(value);  // clamped into the range by the slider
        return;
    }
    if (slider->value() != std::clamp(value, slider->minimum(), slider->maximum()))
        value = slider->value();
}
