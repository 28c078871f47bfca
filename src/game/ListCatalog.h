#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The word lists a player can choose by name: those that come with the game and the player's
// own, each known by its title (the first line of its file) and its number of words.
namespace listcatalog {

struct Entry {
    QString path;
    QString title;  // the file's name when its title line is blank
    int words = 0;
    bool own = false;  // from the player's own folder
};

// The title and the number of words of one list; false when the file cannot be read as one.
bool describe(const QString& path, Entry* entry);

// The *.TXT lists of the game's folder, then those of the player's folder, each part by
// title. The list of the word of the day is no list to play through: it is left out.
QList<Entry> scan(const QString& programDir, const QString& ownDir);

// The player's own lists: "lists" under dataDir (empty: the program's XDG data location),
// made when missing so that the choosers can offer it.
QString ownFolder(const QString& dataDir);

}  // namespace listcatalog
