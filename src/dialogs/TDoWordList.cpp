#include "dialogs/TDoWordList.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>

#include "core/Prompts.h"
#include "core/Random.h"
#include "dialogs/WordListItems.h"
#include "widgets/Ui.h"

namespace {

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& place) {
    QLabel* label = plainLabel(parent, text, place);
    label->setFont(arialFont(13, true));
    return label;
}

QLineEdit* makeEdit(QWidget* parent, int maxLength, const QRect& place) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    edit->setGeometry(place);
    return edit;
}

QPushButton* listButton(QWidget* parent, const QString& caption, const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    return button;
}

FileChooserRequest wordListSpec(const QString& title, const QString& filter) {
    FileChooserRequest spec;
    spec.title = title;
    spec.filter = filter;
    spec.defaultSuffix = QStringLiteral("TXT");
    return spec;
}

}  // namespace

TDoWordList::TDoWordList(Prompts& prompts, QWidget* parent, const QString& ownFolder)
    : QDialog(parent), prompts_(prompts), ownFolder_(ownFolder) {
    setWindowTitle(tr("Create A Word List"));
    setFont(arialFont(13));
    setFixedSize(kClientWidth, kClientHeight);

    Label1 = makeLabel(this, tr("Word List Title"), {8, 6, 200, 17});
    Title = makeEdit(this, 30, {8, 24, 318, 23});
    Label3 = makeLabel(this, tr("Word To Add"), {8, 54, 130, 17});
    // A longer word is not cut where typing stops: adding it says why it cannot be played.
    AddWord = makeEdit(this, WordListEditorModel::kMaxLine, {8, 72, 130, 23});
    Label4 = makeLabel(this, tr("Clue For Word"), {146, 54, 180, 17});
    Clue = makeEdit(this, 25, {146, 72, 180, 23});
    Label2 = makeLabel(this, tr("Words and Clues"), {8, 104, 200, 17});
    items_ = new WordListItems(model_, this);
    WordList = new QListView(this);
    WordList->setModel(items_);
    WordList->setSelectionMode(QAbstractItemView::SingleSelection);
    WordList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A long list gets rows of one height, so it is laid out without measuring every entry;
    // a short one has each row measured, and an entry holding a line feed shows both lines.
    const auto fitRows = [this] { WordList->setUniformItemSizes(model_.size() > kMeasuredRows); };
    connect(items_, &QAbstractItemModel::modelReset, this, fitRows);
    connect(items_, &QAbstractItemModel::rowsInserted, this, fitRows);
    WordList->setGeometry(8, 122, 232, 160);

    constexpr int kButtonX = 251;
    constexpr int kButtonW = 75;
    constexpr int kButtonH = 24;
    Button1 = listButton(this, tr("&Add It"), {kButtonX, 100, kButtonW, kButtonH});
    DeleteButton = listButton(this, tr("&Delete"), {kButtonX, 134, kButtonW, kButtonH});
    UpButton = listButton(this, tr("&Up"), {kButtonX, 163, kButtonW, kButtonH});
    DownButton = listButton(this, tr("Do&wn"), {kButtonX, 192, kButtonW, kButtonH});
    SortButton = listButton(this, tr("&Sort"), {kButtonX, 221, kButtonW, kButtonH});
    Button2 = listButton(this, tr("&Random"), {kButtonX, 250, kButtonW, kButtonH});
    OpenButton = listButton(this, tr("&Open"), {8, 290, kButtonW, kButtonH});
    SaveButton = listButton(this, tr("&Save"), {170, 290, kButtonW, kButtonH});
    CancelButton = listButton(this, tr("&Cancel"), {kButtonX, 290, kButtonW, kButtonH});
    SaveButton->setDefault(true);
    AddWord->installEventFilter(this);
    // What a reader calls the fields and the list.
    Label1->setBuddy(Title);
    Label3->setBuddy(AddWord);
    Label4->setBuddy(Clue);
    WordList->setAccessibleName(Label2->text());
    Clue->installEventFilter(this);

    QWidget* order[] = {Title,        AddWord,    Clue,        Button1,    WordList,
                        DeleteButton, UpButton,   DownButton,  SortButton, Button2,
                        OpenButton,   SaveButton, CancelButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }

    connect(Button1, &QPushButton::clicked, this, &TDoWordList::Button1Click);
    connect(DeleteButton, &QPushButton::clicked, this, &TDoWordList::DeleteButtonClick);
    connect(UpButton, &QPushButton::clicked, this, &TDoWordList::UpButtonClick);
    connect(DownButton, &QPushButton::clicked, this, &TDoWordList::DownButtonClick);
    connect(SortButton, &QPushButton::clicked, this, &TDoWordList::SortButtonClick);
    connect(Button2, &QPushButton::clicked, this, &TDoWordList::Button2Click);
    connect(OpenButton, &QPushButton::clicked, this, &TDoWordList::OpenButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TDoWordList::SaveButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TDoWordList::CancelButtonClick);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    Title->setFocus();
}

