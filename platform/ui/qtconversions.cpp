#include "platform/ui/qtconversions.h"

#include "platform/base/codepage.h"

#include <QFileInfo>

QString ToQt(const std::string& text)
{
    const std::u16string wide = MultiByteToWide(text);
    return QString::fromUtf16(wide.data(), qsizetype(wide.size()));
}

std::string FromQt(const QString& text)
{
    return WideToMultiByte(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())));
}

QString QtNameFilter(const CFileFilter& filter)
{
    QStringList patterns;
    for (const QString& part : QString::fromUtf8(filter.patterns).split(u';')) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        patterns.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    if (patterns.isEmpty())
        patterns.append(QStringLiteral("*"));
    return QString::fromUtf8(filter.description) + QLatin1String(" (") + patterns.join(u' ') + u')';
}

QStringList QtNameFilters(const std::vector<CFileFilter>& filters)
{
    QStringList list;
    for (const CFileFilter& filter : filters)
        list.append(QtNameFilter(filter));
    return list;
}

QColor ToQColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF ToColorRef(const QColor& color)
{
    if (!color.isValid())
        return 0;
    const QColor rgb = color.toRgb();
    return RGB(BYTE(rgb.red()), BYTE(rgb.green()), BYTE(rgb.blue()));
}

QUrl ShellOpenUrl(const std::string& target)
{
    const QString text = QString::fromUtf8(target);
    if (text.isEmpty())
        return QUrl();
    for (const char* scheme : {"http:", "https:", "file:", "mailto:"})
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return QUrl(text, QUrl::TolerantMode);
    return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

QMessageBox::Icon MessageBoxIcon(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton MessageBoxButton(int answer)
{
    switch (answer) {
    case IDOK:
        return QMessageBox::Ok;
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    case IDRETRY:
        return QMessageBox::Retry;
    default:
        return QMessageBox::NoButton;
    }
}

int MessageBoxAnswer(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Retry:
        return IDRETRY;
    default:
        return 0;
    }
}
