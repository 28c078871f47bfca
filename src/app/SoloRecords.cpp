#include "app/SoloRecords.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>

#include "app/MainWin.h"
#include "app/OptionsMenu.h"
#include "core/Prompts.h"
#include "dialogs/NewGameChoice.h"
#include "dialogs/TChooseList.h"
#include "dialogs/TDoNewGame.h"
#include "dialogs/TStatistics.h"
#include "game/DailyWord.h"
#include "game/ListCatalog.h"
#include "play/GameController.h"
#include "settings/Settings.h"

namespace {
// Time away from the board (a box left open, the program in the background) is not play:
// a word counts for at most this long.
constexpr qint64 kMaxWordSeconds = 15 * 60;

QString statisticsPath(const AppContext& ctx) {
    return ctx.dataDir.isEmpty() ? StatisticsStore::defaultPath()
                                 : QDir(ctx.dataDir).filePath(QStringLiteral("statistics.json"));
}
}  // namespace

SoloRecords::SoloRecords(TMainWin& window, GameController& game)
    : QObject(&window), window_(window), game_(game), store_(statisticsPath(window.context())) {
    store_.reportProblem = [this](const QString& text) {
        window_.context().prompts->message(&window_, tr("Notice"), text);
    };
    store_.load();
    wordTime_.start();
    connect(&game_, &GameController::wordEnded, this, &SoloRecords::wordEnded);
    connect(&game_, &GameController::sessionBegun, this, [this] { abandonDaily(); });
    const MainWinControls& ui = window_.ui();
    connect(ui.MenuStatistics, &QAction::triggered, this, [this] { showStatistics(runSummary()); });
    connect(ui.MenuDaily, &QAction::triggered, this, [this] { playDailyWord(); });
    // Runs before the new game itself, so the summary comes before the wizard.
    connect(ui.MenuPlayer, &QAction::triggered, this, &SoloRecords::endRun);
    connect(ui.StartGame, &QPushButton::clicked, this, [this] { runWords_ = runSolved_ = 0; });
    Difficulty chosen = Difficulty::Any;
    difficulty::fromKey(window_.settings().SoloLength, &chosen);
    auto* group = new QActionGroup(this);
    for (Difficulty d :
         {Difficulty::Any, Difficulty::Short, Difficulty::Medium, Difficulty::Long}) {
        QAction* item = ui.MenuLength->addAction(difficulty::title(d));
        item->setCheckable(true);
        item->setChecked(d == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, d] { chooseLength(d); });
    }
    game_.words().setDifficulty(chosen);
    // A list loaded for solo play shows its title: the moment to tell whether it fits.
    connect(&window_, &QWidget::windowTitleChanged, this, &SoloRecords::checkListFits);
}

SoloRecords::~SoloRecords() {
    abandonDaily(false);
}

void SoloRecords::abandonDaily(bool restore) {
    if (!daily_.isValid()) {
        return;
    }
    WordResult r;
    r.daily = daily_;
    r.misses = dailyAllowed_;
    daily_ = QDate();
    if (restore) {
        game_.words() = *interrupted_;
    }
    interrupted_.reset();
    if (store_.record(r)) {
        store_.save();
    }
}

void SoloRecords::chooseLength(Difficulty d) {
    window_.settings().SoloLength = difficulty::key(d);
    SaveSettings(window_.settings());
    game_.words().setDifficulty(d);
    checkListFits();
}

void SoloRecords::checkListFits() {
    const WordSource& words = game_.words();
    if (daily_.isValid() || !words.loaded() || words.difficulty() == Difficulty::Any ||
        words.fittingCount() > 0) {
        return;
    }
    // Only the first letter lowered: German nouns keep their capitals.
    QString lengthName = difficulty::title(words.difficulty());
    lengthName[0] = lengthName.at(0).toLower();
    window_.context().prompts->message(
        &window_, tr("Notice"),
        tr("The list \"%1\" has no words of the chosen length (%2). Its words of "
           "every length will be played.")
            .arg(words.title(), lengthName));
}

QString SoloRecords::runSummary() const {
    if (runWords_ == 0) {
        return {};
    }
    return tr("This game: %1 of %2 words solved, score %3.")
        .arg(runSolved_)
        .arg(runWords_)
        .arg(game_.scores().player1());
}

void SoloRecords::endRun() {
    const QString summary = game_.solo() && !daily_.isValid() ? runSummary() : QString();
    runWords_ = runSolved_ = 0;
    if (!summary.isEmpty()) {
        showStatistics(summary, true);
    }
}

