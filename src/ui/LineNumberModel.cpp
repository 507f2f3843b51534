#include "ui/LineNumberModel.h"

namespace velnora
{

void LineNumberModel::setCount(int count)
{
    if (count == m_count)
        return;
    if (count > m_count) {
        beginInsertRows(QModelIndex(), m_count, count - 1);
        m_count = count;
        endInsertRows();
    } else {
        beginRemoveRows(QModelIndex(), count, m_count - 1);
        m_count = count;
        endRemoveRows();
    }
}

int LineNumberModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

QVariant LineNumberModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_count)
        return {};
    return QString::number(index.row() + 1);
}

} // namespace velnora
