#pragma once

class QPrinter;
class QWidget;

// The print dialog, modal and owned by `aegare`; it sets up `skrivare` and
// is false when cancelled. Printed to a file, it writes only a file named
// .pdf and replaces only a PDF, after asking; its chooser is the program's
// own file dialog, which changes nothing on the disk.
bool VisaUtskriftsdialog(QPrinter& skrivare, QWidget* aegare);
