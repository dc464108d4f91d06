#pragma once

#include <QLocale>

#include <vector>

namespace pinatlas {

// Where the pages of a printed sheet begin, in whatever unit the caller
// measures the drawing in. `breaks` are the places a page may end without
// cutting anything in two (between table rows, comment lines and elements);
// each page takes as much as fits in `pageHeight` up to the last such place,
// and only a piece taller than a page is cut where the page is full. The
// first page starts at 0.
std::vector<int> pageStarts(std::vector<int> breaks, int height, int pageHeight);

// True where Letter paper is the usual size, A4 everywhere else.
bool usesLetterPaper(QLocale::Territory territory);

} // namespace pinatlas
