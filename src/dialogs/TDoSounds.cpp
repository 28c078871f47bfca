#include "dialogs/TDoSounds.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/Prompts.h"
#include "core/Text.h"
#include "settings/Settings.h"
#include "widgets/Ui.h"

namespace {

QPushButton* makeButton(QWidget* parent, const QString& caption, const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    // No button stands for Enter here; Enter presses the button that has the focus.
    button->setAutoDefault(false);
    return button;
}

QListWidget* makeList(QWidget* parent, const QRect& place) {
    auto* box = new QListWidget(parent);
    box->setSelectionMode(QAbstractItemView::SingleSelection);
    box->setGeometry(place);
    return box;
}

QLineEdit* makeEdit(QWidget* parent, const QRect& place) {
    auto* edit = new QLineEdit(parent);
    // Paths are bounded when stored, not while typing.
    edit->setMaxLength(32767);
    edit->setGeometry(place);
    return edit;
}

}  // namespace

TDoSounds::TDoSounds(Settings& settings, Prompts& prompts, QSize screen, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts), screen_(screen) {
    setWindowTitle(tr("Sounds"));
    setFont(arialFont(13));
    setFixedSize(kClientWidth, kClientHeight);

    constexpr int kButtonX = 288;
    UseSounds = new QCheckBox(tr("&Use Sound Effects"), this);
    UseSounds->setGeometry(12, 10, 250, 20);

    Label1 = plainLabel(this, tr("Sounds When A Correct Letter Is Guessed"), {12, 40, 350, 17});
    CompBox = makeList(this, {12, 58, 266, 108});
    AddComp = makeButton(this, tr("&Add"), {kButtonX, 58, 75, 24});
    DeleteComp = makeButton(this, tr("D&elete"), {kButtonX, 88, 75, 24});
    Label2 = plainLabel(this, tr("Word Complete Sound"), {12, 179, 134, 17});
    WordComplete = makeEdit(this, {152, 176, 126, 23});
    BrowseComp = makeButton(this, tr("&Browse"), {kButtonX, 175, 75, 24});

    Label3 = plainLabel(this, tr("Sounds When An Incorrect Letter Is Guessed"), {12, 216, 350, 17});
    MissBox = makeList(this, {12, 234, 266, 108});
    AddMiss = makeButton(this, tr("A&dd"), {kButtonX, 234, 75, 24});
    DeleteMiss = makeButton(this, tr("Dele&te"), {kButtonX, 264, 75, 24});
    Label4 = plainLabel(this, tr("Word Missed Sound"), {12, 355, 134, 17});
    WordMissed = makeEdit(this, {152, 352, 126, 23});
    BrowseMiss = makeButton(this, tr("B&rowse"), {kButtonX, 351, 75, 24});
    // What a reader calls the lists and fields.
    CompBox->setAccessibleName(Label1->text());
    Label2->setBuddy(WordComplete);
    MissBox->setAccessibleName(Label3->text());
    Label4->setBuddy(WordMissed);

    SaveButton = makeButton(this, tr("&Save"), {106, 388, 75, 25});
    Button1 = makeButton(this, tr("&Cancel"), {193, 388, 75, 25});

    connect(AddComp, &QPushButton::clicked, this, &TDoSounds::AddCompClick);
    connect(AddMiss, &QPushButton::clicked, this, &TDoSounds::AddMissClick);
    connect(DeleteComp, &QPushButton::clicked, this, &TDoSounds::DeleteCompClick);
    connect(DeleteMiss, &QPushButton::clicked, this, &TDoSounds::DeleteMissClick);
    connect(BrowseComp, &QPushButton::clicked, this, &TDoSounds::BrowseCompClick);
    connect(BrowseMiss, &QPushButton::clicked, this, &TDoSounds::BrowseMissClick);
    connect(SaveButton, &QPushButton::clicked, this, &TDoSounds::SaveButtonClick);
    connect(Button1, &QPushButton::clicked, this, &TDoSounds::Button1Click);

    FormShow();
}

