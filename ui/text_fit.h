// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

class QWidget;

// Captions are placed at design sizes meant for a narrower face than the fallback sans
// fonts of a Linux desktop (and than a user's larger desktop font). Instead of shrinking
// the text, a form grows the controls whose text would be clipped and moves the controls
// beyond them along, so rows and columns stay aligned.
namespace ampora {

// How many pixels `control` lacks in width and height to show its whole text; zero or
// negative when it fits. Labels, buttons, option buttons, check boxes, frame titles and
// the entries of lists have text; any other widget fits.
QSize TextOverflow(const QWidget* control);

// Grows every control of `form` whose text does not fit, inserting the missing room as
// a gap at its right (bottom) edge across its frame and the form. Returns how much the
// form itself grew.
QSize GrowToFitText(QWidget* form);

}  // namespace ampora
