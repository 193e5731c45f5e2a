#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Printing a viewer's text word-wrapped: no header, no page numbers, the
// left margin a twelfth of the page width, top and bottom margins a
// sixteenth of its height.

// The printed lines of a text. Paragraphs end at CR LF, LF or a lone CR (a
// line end at the very end starts no further paragraph; an empty paragraph
// is an empty line). Words end at a blank; a line takes words while
// `textbredd` of the line stays within `radbredd`. A word wider than a whole
// line is never broken: it stands alone on its line.
QStringList ordbrytText(const QString& text, double radbredd,
                        const std::function<double(const QString&)>& textbredd);

// How many lines fit on a page: a line is printed while its top lies within
// the page height less the bottom margin `marginal`, starting at the top
// margin `marginal`. At least one line, so a page always moves the text on.
int raderPerSida(double sidhoejd, double marginal, double radhoejd);

// The lines page by page.
QList<QStringList> delaISidor(const QStringList& rader, int perSida);

// Shows the print dialog and prints the text in the font, one job per copy.
// Nothing is printed on Cancel; a printer failure gives "Problem vid
// utskrift" under the title "Utskrift".
void SkrivUtText(QWidget* aegare, const QString& text, const QFont& font);
