#pragma once

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
