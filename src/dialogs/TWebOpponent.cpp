#include "dialogs/TWebOpponent.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "core/Text.h"
#include "widgets/Ui.h"

TWebOpponent::TWebOpponent(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Opponent"));
    setFont(arialFont(13));
    setFixedSize(171, 307);

    Label1 = new QLabel(this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(7, 4, 157, 101);
    Label1->setText(
        tr("The list below should list up to 10 users who are logged onto our server "
           "waiting for an oppenent.  Choose an oppenent and click on \"OK\"."));

    UserList = new QListWidget(this);
    UserList->setGeometry(7, 106, 157, 169);
    UserList->setSelectionMode(QAbstractItemView::SingleSelection);
    UserList->setSortingEnabled(false);
    UserList->setAccessibleName(QCoreApplication::translate("Accessibility", "Players waiting"));

    OK = new QPushButton(tr("&Ok"), this);
    OK->setGeometry(7, 279, 75, 25);
    OK->setDefault(true);
    OK->setAutoDefault(true);
    Button1 = new QPushButton(tr("&Abort"), this);
    Button1->setGeometry(89, 279, 75, 25);
    Button1->setAutoDefault(false);
    // Escape and the close box reject the dialog as Button1 does, leaving Aborted set.
    connect(OK, &QPushButton::clicked, this, &TWebOpponent::OKClick);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TWebOpponent::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    FormShow();
}

void TWebOpponent::FormShow() {
    UserList->clear();
    Addresses.fill(QString());
    const std::vector<opponents::Entry> entries = opponents::parseList(UserListText);
    for (size_t i = 0; i < entries.size(); ++i) {
        // A list item shows its text as it is; a name is never taken for markup.
        UserList->addItem(entries[i].name);
        Addresses[i] = entries[i].address;
    }
    if (UserList->count() > 0) {
        UserList->setCurrentRow(0);
    }
    Aborted = true;
}

void TWebOpponent::OKClick() {
    const int row = UserList->currentRow();
    // An empty list (a reply whose entries could not be read) has nothing to choose.
    if (row < 0 || row >= static_cast<int>(Addresses.size()) || !UserList->item(row)) {
        return;
    }
    ChosenAddress = text::bounded(Addresses[static_cast<size_t>(row)]);
    Aborted = false;
    accept();
}
