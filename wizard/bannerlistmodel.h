#pragma once
// The lines of the wizard's banner list: a title and a check mark each, in
// design order. A model rather than a widget per line, so a design with
// thousands of banners fills and scrolls at once.

#include <QAbstractListModel>

#include <vector>

class CBannerListModel : public QAbstractListModel {
    Q_OBJECT
public:
    struct CLine {
        QString title;
        bool checked = true;
    };

    using QAbstractListModel::QAbstractListModel;

    // Replaces every line.
    void Reset(std::vector<CLine> lines);
    const CLine& Line(int row) const { return m_lines[size_t(row)]; }
    void SetTitle(int row, const QString& title);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The user checked or unchecked a line.
    void CheckChanged(int row);

private:
    std::vector<CLine> m_lines;
};
