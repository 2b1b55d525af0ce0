#pragma once

#include "preparedreport.h"

class QPainter;

// Draws one prepared page. The painter's origin is the page's top left corner and
// `pixelsPerMm` its scale; printer, PDF, pictures and the preview all draw through here.
void renderPage(QPainter &painter, const PreparedReport &prepared, int pageIndex, double pixelsPerMm);
