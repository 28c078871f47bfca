#include "dialogs/TGetYourName.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Text.h"
#include "widgets/Ui.h"

TGetYourName::TGetYourName(Settings& settings, QWidget* parent)
    : CheckedDialog(parent), settings_(settings) {
    setWindowTitle(tr("User Name"));
    setFont(arialFont(13));
    setFixedSize(214, 53);

    Label1 =
        plainLabel(this, tr("Your User Name "), {0, 3, 109, 19}, Qt::AlignRight | Qt::AlignVCenter);
    TheGuess = new QLineEdit(this);
    TheGuess->setMaxLength(kMaxName);
    TheGuess->setGeometry(114, 2, 93, 21);
    Label1->setBuddy(TheGuess);  // what a reader calls the field

    OK = new QPushButton(tr("&Ok"), this);
    OK->setGeometry(70, 28, 75, 23);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { done(Accepted); });
    setEscapeButton(OK);

    TheGuess->setText(settings_.UserName);
}

void TGetYourName::FormClose() {
    settings_.UserName = text::bounded(text::trimControl(TheGuess->text()), kMaxName);
    SaveSettings(settings_);
}
