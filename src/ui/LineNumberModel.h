#pragma once

#include <QAbstractListModel>

namespace velnora
{

// The line-number column's entries "1" .. "n" without storing them: a title box of 10,000 lines
// costs nothing per keystroke.
class LineNumberModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setCount(int count);
    int count() const { return m_count; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    int m_count = 0;
};

} // namespace velnora
