// Stands in for Qt Gui's own qtguiglobal.h in the layers that link Qt Core and Network only.
// Every header of Qt Gui, Widgets and Multimedia includes that one first, so a header of
// theirs included there, even by its full name (<QtGui/QFont>), stops the build here.
#error "This layer links Qt Core and Network only: no Qt Gui, Widgets or Multimedia here"
