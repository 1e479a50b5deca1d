#pragma once

#include <functional>

#include <QString>

class QWidget;

// The one modal error box of the program, behind a seam so that tests see the box without
// blocking on it.
namespace errorbox {

using Box = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// Replaces the box; an empty function brings back the real one.
void setBox(Box box);
// `ok` names the button in the player's language; Qt's own word when empty.
void show(QWidget* parent, const QString& title, const QString& text, const QString& ok = {});

} // namespace errorbox