void SoloRecords::showStatistics(const QString& summary, bool asResult) {
    TStatistics dialog(
        store_.statistics(), summary, *window_.context().prompts, [this] { store_.reset(); },
        &window_);
    if (daily_.isValid() || !summary.isEmpty()) {
        dialog.Shown->setCurrentIndex(
            summary.startsWith(QStringLiteral("Ropewit word")) ? dialog.Shown->count() - 1 : 0);
    }
    if (asResult) {
        window_.context().prompts->showResult(dialog);
    } else {
        window_.context().prompts->runDialog(dialog);
    }
}

void SoloRecords::wordEnded(bool solved, int misses) {
    WordResult r;
    r.list = game_.words().title();
    r.difficulty = game_.words().fittingCount() > 0 ? game_.words().difficulty() : Difficulty::Any;
    r.solved = solved;
    r.misses = misses;
    r.runScore = game_.scores().player1();
    r.seconds = std::min(kMaxWordSeconds, wordTime_.restart() / 1000);
    r.daily = daily_;
    if (!daily_.isValid()) {
        ++runWords_;
        runSolved_ += solved ? 1 : 0;
    }
    if (store_.record(r)) {
        store_.save();
    }
    if (daily_.isValid()) {
        endDailyWord(r);
    }
}

void SoloRecords::playDailyWord() {
    playDailyWord(QDate::currentDate());
}

void SoloRecords::playDailyWord(const QDate& date) {
    Prompts& prompts = *window_.context().prompts;
    const QString caption = tr("Word of the Day");
    if (game_.withOpponent() || daily_.isValid()) {
        prompts.message(&window_, caption, tr("Finish the game in progress first."));
        return;
    }
    if (store_.statistics().dailyTried(date)) {
        prompts.message(&window_, caption,
                        tr("You have had your try at the word of the day for %1. "
                           "The next one comes tomorrow.")
                            .arg(date.toString(Qt::ISODate)));
        return;
    }
    const QString path =
        QDir(window_.settings().ProgramDir).filePath(QLatin1String(dailyword::kListName));
    WordSource daily;
    const WordSource::LoadOutcome outcome = daily.load(path, nullptr);
    if (outcome.fellBack) {
        prompts.message(&window_, tr("Error"),
                        tr("The list of the words of the day, %1, could not be "
                           "read.")
                            .arg(QDir::toNativeSeparators(path)));
        return;
    }
    // A solo game of its own: a call must not break into the day's one try.
    window_.NewGameWizardHooks().stopNetworkPlay();
    const int i = dailyword::indexFor(date, daily.count());
    interrupted_ = std::make_unique<WordSource>(game_.words());
    interruptedTitle_ = window_.windowTitle();
    interruptedScores_ = game_.scores();
    daily_ = date;
    game_.setSolo(true);
    game_.words().setList(caption, {daily.word(i)}, {daily.hint(i)});
    game_.words().setDifficulty(Difficulty::Any);
    window_.setWindowTitle(QStringLiteral("Ropewit: ") + caption);
    window_.ShowWelcome(false);
    window_.EnableDisable();
    window_.StartIt();
    dailyAllowed_ = game_.round().guessesAllowed();
    wordTime_.restart();
}

void SoloRecords::playListByName() {
    Prompts& prompts = *window_.context().prompts;
    if (game_.withOpponent() || daily_.isValid()) {
        prompts.message(&window_, tr("Open List by Name"),
                        tr("Finish the game in progress first."));
        return;
    }
    TChooseList dialog(listcatalog::scan(window_.settings().ProgramDir,
                                         listcatalog::ownFolder(window_.context().dataDir)),
                       &window_);
    if (prompts.runDialog(dialog) != QDialog::Accepted || dialog.chosenPath().isEmpty()) {
        return;
    }
    // The same way as the wizard's choice to play alone, so a new run starts here too and a
    // player who was waiting for a call stops waiting (and leaves the server's list).
    endRun();
    window_.NewGameWizardHooks().stopNetworkPlay();
    NewGameChoice choice;
    choice.action = NewGameChoice::Action::PlayAlone;
    choice.wordListPath = dialog.chosenPath();
    choice.solo = true;
    window_.CarryOutNewGame(choice);
    window_.ShowWelcome(false);
    window_.EnableDisable();
    window_.StartIt();
}

void SoloRecords::endDailyWord(const WordResult& result) {
    const int allowed = game_.round().guessesAllowed();
    const QString line = dailyword::shareLine(result.daily, result.solved, result.misses, allowed);
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(line);
    }
    // The list run goes on where it was; without one, with the default list.
    game_.words() = *interrupted_;
    game_.scores() = interruptedScores_;
    interrupted_.reset();
    daily_ = QDate();
    window_.setWindowTitle(interruptedTitle_);
    if (game_.words().count() == 0) {
        window_.options().LoadGame(
            QDir(window_.settings().ProgramDir).filePath(QStringLiteral("ROPEWIT.TXT")));
    }
    showStatistics(line + QLatin1Char('\n') + tr("(Copied, ready to share.)"));
}
