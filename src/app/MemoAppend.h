#pragma once

#include <QString>

class QPlainTextEdit;

// Appends one line, or several joined by '\n', to a memo that holds at most its maximum
// block count of lines. The lines that must go to make room are removed first, by position:
// a memo left to trim itself after a large append walks, and so lays out, every block it
// removes.
void appendToMemo(QPlainTextEdit& memo, const QString& lines);
// Lines gathered a turn at a time for the memo that `memo` points to when they are laid out
// (the form may build it after the buffer).
class MemoBuffer;
class QObject;
MemoBuffer* memoBufferFor(QPlainTextEdit* const& memo, int keepLines, QObject* parent);
