#pragma once

#include <QDialog>

#include "dialogs/WordListEditorModel.h"

class WordListItems;

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class Prompts;

// The word list editor: a title and a list of entries (word, colon, clue) that can be typed,
// opened from a word list file, rearranged and saved as a word list file. It works on its own
// copy and never touches the list in play.
class TDoWordList : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 334;
    static constexpr int kClientHeight = 321;
    // Lists of more entries show rows of one height.
    static constexpr int kMeasuredRows = 20000;
    // Told after a list was saved that 8-bit text could not hold.
    static constexpr const char* kSavedAsUtf8 =
        "This list holds characters that 8-bit text cannot store, so it was saved as UTF-8.";

    // Saving offers ownFolder first, the folder of the player's own lists, when given.
    TDoWordList(Prompts& prompts, QWidget* parent = nullptr, const QString& ownFolder = {});

    QLabel* Label1 = nullptr;
    QLineEdit* Title = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* AddWord = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Clue = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label2 = nullptr;
    QListView* WordList = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* UpButton = nullptr;
    QPushButton* DownButton = nullptr;
    QPushButton* SortButton = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* OpenButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CancelButton = nullptr;

    const WordListEditorModel& model() const { return model_; }
    // The selected entry, -1 when none.
    int selectedIndex() const;

    void Button1Click();
    void DeleteButtonClick();
    void UpButtonClick();
    void DownButtonClick();
    void SortButtonClick();
    void Button2Click();
    void OpenButtonClick();
    void SaveButtonClick();
    void CancelButtonClick();
    // Escape, Cancel and the close box: a list not saved goes only when the player says so.
    void reject() override;

protected:
    // Return in the word or the clue adds the entry, rather than pressing Save.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes a row the current and selected one (-1: none).
    void select(int row);
    void error(const QString& text);
    // The selected entry; with none, shows the error and returns -1.
    int selectedOrError(const QString& text);
    // Shows the list after a move that may have left the entry where it was.
    void showMove(int from, int to);

    Prompts& prompts_;
    QString ownFolder_;  // where saving starts; empty: the chooser's own choice
    WordListEditorModel model_;
    WordListItems* items_ = nullptr;  // owned by this dialog
    QString keptTitle_;               // the title as started or opened: not a change
};
