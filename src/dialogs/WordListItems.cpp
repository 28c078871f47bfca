#include "dialogs/WordListItems.h"

#include "dialogs/WordListEditorModel.h"

WordListItems::WordListItems(const WordListEditorModel& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {}

int WordListItems::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.size();
}

QVariant WordListItems::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.size() ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return list_.entry(index.row());
}