int TDoWordList::selectedIndex() const {
    const QModelIndexList selected = WordList->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void TDoWordList::select(int row) {
    if (row >= 0 && row < model_.size()) {
        WordList->setCurrentIndex(items_->index(row));
    }
}

void TDoWordList::error(const QString& text) {
    prompts_.message(this, tr("Error"), text);
}

int TDoWordList::selectedOrError(const QString& text) {
    const int i = selectedIndex();
    if (i < 0) {
        error(text);
        WordList->setFocus();
    }
    return i;
}

void TDoWordList::showMove(int from, int to) {
    // An entry at the edge stays where it is, and so does the list.
    if (to != from) {
        items_->rowsChanged(qMin(from, to), qMax(from, to));
        select(to);
    }
}

bool TDoWordList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TDoWordList::Button1Click() {
    if (WordListEditorModel::makeEntry(AddWord->text(), Clue->text()).isEmpty()) {
        error(tr("No word has been entered."));
        AddWord->setFocus();
        return;
    }
    const QString tooLong = WordListEditorModel::tooLong(AddWord->text());
    if (!tooLong.isEmpty()) {
        error(tooLong);
        AddWord->setFocus();
        return;
    }
    // Such a word may still be wanted (a list for another use), so it is the player's call.
    const QString unguessable = WordListEditorModel::unguessable(AddWord->text());
    if (!unguessable.isEmpty() &&
        !prompts_.question(this, tr("Confirm"), unguessable + tr("\n\nAdd it anyway?"))) {
        AddWord->setFocus();
        return;
    }
    if (!items_->append([&] { return model_.add(AddWord->text(), Clue->text()); })) {
        // Only a list of billions of bytes has no room left: the box shows it as it is.
        select(items_->reset([&] { return selectedIndex(); }));
    }
    AddWord->clear();
    Clue->clear();
    AddWord->setFocus();
}

void TDoWordList::DeleteButtonClick() {
    const int i = selectedOrError(tr("No word has been highlighted for deletion."));
    if (i < 0) {
        return;
    }
    select(items_->reset([&] { return model_.remove(i); }));
}

void TDoWordList::UpButtonClick() {
    const int i = selectedOrError(tr("No word has been highlighted for moving up."));
    if (i < 0) {
        return;
    }
    showMove(i, model_.moveUp(i));
}

void TDoWordList::DownButtonClick() {
    const int i = selectedOrError(tr("No word has been highlighted for moving down."));
    if (i < 0) {
        return;
    }
    showMove(i, model_.moveDown(i));
}

void TDoWordList::SortButtonClick() {
    const int follow = selectedIndex();
    select(items_->reset([&] { return model_.sort(follow); }));
}

void TDoWordList::Button2Click() {
    if (model_.size() == 0) {
        return;
    }
    const int follow = selectedIndex();
    select(items_->reset([&] { return model_.shuffle(programRandom(), follow); }));
}

void TDoWordList::OpenButtonClick() {
    FileChooserRequest spec = wordListSpec(tr("Open a Word List"), tr("Text File (*.TXT *.txt)"));
    spec.mustExist = true;
    const auto path = prompts_.openFile(this, spec);
    if (!path) {
        return;
    }
    const WordListEditorModel::OpenOutcome outcome =
        items_->reset([&] { return model_.open(*path); });
    if (!outcome.ok) {
        error(outcome.error);
        return;
    }
    if (outcome.hasTitle) {
        // Shown whole: only typing is limited.
        Title->setMaxLength(qMax(30, static_cast<int>(outcome.title.size())));
        Title->setText(outcome.title);
    }
    keptTitle_ = Title->text();
    AddWord->clear();
}

void TDoWordList::SaveButtonClick() {
    FileChooserRequest spec = wordListSpec(tr("Save A Word List"), tr("Text Files (*.TXT *.txt)"));
    spec.confirmOverwrite = true;
    // Saved there, a list can be chosen by its name (File menu).
    spec.directory = ownFolder_;
    if (!ownFolder_.isEmpty()) {
        spec.places = {ownFolder_};
    }
    const auto path = prompts_.saveFile(this, spec);
    if (!path) {
        return;
    }
    const WordListEditorModel::SaveOutcome outcome = model_.save(*path, Title->text());
    if (!outcome.ok) {
        // The old file is still whole; the list stays here to be saved elsewhere.
        error(outcome.error);
        return;
    }
    if (outcome.utf8) {
        prompts_.message(this, tr("Notice"), kSavedAsUtf8);
    }
    accept();
}

void TDoWordList::CancelButtonClick() {
    reject();
}

void TDoWordList::reject() {
    const bool unsaved = model_.modified() || Title->text() != keptTitle_;
    if (unsaved && !prompts_.question(this, tr("Confirm"),
                                      tr("This word list has not been saved. Close "
                                         "the editor and lose the changes?"))) {
        return;
    }
    QDialog::reject();
}
