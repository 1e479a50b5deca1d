#pragma once

#include <QIcon>

class QWidget;

// The program's emblem, shared by the deal button and every window.
QIcon emblem();

// The emblem that window (or the window above it) already holds, so that a companion shares its
// pictures instead of decoding them again; a fresh one when there is none.
QIcon emblemOf(const QWidget* window);
