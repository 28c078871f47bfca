#pragma once

#include <QDialog>
#include <QList>

#include "game/ListCatalog.h"

class QDialogButtonBox;
class QListWidget;

// Chooses a word list to play alone by its title: the lists that come with the game, then the
// player's own, each with its number of words. A double click chooses too.
class TChooseList : public QDialog {
    Q_OBJECT
public:
    TChooseList(const QList<listcatalog::Entry>& lists, QWidget* parent = nullptr);

    QListWidget* Lists = nullptr;
    QDialogButtonBox* Buttons = nullptr;

    // The file of the chosen list; empty when none is selected.
    QString chosenPath() const;
};
