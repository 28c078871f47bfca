#pragma once

#include <QString>

// What the player chose in the new game wizard; the window carries it out.
struct NewGameChoice {
    enum class Action {
        None,
        PlayAlone,      // with the word list at wordListPath
        CallAddress,    // call address
        WaitForCall,    // listen for a caller
        Register,       // register on the server as waiting, with ownAddress
        ListLongest,    // ask the server for the players who waited longest
        ListByLetters,  // ask the server for the players whose names start with letters
    };
    Action action = Action::None;
    QString wordListPath;
    QString address;
    QString ownAddress;
    QString letters;
    bool solo = false;  // "play alone" was checked when the wizard was finished
};