void TDoSounds::FormShow() {
    if (screen_.width() > 0) {
        move((screen_.width() - width()) / 2, (screen_.height() - height()) / 2);
    }
    const Settings& s = settings_;
    UseSounds->setChecked(s.UseSound);
    WordComplete->setText(s.CorrectWordSound);
    WordMissed->setText(s.MissedWordSound);
    auto fill = [](QListWidget* box, const auto& slots, int count) {
        const int n = qBound(0, count, Settings::kSoundSlots);
        for (int i = 0; i < n; ++i) {
            box->addItem(slots[static_cast<std::size_t>(i)]);
        }
    };
    fill(CompBox, s.CorrectLetterSounds, s.CorrectLetterCount);
    fill(MissBox, s.MissedLetterSounds, s.MissedLetterCount);
    AddComp->setEnabled(CompBox->count() < Settings::kSoundSlots);
    AddMiss->setEnabled(MissBox->count() < Settings::kSoundSlots);
}

std::optional<QString> TDoSounds::chooseWave() {
    FileChooserRequest spec;
    spec.title = tr("Open Wave File");
    spec.filter = tr("WAVE Files (*.WAV *.wav)");
    spec.defaultSuffix = QStringLiteral("WAV");
    return prompts_.openFile(this, spec);
}

void TDoSounds::addTo(QListWidget* box, QPushButton* addButton) {
    if (box->count() >= Settings::kSoundSlots) {
        addButton->setEnabled(false);
        return;
    }
    const auto path = chooseWave();
    if (!path) {
        return;
    }
    box->addItem(*path);
    if (box->count() >= Settings::kSoundSlots) {
        addButton->setEnabled(false);
    }
}

void TDoSounds::deleteFrom(QListWidget* box, QPushButton* addButton) {
    const QList<QListWidgetItem*> selected = box->selectedItems();
    if (selected.isEmpty()) {
        prompts_.message(this, tr("Error"), tr("No item selected for deletion.  Please correct."));
        return;
    }
    delete box->takeItem(box->row(selected.constFirst()));
    // The list moves its current row to the neighbour; left selected, a second Delete would
    // silently remove an entry the player never chose.
    box->setCurrentRow(-1);
    box->clearSelection();
    addButton->setEnabled(true);
}

void TDoSounds::browseInto(QLineEdit* edit) {
    if (const auto path = chooseWave()) {
        edit->setText(*path);
    }
}

void TDoSounds::AddCompClick() {
    addTo(CompBox, AddComp);
}
void TDoSounds::AddMissClick() {
    addTo(MissBox, AddMiss);
}
void TDoSounds::DeleteCompClick() {
    deleteFrom(CompBox, AddComp);
}
void TDoSounds::DeleteMissClick() {
    deleteFrom(MissBox, AddMiss);
}
void TDoSounds::BrowseCompClick() {
    browseInto(WordComplete);
}
void TDoSounds::BrowseMissClick() {
    browseInto(WordMissed);
}

void TDoSounds::SaveButtonClick() {
    Settings& s = settings_;
    auto store = [](QListWidget* box, auto& slots, int& count) {
        for (QString& slot : slots) {
            slot.clear();
        }
        count = qMin(box->count(), Settings::kSoundSlots);
        for (int i = 0; i < count; ++i) {
            slots[static_cast<std::size_t>(i)] = text::bounded(box->item(i)->text());
        }
    };
    store(CompBox, s.CorrectLetterSounds, s.CorrectLetterCount);
    store(MissBox, s.MissedLetterSounds, s.MissedLetterCount);
    s.CorrectWordSound = text::bounded(WordComplete->text());
    s.MissedWordSound = text::bounded(WordMissed->text());
    s.UseSound = UseSounds->isChecked();
    SaveSettings(s);
    accept();
}

void TDoSounds::Button1Click() {
    reject();
}

void TDoSounds::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
