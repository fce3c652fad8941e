#include "host/output/colorformview.h"

#include "common/colorlabel.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

CColorFormView::CColorFormView(UINT formId, QWidget* parent)
    : QWidget(parent), m_nFormId(formId),
      m_crBackground(RefFromColor(QApplication::palette().color(QPalette::Button)))
{
    setObjectName(QString::number(formId));
}

void CColorFormView::SetBackgroundColor(COLORREF color)
{
    m_crBackground = color;
    update();
}

void CColorFormView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ColorFromRef(m_crBackground));
}
