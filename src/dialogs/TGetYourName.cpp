#include "dialogs/TGetYourName.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "core/Text.h"

namespace {

void centreOnScreen(QWidget& w) {
    if (const QScreen* screen = w.screen()) {
        const QRect area = screen->geometry();
        const QSize outer = w.frameGeometry().size();
        w.move(area.x() + (area.width() - outer.width()) / 2,
               area.y() + (area.height() - outer.height()) / 2);
    }
}

}  // namespace

TGetYourName::TGetYourName(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("User Name"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    setFixedSize(214, 53);

    Label1 = new QLabel(QStringLiteral("Your User Name "), this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setGeometry(0, 3, 109, 19);
    TheGuess = new QLineEdit(this);
    TheGuess->setMaxLength(kMaxName);
    TheGuess->setGeometry(114, 2, 93, 21);

    OK = new QPushButton(QStringLiteral("&Ok"), this);
    OK->setGeometry(70, 28, 75, 23);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { done(Accepted); });

    TheGuess->setText(settings_.UserName);
}

void TGetYourName::FormClose() {
    settings_.UserName = text::bounded(text::trimControl(TheGuess->text()), kMaxName);
    SaveSettings(settings_);
}

void TGetYourName::CloseStored() {
    // Closing the dialog may send it a close event of its own; the name is already stored.
    if (closing_) {
        return;
    }
    FormClose();
    closing_ = true;
    QDialog::done(Accepted);
    closing_ = false;
}

void TGetYourName::done(int) {
    CloseStored();
}

void TGetYourName::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void TGetYourName::closeEvent(QCloseEvent* event) {
    CloseStored();
    event->accept();
}

void TGetYourName::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        OK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
