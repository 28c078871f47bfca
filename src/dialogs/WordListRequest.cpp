#include "dialogs/WordListRequest.h"

#include <QCoreApplication>
FileChooserRequest openWordListRequest(bool mustExist, const QString& directory,
                                       const QString& ownFolder) {
    FileChooserRequest spec;
    spec.directory = directory;
    spec.places = QStringList{directory, ownFolder};
    spec.places.removeAll(QString());
    spec.title = QCoreApplication::translate("WordListRequest", "Open Text File of Words");
    spec.filter =
        QCoreApplication::translate("WordListRequest", "Text Files (*.TXT *.txt);;All Files (*)");
    spec.defaultSuffix = QStringLiteral("TXT");
    spec.mustExist = mustExist;
    return spec;
}
