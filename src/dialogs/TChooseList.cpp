#include "dialogs/TChooseList.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TChooseList::TChooseList(const QList<listcatalog::Entry>& lists, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Open List by Name"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Choose a word list to play alone:"), this);
    layout->addWidget(label);
    Lists = new QListWidget(this);
    label->setBuddy(Lists);
    bool ownShown = false;
    for (const listcatalog::Entry& list : lists) {
        if (list.own && !ownShown) {
            // A heading, not a list: it cannot be chosen.
            auto* heading = new QListWidgetItem(tr("Your own lists"), Lists);
            heading->setFlags(Qt::NoItemFlags);
            ownShown = true;
        }
        // Titles come from files: shown as plain text, as every list item is.
        auto* item = new QListWidgetItem(
            tr("%1 (%2 words)").arg(list.title, QString::number(list.words)), Lists);
        item->setData(Qt::UserRole, list.path);
        item->setToolTip(list.path);
    }
    layout->addWidget(Lists);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(Buttons);
    // A heading is no choice: OK stays off on it, and activating it does nothing.
    auto chooseIfAny = [this] {
        if (!chosenPath().isEmpty()) {
            accept();
        }
    };
    connect(Buttons, &QDialogButtonBox::accepted, this, chooseIfAny);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Lists, &QListWidget::itemActivated, this, chooseIfAny);
    auto enableOk = [this] {
        Buttons->button(QDialogButtonBox::Ok)->setEnabled(!chosenPath().isEmpty());
    };
    connect(Lists, &QListWidget::currentItemChanged, this, enableOk);
    if (Lists->count() > 0) {
        Lists->setCurrentRow(0);
    }
    enableOk();
    resize(sizeHint().expandedTo(QSize(360, 320)));
}

QString TChooseList::chosenPath() const {
    const QListWidgetItem* item = Lists->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}
