#pragma once

#include <QAbstractItemModel>
#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <QStringList>

// The texts a list box shows, top to bottom.
inline QStringList items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

// The same for a list box over a model of its own.
inline QStringList items(const QListView* list) {
    QStringList out;
    const QAbstractItemModel* model = list->model();
    for (int i = 0; model && i < model->rowCount(); ++i) {
        out << model->index(i, 0).data().toString();
    }
    return out;
}

// The same for the entries of a combo box.
inline QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) {
        out << box->itemText(i);
    }
    return out;
}
