#include "wizard/bannerlistmodel.h"

void CBannerListModel::Reset(std::vector<CLine> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

void CBannerListModel::SetTitle(int row, const QString& title)
{
    if (row < 0 || size_t(row) >= m_lines.size())
        return;
    m_lines[size_t(row)].title = title;
    const QModelIndex line = index(row);
    emit dataChanged(line, line, {Qt::DisplayRole});
}

int CBannerListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant CBannerListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_lines.size())
        return {};
    const CLine& line = m_lines[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return line.title;
    case Qt::CheckStateRole:
        return line.checked ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool CBannerListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || size_t(index.row()) >= m_lines.size())
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    CLine& line = m_lines[size_t(index.row())];
    if (line.checked == checked)
        return true;
    line.checked = checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit CheckChanged(index.row());
    return true;
}

Qt::ItemFlags CBannerListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}
