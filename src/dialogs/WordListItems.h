#pragma once

#include <QAbstractListModel>

class WordListEditorModel;

// The editor's entries as the rows of its list box. Holds nothing of its own: a row's text is
// made from the editor's list when the box draws it, so a long list costs the box no text
// per entry.
class WordListItems : public QAbstractListModel {
    Q_OBJECT
public:
    explicit WordListItems(const WordListEditorModel& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Wrap a change of the list that may touch every row, or one that appends a row.
    template <typename Change>
    auto reset(Change&& change) {
        beginResetModel();
        struct End {
            WordListItems* items;
            ~End() { items->endResetModel(); }
        } end{this};
        return change();
    }
    template <typename Change>
    auto append(Change&& change) {
        const int row = rowCount();
        beginInsertRows({}, row, row);
        struct End {
            WordListItems* items;
            ~End() { items->endInsertRows(); }
        } end{this};
        return change();
    }

    // Rows first..last show other entries now.
    void rowsChanged(int first, int last) { Q_EMIT dataChanged(index(first), index(last)); }

private:
    const WordListEditorModel& list_;
};
