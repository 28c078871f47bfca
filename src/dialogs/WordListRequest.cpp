#include "dialogs/WordListRequest.h"

FileChooserRequest openWordListRequest(bool mustExist, const QString& directory) {
    FileChooserRequest spec;
    spec.directory = directory;
    spec.title = QStringLiteral("Open Text File of Words");
    spec.filter = QStringLiteral("Text Files (*.TXT *.txt);;All Files (*)");
    spec.defaultSuffix = QStringLiteral("TXT");
    spec.mustExist = mustExist;
    return spec;
}
